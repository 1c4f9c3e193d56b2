// Random and hostile input: whatever the text, setting and evaluating it ends in a value or an
// automation error, within bounded time and stack, and leaves no object behind.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "automation/values/AutomationError.h"
#include "expr/ExprEvaluator.h"
#include "expr/ExprEvaluatorText.h"
#include "expr/Tokenizer.h"
#include "ExprTestSupport.h"

using namespace tav;
using namespace tav::exprtest;

namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kRounds = 20000;

// Sets and evaluates; true when that ended in a value or an automation error (anything else
// escapes and fails the test).
bool survives(ExprEvaluator& ev, const std::string& text) {
    try {
        ev.SetExpressionString(text);
        (void)ev.EvalExpresion();
    } catch (const AutomationError&) {
    }
    return true;
}

Ref<ExprEvaluator> evaluatorWithVariables() {
    Ref<ExprEvaluator> ev = makeRef<ExprEvaluator>();
    ev->SetNamedVariable("TheValue", Variant::R8(2.5));
    ev->SetNamedVariable("x", Variant("12"));
    ev->SetNamedVariable("n", Variant::Null());
    return ev;
}

TEST(ExprEvaluatorFuzz, RandomTokenSoup) {
    static const char* const kVocabulary[] = {
        "1", "0", "2.5", "1e", "3E", "1e5", "2x", "TheValue", "x", "n", "PI", "e", "Sqr", "IIf", "Choose",
        "InvChoose", "SetBit", "GetBit", "Log", "Nope", "+", "-", "*", "/", "^", "(", ")", ",", "<", ">",
        "=", "&", "\"a\"", "\"\"", "$", ".", "_"};
    const long live = Object::liveObjects();
    std::mt19937 rng(kSeed);
    std::uniform_int_distribution<size_t> pick(0, std::size(kVocabulary) - 1);
    std::uniform_int_distribution<int> length(1, 40);
    {
        Ref<ExprEvaluator> ev = evaluatorWithVariables();
        for (int round = 0; round < kRounds; ++round) {
            std::string text;
            for (int n = length(rng); n > 0; --n) (text += kVocabulary[pick(rng)]) += ' ';
            ASSERT_TRUE(survives(*ev, text)) << text;
        }
    }
    EXPECT_EQ(Object::liveObjects(), live);
}

TEST(ExprEvaluatorFuzz, RandomBytes) {
    const long live = Object::liveObjects();
    std::mt19937 rng(kSeed + 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 60);
    {
        Ref<ExprEvaluator> ev = evaluatorWithVariables();
        for (int round = 0; round < kRounds; ++round) {
            std::string text;
            for (int n = length(rng); n > 0; --n) text += static_cast<char>(byte(rng));
            ASSERT_TRUE(survives(*ev, text));
        }
    }
    EXPECT_EQ(Object::liveObjects(), live);
}

// The largest token arrays there can be, nested as deep as they can go.
TEST(ExprEvaluatorFuzz, WorstCaseNestingFailsWithAnError) {
    const std::string tooDeep = "Err:5 \"\" \"Expression nested too deeply.\"";
    const int most = Tokenizer::MaxTokens - 1;  // the end marker takes the last element
    EXPECT_EQ(evaluate(std::string(most, '(')), tooDeep);
    EXPECT_EQ(evaluate(std::string(most, '-')), tooDeep);
    EXPECT_EQ(evaluate(std::string(most / 2, '(') + std::string(most / 2, ')')), tooDeep);
    std::string calls;
    for (int i = 0; i < most / 2; ++i) calls += "Sqr(";  // two tokens per call
    EXPECT_EQ(evaluate(calls), tooDeep);
    // One token more than the array can hold is the tokenizer's overflow.
    EXPECT_EQ(evaluate(std::string(most + 1, '(')), "Err:6 \"\" \"Overflow\"");
    // A long flat expression is no problem.
    std::string sum = "1";
    for (int i = 0; i < most / 2 - 1; ++i) sum += "+1";
    EXPECT_EQ(evaluate(sum), "R8:16383");
}

}  // namespace
