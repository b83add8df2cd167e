#include "menu/OptionsInput.h"

#include "menu/MenuOptions.h"

OptionsInput::OptionsInput(MenuOptions *menu) : StateInput(menu), m_menu(menu)
{
}

void OptionsInput::mouseEvent(const MouseStroke &stroke)
{
    m_menu->mouseButton(stroke);
}
