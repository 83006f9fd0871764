// Input state: pointer units, buttons, keys and typed characters.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/pointer_map.h"
#include "tests/test_support.h"

namespace {

class Input : public ::testing::Test {
protected:
    void SetUp() override {
        UseHeadlessPlatform();
        PumpEvents();
        ClearKeys();
        while (NextAppEvent()) {}
        AppCloseRequested();
    }
};

}  // namespace

// The game window maps each pixel onto itself; other window sizes report
// game-window units; full screen is letterboxed and reports screen units,
// staying at the picture's edge over the black bars.
TEST(PointerMap, WindowsAndFullScreen) {
    for (int wx = 0; wx < 800; wx++) {
        int x, y;
        PointerFromWindowPixel(wx, wx * 599 / 799, 800, 600, 1024, 768, 800, 600, x, y);
        ASSERT_EQ(x, wx);
        ASSERT_EQ(y, wx * 599 / 799);
    }
    static const struct { int wx, wy, windowW, windowH, unitsW, unitsH, x, y; } CASES[] = {
        {240, 0, 1920, 1080, 1024, 768, 0, 0},          // the 4:3 picture is 1440 wide, 240 in
        {1679, 1079, 1920, 1080, 1024, 768, 1023, 767},
        {10, 540, 1920, 1080, 1024, 768, 0, 384},
        {1910, 540, 1920, 1080, 1024, 768, 1023, 384},
        {899, 599, 1000, 600, 800, 600, 799, 599},      // a window resized wider: bars left and right
        {400, 49, 800, 700, 800, 600, 400, 0},          // resized taller: bars above and below
    };
    for (const auto& c : CASES) {
        int x, y;
        PointerFromWindowPixel(c.wx, c.wy, c.windowW, c.windowH, 1024, 768, c.unitsW, c.unitsH, x, y);
        EXPECT_EQ(x, c.x) << c.wx << "," << c.wy << " in " << c.windowW;
        EXPECT_EQ(y, c.y) << c.wx << "," << c.wy << " in " << c.windowW;
    }
}

// Clicks are counted until read; keys are held until released; clearing
// forgets keys, clicks and typed characters alike.
TEST_F(Input, ClicksAndKeysLastUntilReadReleasedOrCleared) {
    InjectMouseButton(1, 1);
    EXPECT_EQ(IsMouseDown(1), 1);
    InjectMouseButton(1, 0);
    InjectMouseButton(1, 1);
    InjectMouseButton(1, 0);
    InjectMouseButton(2, 1);
    EXPECT_EQ(IsMouseDown(1), 0);
    EXPECT_EQ(IsMouseDown(2), 1);
    EXPECT_EQ(WasMouseClicked(1), 2);
    EXPECT_EQ(WasMouseClicked(1), 0);
    EXPECT_EQ(WasMouseClicked(2), 1);
    InjectMouseButton(2, 0);
    EXPECT_EQ(IsMouseDown(2), 0);
    EXPECT_EQ(WasMouseClicked(5), 0);
    EXPECT_EQ(IsMouseDown(0), 0);
    InjectKey(KEY_ESCAPE, 1);
    InjectKey(KEY_F3, 1);
    EXPECT_EQ(IsKeyDown(KEY_ESCAPE), 1);
    EXPECT_EQ(IsKeyDown(KEY_ENTER), 0);
    InjectKey(KEY_ESCAPE, 0);
    EXPECT_EQ(IsKeyDown(KEY_ESCAPE), 0);
    InjectMouseButton(1, 1);
    InjectMouseButton(1, 0);
    InjectTypedChar('a');
    EXPECT_EQ(IsKeyDown(KEY_F3), 1);
    ClearKeys();
    EXPECT_EQ(IsKeyDown(KEY_F3), 0);
    EXPECT_EQ(WasMouseClicked(1), 0);
    EXPECT_EQ(NextTypedChar(), 0);
    EXPECT_EQ(IsKeyDown(-1), 0);
    EXPECT_EQ(IsKeyDown(100000), 0);
}

TEST_F(Input, TypedCharactersComeInOrderFromARing) {
    for (int c : {int('H'), 0xE9, 8}) InjectTypedChar(c);
    for (int c : {int('H'), 0xE9, 8, 0}) EXPECT_EQ(NextTypedChar(), c);
    // More than the ring holds: the newest 256 remain.
    for (int i = 1; i <= 300; i++) InjectTypedChar(1000 + i);
    int first = NextTypedChar();
    EXPECT_EQ(first, 1000 + 300 - 256 + 1);
    int count = 1, last = first;
    while (int c = NextTypedChar()) {
        EXPECT_EQ(c, last + 1);
        last = c;
        count++;
    }
    EXPECT_EQ(count, 256);
    EXPECT_EQ(last, 1300);
}

