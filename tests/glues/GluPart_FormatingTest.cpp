// The three properties keeping each other consistent, the bag, display and storage.
#include "glues/GluPart_Formating.h"

#include <gtest/gtest.h>

#include "GlueFakes.h"
#include "contracts/StringResources.h"

namespace tav {
namespace {

using namespace fakes;

// "FormatType StoreAsNumber FormatString" as read by name.
std::string state(Object& g) {
    return print(get(g, "FormatType")) + " " + print(get(g, "StoreAsNumber")) + " " +
           print(get(g, "FormatString"));
}

TEST(GluPart_Formating, MemberTableAndEnumeration) {
    EXPECT_EQ(memberList(GluPart_Formating::table()),
              "FormatString:String FormatType:gfFormatTypes StoreAsNumber:Boolean");
    const EnumDesc* e = GluPart_Formating::table().findEnumeration("gfFormatTypes");
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->items.size(), 19u);
    EXPECT_EQ(e->items[0].name, "gf_Custom");
    EXPECT_EQ(e->items[18].name, "gf_ConditionalScientific");
    EXPECT_EQ(e->find("gf_ShortTime")->value, 17);
}

TEST(GluPart_Formating, ListedFormats) {
    struct Case {
        int32_t type;
        const char* format;
        bool numeric;
    };
    const Case cases[] = {{0, "", false},
                          {1, "0.000000e-0", true},
                          {4, "#,##0.0#######", true},
                          {5, "General Number", true},
                          {10, "Percent", true},
                          {11, "General Date", false},
                          {17, "Short Time", false},
                          {18, "ConditionalScientific", true}};
    for (const Case& c : cases) {
        EXPECT_EQ(GluPart_Formating::formatStringOf(c.type), c.format);
        EXPECT_EQ(GluPart_Formating::isNumericType(c.type), c.numeric);
        EXPECT_EQ(GluPart_Formating::formatTypeOf(c.format), c.type);
    }
    EXPECT_EQ(GluPart_Formating::formatTypeOf("fixed"), gf_Custom);  // exact text only
    EXPECT_EQ(failure([] { GluPart_Formating::formatStringOf(19); }), "9||Subscript out of range");
    EXPECT_EQ(failure([] { GluPart_Formating::formatStringOf(-1); }), "9||Subscript out of range");
    EXPECT_EQ(failure([] { GluPart_Formating::formatStringOf(40000); }), "6||Overflow");
    EXPECT_EQ(resources::FormatList.substr(0, 1), "|");
    EXPECT_EQ(resources::AtomPropertyNames.substr(0, 8), "|Charge|");
}

TEST(GluPart_Formating, PropertiesKeepEachOtherConsistent) {
    struct Step {
        const char* property;
        const char* value;
        const char* notices;
        const char* after;  // FormatType StoreAsNumber FormatString
    };
    const Step steps[] = {
        {"FormatType", "I4:9", "FormatType|FormatString|StoreAsNumber",
         "I4:9 Bool:True Str:\"Fixed\""},
        {"FormatString", "Str:\"0.00\"", "FormatString|FormatType|StoreAsNumber",
         "I4:0 Bool:False Str:\"0.00\""},
        {"FormatString", "Str:\"0.0#\"", "FormatString", "I4:0 Bool:False Str:\"0.0#\""},
        {"StoreAsNumber", "Bool:True", "StoreAsNumber", "I4:0 Bool:True Str:\"0.0#\""},
        {"FormatString", "Str:\"#.#\"", "FormatString", "I4:0 Bool:True Str:\"#.#\""},
        {"FormatString", "Str:\"Long Date\"", "FormatString|FormatType|StoreAsNumber",
         "I4:12 Bool:False Str:\"Long Date\""},
        {"FormatType", "I4:14", "FormatType|FormatString|StoreAsNumber",
         "I4:14 Bool:False Str:\"Short Date\""},
        {"FormatType", "I4:0", "FormatType|StoreAsNumber", "I4:0 Bool:False Str:\"Short Date\""},
        {"FormatType", "I4:18", "FormatType|FormatString|StoreAsNumber",
         "I4:18 Bool:True Str:\"ConditionalScientific\""},
        {"FormatType", "I4:18", "FormatType|StoreAsNumber",
         "I4:18 Bool:True Str:\"ConditionalScientific\""},
        {"FormatString", "Str:\"\"", "FormatString|FormatType|StoreAsNumber",
         "I4:0 Bool:False Str:\"\""},
    };
    Ref<GluPart_Formating> g = makeRef<GluPart_Formating>();
    EXPECT_EQ(state(*g), "I4:18 Bool:True Str:\"ConditionalScientific\"");
    Notices notices(*g);
    for (const Step& s : steps) {
        let(*g, s.property, lit(s.value));
        EXPECT_EQ(notices.take(), s.notices) << s.property << " " << s.value;
        EXPECT_EQ(state(*g), s.after) << s.property << " " << s.value;
    }
}

TEST(GluPart_Formating, ATypeOutsideTheListIsKeptThenRefused) {
    Ref<GluPart_Formating> g = makeRef<GluPart_Formating>();
    let(*g, "FormatType", lit("I4:9"));
    Notices notices(*g);
    EXPECT_EQ(failure([&] { let(*g, "FormatType", lit("I4:19")); }), "9||Subscript out of range");
    EXPECT_EQ(notices.take(), "FormatType");
    EXPECT_EQ(state(*g), "I4:19 Bool:True Str:\"Fixed\"");
    EXPECT_EQ(failure([&] { let(*g, "FormatType", lit("I4:70000")); }), "6||Overflow");
    EXPECT_EQ(print(get(*g, "FormatType")), "I4:70000");
    // Display still works from the string; saving needs the type's format string.
    EXPECT_EQ(print(display(*g, lit("R8:2"))), "Str:\"2.00\"");
    EXPECT_EQ(failure([&] { g->WriteProperties(makeRef<PropertyBag>()); }), "6||Overflow");
}

TEST(GluPart_Formating, Display) {
    struct Case {
        const char* type;
        const char* format;  // set after the type when not null
        const char* value;
        const char* shown;
    };
    const Case cases[] = {
        {"I4:18", nullptr, "R8:12.3456", "Str:\"12.346\""},
        {"I4:18", nullptr, "R8:12000", "Str:\"1.2e4\""},
        {"I4:9", nullptr, "R8:1234.5", "Str:\"1234.50\""},
        {"I4:3", nullptr, "R8:1234.5", "Str:\"1,234.500000\""},
        {"I4:10", nullptr, "R8:0.25", "Str:\"25.00%\""},
        {"I4:9", nullptr, "Null", "Null"},
        {"I4:0", "0.00", "I4:3", "Str:\"3.00\""},
        {"I4:0", "", "R8:1.5", "R8:1.5"},  // no format: the value passes unchanged
        {"I4:0", "", "Null", "Null"},
    };
    for (const Case& c : cases) {
        Ref<GluPart_Formating> g = makeRef<GluPart_Formating>();
        let(*g, "FormatType", lit(c.type));
        if (c.format) let(*g, "FormatString", Variant(c.format));
        EXPECT_EQ(print(display(*g, lit(c.value))), c.shown) << c.type << " " << c.value;
    }
    Ref<GluPart_Formating> g = makeRef<GluPart_Formating>();
    EXPECT_EQ(failure([&] { display(*g, Variant::Null()); }), "94||Invalid use of Null");
}

TEST(GluPart_Formating, Storage) {
    struct Case {
        const char* value;
        const char* asNumber;
    };
    const Case cases[] = {
        {"Str:\"42\"", "I4:42"},      {"Str:\"4.50\"", "R8:4.5"}, {"Str:\"n/a\"", "Str:\"n/a\""},
        {"Str:\"1,234\"", "I4:1234"}, {"Empty", "I4:0"},          {"Null", "Null"}};
    Ref<GluPart_Formating> g = makeRef<GluPart_Formating>();
    for (const Case& c : cases) EXPECT_EQ(print(store(*g, lit(c.value))), c.asNumber) << c.value;
    let(*g, "FormatType", lit("I4:14"));
    for (const Case& c : cases) EXPECT_EQ(print(store(*g, lit(c.value))), c.value);
}

TEST(GluPart_Formating, Bag) {
    struct Case {
        const char* type;
        const char* format;   // set after the type when not null
        const char* storeAs;  // set last when not null
        const char* text;     // the bag
    };
    const Case cases[] = {
        {"I4:18", nullptr, nullptr, ""},
        {"I4:9", nullptr, nullptr, "FormatType = I4:9\n"},
        {"I4:9", nullptr, "Bool:False", "FormatType = I4:9\nStoreAsNumber = Bool:False\n"},
        {"I4:0", "0.00", nullptr, "FormatType = I4:0\nFormatString = Str:\"0.00\"\n"},
        {"I4:0", "0.00", "Bool:True",
         "FormatType = I4:0\nFormatString = Str:\"0.00\"\nStoreAsNumber = Bool:True\n"},
    };
    for (const Case& c : cases) {
        Ref<GluPart_Formating> g = makeRef<GluPart_Formating>();
        g->InitProperties();
        let(*g, "FormatType", lit(c.type));
        if (c.format) let(*g, "FormatString", Variant(c.format));
        if (c.storeAs) let(*g, "StoreAsNumber", lit(c.storeAs));
        Ref<PropertyBag> bag = makeRef<PropertyBag>();
        g->WriteProperties(bag);
        EXPECT_EQ(bag->Text(), "# TAVParts property bag\n" + std::string(c.text)) << c.type;

        Ref<GluPart_Formating> loaded = makeRef<GluPart_Formating>();
        Notices notices(*loaded);
        loaded->ReadProperties(bag);
        EXPECT_EQ(state(*loaded), state(*g));
        EXPECT_EQ(notices.take(), "");
    }
}

TEST(GluPart_Formating, BagDefaultsFollowTheTypeRead) {
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    bag->write("FormatType", lit("Str:\"12\""));  // read as a Long
    Ref<GluPart_Formating> g = makeRef<GluPart_Formating>();
    g->ReadProperties(bag);
    EXPECT_EQ(state(*g), "I4:12 Bool:False Str:\"Long Date\"");

    bag->write("FormatType", lit("I4:25"));
    EXPECT_EQ(failure([&] { g->ReadProperties(bag); }), "9||Subscript out of range");
    EXPECT_EQ(state(*g), "I4:25 Bool:False Str:\"Long Date\"");
    g->InitProperties();
    EXPECT_EQ(state(*g), "I4:18 Bool:True Str:\"ConditionalScientific\"");
}

}  // namespace
}  // namespace tav
