#include "gengine/MultiDrawer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

/** Appends its letter to a shared log each time it is drawn. */
class LetterDrawer : public Drawable {
    public:
        LetterDrawer(char letter, std::string *log) : m_letter(letter), m_log(log) {}
        virtual void drawOn(SDL_Surface *) { *m_log += m_letter; }
    private:
        char m_letter;
        std::string *m_log;
};

} // namespace

TEST(MultiDrawer, DrawsInAddingOrderAndRemovesTheFirstEqualEntry)
{
    std::string log;
    LetterDrawer a('a', &log);
    LetterDrawer b('b', &log);
    LetterDrawer c('c', &log);
    MultiDrawer drawer;
    drawer.acceptDrawer(&a);
    drawer.acceptDrawer(&b);
    drawer.acceptDrawer(&c);
    drawer.acceptDrawer(&a);
    drawer.drawOn(NULL);
    EXPECT_EQ("abca", log);

    log.clear();
    drawer.removeDrawer(&a);
    drawer.removeDrawer(&b);
    LetterDrawer absent('x', &log);
    drawer.removeDrawer(&absent);
    drawer.drawOn(NULL);
    EXPECT_EQ("ca", log);
}
