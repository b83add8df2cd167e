#ifndef HEADER_COMMAND_H
#define HEADER_COMMAND_H

// A planned action that runs once per cycle until it says it is done.

class Command {
    public:
        virtual ~Command() {}
        /**
         * One run of the action; count is how often it already ran.
         * Returns true when it is done and may be removed.
         */
        virtual bool finish(int count) = 0;
};

#endif
