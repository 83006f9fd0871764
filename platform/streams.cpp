// Open files of the game: lines of bytes, little-endian integers, raw strings.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "platform/platform_internal.h"

// A stream belongs to the one thread that opened it, so the readers of bytes
// and integers take them from the file's buffer without locking it.
struct TStreamData {
    FILE* file = nullptr;
    std::string path;      // as the caller named it, for the sync recorder
    int writing = 0;
    int readFailed = 0;    // a read went past the end
    int writeFailed = 0;   // a byte did not reach the file
};

// A path that opens as written is the one ResolvePath would give, so its
// spelling is looked up only when it does not. A folder opens like a file on
// this system; it is told apart by the open file itself.
TStream OpenForRead(const std::string& path) {
    FILE* file = path.find('\\') == std::string::npos ? std::fopen(path.c_str(), "rb") : nullptr;
    if (!file) file = std::fopen(ResolvePath(path).c_str(), "rb");
    if (!file) return nullptr;
    struct stat info;
    if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    TStream stream = new TStreamData;
    stream->file = file;
    return stream;
}

TStream OpenForWrite(const std::string& path) {
    FILE* file = std::fopen(ResolvePath(path).c_str(), "wb");
    if (!file) return nullptr;
    TStream stream = new TStreamData;
    stream->file = file;
    stream->path = path;
    stream->writing = 1;
    return stream;
}

int ReadByte(TStream stream) {
    if (!stream || !stream->file) return -1;
    int c = std::fgetc(stream->file);
    if (c == EOF) {
        stream->readFailed = 1;
        return -1;
    }
    return c;
}

// A line longer than READ_LINE_LIMIT keeps its first READ_LINE_LIMIT bytes and
// the rest is skipped up to the line's end, so a file without line feeds never
// grows one string without bound, and every call still takes exactly one line
// of the file: readers that count lines (the text table) stay in step. The
// bytes join the line a block at a time.
std::string ReadLine(TStream stream) {
    std::string line;
    if (!stream || !stream->file) return line;
    char block[256];
    size_t inBlock = 0;
    for (;;) {
        int c = getc_unlocked(stream->file);
        if (c == EOF || c == 10 || c == 0) break;
        if (c == 13 || line.size() + inBlock >= READ_LINE_LIMIT) continue;
        block[inBlock++] = static_cast<char>(c);
        if (inBlock == sizeof block) {
            line.append(block, inBlock);
            inBlock = 0;
        }
    }
    line.append(block, inBlock);
    return line;
}

static void WriteBytes(TStream stream, const char* bytes, size_t count) {
    if (!stream || !stream->file) return;
    if (!stream->writing || std::fwrite(bytes, 1, count, stream->file) != count) stream->writeFailed = 1;
}

void WriteLine(TStream stream, const std::string& text) {
    WriteBytes(stream, text.data(), text.size());
    WriteBytes(stream, "\r\n", 2);
}

// A byte past the end reads as EOF, which is negative: one test of the four
// together finds a short read.
int ReadInt(TStream stream) {
    if (!stream || !stream->file) return 0;
    int b0 = getc_unlocked(stream->file);
    int b1 = getc_unlocked(stream->file);
    int b2 = getc_unlocked(stream->file);
    int b3 = getc_unlocked(stream->file);
    if ((b0 | b1 | b2 | b3) < 0) {
        stream->readFailed = 1;
        return 0;
    }
    uint32_t value = static_cast<uint32_t>(b0) | (static_cast<uint32_t>(b1) << 8) |
                     (static_cast<uint32_t>(b2) << 16) | (static_cast<uint32_t>(b3) << 24);
    return static_cast<int>(value);
}

void WriteInt(TStream stream, int value) {
    uint32_t v = static_cast<uint32_t>(value);
    char bytes[4] = {static_cast<char>(v & 255), static_cast<char>((v >> 8) & 255),
                     static_cast<char>((v >> 16) & 255), static_cast<char>((v >> 24) & 255)};
    WriteBytes(stream, bytes, 4);
}

std::string ReadString(TStream stream, int count) {
    std::string text;
    if (!stream || !stream->file || count <= 0) return text;
    text.resize(static_cast<size_t>(count));
    size_t got = std::fread(text.data(), 1, text.size(), stream->file);
    if (got < text.size()) {
        stream->readFailed = 1;
        text.resize(got);
    }
    return text;
}

void WriteString(TStream stream, const std::string& text) {
    WriteBytes(stream, text.data(), text.size());
}

int Eof(TStream stream) {
    if (!stream || !stream->file) return 1;
    if (stream->writing) return 1;
    int c = std::fgetc(stream->file);
    if (c == EOF) return 1;
    std::ungetc(c, stream->file);
    return 0;
}

static TSyncRecorder syncRecorder = nullptr;

void SetSyncRecorder(TSyncRecorder recorder) {
    syncRecorder = recorder;
}

int SyncStream(TStream stream) {
    if (!stream || !stream->file || !stream->writing) return 0;
    if (std::fflush(stream->file) != 0 || fsync(fileno(stream->file)) != 0) {
        stream->writeFailed = 1;
        return 0;
    }
    if (syncRecorder) syncRecorder(stream->path);
    return 1;
}

int SyncFolder(const std::string& path) {
    int folder = open(ResolvePath(path.empty() ? "." : path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder < 0) return 0;
    int ok = fsync(folder) == 0;
    close(folder);
    if (ok && syncRecorder) syncRecorder(path);
    return ok;
}

int StreamFailed(TStream stream) {
    if (!stream) return 1;
    return stream->readFailed || stream->writeFailed;
}

int Close(TStream& stream) {
    if (!stream) return 1;
    int failed = stream->writeFailed;
    if (stream->file) {
        if (stream->writing && std::fflush(stream->file) != 0) failed = 1;
        if (std::fclose(stream->file) != 0) failed = 1;
    }
    delete stream;
    stream = nullptr;
    return failed;
}
