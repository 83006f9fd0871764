// Paths and folders: either slash separates parts, and a path that does not
// exist as written is looked up ignoring letter case, part by part.
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/platform_internal.h"

static std::string ForwardSlashes(const std::string& path) {
    std::string out = path;
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

static int Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// Finds the entry of folder `folder` whose name equals `name` ignoring case.
static int FindIgnoringCase(const std::string& folder, const std::string& name, std::string& found) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return 0;
    int ok = 0;
    while (dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            ok = 1;
            if (name == found) break;
        }
    }
    closedir(dir);
    return ok;
}

std::string ResolvePath(const std::string& path) {
    std::string written = ForwardSlashes(path);
    if (written.empty() || Exists(written)) return written;
    std::string result;
    size_t i = 0;
    if (written[0] == '/') {
        result = "/";
        i = 1;
    }
    while (i <= written.size()) {
        size_t slash = written.find('/', i);
        if (slash == std::string::npos) slash = written.size();
        std::string part = written.substr(i, slash - i);
        int last = slash >= written.size();
        if (!part.empty()) {
            std::string candidate = result + part;
            if (part != "." && part != ".." && !Exists(candidate)) {
                std::string folder = result.empty() ? "." : result;
                std::string found;
                if (FindIgnoringCase(folder, part, found)) candidate = result + found;
            }
            result = candidate;
            if (!last) result += "/";
        } else if (!last && !result.empty() && result.back() != '/') {
            result += "/";
        }
        if (last) break;
        i = slash + 1;
    }
    return result;
}

// The information of the file a path names. A path that exists as written
// (nearly every path the game uses) costs one look-up, not a second one after
// ResolvePath has found it there.
static int StatOf(const std::string& path, struct stat& info) {
    if (stat(ForwardSlashes(path).c_str(), &info) == 0) return 1;
    return stat(ResolvePath(path).c_str(), &info) == 0;
}

int PathKind(const std::string& path) {
    struct stat info;
    if (!StatOf(path, info)) return 0;
    if (S_ISDIR(info.st_mode)) return 2;
    return 1;
}

int MakeFolder(const std::string& path, int withParents) {
    std::string full = ResolvePath(path);
    while (full.size() > 1 && full.back() == '/') full.pop_back();
    if (full.empty()) return 0;
    if (withParents) {
        for (size_t i = 1; i < full.size(); i++) {
            if (full[i] != '/') continue;
            std::string part = full.substr(0, i);
            if (PathKind(part) == 0) mkdir(part.c_str(), 0755);
        }
    }
    if (mkdir(full.c_str(), 0755) == 0) return 1;
    return errno == EEXIST && PathKind(full) == 2;
}

int RenameFile(const std::string& from, const std::string& to) {
    return std::rename(ResolvePath(from).c_str(), ResolvePath(to).c_str()) == 0;
}

int DeleteFile(const std::string& path) {
    return unlink(ResolvePath(path).c_str()) == 0;
}

long FileSize(const std::string& path) {
    struct stat info;
    if (!StatOf(path, info) || !S_ISREG(info.st_mode)) return -1;
    return static_cast<long>(info.st_size);
}

void PrintLine(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void PrintError(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

std::string EnvironmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}
