#include "gengine/KeyStroke.h"

#include <gtest/gtest.h>

namespace {

SDL_keysym keysym(SDLKey sym, int mod, Uint16 unicode = 0)
{
    SDL_keysym result;
    result.scancode = 0;
    result.sym = sym;
    result.mod = static_cast<SDLMod>(mod);
    result.unicode = unicode;
    return result;
}

TEST(KeyStroke, KeepsOnlyCtrlAndAltModifiers)
{
    struct Case { int mod; int kept; };
    const Case cases[] = {
        {KMOD_NONE, 0},
        {KMOD_LCTRL, 0x40},
        {KMOD_RCTRL | KMOD_LSHIFT, 0x80},
        {KMOD_RALT | KMOD_NUM | KMOD_CAPS, 0x200},
        {KMOD_LALT | KMOD_LMETA | KMOD_RSHIFT, 0x100},
        {0xFFFF, 0x3C0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.kept, KeyStroke(keysym(SDLK_a, c.mod)).getMod()) << c.mod;
        EXPECT_EQ(c.kept, KeyStroke(SDLK_a, c.mod).getMod()) << c.mod;
    }
}

TEST(KeyStroke, OrdersBySymbolThenModifiersAndIgnoresUnicode)
{
    const KeyStroke plainA(keysym(SDLK_a, KMOD_NONE, 'a'));
    const KeyStroke shiftedA(keysym(SDLK_a, KMOD_LSHIFT, 'A'));
    const KeyStroke ctrlA(SDLK_a, KMOD_LCTRL);
    const KeyStroke plainB(SDLK_b, KMOD_NONE);

    EXPECT_EQ(plainA, shiftedA);
    EXPECT_EQ(ctrlA, KeyStroke(SDLK_a, KMOD_RCTRL));
    EXPECT_EQ(ctrlA, KeyStroke(SDLK_a, KMOD_CTRL));
    EXPECT_NE(ctrlA, KeyStroke(SDLK_a, KMOD_LCTRL | KMOD_LALT));
    EXPECT_EQ(KeyStroke(SDLK_a, KMOD_RALT), KeyStroke(SDLK_a, KMOD_LALT));
    EXPECT_FALSE(plainA < shiftedA || shiftedA < plainA);
    EXPECT_NE(plainA, ctrlA);
    EXPECT_TRUE(plainA < ctrlA);
    EXPECT_TRUE(ctrlA < plainB);
    EXPECT_EQ('A', shiftedA.getUnicode());
    EXPECT_EQ(0, ctrlA.getUnicode());
}

/** SDL names the keys once its video part is up. */
class KeyNames : public testing::Test {
    protected:
        void SetUp() override { ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO)); }
        void TearDown() override { SDL_Quit(); }
};

TEST_F(KeyNames, DescribeKeyNameAndModifierMask)
{
    EXPECT_EQ("f+64", KeyStroke(SDLK_f, KMOD_LCTRL).toString());
    EXPECT_EQ("f11+0", KeyStroke(SDLK_F11, KMOD_LSHIFT).toString());
    EXPECT_EQ("[+]+512", KeyStroke(SDLK_KP_PLUS, KMOD_RALT).toString());
    // A number a script made up is not a key SDL can name.
    EXPECT_EQ("unknown key+0", KeyStroke(100000, 0).toString());
    EXPECT_EQ("unknown key+0", KeyStroke(-5, 0).toString());
}

}
