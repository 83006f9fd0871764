// The shortest time per map position and the name of its holder, kept in
// "besttimes.ppp" in the save folder.
#pragma once

// Start-up: a fresh table on the first run, the file on every later start.
void ReadBestTimes();
