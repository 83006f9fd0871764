// The game program as a process: a second copy leaves at once, silently, with
// exit code 0, before it opens a window or creates a save folder; a game that
// finds no display says why and leaves with code 1.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/platform.h"
#include "tests/test_support.h"

static std::string GameProgram() {
    return std::string(GLD_RUN_DIR) + "/../glimmerdeep";
}

struct TGameRun {
    int status = -1;        // exit code; -1 when it was still running and was killed
    double seconds = 0.0;
    std::string out, err;
    std::string saveBase;   // the child's XDG_DATA_HOME
};

// Starts the game in the run folder with its own save folder, after
// `environment` has adjusted the child's environment, and gives it 10 seconds.
static TGameRun RunGameProgram(void (*environment)()) {
    TGameRun run;
    run.saveBase = MakeTempFolder("child-save");
    std::string outputs = MakeTempFolder("child-out");
    auto started = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child < 0) return run;
    if (child == 0) {
        setenv("XDG_DATA_HOME", run.saveBase.c_str(), 1);
        if (environment) environment();
        if (!std::freopen((outputs + "out.txt").c_str(), "w", stdout) ||
            !std::freopen((outputs + "err.txt").c_str(), "w", stderr) || chdir(GLD_RUN_DIR) != 0)
            _exit(98);
        execl(GameProgram().c_str(), "glimmerdeep", static_cast<char*>(nullptr));
        _exit(99);
    }
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(child, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() - started < std::chrono::seconds(10))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (ended == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    } else if (WIFEXITED(status)) {
        run.status = WEXITSTATUS(status);
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    run.out = ReadWholeFile(outputs + "out.txt");
    run.err = ReadWholeFile(outputs + "err.txt");
    return run;
}

TEST(SingleInstance, ASecondCopyExitsAtOnceWithCodeZero) {
    if (PathKind(GameProgram()) != 1) GTEST_SKIP() << "the game program is not built";
    std::string runtime = MakeTempFolder("lock");
    std::string oldRuntime = EnvironmentValue("XDG_RUNTIME_DIR");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ReleaseInstanceLock();
    ASSERT_EQ(AcquireInstanceLock("GLD"), 1) << "this process plays the first copy";
    TGameRun second = RunGameProgram(nullptr);
    ReleaseInstanceLock();
    setenv("XDG_RUNTIME_DIR", oldRuntime.c_str(), 1);

    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out + second.err, "") << "the second copy says nothing";
    EXPECT_EQ(PathKind(second.saveBase + "Orvane"), 0) << "it stopped before the save folder";
    EXPECT_LT(second.seconds, 5.0);
}

// Without a display server SDL either fails to start the named driver or
// falls back by itself to one that draws into memory; neither may leave an
// invisible game running with the lock held.
TEST(NoDisplay, TheGameSaysWhyOnOneLineAndExitsWithCodeOne) {
    if (PathKind(GameProgram()) != 1) GTEST_SKIP() << "the game program is not built";
    void (*const environments[])() = {
        [] { unsetenv("DISPLAY"), unsetenv("WAYLAND_DISPLAY"), setenv("SDL_VIDEODRIVER", "x11", 1); },
        [] { unsetenv("DISPLAY"), unsetenv("WAYLAND_DISPLAY"), unsetenv("SDL_VIDEODRIVER"); },
    };
    std::string runtime = MakeTempFolder("nodisplay-lock");
    std::string oldRuntime = EnvironmentValue("XDG_RUNTIME_DIR");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    for (auto environment : environments) {
        TGameRun run = RunGameProgram(environment);
        EXPECT_EQ(run.status, 1) << "still running after " << run.seconds << " s: " << run.err;
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        EXPECT_NE(run.err.find("display"), std::string::npos) << run.err;
    }
    ReleaseInstanceLock();
    EXPECT_EQ(AcquireInstanceLock("GLD"), 1) << "the lock is free for the next start";
    ReleaseInstanceLock();
    setenv("XDG_RUNTIME_DIR", oldRuntime.c_str(), 1);
}
