#ifndef HEADER_TESTS_VIDEOFIXTURE_H
#define HEADER_TESTS_VIDEOFIXTURE_H

// A display for tests that need the display format (loading pictures,
// rendering text): the dummy driver's 32-bit video mode, opened once per
// test binary, and a temporary folder for picture files.

#include "SDL.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fixture {

inline void ensureVideo()
{
    static bool opened = false;
    if (!opened) {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO)) << SDL_GetError();
        ASSERT_TRUE(SDL_SetVideoMode(32, 32, 32, SDL_SWSURFACE)) << SDL_GetError();
        opened = true;
    }
}

/** A fresh temporary folder, removed with everything in it at the end. */
class TempDir {
    public:
        TempDir()
        {
            char name[] = "/tmp/tidepool-test-XXXXXX";
            const char *made = mkdtemp(name);
            m_path = made ? made : "";
        }
        ~TempDir()
        {
            if (!m_path.empty()) {
                std::error_code ignored;
                std::filesystem::remove_all(m_path, ignored);
            }
        }
        std::string file(const std::string &name) const { return m_path + "/" + name; }
        const std::string &path() const { return m_path; }
    private:
        std::string m_path;
};

/** Writes a picture file of the size, every pixel of one colour; returns its name. */
inline std::string writePicture(const TempDir &dir, const std::string &name, int w, int h,
        Uint8 r = 10, Uint8 g = 20, Uint8 b = 30)
{
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xff0000, 0xff00, 0xff, 0);
    SDL_FillRect(surface, NULL, SDL_MapRGB(surface->format, r, g, b));
    std::string file = dir.file(name);
    EXPECT_EQ(0, SDL_SaveBMP(surface, file.c_str()));
    SDL_FreeSurface(surface);
    return file;
}

} // namespace fixture

#endif
