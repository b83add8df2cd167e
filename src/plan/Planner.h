#ifndef HEADER_PLANNER_H
#define HEADER_PLANNER_H

// A script owner that plans its actions instead of running them at once:
// a queue of planned commands (Lua functions run once per cycle until they
// say they are done) and the dialogs its actors speak. The owner calls
// satisfyPlan once per cycle. The planner owns both; its Lua state has the
// planner functions (game_planAction, model_talk, dialog_addDialog, ...).

#include "gengine/Scripter.h"

class CommandQueue;
class DialogStack;

class Planner : public Scripter {
    private:
        CommandQueue *m_plan;
    protected:
        DialogStack *m_dialogs;
    public:
        Planner();
        virtual ~Planner();

        /** Plans the Lua function of the reference (taken over). */
        void planAction(int funcRef);
        bool isPlanning() const;
        /** One cycle: drops one finished line, runs the head command; true when the plan is empty. */
        bool satisfyPlan();
        /** Stops every line and subtitle and kills the plan. */
        void interruptPlan();
        virtual void killPlan();

        DialogStack *dialogs() { return m_dialogs; }
};

#endif
