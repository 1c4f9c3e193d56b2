// Property bags: defaults are not written, values keep their exact types through a file, and a
// malformed file is refused with its line.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "automation/objects/PropertyBag.h"
#include "automation/values/TypedLiteral.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

using testing_support::errorOf;

std::string tempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("tav-bag-") + name + "-" +
                                                      std::to_string(::getpid()) + ".txt"))
        .string();
}

TEST(PropertyBag, ValuesEqualToTheirDefaultAreNotWritten) {
    struct Case {
        const char* value;
        const char* def;
        bool written;
    };
    const Case cases[] = {
        {"I4:1", "I2:1", false},      {"I4:1", "R8:1", false},          {"R8:1.5", "R4:1.5", false},
        {"Str:\"1\"", "I4:1", true},  {"I4:0", "Str:\"\"", true},       {"Str:\"a\"", "Str:\"A\"", true},
        {"Empty", "Empty", false},    {"I4:0", "Empty", true},          {"Empty", "I4:0", true},
        {"Null", "Null", false},      {"Str:\"\"", "Str:\"\"", false},  {"Bool:True", "I2:-1", false},
        {"I2:2", "Missing", true},    {"Empty", "Missing", true},       {"[I2:1]", "[I2:1]", true},
    };
    for (const Case& c : cases) {
        Ref<PropertyBag> bag = makeRef<PropertyBag>();
        const Variant def = std::string_view(c.def) == "Missing" ? missingArg() : literal::parse(c.def);
        bag->WriteProperty("Key", literal::parse(c.value), def);
        EXPECT_EQ(bag->Contains("Key"), c.written) << c.value << " default " << c.def;
    }
}

TEST(PropertyBag, ReadsDefaultsAndForgetsValuesBackAtTheirDefault) {
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    bag->WriteProperty("A", Variant::I4(5), Variant::I4(0));
    bag->WriteProperty("B", Variant("x"), Variant(""));
    EXPECT_EQ(bag->Keys(), "A|B");
    bag->WriteProperty("A", Variant::I2(0), Variant::I4(0));
    EXPECT_EQ(bag->Keys(), "B");
    EXPECT_EQ(literal::print(bag->ReadProperty("A", Variant::I2(7))), "I2:7");
    EXPECT_EQ(bag->ReadProperty("B", Variant("")).str(), "x");
    EXPECT_EQ(errorOf([&] { bag->read("A"); }), err::DataValueNotFound);
    EXPECT_EQ(errorOf([&] { bag->write("O", Variant(makeRef<PropertyBag>())); }), err::CantPersistObject);
    EXPECT_EQ(errorOf([&] { bag->write("S", Variant(SafeArray::vector({Variant("a")}, 0, VarType::String))); }),
              err::InvalidProcedureCall);  // the text keeps no element type: a String() array can't be kept
    EXPECT_EQ(bag->Keys(), "B");
}

TEST(PropertyBag, RoundTripThroughAFileKeepsTypes) {
    const char* values[] = {"I2:1", "I4:1", "R8:1", "R4:1", "Str:\"1\"", "Bool:True", "Empty", "Null",
                            "CY:1.5", "Date:45000.25", "UI1:255", "Error:0x800A0007", "Nothing",
                            "Str:\"tab\\there \\\"quoted\\\" \\u00A0\"", "[I2:1, Str:\"x\", [I4:2]]", "[1: I2:1, I2:2]"};
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    int n = 0;
    for (const char* v : values) bag->write("k" + std::to_string(n++), literal::parse(v));
    bag->write("odd key = \"x\"", Variant::I4(9));
    bag->write("", Variant::I4(10));
    const std::string path = tempPath("roundtrip");
    bag->save(path);
    Ref<PropertyBag> back = makeRef<PropertyBag>();
    back->load(path);
    std::remove(path.c_str());
    ASSERT_EQ(back->Count(), bag->Count());
    for (size_t i = 0; i < bag->entries().size(); ++i) {
        EXPECT_EQ(back->entries()[i].first, bag->entries()[i].first);
        EXPECT_EQ(literal::print(back->entries()[i].second), literal::print(bag->entries()[i].second));
    }
    EXPECT_EQ(back->Text(), bag->Text());
}

TEST(PropertyBag, MalformedTextIsRefusedWithItsLine) {
    struct Case {
        const char* text;
        const char* expected;  // the start of the description
    };
    const Case cases[] = {
        {"A = I4:1\nB I4:2\n", "f:2: expected '=' after the key 'B'"},
        {"# c\n\n = I4:1", "f:3: expected a key"},
        {"A = I4:x", "f:1: expected a typed literal value"},
        {"A = I4:1 junk", "f:1: expected a typed literal value"},
        {"A = ", "f:1: expected a typed literal after '='"},
        {"A = I4:1\r\nA = I4:2\r\n", "f:2: key 'A' given twice (first on line 1)"},
        {"\"open = I4:1", "f:1: expected a quoted key"},
        {"A = Object:Foo", "f:1: expected a typed literal value"},
        {"A = I2:40000", "f:1: expected a typed literal value"},
        {"A = [I4:1,", "f:1: expected a typed literal value"},
    };
    for (const Case& c : cases) {
        try {
            bagtext::parse(c.text, "f");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), err::InvalidFileFormat);
            EXPECT_EQ(e.source(), "PropertyBag");
            EXPECT_EQ(e.description().rfind(c.expected, 0), 0u) << e.description();
        }
    }
}

TEST(PropertyBag, FileErrorsNameTheFile) {
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    const std::string missing = tempPath("missing");
    try {
        bag->load(missing);
        ADD_FAILURE();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::FileNotFound);
        EXPECT_NE(e.description().find(missing), std::string::npos);
    }
    const std::string bad = tempPath("bad");
    std::ofstream(bad) << "X = I4:1\nY = nonsense\n";
    try {
        bag->load(bad);
        ADD_FAILURE();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidFileFormat);
        EXPECT_EQ(e.description().rfind(bad + ":2: ", 0), 0u) << e.description();
    }
    std::remove(bad.c_str());
    EXPECT_EQ(bag->Count(), 0);  // a refused file changes nothing
    EXPECT_EQ(errorOf([&] { bag->load(std::filesystem::temp_directory_path().string()); }), err::PathFileAccess);
}

}  // namespace
}  // namespace tav
