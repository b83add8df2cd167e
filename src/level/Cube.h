#ifndef HEADER_CUBE_H
#define HEADER_CUBE_H

// A model of a room: a fish, an item, a wall, an output or the border. It has
// a location (its top-left shape corner), a shape, a weight, a power (what it
// can push or carry), a life state and a goal, and owns its rules and its
// animation set. Index -1 marks a model that is not one of the room's models.
// The change_ operations alter the model only; the field is the rules' business.

#include "gengine/NoCopy.h"
#include "gengine/V2.h"
#include "level/Dir.h"
#include "level/Goal.h"

#include <memory>
#include <string>

class Anim;
class Rules;
class RoomHost;
class Shape;

class Cube : public NoCopy {
    public:
        enum eWeight : int {
            NONE = 0,
            LIGHT = 1,
            HEAVY = 2,
            FIXED = 3
        };
    private:
        int m_index;
        bool m_busy;
        V2 m_loc;
        bool m_alive;
        bool m_out;
        eWeight m_weight;
        eWeight m_power;
        bool m_lookLeft;
        bool m_lost;
        std::unique_ptr<Shape> m_shape;
        std::unique_ptr<Anim> m_anim;
        std::unique_ptr<Rules> m_rules;
        Goal m_goal;
        Dir::eDir m_outDir;
        int m_outCapacity;
        const RoomHost *m_dialogs;
        // A room copy reads and writes the changing fields directly.
        friend class RoomState;
    public:
        /** Takes ownership of the shape. */
        Cube(const V2 &loc, eWeight weight, eWeight power, bool alive, Shape *shape);
        virtual ~Cube();

        int getIndex() const { return m_index; }
        void setIndex(int index) { m_index = index; }
        const V2 &getLoc() const { return m_loc; }
        bool isAlive() const { return m_alive; }
        bool isOut() const { return m_out; }
        bool isLost() const { return m_lost; }
        bool isBusy() const { return m_busy; }
        void setBusy(bool busy) { m_busy = busy; }
        eWeight getWeight() const { return m_weight; }
        eWeight getPower() const { return m_power; }
        bool isLeft() const { return m_lookLeft; }
        const Shape *getShape() const { return m_shape.get(); }
        Anim *getAnim() const { return m_anim.get(); }
        Rules *getRules() const { return m_rules.get(); }
        const Goal &getGoal() const { return m_goal; }
        void setGoal(const Goal &goal) { m_goal = goal; }
        Dir::eDir getOutDir() const { return m_outDir; }
        int getOutCapacity() const { return m_outCapacity; }
        /** The dialogs asked whether this model talks; null for none. */
        void takeDialogs(const RoomHost *dialogs) { m_dialogs = dialogs; }
        bool isTalking() const;

        /** "model" with loc, alive, weight, power and shape, for error texts. */
        virtual std::string toString() const;

        /** Only the rules call this, with the model unmasked. */
        void change_setLoc(const V2 &loc) { m_loc = loc; }
        /** Nothing can push a model on its way out. */
        void change_goingOut() { m_weight = FIXED; }
        void change_remove();
        void change_goOut();
        void change_turnSide() { m_lookLeft = !m_lookLeft; }
        /** Dead now; it stays a dead item until its disintegration effect is over. */
        void change_die();
        /**
         * Sets all three together; an out direction outside 0..4 or a weight
         * outside 0..3 (a level script's numbers) throws LogicException.
         */
        void change_setOutDir(Dir::eDir outDir, int capacity, eWeight weight);
        /** No move pending and back in play; the field is not touched. */
        void change_restore();
        /** The output swallowed a model; a full output becomes a light item. */
        void decOutCapacity();
};

#endif
