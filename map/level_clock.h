// The level clock: whole seconds per player, counted only while playing.
#pragma once

// Adds at most one second to the player's playerLevelSeconds, when the
// seconds timer has ticked since the clock last looked; the callers call it
// only while the level is played, so pauses and dialogs are not counted.
void TickLevelClock();
