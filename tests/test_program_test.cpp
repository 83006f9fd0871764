// The test program cleans up after itself: a run leaves nothing in the
// temporary folder.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/test_support.h"

// Runs a few suites that make save, working and scratch folders, in a child
// copy of this program whose temporary folder is a fresh one.
TEST(TestProgram, LeavesNothingInTheTemporaryFolder) {
    std::string temporary = MakeTempFolder("tmpdir");
    ASSERT_FALSE(temporary.empty());
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setenv("TMPDIR", temporary.c_str(), 1);
        if (!std::freopen("/dev/null", "w", stdout)) _exit(98);
        execl("/proc/self/exe", "glimmerdeep_tests",
              "--gtest_filter=Settings.EachLineIsReadAsItStands:Splash.LinesAfterTheTwentyNinthAreIgnored:"
              "SaveFolder.*:Replay.AMissingFileReplaysNothing:InFolder.AMissingPictureIsReportedOnceAndStaysEmpty",
              static_cast<char*>(nullptr));
        _exit(99);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << "the suites themselves failed";
    std::string left;
    for (const auto& entry : std::filesystem::directory_iterator(temporary))
        left += entry.path().filename().string() + " ";
    EXPECT_EQ(left, "");
}
