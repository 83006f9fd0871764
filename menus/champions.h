// The champions list: the players who finished the last stage, in
// "adchampions.ppp".
#pragma once

void LoadChampions();   // start-up
void AddChampion();     // the closing story enters the current player
void SaveChampions();
