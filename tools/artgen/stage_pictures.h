// The painter's kit of the stage pictures: water, light, seabed and the
// creatures and things of the deep, drawn in layers that carry soft shadows
// and fade into the water with distance. Each stage's scene is composed from
// these in stage_pictures_*.cpp.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "art_common.h"
#include "tables/stage_picture_tables.h"

constexpr int SP_W = STAGE_PICTURE_WIDTH;
constexpr int SP_H = STAGE_PICTURE_HEIGHT;

// One scene being painted: the picture, the water's colours and the seeded
// random numbers every placement draws from.
struct TScene {
    cairo_surface_t* surface;
    cairo_t* cr;
    TRandom rnd;
    TRgb waterTop, waterBottom;   // the open water at the top and bottom edge
    uint32_t seed;
};

// The open water's colour at height y.
TRgb WaterAt(const TScene& s, double y);
// A colour moved toward the water behind it at height y: far things fade.
TRgb Fade(const TScene& s, TRgb c, double y, double amount);

// ---- layers: draw into one, then lay it on the picture
// A fresh transparent layer of the picture's size and its context.
cairo_t* BeginLayer();
// Fades the layer's colours toward the water (amount 0..1), keeping its shape.
void FogLayer(const TScene& s, cairo_t* layer, double amount);
// Lays the layer on the picture with a soft shadow offset by (dx, dy), then
// releases the layer. blur 0 lays it without a shadow.
void LayLayer(TScene& s, cairo_t* layer, double dx, double dy, int blur, double shadowAlpha);

// ---- water and light
void PaintWater(TScene& s, double murk);                       // gradient with drifting murk
void PaintSurface(TScene& s, double height, double strength);  // the rippled underside of the surface
void PaintShafts(cairo_t* cr, TRandom& rnd, int count, double originX, double strength, TRgb c);
// The net of bright lines the surface throws on what the layer holds in
// (x0..x1, y0..y1); the open water between stays as it is.
void PaintCaustics(cairo_t* cr, double x0, double y0, double x1, double y1, double strength, uint32_t seed);
void PaintVignette(cairo_t* cr, double strength);
// Mottles what the layer holds with light bumps and dark pits (stone, rock).
void TextureLayer(cairo_t* layer, double scale, double strength, uint32_t seed);

// ---- ground
// Sand from baseY (rippled by amplitude) to the bottom, with ripples and pebbles.
void PaintSeabed(TScene& s, cairo_t* cr, double baseY, double amplitude, TRgb sand, double shade);
// A ragged silhouette of far hills or rock along the bottom.
void PaintRidge(cairo_t* cr, double baseY, double amplitude, double scale, uint32_t seed, TRgb c);
// A rock lit from the top left: irregular outline, shading, cracks and spots.
void DrawRock(cairo_t* cr, TRandom& rnd, double cx, double cy, double w, double h, TRgb c);
void DrawPebbles(cairo_t* cr, TRandom& rnd, double x0, double x1, double y, int count, TRgb c);

// ---- growing things
void DrawBranchCoral(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb c);
void DrawFanCoral(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb c);
void DrawBrainCoral(cairo_t* cr, TRandom& rnd, double x, double y, double r, TRgb c);
void DrawTubeSponges(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb c);
void DrawAnemone(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb c);
void DrawKelp(cairo_t* cr, TRandom& rnd, double x, double baseY, double height, double width, TRgb c);
void DrawSeagrass(cairo_t* cr, TRandom& rnd, double x, double baseY, double height, TRgb c);
void DrawTubeWorms(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb tube, TRgb plume);
void DrawSeaPen(cairo_t* cr, double x, double y, double height, TRgb c, double glow);

// ---- small things
void DrawShell(cairo_t* cr, double x, double y, double size, double angle, TRgb c);
void DrawStarfish(cairo_t* cr, double x, double y, double r, double angle, TRgb c);
void DrawUrchin(cairo_t* cr, TRandom& rnd, double x, double y, double r, TRgb c);
void DrawBubbles(cairo_t* cr, TRandom& rnd, double x, double y, int count, double size);
void DrawMotes(cairo_t* cr, TRandom& rnd, int count, TRgb c, double alpha, double glowChance);
void DrawCrab(cairo_t* cr, double x, double y, double size, TRgb c);

// ---- swimmers; facing 1 swims right, -1 left
// pattern: 0 plain, 1 stripes, 2 spots, 3 belly band
void DrawFish(cairo_t* cr, double x, double y, double length, double facing, double tilt, TRgb body, TRgb fin, int pattern);
void DrawSchool(cairo_t* cr, TRandom& rnd, double cx, double cy, double spreadX, double spreadY, int count,
                double length, double facing, TRgb body, TRgb fin);
void DrawJelly(cairo_t* cr, TRandom& rnd, double x, double y, double r, TRgb c, double glow);
void DrawTurtle(cairo_t* cr, double x, double y, double size, double angle);
void DrawRay(cairo_t* cr, double x, double y, double span, double angle, TRgb top, TRgb rim);
void DrawSeahorse(cairo_t* cr, double x, double y, double size, TRgb c);
void DrawOctopus(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb c);
void DrawAnglerfish(cairo_t* cr, double x, double y, double size, double facing);
void DrawEel(cairo_t* cr, double x, double y, double length, double facing, TRgb c);

// The scenes, one per stage (1..12), painted on a picture of SP_W x SP_H.
void PaintReefScene(TScene& s);
void PaintKelpScene(TScene& s);
void PaintMeadowScene(TScene& s);
void PaintWreckScene(TScene& s);
void PaintArchesScene(TScene& s);
void PaintRuinsScene(TScene& s);
void PaintCliffsScene(TScene& s);
void PaintCavesScene(TScene& s);
void PaintJelliesScene(TScene& s);
void PaintTrenchScene(TScene& s);
void PaintVentsScene(TScene& s);
void PaintAbyssScene(TScene& s);
