#ifndef HEADER_COUNTADVISOR_H
#define HEADER_COUNTADVISOR_H

// Tells the end-of-level countdown how many cycles to wait once the room
// is solved or lost; -1 means do not start counting.

class CountAdvisor {
    public:
        virtual ~CountAdvisor() {}
        virtual int getCountForSolved() const = 0;
        virtual int getCountForWrong() const = 0;
};

#endif
