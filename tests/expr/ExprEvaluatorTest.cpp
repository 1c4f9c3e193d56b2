#include "expr/ExprEvaluator.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "automation/objects/Invoke.h"
#include "expr/ExprEvaluatorText.h"
#include "ExprTestSupport.h"

using namespace tav;
using namespace tav::exprtest;

namespace {

struct Case {
    std::string text;
    Vars vars;
    std::string expected;
};

// The expr script runs its own cases through a glue's evaluator by name; these add to them.
void runCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) EXPECT_EQ(evaluate(c.text, c.vars), c.expected) << c.text;
}

TEST(ExprEvaluator, PrecedenceHasThreeLeftAssociativeLevels) {
    runCases({
        {"2 ^ -1", {}, "R8:0.5"},
        {"10 - 2 - 3", {}, "R8:5"},
        {"8 / 2 / 2", {}, "R8:2"},
        {"1 + 2 * 3", {}, "R8:7"},
        {"1 + 2 > 2", {}, "Bool:True"},
        {"2 > 1 + 1", {}, "R8:0"},  // (2 > 1) + 1: True is -1
        {"1 = 1", {}, "Bool:True"},
        {"2 < 1", {}, "Bool:False"},
        {"x = 1", {{"x", Variant::Null()}}, "Null"},
        {"+ - 3", {}, "R8:-3"},
        {"- - 3", {}, "R8:3"},
        {"( TheValue * PI + 2 ) ^ 2", {{"TheValue", Variant::I4(1)}}, "R8:26.435975019666763"},
    });
}

TEST(ExprEvaluator, NumbersStringsAndVariables) {
    runCases({
        {"1.5E+3", {}, "R8:1500"},
        {"1e5", {}, "R8:100000"},
        {"1.5e-3", {}, "R8:0.0015"},
        {"2x", {}, "R8:2"},      // the longest leading number; the rest is ignored
        {"1.2.3", {}, "R8:1.2"},
        {"1e999", {}, "Err:6 \"\" \"Overflow\""},
        {"1e-999", {}, "R8:0"},
        {"\"ab\" & 1", {}, "Str:\"ab1\""},
        {"\"ab\" + \"cd\"", {}, "Str:\"abcd\""},
        {"\"\"", {}, "Str:\"\""},
        {"x", {{"x", Variant("text")}}, "Str:\"text\""},
        {"a.b + 1", {{"a.b", Variant::I2(1)}}, "R8:2"},  // a name runs to the next delimiter
        {"_x", {{"_x", Variant::Bool(true)}}, "Bool:True"},
        {"PI", {}, "R8:3.141592654"},
        {"e", {}, "R8:2.718281828"},
    });
}

TEST(ExprEvaluator, EveryFailureHasItsNumberSourceAndMessage) {
    runCases({
        {"1,2", {}, "Err:5 \"\" \"Expected end of expresion.\""},
        {")", {}, "Err:0x80040209 \"\" \"Expected Value!\""},
        {"1 * * 2", {}, "Err:0x80040209 \"\" \"Expected Value!\""},
        {"1 <= 2", {}, "Err:0x80040209 \"\" \"Expected Value!\""},  // no two-character operators
        {"Sqr()", {}, "Err:0x80040209 \"\" \"Expected Value!\""},
        {"ExpressionString(1)", {}, "Err:5 \"ExprEvaluator\" \"Unable to resolve token: 'ExpressionString'\""},
        {"Sqr 4", {}, "Err:5 \"\" \"Expected '(' after function: Sqr\""},
        {"Sqr(4 5)", {}, "Err:5 \"\" \"Expected ')' after Paramlist.\""},
        {"2e x", {}, "Err:5 \"\" \"Expected sign (+/-) after 'e' in scientific format constant.\""},
        {"2E+x", {}, "Err:5 \"\" \"Require numeric exponent for scientific format constant.\""},
        {"2e-$", {}, "Err:5 \"\" \"Unexpected leading char in token: $\""},
        {".5", {}, "Err:5 \"\" \"Unexpected leading char in token: .\""},
        {"1 + $x", {}, "Err:5 \"\" \"Unexpected leading char in token: $\""},
        {"\u00e9 + 1", {}, "Err:5 \"\" \"Unexpected leading char in token: \u00e9\""},
        {"1 + \u20acx", {}, "Err:5 \"\" \"Unexpected leading char in token: \u20ac\""},
        {"1 / 0", {}, "Err:11 \"\" \"Division by zero\""},
        {"\"a\" * 2", {}, "Err:13 \"\" \"Type mismatch\""},
    });
}

TEST(ExprEvaluator, ErrorsSurfaceInParseOrder) {
    runCases({
        // The bad token after the left operand is only read once the operand is done.
        {"Nope(1) + $", {}, "Err:5 \"ExprEvaluator\" \"Unable to resolve token: 'Nope'\""},
        {"(1 + $", {}, "Err:5 \"\" \"Unexpected leading char in token: $\""},
        // Arguments are parsed before the call, so their errors come first.
        {"Nope(1 +)", {}, "Err:0x80040209 \"\" \"Expected Value!\""},
        {"Nope(1) 2", {}, "Err:5 \"ExprEvaluator\" \"Unable to resolve token: 'Nope'\""},
        {"2 3 $", {}, "Err:5 \"\" \"Expected end of expresion.\""},
    });
}

TEST(ExprEvaluator, FunctionErrorsAreWrappedWithTheFunctionName) {
    runCases({
        {"sqr(1, 2)", {},
         "Err:450 \"ExprEvaluator\" \"Wrong number of arguments or invalid property assignment (from function: 'sqr')\""},
        {"Sqr(\"x\")", {}, "Err:13 \"ExprEvaluator\" \"Type mismatch (from function: 'Sqr')\""},
        {"Choose(3, \"One\", \"Two\")", {}, "Err:9 \"ExprEvaluator\" \"Subscript out of range (from function: 'Choose')\""},
        {"SetBit(16, 0, 1)", {}, "Err:6 \"ExprEvaluator\" \"Overflow (from function: 'SetBit')\""},
        {"GetBit(0, 1)", {}, "Err:11 \"ExprEvaluator\" \"Division by zero (from function: 'GetBit')\""},
    });
}

TEST(ExprEvaluator, FunctionNamesIgnoreCaseAndArgumentsComeInTextOrder) {
    runCases({
        {"Sqr(16)", {}, "R8:4"},
        {"SQR(16)", {}, "R8:4"},
        {"sQr(16)", {}, "R8:4"},
        {"Choose(2, \"Tom\", \"Dick\", \"Harry\", 1.2)", {}, "Str:\"Dick\""},
        {"Choose(4, \"Tom\", \"Dick\", \"Harry\", 1.2)", {}, "R8:1.2"},
        {"IIf(TheValue > 5, \"big\", \"small\")", {{"TheValue", Variant::I4(6)}}, "Str:\"big\""},
        {"IIf(0, 1, 2)", {}, "I4:2"},  // whole Doubles reach functions as Longs
        {"IIf(1, 2.5, 0)", {}, "R8:2.5"},
        {"Sqr(Sqr(16)) + AbsVal(-(2))", {}, "R8:4"},
        {"BitOr(127, 128)", {}, "I4:255"},
    });
}

// Operands taken straight from a variable or a constant follow the same Variant rules as
// operands computed first: types, Null, errors and the order they surface in.
TEST(ExprEvaluator, OperandsFromVariablesAndConstantsKeepTheVariantRules) {
    const Variant text("a");
    runCases({
        {"x ^ 2", {{"x", Variant::I4(3)}}, "R8:9"},
        {"x * x", {{"x", Variant::I4(3)}}, "I4:9"},
        {"x & 1", {{"x", text}}, "Str:\"a1\""},
        {"x + 1", {{"x", text}}, "Err:13 \"\" \"Type mismatch\""},
        {"x > 5", {{"x", Variant::Null()}}, "Null"},
        {"x = 2", {{"x", Variant::R8(2)}}, "Bool:True"},
        {"1 - x", {{"x", Variant::R8(0.25)}}, "R8:0.75"},
        {"x / 0", {{"x", Variant::R8(1)}}, "Err:11 \"\" \"Division by zero\""},
        {"x * 1e308", {{"x", Variant::R8(10)}}, "Err:6 \"\" \"Overflow\""},
        {"-x ^ 2", {{"x", Variant::R8(1.5)}}, "R8:2.25"},
        {"x ^ 0.5", {{"x", Variant::R8(-4)}}, "Err:5 \"\" \"Invalid procedure call or argument\""},
        // Double parameters take the computed Double; Variant parameters see whole values as Longs.
        {"Sqr(x * 4)", {{"x", Variant::R8(4)}}, "R8:4"},
        {"Sin(0 * -1)", {}, "R8:0"},  // -0 becomes 0 on the way into a function
        {"IIf(x > 1, x * 2, 0)", {{"x", Variant::R8(1.5)}}, "I4:3"},
    });
}

TEST(ExprEvaluator, VariablesWinOverFunctionsEvenWhenDefinedLater) {
    Ref<ExprEvaluator> ev = makeRef<ExprEvaluator>();
    ev->SetExpressionString("Sqr(16)");
    EXPECT_EQ(outcome([&] { return ev->EvalExpresion(); }), "R8:4");
    ev->SetNamedVariable("Sqr", Variant::I4(3));
    // Now Sqr is the variable and "(" cannot follow a complete expression.
    EXPECT_EQ(outcome([&] { return ev->EvalExpresion(); }), "Err:5 \"\" \"Expected end of expresion.\"");
    ev->SetExpressionString("Sqr + sqr(16)");
    EXPECT_EQ(outcome([&] { return ev->EvalExpresion(); }), "R8:7");  // variable names keep their case

    ev->SetExpressionString("x + 1");
    EXPECT_EQ(outcome([&] { return ev->EvalExpresion(); }), "Err:5 \"\" \"Expected '(' after function: x\"");
    ev->SetNamedVariable("y", Variant::I4(0));
    EXPECT_EQ(outcome([&] { return ev->EvalExpresion(); }), "Err:5 \"\" \"Expected '(' after function: x\"");
    ev->SetNamedVariable("x", Variant::I4(1));
    EXPECT_EQ(outcome([&] { return ev->EvalExpresion(); }), "R8:2");  // numbers in the text are Doubles
    ev->SetNamedVariable("x", Variant::R8(2.5));
    EXPECT_EQ(outcome([&] { return ev->EvalExpresion(); }), "R8:3.5");
}

TEST(ExprEvaluator, ExpressionTextIsKeptInTokenForm) {
    Ref<ExprEvaluator> ev = makeRef<ExprEvaluator>();
    EXPECT_EQ(ev->ExpressionString(), "");
    EXPECT_EQ(errorOf([&] { ev->EvalExpresion(); }), "Err:9 \"\" \"Subscript out of range\"");
    ev->SetExpressionString("(TheValue*2)");
    EXPECT_EQ(ev->ExpressionString(), std::string("( TheValue * 2 ) \0", 18));
    ev->SetExpressionString("x&\"a b\"  ");
    EXPECT_EQ(ev->ExpressionString(), std::string("x & \"a b\" \0", 11));
    // The token form reads back to itself.
    const std::string form = ev->ExpressionString();
    ev->SetExpressionString(form);
    EXPECT_EQ(ev->ExpressionString(), form);

    // Errors of the tokenizer leave the previous expression in place.
    EXPECT_EQ(errorOf([&] { ev->SetExpressionString(""); }), "Err:5 \"\" \"String required for TokenizeString\"");
    EXPECT_EQ(errorOf([&] { ev->SetExpressionString("\"abc"); }), "Err:5 \"\" \"Expected end of string constant\"");
    EXPECT_EQ(ev->ExpressionString(), form);
}

TEST(ExprEvaluator, NamedVariablesStartWithPiAndEInInsertionOrder) {
    Ref<ExprEvaluator> ev = makeRef<ExprEvaluator>();
    EXPECT_EQ(ev->NamedVariablesCount(), 2);
    EXPECT_EQ(ev->VariableName(1), "PI");
    EXPECT_EQ(ev->VariableName(2), "e");
    EXPECT_EQ(std::bit_cast<uint64_t>(ev->NamedVariable("PI").r8()), 0x400921FB54524550u);
    EXPECT_EQ(std::bit_cast<uint64_t>(ev->NamedVariable("e").r8()), 0x4005BF0A8B04919Bu);

    ev->SetNamedVariable("Zeta", Variant::I2(1));
    ev->SetNamedVariable("alpha", Variant::I2(2));
    ev->SetNamedVariable("PI", Variant::I2(3));  // replacing keeps the position
    EXPECT_EQ(ev->NamedVariablesCount(), 4);
    EXPECT_EQ(ev->VariableName(1), "PI");
    EXPECT_EQ(ev->VariableName(3), "Zeta");
    EXPECT_EQ(ev->VariableName(4), "alpha");
    EXPECT_EQ(literal::print(ev->NamedVariable("PI")), "I2:3");
    for (int32_t bad : {0, 5, -1})
        EXPECT_EQ(errorOf([&] { ev->VariableName(bad); }), "Err:9 \"\" \"Subscript out of range\"") << bad;
    EXPECT_EQ(errorOf([&] { ev->NamedVariable("pi"); }), "Err:5 \"\" \"Undefined varaiable name: pi\"");
}

TEST(ExprEvaluator, EvaluatesAgainWithNewValues) {
    Ref<ExprEvaluator> ev = makeRef<ExprEvaluator>();
    ev->SetExpressionString("IIf(TheValue > 5, TheValue * 2, TheValue / 2)");
    // Whole results of the arguments reach IIf, and come back, as Longs.
    const std::pair<double, const char*> cases[] = {{10, "I4:20"}, {4, "I4:2"}, {6, "I4:12"}};
    for (const auto& [value, expected] : cases) {
        ev->SetNamedVariable("TheValue", Variant::R8(value));
        EXPECT_EQ(outcome([&] { return ev->EvalExpresion(); }), expected) << value;
    }
    // A failed evaluation leaves nothing behind for the next one.
    ev->SetNamedVariable("TheValue", Variant("x"));
    EXPECT_EQ(errorOf([&] { ev->EvalExpresion(); }), "Err:13 \"\" \"Type mismatch\"");
    ev->SetNamedVariable("TheValue", Variant::R8(1));
    EXPECT_EQ(outcome([&] { return ev->EvalExpresion(); }), "R8:0.5");
}

TEST(ExprEvaluator, NestingIsBounded) {
    const int limit = ExprEvaluatorText::MaxNesting;
    const std::string tooDeep = "Err:5 \"\" \"Expression nested too deeply.\"";
    auto brackets = [](int n) { return std::string(n, '(') + "1" + std::string(n, ')'); };
    // Each bracket level is one factor inside another; the number itself is one more.
    EXPECT_EQ(evaluate(brackets(limit - 1)), "R8:1");
    EXPECT_EQ(evaluate(brackets(limit)), tooDeep);
    EXPECT_EQ(evaluate(std::string(limit - 1, '-') + "1"), "R8:-1");
    EXPECT_EQ(evaluate(std::string(limit, '-') + "1"), tooDeep);
    std::string calls;
    for (int i = 0; i < limit; ++i) calls += "AbsVal(";
    EXPECT_EQ(evaluate(calls + "1" + std::string(limit, ')')), tooDeep);
}

// (Every member called by name, as a client calls it: the expr script.)
TEST(ExprEvaluator, MembersByName) {
    Ref<ExprEvaluator> ev = makeRef<ExprEvaluator>();
    std::vector<Variant> text{Variant("a + b")};
    invoke(*ev, "expressionstring", InvokeKind::PropertyLet, text);  // names ignore case
    EXPECT_EQ(ev->ExpressionString(), std::string("a + b \0", 7));
    const Variant lib = invoke(*ev, "FunctionLib", InvokeKind::PropertyGet);
    ASSERT_TRUE(lib.isObject());
    EXPECT_EQ(lib.object(), invoke(*ev, "FunctionLib", InvokeKind::PropertyGet).object());  // made once
    EXPECT_EQ(lib.object()->typeName(), "FunctionLib");

    std::string members;
    for (const MemberDesc& m : ExprEvaluator::table().defaultInterface().members())
        members += m.name + (m.hidden ? "(hidden) " : " ");
    EXPECT_EQ(members, "ExpressionString EvalExpresion NamedVariablesCount VariableName NamedVariable FunctionLib(hidden) ");
    EXPECT_EQ(ExprEvaluator::table().help(), "General expresion evaluator. Used in several glues. ");
}

}  // namespace
