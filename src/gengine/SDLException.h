#ifndef HEADER_SDLEXCEPTION_H
#define HEADER_SDLEXCEPTION_H

// Failures of the SDL libraries. The caller names the failed call ("Init",
// "SetVideoMode"); the constructor appends the library's own error text under
// the library's tag, so what() reads "Init; SDL='...'".

#include "gengine/BaseException.h"

class SDLException : public BaseException {
    public:
        explicit SDLException(const InfoText &info);
};

class TTFException : public BaseException {
    public:
        explicit TTFException(const InfoText &info);
};

class MixException : public BaseException {
    public:
        explicit MixException(const InfoText &info);
};

class ImgException : public BaseException {
    public:
        explicit ImgException(const InfoText &info);
};

#endif
