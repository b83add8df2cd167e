#ifndef HEADER_UNIT_H
#define HEADER_UNIT_H

// A fish as the player steers it: its model, its four keys and the four
// moves-string symbols of its moves. A left or right command while facing
// the other way only turns the fish, and is recorded all the same.
// Every go operation returns the symbol performed, or 0.

#include "level/ControlSym.h"
#include "level/Dir.h"
#include "level/KeyControl.h"

#include <string>

class Cube;
class InputProvider;

class Unit {
    private:
        KeyControl m_keys;
        ControlSym m_symbols;
        Cube *m_model;
        bool m_startActive;

        char goUp();
        char goDown();
        char goLeft();
        char goRight();
    public:
        Unit(const KeyControl &keys, const ControlSym &symbols, bool startActive);

        void takeModel(Cube *model) { m_model = model; }
        bool startActive() const { return m_startActive; }
        const KeyControl &getKeys() const { return m_keys; }
        const ControlSym &getSymbols() const { return m_symbols; }

        /** Alive, in the room and not busy with a scripted animation. */
        bool canDrive() const;
        /** Alive and in the room. */
        bool canMove() const;
        /** The first held key of the set decides, in the order left, right, up, down. */
        char drive(const InputProvider *input, const KeyControl &keys);
        char driveOrder(char symbol);
        /** The symbol of the direction whose key in the set is this one; 0 when none is. */
        char myStroke(SDLKey key, const KeyControl &keys) const;
        bool hasSymbol(char symbol) const;
        /** The symbol for a move direction; DIR_NO is a programming error. */
        char myOrder(Dir::eDir dir) const;

        void activate();
        bool isMoving() const;
        bool isTurning() const;
        bool isPushing() const;
        bool isPowerful() const;
        int countAnimPhases(const std::string &anim) const;

        bool equalsModel(const Cube *model) const { return m_model == model; }
        const Cube *getModel() const { return m_model; }
        V2 getLoc() const;
        int getW() const;
        int getH() const;
        bool isFreePlace(const V2 &loc) const;
};

#endif
