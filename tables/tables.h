// The start-up allocation of every game table.
#pragma once

// Fills every table of every subsystem with its zero value and releases the
// pictures they hold; RunGame calls it once, before the save folder is found.
void AllocateGameTables();
