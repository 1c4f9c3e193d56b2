// Munging, the round-trip check, the two dictionaries and suppressed items in the list.
#include "direct/ComboEnumLoader.h"

#include <gtest/gtest.h>

#include "ComboFakes.h"

namespace tav {
namespace {

using namespace fakes;

struct Loaded {
    ComboEnumLoader loader;
    Ref<ComboBox> combo = makeRef<ComboBox>();

    explicit Loaded(std::string_view prefix = {}, std::string_view underscores = {}) {
        loader.ComboControl = IRef<iTAVComboBox>(combo);
        loader.RemoveEnumPrefix = prefix;
        loader.ReplaceUnderscores = underscores;
    }
};

TEST(ComboEnumLoader, MungesBothWays) {
    struct Case {
        const char* prefix;
        const char* underscores;
        const char* raw;
        const char* shown;
    };
    const Case cases[] = {
        {"gf_", " ", "gf_Short_Date", "Short Date"},
        {"gf_", "", "gf_Short_Date", "Short_Date"},
        {"", "--", "a_b__c", "a--b----c"},
        {"", "", "Plain Name", "Plain Name"},
        {"gf_", " ", "gf_", ""},
    };
    for (const Case& c : cases) {
        Loaded l(c.prefix, c.underscores);
        l.loader.AppendEnumItem(c.raw, Variant::I4(7), false);
        EXPECT_EQ(l.loader.PrepareComboToShowValue(Variant::I4(7)), c.shown) << c.raw;
        EXPECT_EQ(print(l.loader.GetEnumValueFromDisplayString(c.shown)), "I4:7") << c.raw;
    }
}

TEST(ComboEnumLoader, RefusesWhatItCannotList) {
    const Ref<ComboBox> object = makeRef<ComboBox>();
    struct Case {
        const char* prefix;
        const char* underscores;
        const char* raw;
        Variant value;
        std::string expected;
    };
    const Case cases[] = {
        {"gf_", " ", "Short_Date", Variant::I4(1),
         std::to_string(err::EnumPrefixMissing) +
             "|ComboEnumLoader|The enum item: 'Short_Date' does not have the expected prefix: 'gf_"},
        {"", " ", "has blank", Variant::I4(1),
         "5||The raw enum-name: 'has blank' should be unchanged by cycle of munge & un-munge. But it is changed. "
         "Current settings of RemoveEnumPrefix & ReplaceUnderscores may be relevant."},
        {"", "", "Obj", Variant(object), "5||Cant use object types as vEnumValue"},
        {"", "", "Arr", lit("[I4:1]"), "5||Cant use array types as vEnumValue"},
    };
    for (const Case& c : cases) {
        Loaded l(c.prefix, c.underscores);
        EXPECT_EQ(failure([&] { l.loader.AppendEnumItem(c.raw, c.value, false); }), c.expected) << c.raw;
        l.loader.ClearAndLoadComboWithNormalItems();
        EXPECT_EQ(l.combo->Items(), "") << c.raw;
    }
}

TEST(ComboEnumLoader, SuppressedItemShowsAtItsPlaceOnlyWhileCurrent) {
    Loaded l;
    l.loader.AppendEnumItem("A", Variant::I4(0), false);
    l.loader.AppendEnumItem("B", Variant::I4(1), true);
    l.loader.AppendEnumItem("C", Variant::I4(2), false);
    l.loader.ClearAndLoadComboWithNormalItems();
    EXPECT_EQ(l.combo->Items(), "A|C");

    EXPECT_EQ(l.loader.PrepareComboToShowValue(Variant::I4(1)), "B");
    EXPECT_EQ(l.combo->Items(), "A|B|C");
    EXPECT_EQ(l.loader.PrepareComboToShowValue(Variant::I4(1)), "B");
    EXPECT_EQ(l.combo->Items(), "A|B|C");
    EXPECT_EQ(l.loader.PrepareComboToShowValue(Variant::I4(0)), "A");
    EXPECT_EQ(l.combo->Items(), "A|C");
    // Values compare as the dictionary compares keys: any numeric type of the same value.
    EXPECT_EQ(l.loader.PrepareComboToShowValue(Variant::R8(2)), "C");
    EXPECT_EQ(failure([&] { l.loader.PrepareComboToShowValue(Variant::I4(9)); }),
              "5|ComboEnumLoader|Enum item not found for enum-value.");
}

TEST(ComboEnumLoader, InsertPositionIsKeptWhenSuppressionChanges) {
    Loaded l;
    l.loader.AppendEnumItem("A", Variant::I4(0), true);
    l.loader.AppendEnumItem("B", Variant::I4(1), false);
    l.loader.AppendEnumItem("C", Variant::I4(2), false);
    // C keeps the place it was given (1), even once A is listed again.
    l.loader.SetEnumSuppressionByValues(lit("[I4:2]"));
    l.loader.ClearAndLoadComboWithNormalItems();
    EXPECT_EQ(l.combo->Items(), "A|B");
    l.loader.PrepareComboToShowValue(Variant::I4(2));
    EXPECT_EQ(l.combo->Items(), "A|C|B");
}

TEST(ComboEnumLoader, SetsSuppressionByValues) {
    Loaded l;
    for (int32_t i = 0; i < 4; ++i) l.loader.AppendEnumItem(std::string(1, static_cast<char>('A' + i)), Variant::I4(i), i == 3);
    struct Case {
        const char* values;
        const char* listed;
        const char* error;
    };
    const Case cases[] = {
        {"[I4:0, I4:2]", "B|D", ""},
        {"Unallocated", "A|B|C|D", ""},
        {"[]", "A|B|C|D", ""},
        // An unknown value stops the walk: the values before it are suppressed, the rest not.
        {"[I4:1, I4:7, I4:2]", "A|C|D", "5|ComboEnumLoader|Enum item not found: 7"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(failure([&] { l.loader.SetEnumSuppressionByValues(lit(c.values)); }), c.error) << c.values;
        l.loader.ClearAndLoadComboWithNormalItems();
        EXPECT_EQ(l.combo->Items(), c.listed) << c.values;
    }
}

TEST(ComboEnumLoader, DuplicatesFailWithTheDictionaryError) {
    Loaded l;
    l.loader.AppendEnumItem("A", Variant::I4(0), false);
    EXPECT_EQ(failure([&] { l.loader.AppendEnumItem("A2", Variant::I4(0), false); }).substr(0, 4), "457|");
    // A repeated raw name with a new value is reachable by its value only.
    EXPECT_EQ(failure([&] { l.loader.AppendEnumItem("A", Variant::I4(5), false); }).substr(0, 4), "457|");
    EXPECT_EQ(l.loader.PrepareComboToShowValue(Variant::I4(5)), "A");
    EXPECT_EQ(print(l.loader.GetEnumValueFromDisplayString("A")), "I4:0");
    // Both refused items still took a place in the list.
    l.loader.AppendEnumItem("B", Variant::I4(1), true);
    l.loader.ClearAndLoadComboWithNormalItems();
    l.loader.PrepareComboToShowValue(Variant::I4(1));
    EXPECT_EQ(l.combo->Items(), "A|B");
}

TEST(ComboEnumLoader, ReadsTheSelection) {
    Loaded l("x_");
    l.loader.AppendEnumItem("x_One", Variant::I4(1), false);
    l.loader.AppendEnumItem("x_Two", Variant::I4(2), false);
    l.loader.ClearAndLoadComboWithNormalItems();
    EXPECT_TRUE(l.loader.GetEnumValueFromCombo().isEmpty());
    l.combo->SetText("Two");
    EXPECT_EQ(print(l.loader.GetEnumValueFromCombo()), "I4:2");
    EXPECT_EQ(failure([&] { l.loader.GetEnumValueFromDisplayString("Three"); }),
              "5|ComboEnumLoader|Enum item not found for raw name:x_Three");
}

TEST(ComboEnumLoader, AForeignListEntryFailsTheScan) {
    Loaded l;
    l.loader.AppendEnumItem("A", Variant::I4(0), false);
    l.loader.ClearAndLoadComboWithNormalItems();
    l.combo->AddItem("Stranger", missingArg());
    EXPECT_EQ(failure([&] { l.loader.PrepareComboToShowValue(Variant::I4(0)); }),
              "5|ComboEnumLoader|Enum item not found for raw name:Stranger");
}

TEST(ComboEnumLoader, RemoveAllLeavesTheComboAlone) {
    Loaded l("p");
    l.loader.AppendEnumItem("pA", Variant::I4(0), false);
    l.loader.ClearAndLoadComboWithNormalItems();
    l.loader.RemoveAllEnumItems();
    EXPECT_EQ(l.combo->Items(), "A");
    EXPECT_EQ(l.loader.RemoveEnumPrefix, "p");
    // Positions count from 0 again.
    l.loader.AppendEnumItem("pB", Variant::I4(0), true);
    l.combo->Clear();
    l.loader.PrepareComboToShowValue(Variant::I4(0));
    EXPECT_EQ(l.combo->Items(), "B");
}

TEST(ComboEnumLoader, LookupsFollowTheCurrentSettingsAndItems) {
    Loaded l("p");
    l.loader.AppendEnumItem("pA", Variant::I4(0), false);
    EXPECT_EQ(print(l.loader.GetEnumValueFromDisplayString("A")), "I4:0");
    l.loader.RemoveEnumPrefix = "q";
    EXPECT_EQ(failure([&] { l.loader.GetEnumValueFromDisplayString("A"); }),
              "5|ComboEnumLoader|Enum item not found for raw name:qA");
    l.loader.RemoveEnumPrefix = "p";
    EXPECT_EQ(print(l.loader.GetEnumValueFromDisplayString("A")), "I4:0");
    l.loader.RemoveAllEnumItems();
    EXPECT_EQ(failure([&] { l.loader.GetEnumValueFromDisplayString("A"); }),
              "5|ComboEnumLoader|Enum item not found for raw name:pA");
}

// The loader remembers the list it left; whatever changed since (another combo box, entries
// added by others, texts that only look like an item's) must be read again and judged by text.
TEST(ComboEnumLoader, ListsChangedBehindItsBackAreReadAgain) {
    Loaded l;
    l.loader.AppendEnumItem("A", Variant::I4(0), false);
    l.loader.AppendEnumItem("B", Variant::I4(1), true);
    l.loader.AppendEnumItem("C", Variant::I4(2), false);
    l.loader.ClearAndLoadComboWithNormalItems();
    l.loader.PrepareComboToShowValue(Variant::I4(1));
    EXPECT_EQ(l.combo->Items(), "A|B|C");

    const Ref<ComboBox> other = makeRef<ComboBox>();
    other->AddItem("C", missingArg());
    other->AddItem("B", missingArg());
    l.loader.ComboControl = IRef<iTAVComboBox>(other);
    l.loader.PrepareComboToShowValue(Variant::I4(0));
    EXPECT_EQ(other->Items(), "A|C");

    l.loader.ComboControl = IRef<iTAVComboBox>(l.combo);
    l.combo->RemoveItem(0);
    l.loader.PrepareComboToShowValue(Variant::I4(2));
    EXPECT_EQ(l.combo->Items(), "C");  // the suppressed B went
}

TEST(ComboEnumLoader, EntriesThatOnlyMapToAnItemAreComparedAsTexts) {
    Loaded l({}, " ");
    l.loader.AppendEnumItem("a_b", Variant::I4(1), false);
    l.loader.AppendEnumItem("c", Variant::I4(2), false);
    l.loader.ClearAndLoadComboWithNormalItems();
    l.combo->AddItem("a_b", missingArg());  // un-munges to the raw name a_b, but is not its text
    l.loader.PrepareComboToShowValue(Variant::I4(1));
    EXPECT_EQ(l.combo->Items(), "a b|c|a_b");
    l.loader.SetEnumSuppressionByValues(lit("[I4:1]"));
    l.loader.PrepareComboToShowValue(Variant::I4(2));
    EXPECT_EQ(l.combo->Items(), "c");
}

TEST(ComboEnumLoader, WithoutAComboOnlyTheTextIsComputed) {
    ComboEnumLoader loader;
    loader.AppendEnumItem("A", Variant::I4(0), false);
    EXPECT_EQ(loader.PrepareComboToShowValue(Variant::I4(0)), "A");
    EXPECT_EQ(failure([&] { loader.ClearAndLoadComboWithNormalItems(); }), "91||Object variable or With block variable not set");
    EXPECT_EQ(failure([&] { loader.GetEnumValueFromCombo(); }), "91||Object variable or With block variable not set");
}

}  // namespace
}  // namespace tav
