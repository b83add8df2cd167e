#include "gengine/TestSupport.h"

#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ScriptAgent.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

/** A script of the shipped data set, copied into the core's system directory. */
void copyShipped(testsupport::EngineCore &core, const std::string &file)
{
    const char *source = std::getenv("TIDEPOOL_SOURCE_DIR");
    ASSERT_NE(nullptr, source);
    std::ifstream shipped(std::string(source) + "/data/" + file);
    ASSERT_TRUE(shipped.good()) << file;
    std::stringstream text;
    text << shipped.rdbuf();
    core.dir.write("system/" + file, text.str());
}

/** Runs the shipped start-up script after "lang" and "speech" were set. */
std::string startWith(const char *name, const char *value, const char *other = nullptr)
{
    testsupport::EngineCore core;
    copyShipped(core, "script/init.lua");
    core.options()->setParam(name, value);
    core.script()->doFile(Path::dataReadPath("script/init.lua"));
    return core.options()->getParam(other ? other : name);
}

TEST(StartupScript, LocaleLanguagesAreCutToTheLanguagesOfTheDataSet)
{
    const struct { const char *given; const char *kept; } cases[] = {
        {"cs_CZ.UTF-8", "cs"},
        {"cs_CZ", "cs"},
        {"en_GB", "en"},
        {"CS_cz", "cs"},
        {"cs", "cs"},
        {"de_DE", "de_DE"},      // not in the data set: dialogs fall back by prefix
        {"c", "c"},
        {"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.kept, startWith("lang", c.given)) << c.given;
        EXPECT_EQ(c.kept, startWith("speech", c.given)) << c.given;
    }
    // Each parameter on its own: a short speech language leaves "lang" absent.
    EXPECT_EQ("", startWith("speech", "cs_CZ", "lang"));
}

// The world map script, run against stand-ins of the map's four functions
// that check every argument as the map reads it: a tree of at least eight
// levels whose parents come first, each with its names in both languages
// and its best solution, and one ending.
TEST(ShippedWorldMap, BuildsATreeOfLevelsWithNamesAndBestSolutions)
{
    testsupport::EngineCore core;
    copyShipped(core, "script/worldmap.lua");
    core.script()->doString(R"(
nodes, order, descs, best, ending = {}, {}, {}, {}, nil
function branch_addNode(parent, codename, datafile, x, y, hidden, poster)
    assert(type(parent) == "string" and type(codename) == "string" and type(datafile) == "string")
    assert(type(x) == "number" and type(y) == "number" and type(hidden) == "boolean")
    assert(poster == nil or type(poster) == "string")
    assert(nodes[codename] == nil, "node twice: " .. codename)
    assert(parent == "" and #order == 0 or nodes[parent], "parent after child: " .. codename)
    nodes[codename] = {x = x, y = y}
    order[#order + 1] = codename
end
function branch_setEnding(codename, datafile, poster)
    assert(ending == nil and type(codename) == "string" and type(datafile) == "string")
    ending = codename
end
function worldmap_addDesc(codename, lang, name, desc)
    for _, v in ipairs({codename, lang, name, desc}) do assert(type(v) == "string" and v ~= "") end
    descs[codename .. "/" .. lang] = true
end
function node_bestSolution(codename, moves, author)
    assert(nodes[codename], "no such node: " .. tostring(codename))
    assert(type(moves) == "number" and moves > 0 and type(author) == "string")
    best[codename] = moves
end
)");
    core.script()->doFile(Path::dataReadPath("script/worldmap.lua"));
    core.script()->doString(R"(
assert(#order >= 8, "levels: " .. #order)
assert(ending)
for _, codename in ipairs(order) do
    assert(best[codename], "no best solution: " .. codename)
    assert(descs[codename .. "/en"] and descs[codename .. "/cs"], "no names: " .. codename)
end
assert(descs[ending .. "/en"] and descs[ending .. "/cs"])
assert(descs["menu/en"])
)");
}

} // namespace
