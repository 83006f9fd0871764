// Writes the seed inputs of the fuzz targets, one folder per reader, with the
// game's own save functions and writers: small valid files for the fuzzer to
// start from. Usage: glimmerdeep_fuzz_seeds <run folder> <output folder>.
// The run folder's generated level file and text table are copied.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "map/best_times.h"
#include "match3/level_files.h"
#include "menus/champions.h"
#include "menus/profiles.h"
#include "platform/writers/writers.h"
#include "shell/settings.h"
#include "tables/best_time_tables.h"
#include "tables/champion_tables.h"
#include "tables/level_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

namespace fs = std::filesystem;

static std::string out;

static std::string Folder(const std::string& reader) {
    fs::create_directories(out + "/" + reader);
    return out + "/" + reader + "/";
}

static void Move(const std::string& from, const std::string& reader, const std::string& name) {
    fs::rename(from, Folder(reader) + name);
}

static void Put(const std::string& reader, const std::string& name, const std::string& bytes) {
    std::ofstream(Folder(reader) + name, std::ios::binary) << bytes;
}

static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

static void Put16(std::string& b, int v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>((v >> 8) & 0xFF));
}

static void Put32(std::string& b, uint32_t v) {
    Put16(b, static_cast<int>(v & 0xFFFF));
    Put16(b, static_cast<int>(v >> 16));
}

// An ICO file of one entry holding `image` (a PNG or a bitmap without its file header).
static std::string Ico(const std::string& image, int side, int bits) {
    std::string b;
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, 1);
    b.push_back(static_cast<char>(side));
    b.push_back(static_cast<char>(side));
    b.push_back(0);
    b.push_back(0);
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, static_cast<uint32_t>(image.size()));
    Put32(b, 22);
    return b + image;
}

// A bottom-up bitmap of `side` pixels with its AND mask, as icons store them.
static std::string Dib(int side, int bits) {
    std::string b;
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(side));
    Put32(b, static_cast<uint32_t>(side * 2));
    Put16(b, 1);
    Put16(b, bits);
    for (int i = 0; i < 6; i++) Put32(b, 0);
    int rowBytes = ((side * bits / 8) + 3) & ~3;
    for (int y = 0; y < side; y++) {
        std::string row;
        for (int x = 0; x < side; x++) {
            row.push_back(static_cast<char>(x * 16));
            row.push_back(static_cast<char>(y * 16));
            row.push_back(static_cast<char>(0x80));
            if (bits == 32) row.push_back(static_cast<char>(x < side / 2 ? 255 : 0));
        }
        row.resize(static_cast<size_t>(rowBytes), '\0');
        b += row;
    }
    int maskRow = ((side + 31) / 32) * 4;
    for (int y = 0; y < side; y++)
        for (int i = 0; i < maskRow; i++) b.push_back(static_cast<char>(y < side / 2 ? 0xF0 : 0x00));
    return b;
}

// A RIFF WAVE file of PCM samples.
static std::string Wav(int channels, int rate, int bits, int frames) {
    std::string data;
    for (int f = 0; f < frames; f++) {
        for (int c = 0; c < channels; c++) {
            int v = (f * 37 + c * 11) % 200 - 100;
            if (bits == 8) data.push_back(static_cast<char>(128 + v));
            else Put16(data, v * 100);
        }
    }
    std::string b = "RIFF";
    Put32(b, static_cast<uint32_t>(36 + data.size()));
    b += "WAVEfmt ";
    Put32(b, 16);
    Put16(b, 1);
    Put16(b, channels);
    Put32(b, static_cast<uint32_t>(rate));
    Put32(b, static_cast<uint32_t>(rate * channels * bits / 8));
    Put16(b, channels * bits / 8);
    Put16(b, bits);
    b += "data";
    Put32(b, static_cast<uint32_t>(data.size()));
    return b + data;
}

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    std::string run = argv[1];
    out = argv[2];
    std::string scratch = out + "/scratch/";
    fs::create_directories(scratch);
    saveFolder = scratch;

    SaveSettings(1);
    Move(SettingsPath(), "settings", "valid-defaults.txt");

    ResetProfile(1);
    players[1].playerName = u"Ann";
    SaveProfile(1);
    Move(ProfilePath(1), "profiles", "valid-new-player.ppp");
    players[1].playerProgress = 14;
    players[1].playerUnlocked = 15;
    players[1].playerScore = 12345;
    players[1].playerName = u"Bartholomew";
    SaveProfile(1);
    Move(ProfilePath(1), "profiles", "valid-stage-two.ppp");

    ClearChampionTables();
    champScore[1] = 99000;
    champProgress[1] = 120;
    champName[1] = u"Ann";
    SaveChampions();
    Move(ChampionsPath(), "champions", "valid-one-champion.ppp");

    ResetBestTimes();
    OfferBestTime(1, 75, "Ann");
    OfferBestTime(37, 300, "Bartholomew");
    Move(BestTimesPath(), "best_times", "valid-two-records.ppp");

    levelFolder = run + "/data/levelz/m3/";
    Put("levels", "valid-level-1.lvl", Bytes(LevelFileName(1)));
    Put("levels", "valid-level-29.lvl", Bytes(LevelFileName(29)));

    // The first lines of the text table: the reader takes any number of lines.
    std::string texts = Bytes(run + "/data/texts/codetexts.txt");
    size_t cut = 0;
    for (int line = 0; line < 40 && cut != std::string::npos; line++) cut = texts.find('\n', cut + 1);
    Put("texts", "valid-first-lines.txt", texts.substr(0, cut == std::string::npos ? texts.size() : cut + 1));

    Put("splash", "valid-two-pages.txt",
        "page=1\r\nfile=logo.png\r\ntime=80\r\nskip=false\r\n;---\r\npage=2\r\nfile=studio.jpg\r\ntime=0\r\nskip=true\r\n");

    std::vector<uint32_t> pixels;
    for (int y = 0; y < 6; y++)
        for (int x = 0; x < 8; x++) pixels.push_back((static_cast<uint32_t>(x * 32) << 24) | (x * 30u << 16) | (y * 40u << 8) | 0x40u);
    SavePng(Folder("png") + "valid-alpha.png", 8, 6, pixels, 1);
    SavePng(Folder("png") + "valid-colour.png", 8, 6, pixels, 0);
    SaveJpeg(Folder("jpeg") + "valid-small.jpg", 8, 6, pixels, 80);

    std::vector<int16_t> samples;
    for (int i = 0; i < 2 * 2205; i++) samples.push_back(static_cast<int16_t>((i * 97) % 4000 - 2000));
    SaveOgg(Folder("ogg") + "valid-stereo.ogg", samples, 2, 22050, 0.0f);
    samples.resize(1000);
    SaveOgg(Folder("ogg") + "valid-mono.ogg", samples, 1, 11025, 0.0f);

    Put("wav", "valid-mono16.wav", Wav(1, 22050, 16, 64));
    Put("wav", "valid-stereo8.wav", Wav(2, 11025, 8, 64));

    Put("icon", "valid-game-icon.ico", Bytes(run + "/icon32.ico"));
    Put("icon", "valid-bitmap32.ico", Ico(Dib(8, 32), 8, 32));
    Put("icon", "valid-bitmap24.ico", Ico(Dib(8, 24), 8, 24));
    SavePng(scratch + "icon.png", 8, 6, pixels, 1);
    Put("icon", "valid-png.ico", Ico(Bytes(scratch + "icon.png"), 8, 32));

    fs::remove_all(scratch);
    return 0;
}
