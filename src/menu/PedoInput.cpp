#include "menu/PedoInput.h"

#include "menu/Pedometer.h"

#include "gengine/MouseStroke.h"

PedoInput::PedoInput(Pedometer *pedometer) : GameInput(pedometer), m_pedometer(pedometer)
{
}

void PedoInput::mouseEvent(const MouseStroke &stroke)
{
    if (stroke.isLeft()) {
        m_pedometer->runSelected();
    }
}
