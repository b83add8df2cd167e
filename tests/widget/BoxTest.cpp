#include "widget/WidgetFixture.h"

#include "widget/HBox.h"
#include "widget/VBox.h"
#include "widget/WiSpace.h"

#include <gtest/gtest.h>

namespace {

/** A space that carries a tip. */
WiSpace *tipped(int w, int h, const std::string &tip)
{
    WiSpace *space = new WiSpace(w, h);
    space->setTip(tip);
    return space;
}

}

TEST(HBoxTest, ChildrenSitSideBySideAndTheRowTakesTheHighest)
{
    HBox row;
    WiSpace *first = new WiSpace(10, 5);
    WiSpace *second = new WiSpace(20, 30);
    row.addWidget(first);
    row.addWidget(second);
    EXPECT_EQ(30, row.getW());
    EXPECT_EQ(30, row.getH());
    EXPECT_EQ(V2(0, 0), first->getShift());
    EXPECT_EQ(V2(10, 0), second->getShift());

    row.setShift(V2(7, 3));
    EXPECT_EQ(V2(7, 3), first->getShift());
    EXPECT_EQ(V2(17, 3), second->getShift());

    // A child added after the move goes on from the moved row.
    WiSpace *third = new WiSpace(4, 4);
    row.addWidget(third);
    EXPECT_EQ(V2(37, 3), third->getShift());
}

TEST(VBoxTest, CentredChildrenSitInTheMiddleOfTheWidest)
{
    VBox plain;
    VBox centred;
    centred.setCentered(true);
    WiSpace *plainSecond = new WiSpace(60, 8);
    WiSpace *centredSecond = new WiSpace(60, 8);
    plain.addWidget(new WiSpace(100, 5));
    plain.addWidget(plainSecond);
    centred.addWidget(new WiSpace(100, 5));
    centred.addWidget(centredSecond);

    EXPECT_EQ(V2(0, 5), plainSecond->getShift());
    EXPECT_EQ(V2(20, 5), centredSecond->getShift());
    EXPECT_EQ(100, centred.getW());
    EXPECT_EQ(13, centred.getH());
}

TEST(VBoxTest, CentringAfterAddingTakesEffectOnTheNextShift)
{
    VBox column;
    WiSpace *narrow = new WiSpace(10, 4);
    column.addWidget(narrow);
    column.addWidget(new WiSpace(50, 4));
    column.setCentered(true);
    EXPECT_EQ(V2(0, 0), narrow->getShift());

    column.setShift(V2(100, 50));
    EXPECT_EQ(V2(120, 50), narrow->getShift());
    EXPECT_EQ(V2(100, 54), column.getWidget(1)->getShift());
}

TEST(WiBoxTest, TipJoinsTheBoxAndTheChildUnderTheMouse)
{
    struct Case {
        const char *boxTip;
        V2 loc;
        const char *expected;
    };
    const Case cases[] = {
        {"Music", V2(25, 5), "Music - loud"},
        {"", V2(25, 5), "loud"},
        {"Music", V2(5, 5), "Music"},     // over a child without tip
        {"Music", V2(35, 15), "Music"},   // over no child: below the short one
        {"", V2(5, 5), ""},
    };
    for (const Case &c : cases) {
        HBox row;
        row.addWidget(new WiSpace(20, 20));
        row.addWidget(tipped(20, 10, "loud"));
        row.setTip(c.boxTip);
        SCOPED_TRACE(c.loc.toString());
        EXPECT_EQ(c.expected, IWidget::getTipAt(&row, c.loc));
    }
}

TEST(WiBoxTest, NestedBoxesJoinEveryLevelAndOutsideGivesNothing)
{
    VBox menu;
    HBox *row = new HBox();
    row->setTip("Language");
    HBox *flags = new HBox();
    flags->addWidget(tipped(10, 10, "cs"));
    flags->addWidget(tipped(10, 10, "de"));
    row->addWidget(new WiSpace(5, 10));
    row->addWidget(flags);
    menu.addWidget(row);
    menu.setShift(V2(100, 100));

    EXPECT_EQ("Language - de", IWidget::getTipAt(&menu, V2(120, 105)));
    EXPECT_EQ("Language", IWidget::getTipAt(&menu, V2(102, 105)));
    EXPECT_EQ("", IWidget::getTipAt(&menu, V2(125, 105)));
    EXPECT_EQ("", IWidget::getTipAt(&menu, V2(99, 105)));
}
