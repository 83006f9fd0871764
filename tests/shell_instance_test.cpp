// A second copy of the game leaves at once, silently, with exit code 0,
// before it opens a window or creates a save folder.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "tests/test_support.h"

static std::string GameProgram() {
    return std::string(GLD_RUN_DIR) + "/../glimmerdeep";
}

TEST(SingleInstance, ASecondCopyExitsAtOnceWithCodeZero) {
    if (PathKind(GameProgram()) != 1) GTEST_SKIP() << "the game program is not built";
    std::string runtime = MakeTempFolder("lock");
    std::string saveBase = MakeTempFolder("second-save");
    std::string output = MakeTempFolder("second-out") + "out.txt";
    std::string oldRuntime = EnvironmentValue("XDG_RUNTIME_DIR");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ReleaseInstanceLock();
    ASSERT_EQ(AcquireInstanceLock("GLD"), 1) << "this process plays the first copy";

    auto started = std::chrono::steady_clock::now();
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setenv("XDG_DATA_HOME", saveBase.c_str(), 1);
        FILE* out = std::freopen(output.c_str(), "w", stdout);
        FILE* err = std::freopen(output.c_str(), "a", stderr);
        (void)out;
        (void)err;
        execl(GameProgram().c_str(), "glimmerdeep", static_cast<char*>(nullptr));
        _exit(99);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    ReleaseInstanceLock();
    setenv("XDG_RUNTIME_DIR", oldRuntime.c_str(), 1);

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadWholeFile(output), "") << "the second copy says nothing";
    EXPECT_EQ(PathKind(saveBase + "Orvane"), 0) << "it stopped before the save folder";
    EXPECT_LT(seconds, 5.0);
}

TEST(SingleInstance, TheLockIsFreeAgainOnceTheHolderLetsGo) {
    std::string runtime = MakeTempFolder("lock2");
    std::string oldRuntime = EnvironmentValue("XDG_RUNTIME_DIR");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ReleaseInstanceLock();
    ASSERT_EQ(AcquireInstanceLock("GLD"), 1);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ReleaseInstanceLock();   // the copy inherited from this process does not count
        _exit(AcquireInstanceLock("GLD") == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a forked copy is turned away while the lock is held";
    ReleaseInstanceLock();
    child = fork();
    if (child == 0) {
        ReleaseInstanceLock();
        _exit(AcquireInstanceLock("GLD") == 1 ? 0 : 1);
    }
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    setenv("XDG_RUNTIME_DIR", oldRuntime.c_str(), 1);
}
