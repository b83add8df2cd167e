#include "MenuEnv.h"

#include "menu/WorldMap.h"

#include "effect/SurfaceLock.h"
#include "gengine/InputHandler.h"
#include "gengine/Path.h"
#include "plan/StateInput.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

void MenuEnv::SetUp()
{
    LevelEnv::SetUp();
    std::filesystem::create_directories(systemDir() + "/images/menu");
    std::filesystem::create_symlink("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
            systemDir() + "/font/font_menu.ttf");
    writePicture("images/menu/map.png", MAP_W, MAP_H, 0x000040);
    writePicture("images/menu/map_lower.png", MAP_W, MAP_H, 0x004000);
    writeMask("images/menu/map_mask.png", MAP_W, MAP_H);
    writePicture("images/menu/n0.png", 4, 4, 0x00ff00);
    writePicture("images/menu/n1.png", 4, 4, 0x0000ff);
    writePicture("images/menu/n2.png", 4, 4, 0x0000fe);
    writePicture("images/menu/n3.png", 4, 4, 0x0000fd);
    writePicture("images/menu/n4.png", 4, 4, 0x0000fc);
    writePicture("images/menu/n_far.png", 4, 4, 0xff0000);
}

void MenuEnv::writePicture(const std::string &file, int w, int h, Uint32 rgb) const
{
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32,
            0xff0000, 0x00ff00, 0x0000ff, 0);
    ASSERT_NE(nullptr, surface);
    SDL_FillRect(surface, nullptr, rgb);
    std::string path = systemDir() + "/" + file;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    EXPECT_EQ(0, SDL_SaveBMP(surface, path.c_str()));
    SDL_FreeSurface(surface);
}

void MenuEnv::writeMask(const std::string &file, int w, int h) const
{
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32,
            0xff0000, 0x00ff00, 0x0000ff, 0);
    ASSERT_NE(nullptr, surface);
    SDL_FillRect(surface, nullptr, 0);
    const int corners[4][2] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    const Uint32 colours[4] = {0x100000, 0x200000, 0x300000, 0x400000};
    for (int i = 0; i < 4; ++i) {
        SDL_Rect rect = {static_cast<Sint16>(corners[i][0]), static_cast<Sint16>(corners[i][1]), 1, 1};
        SDL_FillRect(surface, &rect, colours[i]);
    }
    EXPECT_EQ(0, SDL_SaveBMP(surface, (systemDir() + "/" + file).c_str()));
    SDL_FreeSurface(surface);
}

void MenuEnv::writeSolved(const std::string &codename, const std::string &moves) const
{
    std::string path = userDir() + "/solved/" + codename + ".lua";
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << "\nsaved_moves = '" << moves << "'\n";
}

WorldMap *MenuEnv::createMap(const std::string &script) const
{
    writeData("script/worldmap.lua", script);
    std::unique_ptr<WorldMap> map(new WorldMap());
    map->initMap(Path::dataReadPath("script/worldmap.lua"));
    return map.release();
}

WorldMap *MenuEnv::pushMap(const std::string &script)
{
    WorldMap *map = createMap(script);
    m_bottom->pushState(map);
    // The dummy display puts the mouse in its middle; the tests move it themselves.
    moveMouse(-1, -1);
    cycle();
    return map;
}

Uint32 MenuEnv::pixelAt(SDL_Surface *surface, int x, int y)
{
    SurfaceLock lock(surface);
    Uint8 *row = static_cast<Uint8 *>(surface->pixels) + y * surface->pitch;
    Uint32 raw = 0;
    std::memcpy(&raw, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(raw, surface->format, &r, &g, &b);
    return (static_cast<Uint32>(r) << 16) | (static_cast<Uint32>(g) << 8) | b;
}

void MenuEnv::moveMouse(int x, int y)
{
    m_manager->top()->getInput()->mouseState(V2(x, y), 0);
}
