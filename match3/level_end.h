// The end of a level: the win test, then the results sequence driven by
// levelEndTimer up to the bookkeeping and the way on.
#pragma once

// Every frame of the game screen, after the board; tests for the win first.
void RunLevelEnd();
