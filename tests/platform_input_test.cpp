// Input state: pointer units, buttons, keys, typed characters, window events
// and the recorder of applied events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/pointer_map.h"
#include "tests/test_support.h"

namespace {

struct TRecorded {
    std::string kind;
    int a, b;
};
std::vector<TRecorded> recorded;

void Recorder(const char* kind, int a, int b) {
    recorded.push_back({kind, a, b});
}

class Input : public ::testing::Test {
protected:
    void SetUp() override {
        UseHeadlessPlatform();
        PumpEvents();
        ClearKeys();
        while (NextAppEvent()) {
        }
        AppCloseRequested();
        WasMouseClicked(1);
        WasMouseClicked(2);
        recorded.clear();
    }
    void TearDown() override { SetInputRecorder(nullptr); }
};

// The shell's conversion of window units to the logical screen.
int Logical(int windowUnits) {
    return static_cast<int>(windowUnits * 1.28);
}

}  // namespace

TEST(PointerMap, GameWindowPixelsMapOntoThemselves) {
    for (int wx = 0; wx < 800; wx++) {
        int x, y;
        PointerFromWindowPixel(wx, wx * 599 / 799, 800, 600, 1024, 768, 800, 600, x, y);
        ASSERT_EQ(x, wx);
        ASSERT_EQ(y, wx * 599 / 799);
    }
    int x, y;
    PointerFromWindowPixel(799, 599, 800, 600, 1024, 768, 800, 600, x, y);
    EXPECT_EQ(Logical(x), 1022);
    EXPECT_EQ(Logical(y), 766);
}

TEST(PointerMap, OtherWindowSizesReportGameWindowUnits) {
    int x, y;
    // A window of twice the size: its last pixel is still the game window's last.
    PointerFromWindowPixel(1599, 1199, 1600, 1200, 1024, 768, 800, 600, x, y);
    EXPECT_EQ(x, 799);
    EXPECT_EQ(y, 599);
    EXPECT_EQ(Logical(x), 1022);
    EXPECT_EQ(Logical(y), 766);
    PointerFromWindowPixel(800, 600, 1600, 1200, 1024, 768, 800, 600, x, y);
    EXPECT_EQ(x, 400);
    EXPECT_EQ(y, 300);
}

TEST(PointerMap, FullScreenIsLetterboxedInScreenUnits) {
    int x, y;
    // 1920 x 1080 desktop: the 4:3 picture is 1440 wide, 240 pixels in from the left.
    PointerFromWindowPixel(240, 0, 1920, 1080, 1024, 768, 1024, 768, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    PointerFromWindowPixel(1679, 1079, 1920, 1080, 1024, 768, 1024, 768, x, y);
    EXPECT_EQ(x, 1023);
    EXPECT_EQ(y, 767);
    PointerFromWindowPixel(960, 540, 1920, 1080, 1024, 768, 1024, 768, x, y);
    EXPECT_EQ(x, 512);
    EXPECT_EQ(y, 384);
    // On the black bars the pointer stays at the picture's edge.
    PointerFromWindowPixel(10, 540, 1920, 1080, 1024, 768, 1024, 768, x, y);
    EXPECT_EQ(x, 0);
    PointerFromWindowPixel(1910, 540, 1920, 1080, 1024, 768, 1024, 768, x, y);
    EXPECT_EQ(x, 1023);
    // A desktop of exactly the logical size reads as is.
    PointerFromWindowPixel(1023, 767, 1024, 768, 1024, 768, 1024, 768, x, y);
    EXPECT_EQ(x, 1023);
    EXPECT_EQ(y, 767);
}

TEST_F(Input, InjectedPointerReadsInWindowUnits) {
    InjectPointer(799, 599);
    EXPECT_EQ(PointerX(), 799);
    EXPECT_EQ(PointerY(), 599);
    EXPECT_EQ(Logical(PointerX()), 1022);
    EXPECT_EQ(Logical(PointerY()), 766);
    PumpEvents();   // no real motion: the position stays
    EXPECT_EQ(PointerX(), 799);
}

TEST_F(Input, ClicksAreCountedUntilRead) {
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
}

TEST_F(Input, KeysAreHeldUntilReleasedOrCleared) {
    InjectKey(KEY_ESCAPE, 1);
    InjectKey(KEY_F3, 1);
    EXPECT_EQ(IsKeyDown(KEY_ESCAPE), 1);
    EXPECT_EQ(IsKeyDown(KEY_F3), 1);
    EXPECT_EQ(IsKeyDown(KEY_ENTER), 0);
    InjectKey(KEY_ESCAPE, 0);
    EXPECT_EQ(IsKeyDown(KEY_ESCAPE), 0);
    InjectMouseButton(1, 1);
    InjectMouseButton(1, 0);
    InjectTypedChar('a');
    ClearKeys();
    EXPECT_EQ(IsKeyDown(KEY_F3), 0);
    EXPECT_EQ(WasMouseClicked(1), 0);
    EXPECT_EQ(NextTypedChar(), 0);
    EXPECT_EQ(IsKeyDown(-1), 0);
    EXPECT_EQ(IsKeyDown(100000), 0);
}

TEST_F(Input, TypedCharactersComeInOrderFromARing) {
    InjectTypedChar('H');
    InjectTypedChar(0xE9);
    InjectTypedChar(8);
    EXPECT_EQ(NextTypedChar(), 'H');
    EXPECT_EQ(NextTypedChar(), 0xE9);
    EXPECT_EQ(NextTypedChar(), 8);
    EXPECT_EQ(NextTypedChar(), 0);
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

TEST_F(Input, CloseRequestIsReportedOnce) {
    EXPECT_EQ(AppCloseRequested(), 0);
    InjectCloseRequest();
    EXPECT_EQ(AppCloseRequested(), 1);
    EXPECT_EQ(AppCloseRequested(), 0);
}

TEST_F(Input, WindowEventsQueueInOrder) {
    InjectAppEvent(APP_SUSPEND);
    InjectAppEvent(APP_RESUME);
    InjectAppEvent(APP_SUSPEND);
    EXPECT_EQ(NextAppEvent(), 257);
    EXPECT_EQ(NextAppEvent(), 258);
    EXPECT_EQ(NextAppEvent(), 257);
    EXPECT_EQ(NextAppEvent(), 0);
}

TEST_F(Input, RecorderSeesEveryAppliedEvent) {
    SetInputRecorder(Recorder);
    InjectPointer(10, 20);
    InjectMouseButton(1, 1);
    InjectKey(KEY_SPACE, 1);
    InjectTypedChar('z');
    InjectCloseRequest();
    InjectAppEvent(APP_RESUME);
    SetInputRecorder(nullptr);
    InjectKey(KEY_SPACE, 0);   // not recorded any more
    ASSERT_EQ(recorded.size(), 6u);
    EXPECT_EQ(recorded[0].kind, "move");
    EXPECT_EQ(recorded[0].a, 10);
    EXPECT_EQ(recorded[0].b, 20);
    EXPECT_EQ(recorded[1].kind, "button");
    EXPECT_EQ(recorded[1].a, 1);
    EXPECT_EQ(recorded[1].b, 1);
    EXPECT_EQ(recorded[2].kind, "key");
    EXPECT_EQ(recorded[2].a, KEY_SPACE);
    EXPECT_EQ(recorded[3].kind, "char");
    EXPECT_EQ(recorded[3].a, 'z');
    EXPECT_EQ(recorded[4].kind, "close");
    EXPECT_EQ(recorded[5].kind, "app");
    EXPECT_EQ(recorded[5].a, APP_RESUME);
    AppCloseRequested();
    InjectMouseButton(1, 0);
}
