// The review picture of all level layouts: one small screen per level, a row per stage.
#pragma once

#include <string>
#include <vector>

#include "tools/levelc/level_source.h"

// Draws the levels (sorted by number) into a PNG; returns 1 when it was written.
int DrawLevelContactSheet(const std::vector<TLevelSource>& levels, const std::string& pngPath);
