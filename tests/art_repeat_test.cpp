// The art generator is deterministic: a second run gives the same bytes, and a
// run writes only into the two folders it is given.
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

// The build's own run made the data folder the tests use; a second run,
// into a scratch folder, must give every file it writes byte for byte again.
TEST(ArtRepeat, ASecondRunGivesTheBuildsFilesAgain) {
#ifndef GLD_ARTGEN_PATH
    GTEST_SKIP() << "the art generator is not part of this build";
#else
    fs::path base = MakeTempFolder("art-repeat");
    fs::path run = base / "run", sheets = base / "sheets";
    std::string command = std::string("\"") + GLD_ARTGEN_PATH + "\" \"" + run.string() + "\" \"" + sheets.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    // nothing but the data folder and the icon lands in the run folder
    for (const auto& entry : fs::directory_iterator(run)) {
        std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "data" || name == "icon32.ico") << name;
    }
    const std::map<std::string, std::string> again = ReadTree(run);
    ASSERT_GT(again.size(), 200u);
    for (const auto& [name, bytes] : again)
        EXPECT_TRUE(bytes == ReadWholeFile(std::string(GLD_RUN_DIR) + "/" + name)) << name << " differs between runs";
#endif
}
