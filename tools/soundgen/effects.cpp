// The sound effects: one short recipe each. They share one family of voices,
// struck glass, bubbles and water-dulled noise, tuned to D major pentatonic so
// that effects heard together never clash; the matches climb the scale from
// three items to ten.
#include "effects.h"

// Degree n of D major pentatonic from D5 upward (negative degrees go down).
static int Pent(int n) {
    static const int STEPS[5] = {0, 2, 4, 7, 9};
    int octave = n >= 0 ? n / 5 : -((4 - n) / 5);
    int degree = n - octave * 5;
    return 74 + 12 * octave + STEPS[degree];
}

static void Glass(TBuffer& s, float start, int note, float length, float level) {
    TTone t;
    t.start = start;
    t.length = length;
    t.fromHz = NoteHz(note);
    t.level = level;
    t.wave = WAVE_GLASS;
    AddTone(s, t);
}

static void Bell(TBuffer& s, float start, int note, float length, float level) {
    TTone t;
    t.start = start;
    t.length = length;
    t.fromHz = NoteHz(note);
    t.level = level;
    t.attack = 0.002f;
    t.wave = WAVE_BELL;
    AddTone(s, t);
}

static void Sweep(TBuffer& s, float start, float length, float fromHz, float toHz, float level, int wave) {
    TTone t;
    t.start = start;
    t.length = length;
    t.fromHz = fromHz;
    t.toHz = toHz;
    t.level = level;
    t.attack = length * 0.3f;
    t.wave = wave;
    t.vibratoHz = 7.0f;
    t.vibratoDepth = 0.01f;
    AddTone(s, t);
}

// A knock or a thump: a falling sine that starts at once.
static void Thump(TBuffer& s, float start, float length, float fromHz, float toHz, float level) {
    TTone t;
    t.start = start;
    t.length = length;
    t.fromHz = fromHz;
    t.toHz = toHz;
    t.level = level;
    t.attack = 0.003f;
    AddTone(s, t);
}

// A run of bubbles, each a little higher and quieter than the last.
static void Bubbles(TBuffer& s, float start, int count, float hz, float gap, float level) {
    for (int i = 0; i < count; i++)
        AddBubble(s, start + i * gap, hz * (1.0f + 0.13f * i), 0.05f, level * (1.0f - 0.08f * i));
}

// ---------------------------------------------------------------- selection

static void Mark1(TBuffer& s) {     // the first item of a chain or a swap
    Glass(s, 0.0f, Pent(5), 0.18f, 0.5f);
    AddBubble(s, 0.0f, 700.0f, 0.04f, 0.3f);
}

static void Mark2(TBuffer& s) {     // every further item of a chain
    Glass(s, 0.0f, Pent(7), 0.16f, 0.5f);
    AddBubble(s, 0.0f, 900.0f, 0.04f, 0.3f);
}

static void TurnUp(TBuffer& s) {    // a rising swirl: dialogs open, items turn
    Sweep(s, 0.0f, 0.28f, 380.0f, 1150.0f, 0.45f, WAVE_SINE);
    AddNoise(s, 0.0f, 0.3f, 400.0f, 2500.0f, 0.25f, 0.1f);
    Bubbles(s, 0.08f, 3, 800.0f, 0.05f, 0.2f);
}

static void TurnDown(TBuffer& s) {  // the swirl falling back
    Sweep(s, 0.0f, 0.3f, 1100.0f, 360.0f, 0.45f, WAVE_SINE);
    AddNoise(s, 0.0f, 0.3f, 2500.0f, 400.0f, 0.25f, 0.05f);
}

static void Bell1(TBuffer& s) {
    Bell(s, 0.0f, Pent(3), 1.6f, 0.45f);
    Bell(s, 0.0f, Pent(-2), 1.6f, 0.2f);
    AddEcho(s, 0.21f, 0.3f, 2);
}

static void Shuffle(TBuffer& s) {   // the board stirred: swishes full of bubbles
    AddNoise(s, 0.0f, 0.7f, 300.0f, 1800.0f, 0.35f, 0.25f);
    for (int i = 0; i < 9; i++) AddBubble(s, 0.05f + i * 0.07f, 500.0f + 110.0f * ((i * 7) % 5), 0.05f, 0.25f);
}

static void Hint(TBuffer& s) {      // two soft chimes a fifth apart
    Glass(s, 0.0f, Pent(3), 0.5f, 0.35f);
    Glass(s, 0.14f, Pent(5) + 2, 0.6f, 0.35f);
    AddEcho(s, 0.18f, 0.25f, 2);
}

static void Failure(TBuffer& s) {
    Sweep(s, 0.0f, 0.35f, NoteHz(Pent(-3)), NoteHz(Pent(-3)) * 0.94f, 0.4f, WAVE_TRIANGLE);
    Sweep(s, 0.25f, 0.5f, NoteHz(Pent(-5)), NoteHz(Pent(-5)) * 0.9f, 0.4f, WAVE_TRIANGLE);
    LowPass(s, 1800.0f);
}

static void GameButton(TBuffer& s) {
    Glass(s, 0.0f, Pent(2), 0.12f, 0.45f);
    AddNoise(s, 0.0f, 0.03f, 3000.0f, 1500.0f, 0.2f, 0.001f);
}

static void Mo(TBuffer& s) {        // a low, round hum
    Sweep(s, 0.0f, 0.6f, NoteHz(Pent(-8)), NoteHz(Pent(-7)), 0.5f, WAVE_SOFT_SQUARE);
    LowPass(s, 700.0f);
}

static void Button1(TBuffer& s) {   // the menu's buttons: a tap on glass and a bubble
    Glass(s, 0.0f, Pent(4), 0.14f, 0.45f);
    AddBubble(s, 0.01f, 600.0f, 0.04f, 0.35f);
}

// ---------------------------------------------------------------- bursts

static void Bomb(TBuffer& s) {      // a muffled underwater thump and its rush
    Thump(s, 0.0f, 0.5f, 140.0f, 45.0f, 0.7f);
    AddNoise(s, 0.0f, 0.7f, 1500.0f, 150.0f, 0.5f, 0.005f);
    Bubbles(s, 0.15f, 5, 350.0f, 0.06f, 0.2f);
}

static void Explosion(TBuffer& s) { // bigger than the bomb, with a long boil of bubbles
    Thump(s, 0.0f, 0.9f, 120.0f, 35.0f, 0.7f);
    AddNoise(s, 0.0f, 1.2f, 2200.0f, 120.0f, 0.55f, 0.004f);
    for (int i = 0; i < 12; i++) AddBubble(s, 0.2f + i * 0.06f, 250.0f + 60.0f * ((i * 3) % 7), 0.06f, 0.18f);
}

// A match of `count` items: a glass note climbing the scale, its fifth above
// and a few bubbles, echoed once.
static void Match(TBuffer& s, int count) {
    int root = Pent(count - 3);
    Glass(s, 0.0f, root, 0.45f, 0.4f);
    Glass(s, 0.05f, root + 7, 0.4f, 0.25f);
    Bubbles(s, 0.0f, 2 + count / 3, 500.0f + 40.0f * count, 0.03f, 0.18f);
    AddEcho(s, 0.12f, 0.22f, 1);
}

static void Match3(TBuffer& s) { Match(s, 3); }
static void Match4(TBuffer& s) { Match(s, 4); }
static void Match5(TBuffer& s) { Match(s, 5); }
static void Match6(TBuffer& s) { Match(s, 6); }
static void Match7(TBuffer& s) { Match(s, 7); }
static void Match8(TBuffer& s) { Match(s, 8); }
static void Match9(TBuffer& s) { Match(s, 9); }
static void Match10(TBuffer& s) { Match(s, 10); }

static void MatchPlain(TBuffer& s) {
    Glass(s, 0.0f, Pent(2), 0.4f, 0.4f);
    Bubbles(s, 0.0f, 2, 520.0f, 0.03f, 0.18f);
}

// ---------------------------------------------------------------- power-ups

static void PuCollect(TBuffer& s) { // a sparkle rising to the power-up bar
    for (int i = 0; i < 4; i++) Glass(s, i * 0.06f, Pent(5 + i), 0.25f, 0.3f);
    Bubbles(s, 0.0f, 4, 700.0f, 0.05f, 0.15f);
}

static void PuCollect2(TBuffer& s) {
    for (int i = 0; i < 3; i++) Glass(s, i * 0.05f, Pent(7 + i), 0.22f, 0.3f);
}

static void BubbleOut(TBuffer& s) { // one bubble leaves the board
    AddBubble(s, 0.0f, 420.0f, 0.08f, 0.6f);
    AddBubble(s, 0.05f, 640.0f, 0.05f, 0.3f);
}

static void PuReady(TBuffer& s) {   // a power-up is charged: a bright arpeggio
    for (int i = 0; i < 5; i++) Glass(s, i * 0.07f, Pent(3 + 2 * i), 0.5f, 0.3f);
    AddEcho(s, 0.15f, 0.25f, 2);
}

static void EnterPing(TBuffer& s) { // a letter of a name typed
    Glass(s, 0.0f, Pent(8), 0.12f, 0.45f);
}

static void Contact2(TBuffer& s) {
    Glass(s, 0.0f, Pent(1), 0.1f, 0.4f);
    AddNoise(s, 0.0f, 0.04f, 2500.0f, 900.0f, 0.2f, 0.001f);
}

static void PuHit(TBuffer& s) {
    Thump(s, 0.0f, 0.25f, 300.0f, 120.0f, 0.5f);
    Glass(s, 0.0f, Pent(4), 0.2f, 0.25f);
}

static void TakePu(TBuffer& s) {
    Sweep(s, 0.0f, 0.3f, 600.0f, 1400.0f, 0.35f, WAVE_TRIANGLE);
    Glass(s, 0.15f, Pent(8), 0.3f, 0.3f);
}

static void Glitter(TBuffer& s) {   // a shower of tiny glass ticks
    static const int PATTERN[10] = {3, 7, 5, 9, 6, 10, 8, 4, 11, 7};
    for (int i = 0; i < 10; i++) Glass(s, i * 0.045f, Pent(5 + PATTERN[i]), 0.15f, 0.22f);
}

static void LayPart(TBuffer& s) {   // something settles in place: a plop and a shimmer
    AddBubble(s, 0.0f, 300.0f, 0.07f, 0.55f);
    Glass(s, 0.04f, Pent(6), 0.3f, 0.22f);
}

static void PuStart(TBuffer& s) {   // a power-up set off: whoosh up and sparkle
    AddNoise(s, 0.0f, 0.45f, 300.0f, 4000.0f, 0.35f, 0.3f);
    Sweep(s, 0.0f, 0.4f, 300.0f, 1200.0f, 0.3f, WAVE_SINE);
    Glass(s, 0.3f, Pent(9), 0.4f, 0.3f);
}

static void Stone2(TBuffer& s) {    // a stone knocks on the floor of the board
    Thump(s, 0.0f, 0.22f, 220.0f, 160.0f, 0.6f);
    AddNoise(s, 0.0f, 0.08f, 1200.0f, 300.0f, 0.4f, 0.001f);
    AddBubble(s, 0.06f, 380.0f, 0.05f, 0.2f);
}

static void Butt(TBuffer& s) {      // a mode button in the game
    Glass(s, 0.0f, Pent(3), 0.12f, 0.4f);
    AddBubble(s, 0.0f, 520.0f, 0.04f, 0.3f);
}

static void FreeFairy(TBuffer& s) { // something freed swims away, glittering
    for (int i = 0; i < 7; i++) Glass(s, i * 0.06f, Pent(4 + i), 0.6f, 0.22f);
    Sweep(s, 0.0f, 0.6f, 500.0f, 1500.0f, 0.15f, WAVE_SINE);
    AddEcho(s, 0.17f, 0.3f, 2);
}

static void Moss2(TBuffer& s) {     // moss scrubbed off: a squelch of low bubbles
    AddNoise(s, 0.0f, 0.3f, 900.0f, 250.0f, 0.4f, 0.02f);
    Bubbles(s, 0.02f, 4, 260.0f, 0.05f, 0.3f);
}

static void Mmh1(TBuffer& s) {
    TTone t;
    t.length = 0.7f;
    t.fromHz = NoteHz(Pent(-6));
    t.toHz = NoteHz(Pent(-5));
    t.level = 0.5f;
    t.attack = 0.12f;
    t.wave = WAVE_SOFT_SQUARE;
    t.vibratoHz = 5.0f;
    t.vibratoDepth = 0.015f;
    AddTone(s, t);
    LowPass(s, 900.0f);
}

static void PuFull(TBuffer& s) {    // every power-up charged: a full chord
    for (int i = 0; i < 4; i++) Bell(s, 0.0f, Pent(i * 2), 1.0f, 0.18f);
    AddEcho(s, 0.2f, 0.25f, 1);
}

static void PuNo(TBuffer& s) {      // a power-up that cannot be used: two dull low notes
    Sweep(s, 0.0f, 0.16f, NoteHz(Pent(-4)), NoteHz(Pent(-4)), 0.45f, WAVE_SOFT_SQUARE);
    Sweep(s, 0.15f, 0.22f, NoteHz(Pent(-5)), NoteHz(Pent(-5)), 0.45f, WAVE_SOFT_SQUARE);
    LowPass(s, 1200.0f);
}

static void Cash(TBuffer& s) {      // points paid out: quick ringing glass up the scale
    for (int i = 0; i < 4; i++) Bell(s, i * 0.05f, Pent(6 + i), 0.5f, 0.2f);
}

static void Build(TBuffer& s) {     // three knocks climbing, as of a thing put together
    for (int i = 0; i < 3; i++) {
        Thump(s, i * 0.12f, 0.12f, 260.0f + 60.0f * i, 200.0f + 60.0f * i, 0.4f);
        Glass(s, i * 0.12f, Pent(2 + 2 * i), 0.15f, 0.2f);
    }
}

const TEffectRecipe EFFECT_RECIPES[] = {
    {"mark1.ogg", Mark1},         {"mark2.ogg", Mark2},           {"turnup.ogg", TurnUp},
    {"turndown.ogg", TurnDown},   {"bell1.ogg", Bell1},           {"shuffle.ogg", Shuffle},
    {"hint.ogg", Hint},           {"failure.ogg", Failure},       {"gamebutt1.ogg", GameButton},
    {"mo.ogg", Mo},               {"button1.ogg", Button1},       {"bomb.ogg", Bomb},
    {"match3.ogg", Match3},       {"pucollect.ogg", PuCollect},   {"bubbleout.ogg", BubbleOut},
    {"match4.ogg", Match4},       {"match.ogg", MatchPlain},      {"puready.ogg", PuReady},
    {"enterping.ogg", EnterPing}, {"pucollect2.ogg", PuCollect2}, {"contact2.ogg", Contact2},
    {"match5.ogg", Match5},       {"explosion.ogg", Explosion},   {"match6.ogg", Match6},
    {"match7.ogg", Match7},       {"puhit.ogg", PuHit},           {"takepu.ogg", TakePu},
    {"match8.ogg", Match8},       {"glitter.ogg", Glitter},       {"laypart.ogg", LayPart},
    {"pustart.ogg", PuStart},     {"stone2.ogg", Stone2},         {"butt.ogg", Butt},
    {"match9.ogg", Match9},       {"freefairy.ogg", FreeFairy},   {"moss2.ogg", Moss2},
    {"mmh1.ogg", Mmh1},           {"match10.ogg", Match10},       {"pufull.ogg", PuFull},
    {"puno.ogg", PuNo},           {"cash.ogg", Cash},             {"build.ogg", Build},
};
const int EFFECT_RECIPE_COUNT = sizeof EFFECT_RECIPES / sizeof EFFECT_RECIPES[0];
