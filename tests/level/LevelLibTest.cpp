#include "LevelEnv.h"

#include "level/Level.h"
#include "level/LevelScript.h"

#include <filesystem>

namespace {

class LevelLib : public LevelEnv {
    protected:
        /** A picture file under the data directory (a copy of the tiny icon). */
        void picture(const std::string &file) const
        {
            namespace fs = std::filesystem;
            fs::path path = systemDir() + "/" + file;
            fs::create_directories(path.parent_path());
            fs::copy_file(systemDir() + "/images/icon.png", path);
        }
        void check(const std::string &lua) { m_level->getLevelScript()->doString(lua); }
};

TEST_F(LevelLib, FishFramesComeFromTheirFoldersWithSwimForSwamAndRestForActivate)
{
    for (const char *file : {"rest_00", "rest_01", "swim_00", "swim_01", "swim_02", "dead_00"}) {
        picture(std::string("images/fish/tiny/left/") + file + ".png");
    }
    picture("images/fish/tiny/right/rest_00.png");
    // A set kept in one folder, as older data sets do.
    picture("images/fish/flat/rest_00.png");
    picture("images/fish/flat/swam_00.png");
    startLevel("frames", R"(
file_include("script/level_lib.lua")
lib.createRoom{
    map = {"##########", "#sss.fff.#", "#......n.#", "##########"},
    legend = {
        ["#"] = {kind = "item_fixed"},
        s = {kind = "fish_small", anims = "tiny"},
        f = {kind = "fish_extra-1234", anims = "flat"},
        n = {kind = "fish_extra-nswe", picture = "images/icon.png"},
    },
}
)");
    check(R"(
assert(model_countAnims(1, "rest") == 2)
assert(model_countAnims(1, "swam") == 3)
assert(model_countAnims(1, "activate") == 2)
assert(model_countAnims(1, "dead") == 1)
-- no talk frames: the fish is drawn as its shape
assert(model_countAnims(1, "talk") == 1)
assert(model_countAnims(2, "rest") == 1 and model_countAnims(2, "swam") == 1)
assert(model_countAnims(3, "rest") == 1 and model_countAnims(3, "dead") == 1)
)");
}

} // namespace
