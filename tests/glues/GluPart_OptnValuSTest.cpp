// The list of option values: pieces as they are, matching on display, never storing.
#include "glues/GluPart_OptnValuS.h"

#include <gtest/gtest.h>

#include "GlueFakes.h"

namespace tav {
namespace {

using namespace fakes;

TEST(GluPart_OptnValuS, MemberTable) {
    EXPECT_EQ(memberList(GluPart_OptnValuS::table()), "OptionValueS:String ValueToShow:Boolean");
}

TEST(GluPart_OptnValuS, MatchesAnyPiece) {
    struct Case {
        const char* list;
        const char* value;
        bool matches;
    };
    const Case cases[] = {
        {"1|2|5", "I4:5", true},
        {"1|2|5", "I4:4", false},
        {"1|2|5", "Str:\"5\"", true},
        {"3", "Str:\"3.0\"", true},
        {"3", "R8:3", true},
        {"abc|def", "Str:\"ABC\"", false},
        {"abc|def", "Str:\"def\"", true},
        {"a||b", "Str:\"\"", true},  // an empty piece
        {"a||b", "Empty", false},
        {"a | b", "Str:\"b\"", false},  // blanks are kept
        {"a | b", "Str:\" b\"", true},
        {"", "Str:\"\"", false},  // an empty list matches nothing
        {"", "Empty", false},
        {"x|", "Str:\"\"", true},
    };
    for (bool show : {true, false}) {
        Ref<GluPart_OptnValuS> g = makeRef<GluPart_OptnValuS>();
        let(*g, "ValueToShow", Variant::Bool(show));
        for (const Case& c : cases) {
            let(*g, "OptionValueS", Variant(c.list));
            EXPECT_EQ(print(display(*g, lit(c.value))),
                      c.matches == show ? "Bool:True" : "Bool:False")
                << c.list << " / " << c.value << " show " << show;
        }
    }
}

TEST(GluPart_OptnValuS, NeverStores) {
    Ref<GluPart_OptnValuS> g = makeRef<GluPart_OptnValuS>();
    g->SetOptionValueS("1|2");
    for (const char* value : {"I4:1", "Bool:True", "Str:\"abc\""}) {
        Variant v = lit(value);
        EXPECT_EQ(failure([&] { g->InvTransformForStorage(v); }), stopCycle());
        EXPECT_EQ(print(v), value);
    }
}

TEST(GluPart_OptnValuS, NoticesAndBag) {
    Ref<GluPart_OptnValuS> g = makeRef<GluPart_OptnValuS>();
    Notices notices(*g);
    let(*g, "OptionValueS", Variant("1|2"));
    let(*g, "ValueToShow", Variant::Bool(false));
    EXPECT_EQ(notices.take(), "OptionValueS|ValueToShow");

    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    g->WriteProperties(bag);
    EXPECT_EQ(bag->Text(),
              "# TAVParts property bag\nOptionValueS = Str:\"1|2\"\nValueToShow = Bool:False\n");
    bag->write("OptionValueS", Variant::I4(5));  // read back as text
    Ref<GluPart_OptnValuS> loaded = makeRef<GluPart_OptnValuS>();
    Notices loadNotices(*loaded);
    loaded->ReadProperties(bag);
    EXPECT_EQ(print(get(*loaded, "OptionValueS")), "Str:\"5\"");
    EXPECT_FALSE(loaded->ValueToShow());
    loaded->InitProperties();
    EXPECT_EQ(loaded->OptionValueS(), "");
    EXPECT_TRUE(loaded->ValueToShow());
    EXPECT_EQ(loadNotices.take(), "");  // the bag and InitProperties set fields, not properties
}

}  // namespace
}  // namespace tav
