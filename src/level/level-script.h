#ifndef HEADER_LEVEL_SCRIPT_H
#define HEADER_LEVEL_SCRIPT_H

// The level_ functions of level scripts: saving, loading, moves, restarts,
// the room's creation and the level's counters, demos and shows.

class LevelScript;

void registerLevelFunctions(LevelScript *script);

#endif
