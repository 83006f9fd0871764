// The fuzz entries of the game's file readers: settings, profiles, champions,
// best times, level files, the text table, the splash configuration, PNG,
// JPEG, OGG, WAV and the window icon.
#include "tests/fuzz/fuzz_readers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "map/best_times.h"
#include "match3/level_files.h"
#include "menus/champions.h"
#include "menus/profiles.h"
#include "platform/platform.h"
#include "shell/settings.h"
#include "shell/splash.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tables/table.h"
#include "text/text_table.h"

namespace {

std::string privateFolder;   // made on the first input, removed at exit

// The folders the readers may need below the private one.
const char* const SUBFOLDERS[] = {"data", "data/branding"};

// The file the readers are fed, kept open from one input to the next: writing
// it again costs two calls where making and removing it cost four, with the
// most expensive ones of all (a file made, a file removed).
std::string fedPath;
int fedFile = -1;
size_t fedSize = 0;

void RemoveFedFile() {
    if (fedFile < 0) return;
    close(fedFile);
    unlink(fedPath.c_str());
    fedFile = -1;
    fedPath.clear();
}

void RemovePrivateFolder() {
    RemoveFedFile();
    if (privateFolder.empty()) return;
    for (int i = static_cast<int>(sizeof SUBFOLDERS / sizeof *SUBFOLDERS) - 1; i >= 0; i--)
        rmdir((privateFolder + "/" + SUBFOLDERS[i]).c_str());
    rmdir(privateFolder.c_str());
    privateFolder.clear();
}

const std::string& PrivateFolder() {
    if (!privateFolder.empty()) return privateFolder;
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/glimmerdeep-fuzz-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    privateFolder = name.data();
    for (const char* sub : SUBFOLDERS) mkdir((privateFolder + "/" + sub).c_str(), 0700);
    std::atexit(RemovePrivateFolder);
    return privateFolder;
}

// Makes the file at `path` hold exactly these bytes. A reader's file is made
// once, then written over and cut to the input's length; a file another
// reader fed, or one no longer there, is removed or made anew first.
void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
    struct stat info;
    if (fedFile >= 0 && (path != fedPath || fstat(fedFile, &info) != 0 || info.st_nlink == 0)) RemoveFedFile();
    if (fedFile < 0) {
        fedFile = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fedFile < 0) {
            std::perror(path.c_str());
            std::abort();
        }
        fedPath = path;
        fedSize = 0;
    }
    for (size_t at = 0; at < size;) {
        ssize_t n = pwrite(fedFile, data + at, size - at, static_cast<off_t>(at));
        if (n <= 0) std::abort();
        at += static_cast<size_t>(n);
    }
    if (size < fedSize && ftruncate(fedFile, static_cast<off_t>(size)) != 0) std::abort();
    fedSize = size;
}

// Files the game keeps in its save folder go to the private folder's root.
std::string InSaveFolder(std::string (*path)()) {
    saveFolder = PrivateFolder() + "/";
    return path();
}

// Any file is read: a short one reads its missing lines as 0.
int ReadSettingsFile(const std::string&) {
    ReadSettings();
    return 1;
}

int ReadProfile(const std::string& path) {
    static TPlayerProfile player;
    return ReadProfileFile(path, player);
}

int ReadChampions(const std::string&) {
    LoadChampions();
    return 1;
}

int ReadBestTimes(const std::string&) {
    return LoadBestTimes();
}

// The level file stands in for level 1: its preview, then the live board a
// player starting position 1 gets. Both are read from the same codes, as the
// game reads them from the same file. The reading into places, with every
// test of the file's numbers, runs for every input. Under the fuzzer the
// building of the preview and of the board on those places runs for a file
// of first codes only (LevelCodesPlain): any other file gives the builders
// the places of such a file, which the fuzzer makes as well, and the building
// is most of an input's work. The replay of the kept inputs builds every
// board. Each step starts from the same random numbers, so that an input
// always reads and builds the same way.
#ifdef GLD_FUZZ_READER
constexpr int BUILD_EVERY_BOARD = 0;
#else
constexpr int BUILD_EVERY_BOARD = 1;
#endif

int ReadLevel(const std::string&) {
    static int ready = 0;
    if (!ready) {
        BuildLevelList();
        ResetProfile(1);
        ready = 1;
    }
    int codes[LEVEL_CODES];
    if (!ReadLevelCodes(1, codes)) return 0;
    const int build = BUILD_EVERY_BOARD || LevelCodesPlain(codes);
    SeedRandom(1);
    PlaceLevelPreview(1, codes);
    if (build) FinishLevelPreview(1);
    SeedRandom(1);
    currentPlayer = 1;
    playStarted = 0;
    mapPosition = 1;
    levelNo = positionLevel[mapPosition];
    PlaceLevelCells(codes);
    if (build) BuildLevelBoard();
    return 1;
}

int ReadTexts(const std::string& path) {
    return LoadCodeTextsFrom(path);
}

// The configuration is read from the working folder's data/branding.
int ReadSplash(const std::string&) {
    char kept[4096];
    if (!getcwd(kept, sizeof kept) || chdir(PrivateFolder().c_str()) != 0) std::abort();
    int found = ReadSplashConfig();
    if (chdir(kept) != 0) std::abort();
    return found;
}

// A picture as a whole and as a strip of frames, as the game loads both. Both
// decode the file the same way; a file that does not decode as a whole does
// not decode as a strip either, so only a decoded one is cut into frames.
int ReadPicture(const std::string& path) {
    TImage image = LoadImageFile(path, -1);
    if (!image) return 0;
    ImagePixel(image, 0, ImageWidth(image) - 1, ImageHeight(image) - 1);
    FreeImage(image);
    TImage strip = LoadImageStrip(path, 3, 2, 1, 4);
    FreeImage(strip);
    return 1;
}

int ReadSound(const std::string& path) {
    TSound sound = LoadSoundFile(path, 1);
    int ok = sound != 0;
    FreeSound(sound);
    return ok;
}

int ReadIcon(const std::string& path) {
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    int ok = ReadIconPixels(path, pixels, width, height);
    if (ok && pixels.size() != static_cast<size_t>(width) * height) std::abort();
    return ok;
}

struct TFuzzReader {
    const char* name;
    std::string (*path)();     // where the reader looks for its file
    int (*read)(const std::string& path);
};

std::string SettingsFile() { return InSaveFolder(SettingsPath); }
std::string ProfileFile() { return InSaveFolder([] { return ProfilePath(1); }); }
std::string ChampionsFile() { return InSaveFolder(ChampionsPath); }
std::string BestTimesFile() { return InSaveFolder(BestTimesPath); }
std::string LevelFile() {
    levelFolder = PrivateFolder() + "/";
    return LevelFileName(1);
}
std::string PrivateFile(const char* name) { return PrivateFolder() + "/" + name; }
std::string TextsFile() { return PrivateFile("codetexts.txt"); }
std::string SplashFile() { return PrivateFile("data/branding/splashconfig.txt"); }
std::string PngFile() { return PrivateFile("picture.png"); }
std::string JpegFile() { return PrivateFile("picture.jpg"); }
std::string OggFile() { return PrivateFile("sound.ogg"); }
std::string WavFile() { return PrivateFile("sound.wav"); }
std::string IconFile() { return PrivateFile("icon32.ico"); }

const TFuzzReader READERS[] = {
    {"settings", SettingsFile, ReadSettingsFile}, {"profiles", ProfileFile, ReadProfile},
    {"champions", ChampionsFile, ReadChampions},  {"best_times", BestTimesFile, ReadBestTimes},
    {"levels", LevelFile, ReadLevel},             {"texts", TextsFile, ReadTexts},
    {"splash", SplashFile, ReadSplash},           {"png", PngFile, ReadPicture},
    {"jpeg", JpegFile, ReadPicture},              {"ogg", OggFile, ReadSound},
    {"wav", WavFile, ReadSound},                  {"icon", IconFile, ReadIcon},
};
constexpr int READER_COUNT = sizeof READERS / sizeof *READERS;

}  // namespace

const char* FuzzReaderName(int index) {
    return index >= 0 && index < READER_COUNT ? READERS[index].name : nullptr;
}

int FeedReader(const char* reader, const uint8_t* data, size_t size) {
    for (const TFuzzReader& entry : READERS) {
        if (std::strcmp(entry.name, reader) != 0) continue;
        std::string path = entry.path();
        WriteBytes(path, data, size);
        long before = tableOutOfRangeCount;
        int took = entry.read(path);
        if (tableOutOfRangeCount != before) {
            std::fprintf(stderr, "the %s reader indexed a table out of range\n", reader);
            std::abort();
        }
        return took ? 1 : 0;
    }
    return -1;
}
