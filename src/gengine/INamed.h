#ifndef HEADER_INAMED_H
#define HEADER_INAMED_H

// Anything known by a fixed name: listeners, agents, game states.

class INamed {
    public:
        virtual ~INamed() {}
        /** The fixed name; the text lives as long as the object. */
        virtual const char *getName() const = 0;
};

#endif
