// The art generator is deterministic: two runs give the same bytes, and a run
// writes only into the two folders it is given.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> ReadTree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[fs::relative(entry.path(), root).generic_string()] =
            std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    return files;
}

}  // namespace

TEST(ArtRepeat, TwoRunsGiveIdenticalFiles) {
#ifndef GLD_ARTGEN_PATH
    GTEST_SKIP() << "the art generator is not part of this build";
#else
    fs::path base = MakeTempFolder("art-repeat");
    std::map<std::string, std::string> runs[2];
    for (int i = 0; i < 2; i++) {
        fs::path run = base / ("run" + std::to_string(i)), sheets = base / ("sheets" + std::to_string(i));
        std::string command = std::string("\"") + GLD_ARTGEN_PATH + "\" \"" + run.string() + "\" \"" + sheets.string() + "\" > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        runs[i] = ReadTree(run);
        // nothing but the data folder and the icon lands in the run folder
        for (const auto& entry : fs::directory_iterator(run)) {
            std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "data" || name == "icon32.ico") << name;
        }
    }
    ASSERT_GT(runs[0].size(), 200u);
    ASSERT_EQ(runs[0].size(), runs[1].size());
    for (const auto& [name, bytes] : runs[0]) {
        auto other = runs[1].find(name);
        ASSERT_NE(other, runs[1].end()) << name;
        EXPECT_TRUE(bytes == other->second) << name << " differs between runs";
    }
#endif
}
