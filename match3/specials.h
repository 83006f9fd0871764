// Moss, bombs, pillars, stones and the four power-ups: the operations the rules
// call when a match, a blast or a landing stone reaches one of them.
#pragma once

#include "tables/board_tables.h"

// The particle kinds of the power-ups' projectiles.
constexpr int SHOT_AIMED = 13005;      // power-up 1: flies to a board item
constexpr int SHOT_MOSS = 13009;       // power-up 3: flies to a moss cell
constexpr int SHOT_DYNAMITE = 13205;   // power-up 4: flies to a board item
// A power-up's charge when it is ready, and the charge a collected stone aims for.
constexpr int POWERUP_READY = 10000;
constexpr int POWERUP_FULL_TARGET = 120;

// The cell under an item: its cell link, or the cell at its place while the
// item is not tied to one (nothing rests while the aimed shot holds the board).
int CellUnderItem(int item);

// Breaks the pillar on the item's cell, or turns the item on a stone-pillar
// cell into a bomb or joker (then returns 1). Called for pillars next to a match.
int BreakPillar(int item);
// Clears the moss of the cell under the item; called for every removed item.
void ClearMoss(int item);
void ClearMossAtCell(int cell);
// Sets off the item if it is a bomb; nothing otherwise.
void ExplodeBomb(int item);
// A stone has landed on the floor of the board; called by ApplyGravity.
void CollectStone(int item);
// A power-up projectile has reached its target: the aimed shot (13005) on an
// item, a moss shot (13009) on a cell, the dynamite (13205) on an item. The
// particles only fly; everything they do on landing happens here.
void ProjectileLanded(int kind, int target, float x, float y);
// Each frame before ResolveSelection: the wave re-draws the colours it passes.
void RunShuffleWave();
// A level starts: charges from the player's collected stones, shells below
// the screen, nothing aimed or firing.
void ResetPowerups();
// Each frame before the board: the four shells in their places.
void DrawPowerupShells();
// Each frame after the board: charging, aiming and firing the power-ups.
void UpdatePowerups();

// 1 while the shuffle wave sweeps the board (input and hints are off).
int ShuffleWaveRunning();
// 1 while any power-up is being aimed or fired (input and hints are off).
int PowerUpBusy();
