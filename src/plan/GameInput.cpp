#include "plan/GameInput.h"

GameInput::t_stateMaker GameInput::ms_helpMaker = nullptr;
GameInput::t_stateMaker GameInput::ms_menuMaker = nullptr;

void GameInput::enableHelp()
{
    pushMade(ms_helpMaker, "help screen");
}

void GameInput::enableMenu()
{
    pushMade(ms_menuMaker, "game menu");
}
