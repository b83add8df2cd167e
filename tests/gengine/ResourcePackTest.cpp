#include "gengine/Log.h"
#include "gengine/ResourcePack.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/** A pack of owned texts that notes the order in which it frees them. */
class TextPack : public ResourcePack<std::string *> {
    public:
        std::vector<std::string> unloaded;
        virtual const char *getName() const { return "text_pack"; }
        virtual void unloadRes(std::string *res)
        {
            unloaded.push_back(*res);
            delete res;
        }
};

std::string resourceError(const TextPack &pack, const std::string &name, int index)
{
    try {
        pack.getRes(name, index);
    } catch (const ResourceException &e) {
        return e.info().text();
    }
    return "no exception";
}

} // namespace

TEST(ResourcePack, IndexesResourcesUnderOneNameInAddingOrder)
{
    TextPack pack;
    pack.addRes("fish", new std::string("first"));
    pack.addRes("a", new std::string("other"));
    pack.addRes("fish", new std::string("second"));

    struct Case { int index; const char *expected; };
    const Case cases[] = {{0, "first"}, {1, "second"}, {-5, "first"}};
    for (const Case &c : cases) {
        EXPECT_EQ(c.expected, *pack.getRes("fish", c.index)) << c.index;
    }
    EXPECT_EQ("first", *pack.getRes("fish"));
    EXPECT_EQ(2, pack.countRes("fish"));
    EXPECT_EQ(0, pack.countRes("fis"));

    const std::string described = "resources; name='text_pack'; key='a'; key='fish'; key='fish'";
    EXPECT_EQ(described, pack.toString());
    EXPECT_EQ("no such resource at index; name='fish'; index=2; pack='" + described + "'",
              resourceError(pack, "fish", 2));
    EXPECT_EQ("no such resource at index; name='shark'; index=0; pack='" + described + "'",
              resourceError(pack, "shark", 0));

    pack.removeAll();
    EXPECT_EQ((std::vector<std::string>{"other", "first", "second"}), pack.unloaded);
    EXPECT_EQ(0, pack.countRes("fish"));
    EXPECT_EQ("resources; name='text_pack'", pack.toString());
}

TEST(ResourcePack, RandomResourceOfAnUnknownNameIsNullWithAWarning)
{
    TextPack pack;
    pack.addRes("one", new std::string("only"));
    testing::internal::CaptureStderr();
    std::string *missing = pack.getRandomRes("none");
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(NULL, missing);
    EXPECT_NE(std::string::npos, log.find("src/gengine/ResourcePack:"));
    EXPECT_NE(std::string::npos,
              log.find("WARNING no such resource; name='none'; pack='resources; name='text_pack'; key='one''"));
    EXPECT_EQ("only", *pack.getRandomRes("one"));
    pack.removeAll();
}

TEST(ResourcePack, DestroyingAFullPackWarnsAndDoesNotFree)
{
    std::string kept("kept");
    testing::internal::CaptureStderr();
    {
        TextPack pack;
        pack.addRes("k", &kept);
    }
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos,
              log.find("WARNING resources are not released; pack='resources; name='text_pack'; key='k''"))
        << log;
    EXPECT_EQ("kept", kept);

    testing::internal::CaptureStderr();
    {
        TextPack pack;
        pack.addRes("k", new std::string("gone"));
        pack.removeAll();
    }
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
}
