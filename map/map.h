// The stage map: the hub between levels.
#pragma once

void EnterMap();    // set-up of the map screen
void RunMap();      // frame of the map screen
