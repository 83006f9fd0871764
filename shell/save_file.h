// The writer of every file the game saves. A save goes to a temporary file
// beside the target and replaces the target only once every byte is written,
// so a failed save leaves the old file whole.
#pragma once

#include <string>

#include "platform/platform.h"
#include "tables/shell_tables.h"

// Opens the temporary file for `path`; null when it cannot be created (the
// writes then go nowhere and FinishSaveFile reports the failure).
TStream BeginSaveFile(const std::string& path);
// Closes the stream and puts the new file in place: 1 done; 0 failed, the old
// file is kept, one line went to standard error and the game goes on.
int FinishSaveFile(TStream& stream, const std::string& path);
