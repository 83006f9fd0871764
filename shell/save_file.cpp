#include "shell/save_file.h"

static std::string TemporaryName(const std::string& path) {
    return path + ".saving";
}

TStream BeginSaveFile(const std::string& path) {
    return OpenForWrite(TemporaryName(path));
}

int FinishSaveFile(TStream& stream, const std::string& path) {
    std::string temporary = TemporaryName(path);
    int failed = stream == nullptr;
    if (stream && StreamFailed(stream)) failed = 1;
    if (Close(stream) != 0) failed = 1;
    if (!failed && saveFailureHook && saveFailureHook(path)) failed = 1;
    if (!failed && !RenameFile(temporary, path)) failed = 1;
    if (failed) {
        if (PathKind(temporary) == 1) DeleteFile(temporary);
        PrintError("could not save " + path + ", the old file is kept");
        return 0;
    }
    return 1;
}
