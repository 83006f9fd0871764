#include "shell/save_file.h"

static std::string TemporaryName(const std::string& path) {
    return path + ".saving";
}

TStream BeginSaveFile(const std::string& path) {
    return OpenForWrite(TemporaryName(path));
}

static std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The new file reaches the disk before it is renamed over the old one, and the
// folder after: a power cut then leaves the old file or the new one, never a
// name pointing at an empty or half-written file.
int FinishSaveFile(TStream& stream, const std::string& path) {
    std::string temporary = TemporaryName(path);
    int failed = stream == nullptr;
    if (stream && StreamFailed(stream)) failed = 1;
    if (!failed && !SyncStream(stream)) failed = 1;
    if (Close(stream) != 0) failed = 1;
    if (!failed && saveFailureHook && saveFailureHook(path)) failed = 1;
    if (!failed && !RenameFile(temporary, path)) failed = 1;
    if (failed) {
        if (PathKind(temporary) == 1) DeleteFile(temporary);
        PrintError("could not save " + path + ", the old file is kept");
        return 0;
    }
    // The new file is in place whatever this gives; a folder that cannot be
    // synced only leaves the rename to the system's own timing.
    SyncFolder(FolderOf(path));
    return 1;
}
