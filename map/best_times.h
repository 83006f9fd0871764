// The best time of every map position, in "besttimes.ppp": 200 records of a
// 32-bit time (-1 none) and a 12-byte name padded with spaces.
#pragma once

#include <string>

std::string BestTimesPath();    // the file in the save folder
// Start-up: a fresh table on the first run, the file on every later start;
// a missing or short file starts a fresh table too, and says so.
void ReadBestTimes();
// Reads the file; 0 when it is missing or shorter than its 200 records.
int LoadBestTimes();
void ResetBestTimes();
void SaveBestTimes();
// The record rule: a time below the position's record (or the first time)
// becomes the record, held by `name`; returns 1 for a new record.
int OfferBestTime(int position, int seconds, const std::string& name);
