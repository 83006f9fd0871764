// The window icon from the first picture of an ICO file (32-bit or 24-bit
// bitmap entries with their AND mask, or PNG entries).
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/platform_internal.h"

static uint32_t Read32(const std::string& b, size_t at) {
    if (at + 4 > b.size()) return 0;
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8) |
           (static_cast<unsigned char>(b[at + 2]) << 16) | (static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24);
}

static int Read16(const std::string& b, size_t at) {
    if (at + 2 > b.size()) return 0;
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

// Decodes a DIB entry into 0xAARRGGBB pixels, top row first.
static int DecodeDib(const std::string& b, size_t at, size_t size, std::vector<uint32_t>& out, int& w, int& h) {
    if (size < 40 || at + size > b.size()) return 0;
    size_t header = Read32(b, at);
    w = static_cast<int>(Read32(b, at + 4));
    h = static_cast<int>(Read32(b, at + 8)) / 2;   // colour and mask halves
    int bits = Read16(b, at + 14);
    if (w <= 0 || h <= 0 || w > 512 || h > 512 || (bits != 32 && bits != 24)) return 0;
    size_t rowBytes = ((static_cast<size_t>(w) * bits / 8) + 3) & ~static_cast<size_t>(3);
    size_t maskRow = ((static_cast<size_t>(w) + 31) / 32) * 4;
    size_t colour = at + header;
    size_t mask = colour + rowBytes * h;
    if (mask + (bits == 24 ? maskRow * h : 0) > at + size) return 0;
    out.assign(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; y++) {
        size_t row = colour + rowBytes * (h - 1 - y);
        for (int x = 0; x < w; x++) {
            const unsigned char* p = reinterpret_cast<const unsigned char*>(b.data() + row + x * (bits / 8));
            uint32_t a = 255;
            if (bits == 32) a = p[3];
            else {
                unsigned char m = static_cast<unsigned char>(b[mask + maskRow * (h - 1 - y) + x / 8]);
                if (m & (0x80 >> (x % 8))) a = 0;
            }
            out[static_cast<size_t>(y) * w + x] = (a << 24) | (p[2] << 16) | (p[1] << 8) | p[0];
        }
    }
    return 1;
}

// The file is small: an ICO that claims more than this is not the game's icon.
constexpr long ICON_FILE_LIMIT = 4 * 1024 * 1024;

int ReadIconPixels(const std::string& icoPath, std::vector<uint32_t>& pixels, int& w, int& h) {
    long size = FileSize(icoPath);
    if (size < 22 || size > ICON_FILE_LIMIT) return 0;
    TStream in = OpenForRead(icoPath);
    if (!in) return 0;
    std::string bytes = ReadString(in, static_cast<int>(size));
    Close(in);
    if (bytes.size() < 22 || Read16(bytes, 2) != 1 || Read16(bytes, 4) < 1) return 0;
    size_t entrySize = Read32(bytes, 6 + 8);
    size_t entryAt = Read32(bytes, 6 + 12);
    if (entryAt + entrySize > bytes.size() || entrySize < 8) return 0;
    if (bytes.compare(entryAt, 4, "\x89PNG") == 0) {
        // An embedded PNG is read where it lies, with the same size limits as
        // every picture of the game.
        int hasAlpha = 0;
        return DecodePngBytes(reinterpret_cast<const unsigned char*>(bytes.data()) + entryAt, entrySize, pixels, w, h,
                              hasAlpha);
    }
    return DecodeDib(bytes, entryAt, entrySize, pixels, w, h);
}

void SetWindowIcon(const std::string& icoPath) {
    if (!gameWindow) return;
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    if (!ReadIconPixels(icoPath, pixels, w, h)) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), w, h, 32, w * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    SDL_SetWindowIcon(gameWindow, surface);
    SDL_FreeSurface(surface);
}
