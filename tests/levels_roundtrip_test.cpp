// The level sources, compiled into the game's level files, read back through
// the game's own level reader as the same cell codes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "match3/level_files.h"
#include "tools/levelc/level_source.h"

TEST(ShippedLevels, SourcesReadBackThroughTheGamesReader) {
    std::vector<TLevelSource> sources;
    std::vector<std::string> errors;
    ReadLevelSources(std::string(GLD_SOURCE_DIR) + "/content/levels", sources, errors);
    EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors[0]);
    ASSERT_EQ((size_t)LEVEL_COUNT, sources.size());
    std::string saved = levelFolder;
    levelFolder = std::string(GLD_RUN_DIR) + "/data/levelz/m3/";
    for (const TLevelSource& source : sources) {
        int codes[LEVEL_CODES];
        ASSERT_EQ(1, ReadLevelCodes(source.level, codes)) << "level " << source.level;
        for (int i = 0; i < LEVEL_CODES; i++)
            ASSERT_EQ(source.codes[i], codes[i])
                << "level " << source.level << ", row " << i / 20 + 1 << ", column " << i % 20 + 1;
    }
    levelFolder = saved;
}
