#include "expr/FunctionLib.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "automation/objects/Invoke.h"
#include "automation/objects/TLIApplication.h"
#include "ExprTestSupport.h"

using namespace tav;
using namespace tav::exprtest;

namespace {

// Calls a member by name with the arguments in text order, as an expression does.
std::string call(std::string_view name, std::vector<Variant> args) {
    return outcome([&] {
        Ref<FunctionLib> lib = makeRef<FunctionLib>();
        return invoke(*lib, name, InvokeKind::Method, args);
    });
}

Variant S(const char* s) { return Variant(s); }
Variant L(int32_t v) { return Variant::I4(v); }
Variant D(double v) { return Variant::R8(v); }

TEST(FunctionLib, ComputationsAsTheyAreNotAsTheHelpClaims) {
    struct Case {
        const char* name;
        std::vector<Variant> args;
        const char* expected;
    } cases[] = {
        {"Atn", {L(1)}, "R8:0.7853981633974483"},  // radians
        {"Sin", {D(M_PI / 2)}, "R8:1"},
        {"Cos", {L(0)}, "R8:1"},
        {"Tan", {L(0)}, "R8:0"},
        {"Log", {L(1)}, "R8:0"},
        {"Log10", {L(1000)}, "R8:2.9999999999999996"},  // ln(1000) / ln(10)
        {"AbsVal", {D(-2.5)}, "R8:2.5"},
        {"Sign", {D(-0.5)}, "I2:-1"},
        {"Sign", {L(0)}, "I2:0"},
        {"Sign", {D(1e-300)}, "I2:1"},
        {"Sqr", {L(16)}, "R8:4"},
        {"IIf", {L(2), S("yes"), S("no")}, "Str:\"yes\""},  // any non-zero number is True
        {"IIf", {L(0), S("yes"), Variant::Null()}, "Null"},
        {"BitAnd", {L(255), L(128)}, "I4:128"},
        {"BitOr", {L(255), L(128)}, "I4:255"},
        {"BitOr", {L(127), L(128)}, "I4:255"},
        {"LogicAnd", {L(3), L(4)}, "Bool:True"},
        {"LogicAnd", {L(3), L(0)}, "Bool:False"},
        {"LogicOr", {L(0), D(0.5)}, "Bool:True"},
        {"LogicOr", {L(0), L(0)}, "Bool:False"},
    };
    for (const Case& c : cases) EXPECT_EQ(call(c.name, c.args), c.expected) << c.name;
}

TEST(FunctionLib, ChooseAndItsInverses) {
    const std::vector<Variant> tomDickHarry = {S("Tom"), S("Dick"), S("Harry"), D(1.2)};
    auto with = [](std::vector<Variant> head, const std::vector<Variant>& list) {
        head.insert(head.end(), list.begin(), list.end());
        return head;
    };
    EXPECT_EQ(call("Choose", with({L(2)}, tomDickHarry)), "Str:\"Dick\"");
    EXPECT_EQ(call("Choose", with({L(4)}, tomDickHarry)), "R8:1.2");
    EXPECT_EQ(call("Choose", {L(3), S("One"), S("Two")}), "Err:9 \"\" \"Subscript out of range\"");
    EXPECT_EQ(call("Choose", {L(0), S("One")}), "Err:9 \"\" \"Subscript out of range\"");
    EXPECT_EQ(call("Choose", {L(1)}), "Err:9 \"\" \"Subscript out of range\"");
    EXPECT_EQ(call("Choose", {L(40000), S("One")}), "Err:6 \"\" \"Overflow\"");  // nIndex is 16-bit

    EXPECT_EQ(call("InvChoose", {S("Harry"), S("Tom"), S("Dick"), S("Harry")}), "I2:3");
    EXPECT_EQ(call("InvChoose", with({D(1.2)}, tomDickHarry)), "I2:4");
    EXPECT_EQ(call("InvChoose", {S("X"), S("One"), S("Two")}), "I2:0");
    EXPECT_EQ(call("InvChoose", {S("harry"), S("Harry")}), "I2:0");  // text compares with case
    EXPECT_EQ(call("InvChoose", {L(5), S("5")}), "I2:1");           // the string 5 is the number 5
    EXPECT_EQ(call("InvChoose", {D(1.000001), S("x"), L(1)}), "I2:2");  // within the relative tolerance
    EXPECT_EQ(call("InvChoose", {S("X")}), "I2:0");
    EXPECT_EQ(call("InvChooseWithFallThru", {S("X"), L(7), S("One"), S("Two")}), "I2:7");
    EXPECT_EQ(call("InvChooseWithFallThru", {S("Two"), L(7), S("One"), S("Two")}), "I2:2");
}

TEST(FunctionLib, BitOffsetsCountFromOneWithTheirOwnLimits) {
    struct Case {
        const char* name;
        std::vector<Variant> args;
        const char* expected;
    } cases[] = {
        {"GetBit", {L(3), L(11)}, "Bool:False"},
        {"GetBit", {L(3), L(12)}, "Bool:True"},
        {"GetBit", {L(1), L(1)}, "Bool:True"},
        {"GetBit", {L(1), L(-1)}, "Bool:True"},   // quotient -1, remainder -1
        {"GetBit", {L(2), L(-1)}, "Bool:False"},  // quotient truncated to 0
        {"GetBit", {L(31), L(0x40000000)}, "Bool:True"},
        {"GetBit", {L(32), L(1)}, "Err:6 \"\" \"Overflow\""},
        {"GetBit", {L(0), L(1)}, "Err:11 \"\" \"Division by zero\""},
        {"GetBit", {L(-3), L(1)}, "Err:11 \"\" \"Division by zero\""},
        {"SetBit", {L(1), L(0), Variant::Bool(true)}, "I4:1"},
        {"SetBit", {L(3), L(15), Variant::Bool(false)}, "I4:11"},
        {"SetBit", {L(15), L(0), L(1)}, "I4:16384"},
        {"SetBit", {L(16), L(0), L(1)}, "Err:6 \"\" \"Overflow\""},
        {"SetBit", {L(0), L(5), L(1)}, "I4:5"},  // a mask of 0 changes nothing
        {"SetBit", {L(0), L(5), L(0)}, "I4:5"},
        {"SetBit", {L(1), L(0x70001), L(0)}, "I4:458752"},  // bits 16 to 31 stay
    };
    for (const Case& c : cases) EXPECT_EQ(call(c.name, c.args), c.expected) << c.name;
}

TEST(FunctionLib, PlatformErrorsPassUnchanged) {
    EXPECT_EQ(call("Log", {L(0)}), "Err:5 \"\" \"Invalid procedure call or argument\"");
    EXPECT_EQ(call("Log10", {L(-1)}), "Err:5 \"\" \"Invalid procedure call or argument\"");
    EXPECT_EQ(call("Sqr", {L(-1)}), "Err:5 \"\" \"Invalid procedure call or argument\"");
    EXPECT_EQ(call("Sqr", {}), "Err:450 \"\" \"Wrong number of arguments or invalid property assignment\"");
}

TEST(FunctionLib, TypeInformationListsTheFunctions) {
    const InterfaceDesc& iface = FunctionLib::table().defaultInterface();
    std::string listing;
    for (const MemberDesc& m : iface.members()) {
        listing += m.name + "(";
        for (const ParamDesc& p : m.params)
            listing += (p.paramArray() ? "ParamArray " : "") + p.name + " As " + p.type.spelling() + ",";
        listing += ") As " + m.type.spelling() + "\n";
    }
    EXPECT_EQ(listing,
              "Log(dNumber As Double,) As Double\n"
              "Log10(dNumber As Double,) As Variant\n"
              "IIf(bCondition As Boolean,IfTrue As Variant,IfFalse As Variant,) As Variant\n"
              "Sin(degs As Double,) As Double\n"
              "Cos(degs As Double,) As Double\n"
              "Tan(degs As Double,) As Double\n"
              "Atn(degs As Double,) As Double\n"
              "AbsVal(val As Double,) As Double\n"
              "Sign(dVal As Double,) As Integer\n"
              "Sqr(dVal As Double,) As Double\n"
              "Choose(nIndex As Integer,ParamArray ValList As Variant(),) As Variant\n"
              "InvChoose(ValToFind As Variant,ParamArray ValList As Variant(),) As Integer\n"
              "InvChooseWithFallThru(ValToFind As Variant,IfNotFound As Integer,ParamArray ValList As Variant(),) As Integer\n"
              "BitAnd(i1 As Long,i2 As Long,) As Long\n"
              "LogicAnd(v1 As Boolean,v2 As Boolean,) As Boolean\n"
              "BitOr(i1 As Long,i2 As Long,) As Long\n"
              "LogicOr(v1 As Boolean,v2 As Boolean,) As Boolean\n"
              "GetBit(Offset As Integer,FromEnum As Long,) As Boolean\n"
              "SetBit(Offset As Integer,FromEnum As Long,flagOnOff As Boolean,) As Long\n");
    EXPECT_EQ(iface.find("BitOr")->help, "Bit wise or. Eg: BitOr(255,128) = 128;  BitOr(127,128) =0");
    EXPECT_EQ(iface.find("Log10")->help, "");
    EXPECT_EQ(iface.find("Choose")->help,
              "Choose an item by its index. Eg: Choose(2,\"Tom\",\"Dick\",\"Harry\",1.2) = \"Dick\"; "
              "Choose(4,\"Tom\",\"Dick\",\"Harry\",1.2) = 1.2; Choose(3,\"One\",\"Two\") = Error!");
    EXPECT_EQ(FunctionLib::table().help(), "This object exists to expose a set functions to for Expresion Evaluation.");
}

TEST(FunctionLib, CalledThroughTheSharedServiceLastArgumentFirst) {
    Ref<FunctionLib> lib = makeRef<FunctionLib>();
    std::vector<Variant> reversed = {S("Harry"), S("Dick"), S("Tom"), L(2)};
    EXPECT_EQ(literal::print(TLIApplication::shared().invokeHook(lib.get(), "choose", InvokeKind::Method, reversed)),
              "Str:\"Dick\"");
    EXPECT_EQ(literal::print(reversed[3]), "I4:2");  // the caller's arguments are left as they were
}

}  // namespace
