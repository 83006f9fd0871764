// The game tables: an index outside a table is reported once, by the table's
// name, and never reaches memory beyond it.
#include <gtest/gtest.h>

#include <string>

#include "tables/menu_tables.h"
#include "tables/player_tables.h"

namespace {

// The first index past the end of a table is reported with the table's name.
template <class T, int N>
void ExpectNamed(Table<T, N>& table, const std::string& name) {
    table.reported = 0;
    testing::internal::CaptureStderr();
    (void)table[N];
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "index " + std::to_string(N) + " outside " + name + " of " + std::to_string(N) + " entries\n");
}

// A table of records and a table of pictures, as the game defines them, and
// a small one: an outside write lands nowhere and is reported once.
TEST(TableNames, AnIndexOutsideATableNamesItOnceAndReachesNothing) {
    ExpectNamed(players, "players");
    ExpectNamed(buttonImage, "buttonImage");
    Table<int, 4> small{"small"};
    testing::internal::CaptureStderr();
    small[4] = 7;
    small[-1] = 9;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "index 4 outside small of 4 entries\n");
    EXPECT_EQ(small[5], 0) << "the scratch record is cleared before each access";
    for (int i = 0; i < 4; i++) EXPECT_EQ(small[i], 0);
}

}  // namespace
