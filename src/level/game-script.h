#ifndef HEADER_GAME_SCRIPT_H
#define HEADER_GAME_SCRIPT_H

// The game_, model_ and sound_ functions of level scripts: the room, its
// models with their animations and goals, and the room's sounds.

class LevelScript;

void registerGameFunctions(LevelScript *script);

#endif
