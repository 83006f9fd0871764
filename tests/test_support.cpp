#include "tests/test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/platform.h"
#include "platform/writers/writers.h"

void UseHeadlessPlatform() {
    // Set before SDL starts: the test program never uses a real device.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_RENDER_DRIVER", "software", 0);
    PlatformInit();
    if (!DisplayIsOpen()) {
        OpenDisplay(800, 600, 0, 60);
        SetLogicalResolution(1024, 768);
    }
}

namespace {

struct TMadeFolder {
    std::string path;
    pid_t maker;
};

// Made before the removal is planned, so it still exists when that runs at exit.
std::vector<TMadeFolder>& MadeFolders() {
    static std::vector<TMadeFolder> folders;
    return folders;
}

// Only the process that made a folder removes it: a forked child that ends
// normally must not take its parent's folders away.
void RemoveMadeFolders() {
    std::error_code ignored;
    for (const TMadeFolder& folder : MadeFolders())
        if (folder.maker == getpid()) std::filesystem::remove_all(folder.path, ignored);
    MadeFolders().clear();
}

}  // namespace

// Links inside are removed, not followed, so linked data is never touched.
std::string MakeTempFolder(const std::string& tag) {
    const char* base = std::getenv("TMPDIR");
    std::string buffer = std::string(base && *base ? base : "/tmp") + "/gld-" + tag + "-XXXXXX";
    if (!mkdtemp(buffer.data())) return "";
    MadeFolders().push_back({buffer, getpid()});
    static int removalPlanned = 0;
    if (!removalPlanned) removalPlanned = std::atexit(RemoveMadeFolders) == 0;
    return buffer + "/";
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

int SaveScreenPng(const std::string& path) {
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    if (!ReadScreenPixels(pixels, width, height)) return 0;
    return SavePng(path, width, height, pixels);
}

TMemoryCap::TMemoryCap(size_t extraBytes) {
    // The first field of statm is the address space in pages.
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0;
    if (!(statm >> pages) || getrlimit(RLIMIT_AS, &saved) != 0) return;
    rlimit capped = saved;
    capped.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + extraBytes;
    if (saved.rlim_max != RLIM_INFINITY && capped.rlim_cur > saved.rlim_max) capped.rlim_cur = saved.rlim_max;
    applied = setrlimit(RLIMIT_AS, &capped) == 0;
}

TMemoryCap::~TMemoryCap() {
    if (applied) setrlimit(RLIMIT_AS, &saved);
}
