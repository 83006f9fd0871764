// Open files of the game: lines of bytes, little-endian integers, raw strings.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "platform/platform_internal.h"

struct TStreamData {
    FILE* file = nullptr;
    std::string path;      // as the caller named it, for the sync recorder
    int writing = 0;
    int readFailed = 0;    // a read went past the end
    int writeFailed = 0;   // a byte did not reach the file
};

TStream OpenForRead(const std::string& path) {
    std::string real = ResolvePath(path);
    if (PathKind(real) != 1) return nullptr;
    FILE* file = std::fopen(real.c_str(), "rb");
    if (!file) return nullptr;
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
// of the file: readers that count lines (the text table) stay in step.
std::string ReadLine(TStream stream) {
    std::string line;
    if (!stream || !stream->file) return line;
    for (;;) {
        int c = std::fgetc(stream->file);
        if (c == EOF || c == 10 || c == 0) break;
        if (c == 13 || line.size() >= READ_LINE_LIMIT) continue;
        line.push_back(static_cast<char>(c));
    }
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

int ReadInt(TStream stream) {
    if (!stream || !stream->file) return 0;
    unsigned char bytes[4];
    if (std::fread(bytes, 1, 4, stream->file) != 4) {
        stream->readFailed = 1;
        return 0;
    }
    uint32_t value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
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
