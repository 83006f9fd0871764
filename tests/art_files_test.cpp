// The generated pictures: every file the game loads exists, decodes, and has
// the size and frame layout the game cuts it by.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "art_support.h"
#include "tables/board_geometry.h"
#include "tables/puzzle_tables.h"

namespace {

std::vector<std::string> AllPngPictures() {
    std::vector<std::string> names;
    const char* folders[][2] = {
        {"UI", "cursor logo3 loadbar loadfill coll coll2 coll3 menuborderleft menuborderup menuborderdown bar createplayer "
               "playermenu popupsmall popupmedium popupbig button1 button3 button8 niner helptileexpl helpstoneexpl "
               "optionstrack bnmove2 cb h"},
        {"effects", "logoglow rays2 bombflare glowstar dynamite"},
        {"match3", "m3uidown cell2 cellmark moss cellmask m3uiup"},
        {"texts", "gameon fnormal fhighlight fhead ftext gtbutt1 gtbutt2 gtbutt3"},
        {"fishes", "pofbubble"},
        {"puzzles", "puzzleframe kachel128x120 shadow128x120"},
        {"story", "storyperg storyborderleft storyborderup2 storyborderdown"},
    };
    for (auto& folder : folders) {
        std::istringstream list(folder[1]);
        for (std::string name; list >> name;) names.push_back("data/" + std::string(folder[0]) + "/" + name + ".png");
    }
    for (int n = 1; n <= 9; n++)
        for (const char* family : {"glb", "glo", "dirt"}) names.push_back("data/effects/" + std::string(family) + std::to_string(n) + ".png");
    for (int n = 1; n <= 11; n++) names.push_back("data/match3/cellrow" + std::to_string(n) + ".png");
    for (int n = 1; n <= 24; n++) names.push_back("data/match3/border" + std::to_string(n) + ".png");
    for (int index : {1, 2, 3, 4, 5, 7, 10, 11, 12, 13, 15, 16, 17, 18, 19})
        names.push_back("data/match3/item1-" + std::to_string(index) + ".png");
    for (int n = 1; n <= 4; n++) names.push_back("data/match3/arrow" + std::to_string(n) + ".png");
    for (int n = 1; n <= 3; n++) names.push_back("data/fishes/orderbubble" + std::to_string(n) + ".png");
    for (int kind : {1, 2, 3, 4, 7, 8, 13, 14, 15, 16})
        for (int frame = 1; frame <= 4; frame++)
            names.push_back("data/fishes/f" + std::to_string(kind) + std::to_string(frame) + ".png");
    for (int k = 1; k <= 4; k++) {
        names.push_back("data/pu/puholder" + std::to_string(k) + ".png");
        names.push_back("data/pu/pu" + std::to_string(k) + "eyes1.png");
        names.push_back("data/pu/pu" + std::to_string(k) + "eyes2.png");
        names.push_back("data/pu/pushell" + std::to_string(k) + ".png");
        names.push_back("data/pu/pearl" + std::to_string(k) + ".png");
    }
    return names;
}

TArtPicture Load(const std::string& name) {
    TArtPicture p;
    EXPECT_TRUE(ReadArtPng(ArtRunDir() + name, p)) << name;
    return p;
}

int OpaqueCount(const TArtPicture& p) {
    int n = 0;
    for (uint32_t v : p.pixels) n += (v >> 24) > 0;
    return n;
}

}  // namespace

TEST(ArtFiles, EveryPictureDecodesAndShowsSomething) {
    for (const std::string& name : AllPngPictures()) {
        TArtPicture p;
        ASSERT_TRUE(ReadArtPng(ArtRunDir() + name, p)) << name << " is missing or broken";
        EXPECT_GT(OpaqueCount(p), 0) << name << " is fully transparent";
    }
}

TEST(ArtFiles, BackgroundsAreFullScreenJpegs) {
    std::vector<std::string> names = {"data/bg/loadbg.jpg", "data/bg/menubgalt.jpg"};
    for (int n = 1; n <= 12; n++) names.push_back("data/bg/bg" + std::to_string(n) + ".jpg");
    names.push_back("data/bg/bgwizard.jpg");
    double previousLight = 1e9;
    for (int n = 0; n < static_cast<int>(names.size()); n++) {
        TArtPicture p;
        ASSERT_TRUE(ReadArtJpeg(ArtRunDir() + names[n], p)) << names[n];
        EXPECT_EQ(p.width, 1024) << names[n];
        EXPECT_EQ(p.height, 768) << names[n];
        if (n < 2) continue;
        // the stages get darker as they go deeper: compare stage 1, 4, 8, 12
        double light = 0;
        for (uint32_t v : p.pixels) light += ((v >> 16) & 255) + ((v >> 8) & 255) + (v & 255);
        light /= p.pixels.size();
        int stage = n - 1;
        if (stage == 1 || stage == 4 || stage == 8 || stage == 12) {
            EXPECT_LT(light, previousLight) << names[n] << " is not darker than the stage before it";
            previousLight = light;
        }
    }
}

TEST(ArtFiles, LoadingFillIs148FramesOf2By42) {
    TArtPicture p = Load("data/UI/loadfill.png");
    ASSERT_EQ(p.width % 2, 0);
    ASSERT_EQ(p.height % 42, 0);
    EXPECT_GE((p.width / 2) * (p.height / 42), 148);
    // every frame of the bar is filled, so the bar grows without holes
    for (int frame = 0; frame < 148; frame++) {
        int fx = (frame % (p.width / 2)) * 2, fy = (frame / (p.width / 2)) * 42;
        EXPECT_GT(p.AlphaAt(fx, fy + 21), 200) << "frame " << frame;
    }
}

TEST(ArtFiles, ColumnStripsStackWholeCells) {
    const int s = CELL_SPACING;
    for (int n : {1, STRIP_LONGEST}) {
        TArtPicture p = Load("data/match3/cellrow" + std::to_string(n) + ".png");
        EXPECT_EQ(p.width, s) << n;
        EXPECT_EQ(p.height, s * n) << n;
        // every cell is covered to its edges, so strips join into one board
        for (int c = 0; c < n; c++) {
            EXPECT_GT(p.AlphaAt(0, c * s), 128) << n;
            EXPECT_GT(p.AlphaAt(s - 1, c * s + s - 1), 128) << n;
            EXPECT_GT(p.AlphaAt(CELL_HALF, c * s + CELL_HALF), 128) << n;
        }
    }
}

TEST(ArtFiles, HitShapesAreSolidWhereTheGameTestsThem) {
    // pointer shapes are placed centred on the pointer
    TArtPicture coll = Load("data/UI/coll.png");
    ASSERT_GT(coll.width, 0);
    EXPECT_EQ(coll.AlphaAt(coll.width / 2, coll.height / 2), 255);
    EXPECT_LE(coll.width, 16) << "every target would be far too easy to hit";
    // the item mask covers most of its cell but leaves the borders between cells
    TArtPicture mask = Load("data/match3/cellmask.png");
    EXPECT_LE(mask.width, CELL_SPACING);
    EXPECT_GE(mask.width, 36);
    for (int y = 4; y < mask.height - 4; y++)
        for (int x = 4; x < mask.width - 4; x++) ASSERT_EQ(mask.AlphaAt(x, y), 255) << x << "," << y;
    // the pointer's hot spot is its top-left pixel
    TArtPicture cursor = Load("data/UI/cursor.png");
    EXPECT_GT(cursor.AlphaAt(0, 0), 200);
    EXPECT_EQ(cursor.AlphaAt(cursor.width - 1, 0), 0);
    // the moss is drawn with solid blending: it must be opaque everywhere
    TArtPicture moss = Load("data/match3/moss.png");
    for (uint32_t v : moss.pixels) ASSERT_EQ(v >> 24, 255u);
    // buttons are hit on their opaque pixels, so the middle must be solid
    for (const char* name : {"data/UI/button3.png", "data/texts/gtbutt2.png", "data/UI/bnmove2.png"}) {
        TArtPicture p = Load(name);
        EXPECT_GT(p.AlphaAt(p.width / 2, p.height / 2 - 4), 200) << name;
    }
}

TEST(ArtFiles, FishSwimInFourDifferentFramesOfOneSize) {
    std::vector<TArtPicture> frames;
    for (int f = 1; f <= 4; f++) frames.push_back(Load("data/fishes/f1" + std::to_string(f) + ".png"));
    for (int f = 1; f < 4; f++) {
        EXPECT_EQ(frames[f].width, frames[0].width);
        EXPECT_EQ(frames[f].height, frames[0].height);
        EXPECT_NE(frames[f].pixels, frames[f - 1].pixels) << "frame " << f + 1 << " does not move";
    }
}

TEST(ArtFiles, WindowIconIsA32PixelIcoWithAPng) {
    std::ifstream in(ArtRunDir() + "icon32.ico", std::ios::binary);
    ASSERT_TRUE(in.good());
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 22u + 8u);
    // an icon (type 1) of one image, 32 x 32, whose PNG fills the rest
    EXPECT_EQ(bytes.substr(0, 8), std::string("\0\0\1\0\1\0\x20\x20", 8));
    uint32_t size = 0;
    for (int b = 3; b >= 0; b--) size = size << 8 | static_cast<unsigned char>(bytes[14 + b]);
    EXPECT_EQ(size + 22, bytes.size());
    EXPECT_EQ(bytes.substr(22, 4), std::string("\x89PNG", 4));
}

TEST(ArtFiles, PuzzlePicturesFitThePiecesAndTheScreen) {
    // the bevel lies over a piece: lit and shaded at its edges, clear inside
    TArtPicture bevel = Load("data/puzzles/kachel128x120.png");
    ASSERT_EQ(bevel.width, PIECE_WIDTH);
    ASSERT_EQ(bevel.height, PIECE_HEIGHT);
    EXPECT_LT(bevel.AlphaAt(PIECE_WIDTH / 2, PIECE_HEIGHT / 2), 8) << "the bevel hides the picture";
    for (int x = 0; x < PIECE_WIDTH; x++) {
        EXPECT_GT(bevel.AlphaAt(x, 0), 100) << x;
        EXPECT_GT(bevel.AlphaAt(x, PIECE_HEIGHT - 1), 100) << x;
    }
    // the shadow is dark in the middle and fades out before its border, as
    // it is drawn a little larger than the piece
    TArtPicture shadow = Load("data/puzzles/shadow128x120.png");
    ASSERT_EQ(shadow.width, PIECE_WIDTH);
    ASSERT_EQ(shadow.height, PIECE_HEIGHT);
    EXPECT_GT(shadow.AlphaAt(PIECE_WIDTH / 2, PIECE_HEIGHT / 2), 150);
    EXPECT_LT((shadow.At(PIECE_WIDTH / 2, PIECE_HEIGHT / 2) >> 16) & 255, 40u) << "the shadow is dark";
    for (int x = 0; x < PIECE_WIDTH; x++) EXPECT_LT(shadow.AlphaAt(x, 0), 16) << x;
    // the frame is the screen's left half, mirrored for the right
    TArtPicture frame = Load("data/puzzles/puzzleframe.png");
    EXPECT_TRUE(frame.width == PUZZLE_FRAME_WIDTH && frame.height == PUZZLE_FRAME_HEIGHT);
}

