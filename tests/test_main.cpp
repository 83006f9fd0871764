// The test program's entry: every suite runs headless with its own save folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/test_support.h"

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_RENDER_DRIVER", "software", 0);
    // Keep the player's real save folder out of reach of every test.
    std::string saveHome = MakeTempFolder("save");
    setenv("XDG_DATA_HOME", saveHome.c_str(), 1);
    // The single-instance lock lives in the runtime folder: every test process
    // gets its own, so tests running side by side do not turn each other away.
    std::string runtime = MakeTempFolder("run");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    // Nothing of the run stays behind in the temporary folder.
    if (!saveHome.empty()) std::filesystem::remove_all(saveHome);
    if (!runtime.empty()) std::filesystem::remove_all(runtime);
    return result;
}
