// The champions list: the players who finished the last stage, in
// "adchampions.ppp".
#pragma once

#include <string>

std::string ChampionsPath();   // the file in the save folder
void LoadChampions();   // start-up
void AddChampion();     // the closing story enters the current player
void SaveChampions();
// Dialog 102, the champions page, drawn by the dialog layer.
void DrawChampionsPage();
