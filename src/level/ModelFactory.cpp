#include "level/ModelFactory.h"

#include "level/KeyControl.h"
#include "level/ControlSym.h"
#include "level/Shape.h"
#include "level/Unit.h"
#include "gengine/BaseException.h"

namespace {

bool startsWith(const std::string &text, const char *prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

}

Cube *ModelFactory::createModel(const std::string &kind, const V2 &loc, const std::string &shape)
{
    if (startsWith(kind, "output_")) {
        return createOutputItem(kind, loc, shape);
    }
    Cube::eWeight weight;
    Cube::eWeight power;
    bool alive;
    kindToWeight(kind, &weight, &power, &alive);
    return new Cube(loc, weight, power, alive, new Shape(shape));
}

void ModelFactory::kindToWeight(const std::string &kind,
        Cube::eWeight *weight, Cube::eWeight *power, bool *alive)
{
    *alive = false;
    *power = Cube::NONE;
    if (kind == "fish_small") {
        *weight = Cube::LIGHT;
        *power = Cube::LIGHT;
        *alive = true;
    } else if (kind == "fish_big") {
        *weight = Cube::LIGHT;
        *power = Cube::HEAVY;
        *alive = true;
    } else if (startsWith(kind, "fish_extra")) {
        *weight = Cube::LIGHT;
        *power = Cube::LIGHT;
        *alive = true;
    } else if (startsWith(kind, "fish_EXTRA")) {
        *weight = Cube::LIGHT;
        *power = Cube::HEAVY;
        *alive = true;
    } else if (kind == "item_light") {
        *weight = Cube::LIGHT;
    } else if (kind == "item_heavy") {
        *weight = Cube::HEAVY;
    } else if (kind == "item_fixed") {
        *weight = Cube::FIXED;
    } else {
        throw LogicException(InfoText("unknown model kind").addValue("kind", kind));
    }
}

Cube *ModelFactory::createOutputItem(const std::string &kind, const V2 &loc, const std::string &shape)
{
    Dir::eDir outDir;
    if (kind == "output_left") {
        outDir = Dir::DIR_LEFT;
    } else if (kind == "output_right") {
        outDir = Dir::DIR_RIGHT;
    } else if (kind == "output_up") {
        outDir = Dir::DIR_UP;
    } else if (kind == "output_down") {
        outDir = Dir::DIR_DOWN;
    } else {
        throw LogicException(InfoText("unknown border dir").addValue("kind", kind));
    }
    Cube *model = new Cube(loc, Cube::FIXED, Cube::NONE, false, new Shape(shape));
    model->change_setOutDir(outDir, 2, Cube::FIXED);
    return model;
}

Cube *ModelFactory::createBorder()
{
    return new Cube(V2(-1, -1), Cube::FIXED, Cube::NONE, false, new Shape("X\n"));
}

Unit *ModelFactory::createUnit(const std::string &kind)
{
    if (kind == "fish_small") {
        return new Unit(KeyControl(SDLK_i, SDLK_k, SDLK_j, SDLK_l), ControlSym('u', 'd', 'l', 'r'), true);
    }
    if (kind == "fish_big") {
        return new Unit(KeyControl(SDLK_w, SDLK_s, SDLK_a, SDLK_d), ControlSym('U', 'D', 'L', 'R'), false);
    }
    if (startsWith(kind, "fish_extra") || startsWith(kind, "fish_EXTRA")) {
        // "fish_extra-" and the four symbols up, down, left, right. A zero
        // byte would read as "no move" and could never be replayed.
        if (kind.size() != 15 || kind.find('\0', 11) != std::string::npos) {
            throw LogicException(InfoText("you must specify control symbols").addValue("kind", kind));
        }
        return new Unit(KeyControl(SDLK_LAST, SDLK_LAST, SDLK_LAST, SDLK_LAST),
                ControlSym(kind[11], kind[12], kind[13], kind[14]), false);
    }
    return nullptr;
}
