// The Double program against the Variant program it stands in for: random expressions of every
// operator, numbers and strings, variables of every Variant type, library functions, a name
// that is none, and broken syntax. Whatever the evaluator gives (its Double program where that
// answers, else the Variant program) must be what the Variant program alone gives: the same
// value bit for bit and type for type, or the same error number, source and text.
#include "expr/ExprRealProgram.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <random>
#include <string>

#include "automation/values/SafeArray.h"
#include "expr/ExprCompiler.h"
#include "expr/ExprEvaluatorText.h"
#include "expr/Tokenizer.h"
#include "ExprTestSupport.h"

using namespace tav;
using namespace tav::exprtest;

namespace {

constexpr unsigned kSeed = 20261207;
constexpr int kRounds = 30000;
constexpr int kMaxDepth = 4;

using Rng = std::mt19937;

template <size_t N>
const char* pick(Rng& rng, const std::array<const char*, N>& from) {
    return from[std::uniform_int_distribution<size_t>(0, N - 1)(rng)];
}

bool chance(Rng& rng, int percent) { return std::uniform_int_distribution<int>(1, 100)(rng) <= percent; }

// Mostly well-formed text; now and then a token out of place.
std::string expression(Rng& rng, int depth) {
    static constexpr std::array<const char*, 12> kNumbers = {"0",   "1",      "2",    "2.5",   "0.1",    "7",
                                                             "1e5", "3E+2", "1e300", "1e-300", "4e9", "2147483647"};
    static constexpr std::array<const char*, 5> kNames = {"x", "y", "x", "v", "PI"};
    static constexpr std::array<const char*, 9> kOperators = {"+", "-", "*", "/", "^", "<", "=", ">", "&"};
    static constexpr std::array<const char*, 10> kOneArgument = {"Sqr",    "Log",  "Sin",   "Cos", "Tan",
                                                                 "AbsVal", "Atn", "Sign", "Log10", "Nope"};
    static constexpr std::array<const char*, 5> kJunk = {")", ",", "$", "(", "1 2"};
    if (chance(rng, 2)) return pick(rng, kJunk);
    if (depth >= kMaxDepth || chance(rng, 30)) {
        if (chance(rng, 5)) return chance(rng, 50) ? "\"ab\"" : "\"3\"";
        return chance(rng, 50) ? pick(rng, kNames) : pick(rng, kNumbers);
    }
    const auto sub = [&] { return expression(rng, depth + 1); };
    switch (std::uniform_int_distribution<int>(0, 11)(rng)) {
        case 0: return "( " + sub() + " )";
        case 1: return "- " + sub();
        case 2: return std::string(pick(rng, kOneArgument)) + " ( " + sub() + " )";
        case 3: return "IIf ( " + sub() + " , " + sub() + " , " + sub() + " )";
        case 4: return "Choose ( " + sub() + " , " + sub() + " , " + sub() + " )";
        case 5: return "Sqr ( " + sub() + " , " + sub() + " )";  // one argument too many
        case 6: return sub() + " ^ 2 + " + sub() + " ^ 2";  // squares summed in one step
        case 7: return "Sqr ( " + sub() + " ^ 2 + " + sub() + " ^ 2 )";
        default: return sub() + " " + pick(rng, kOperators) + " " + sub();
    }
}

// Doubles where the Variant rules have something to say (zeros, signs, the Long range, the
// limits of Double), and now and then a value of every other type.
Variant variableValue(Rng& rng) {
    const double inf = std::numeric_limits<double>::infinity();
    static const std::array<double, 16> kDoubles = {
        0.0, -0.0, 1.0, -1.0, 0.5, 2.0, 3.0, 7.25, -2.5, 1e308, 1e-310, 3e9, -2147483648.0,
        inf, std::numeric_limits<double>::quiet_NaN(), 1.0 / 3.0};
    if (chance(rng, 80)) return Variant::R8(kDoubles[std::uniform_int_distribution<size_t>(0, kDoubles.size() - 1)(rng)]);
    switch (std::uniform_int_distribution<int>(0, 12)(rng)) {
        case 0: return Variant();
        case 1: return Variant::Null();
        case 2: return Variant::I2(3);
        case 3: return Variant::I4(-7);
        case 4: return Variant::UI1(200);
        case 5: return Variant::R4(0.25F);
        case 6: return Variant::Currency(12345);
        case 7: return Variant::Date(2.5);
        case 8: return Variant::Bool(true);
        case 9: return Variant("12");
        case 10: return Variant::Error(5);
        case 11: return Variant::Nothing();
        default: return Variant(SafeArray::vector({Variant::I4(1)}));
    }
}

TEST(ExprRealProgram, AnswersExactlyAsTheVariantProgramDoes) {
    Rng rng(kSeed);
    const long live = Object::liveObjects();
    int answered = 0;
    {
        Ref<ExprEvaluator> ev = makeRef<ExprEvaluator>();
        Ref<FunctionLib> library;
        std::vector<Variant> stack;
        for (int round = 0; round < kRounds; ++round) {
            const std::string text = expression(rng, 0);
            for (const char* name : {"x", "y", "v"}) ev->SetNamedVariable(name, variableValue(rng));
            ev->SetExpressionString(text);
            const ExprTokens tokens(Tokenizer::TokenizeString(text, ExprEvaluatorText::Delimiters, ""),
                                    FunctionLib::table().defaultInterface());
            NamedVariables variables;
            for (int32_t i = 1; i <= ev->NamedVariablesCount(); ++i)
                variables.let(ev->VariableName(i), ev->NamedVariable(ev->VariableName(i)));
            const ExprProgram general = ExprCompiler::compile(tokens, variables);
            const std::string expected = outcome([&] { return general.run(variables, library, stack); });
            ASSERT_EQ(outcome([&] { return ev->EvalExpresion(); }), expected) << text;
            Variant value;
            if (ExprRealProgram::compile(general).run(variables, library, value)) ++answered;
        }
    }
    // The comparison means something only if the Double program answers often.
    EXPECT_GT(answered, kRounds / 5);
    EXPECT_EQ(Object::liveObjects(), live);
}

}  // namespace
