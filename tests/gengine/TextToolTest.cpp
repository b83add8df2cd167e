#include "gengine/TextTool.h"

#include <gtest/gtest.h>

namespace {

TEST(TextTool, ReadIntAcceptsOnlyWholeTextInStrtolNotation)
{
    struct Case { std::string text; bool ok; int value; };
    const Case cases[] = {
        {"12", true, 12},
        {"-7", true, -7},
        {"0x10", true, 16},
        {"010", true, 8},
        {" 12", true, 12},
        {"12 ", false, 0},
        {"12abc", false, 0},
        {"", false, 0},
        {" ", false, 0},
        {"0x", false, 0},
        {std::string("1\0" "2", 3), false, 0},
        {"2147483647", true, 2147483647},
        {"2147483648", false, 0},
        {"-99999999999999999999", false, 0},
    };
    for (const Case &c : cases) {
        bool ok = !c.ok;
        int value = TextTool::readInt(c.text, &ok);
        EXPECT_EQ(c.ok, ok) << '"' << c.text << '"';
        EXPECT_EQ(c.value, value) << '"' << c.text << '"';
    }
}

TEST(TextTool, Utf8LengthCountsCharactersNotBytes)
{
    EXPECT_EQ(0u, TextTool::utf8Length(""));
    EXPECT_EQ(5u, TextTool::utf8Length("plain"));
    EXPECT_EQ(4u, TextTool::utf8Length("\xc5\xbelu\xc5\xa5"));     // two 2-byte letters
    EXPECT_EQ(2u, TextTool::utf8Length("\xe2\x82\xac\xf0\x9f\x90\x9f")); // 3 and 4 bytes
}

TEST(TextTool, ReplaceAllSearchesOnAfterTheReplacement)
{
    EXPECT_EQ("a-b-c", TextTool::replaceAll("a b c", " ", "-"));
    EXPECT_EQ("aaaa", TextTool::replaceAll("aa", "a", "aa"));
    EXPECT_EQ("x", TextTool::replaceAll("aaax", "a", ""));
    EXPECT_EQ("same", TextTool::replaceAll("same", "", "z"));
}

TEST(TextTool, SplitKeepsInnerEmptyPiecesButNotAnEmptyLastOne)
{
    typedef std::vector<std::string> Pieces;
    EXPECT_EQ((Pieces{"a", "", "b"}), TextTool::split("a,,b", ','));
    EXPECT_EQ((Pieces{"a", "b"}), TextTool::split("a,b,", ','));
    EXPECT_EQ((Pieces{"", "a"}), TextTool::split(",a", ','));
    EXPECT_EQ(Pieces{}, TextTool::split("", ','));
    EXPECT_EQ((Pieces{"line"}), TextTool::split("line", '\n'));
}

TEST(TextTool, StartsWithAndToText)
{
    EXPECT_TRUE(TextTool::startsWith("--help", "-"));
    EXPECT_TRUE(TextTool::startsWith("x", ""));
    EXPECT_FALSE(TextTool::startsWith("-", "--"));
    EXPECT_EQ("-2147483648", TextTool::toText(-2147483648LL));
}

}
