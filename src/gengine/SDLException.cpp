#include "gengine/SDLException.h"

#include "SDL.h"

namespace {
InfoText withError(const InfoText &info, const char *tag)
{
    InfoText result(info);
    result.addValue(tag, SDL_GetError());
    return result;
}
}

SDLException::SDLException(const InfoText &info)
    : BaseException(withError(info, "SDL")) {}

TTFException::TTFException(const InfoText &info)
    : BaseException(withError(info, "TTF")) {}

MixException::MixException(const InfoText &info)
    : BaseException(withError(info, "Mix")) {}

ImgException::ImgException(const InfoText &info)
    : BaseException(withError(info, "IMG")) {}
