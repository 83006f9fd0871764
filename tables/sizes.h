// The sizes of the game tables: these are the game's limits.
#pragma once

constexpr int PLAYER_SLOTS = 11;        // players 1..10; entry 0 unused
constexpr int BOARD_SLOTS = 201;        // cells and items 1..200
constexpr int BOARD_LAST_SLOT = 200;
constexpr int FISH_ORDER_SLOTS = 23;    // per player
constexpr int TEXT_SLOTS = 501;         // text numbers 0..500
constexpr int TEXT_LINES_READ = 462;    // texts 1..462 read from the file
constexpr int PARTICLE_SLOTS = 1101;
constexpr int GLOW_SLOTS = 101;
constexpr int FLYER_SLOTS = 51;
constexpr int SOUND_SLOTS = 51;
constexpr int SPLASH_SLOTS = 7;
constexpr int MAP_POSITIONS = 120;
constexpr int POSITION_SLOTS = 121;     // positions 1..120
constexpr int STAGE_COUNT = 12;
constexpr int LEVEL_FILES = 108;
constexpr int LEVEL_SLOTS = 121;        // preview tables by level 1..120
constexpr int LEVEL_COLUMNS = 31;       // columns 1..30
constexpr int LEVEL_ROWS = 15;
constexpr int LEVEL_COLS = 20;
constexpr int LEVEL_CODES = 300;        // integers in one level file
constexpr int LEVEL_FILE_BYTES = 1200;
constexpr int FONT_SLOTS = 8;
constexpr int GLYPH_CODES = 1501;       // character codes 0..1500
constexpr int GLYPH_QUEUE_SLOTS = 201;  // slots 1..200

constexpr int SCREEN_WIDTH = 1024;
constexpr int SCREEN_HEIGHT = 768;
constexpr int FRAMES_PER_SECOND = 40;
