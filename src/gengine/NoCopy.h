#ifndef HEADER_NOCOPY_H
#define HEADER_NOCOPY_H

// Base of every engine object that has an identity: agents, stores, script
// states. Such objects own resources or are registered by address, so a copy
// would either share or lose them; copying is therefore not available.

class NoCopy {
    public:
        NoCopy(const NoCopy &) = delete;
        NoCopy &operator=(const NoCopy &) = delete;
        virtual ~NoCopy() {}
    protected:
        NoCopy() {}
};

#endif
