#include "expr/ExprTokens.h"

#include <gtest/gtest.h>

#include "expr/FunctionLib.h"

using namespace tav;

namespace {

ExprTokens classify(std::vector<std::string> tokens) {
    tokens.emplace_back(1, '\0');
    return ExprTokens(std::move(tokens), FunctionLib::table().defaultInterface());
}

// What reading each token gives, as the evaluator replays it.
TEST(ExprTokens, ClassifiesOnceWhatEveryReadGives) {
    const ExprTokens t = classify({"Sqr", "(", "1.5e", "+", "3", ")", "\"ab\"", "x"});
    EXPECT_EQ(t.lexeme(0).kind, ExprTokens::KindName);
    EXPECT_EQ(t.lexeme(0).function, FunctionLib::table().defaultInterface().find("sqr"));
    EXPECT_EQ(t.lexeme(1).kind, '(');
    // The signed exponent is joined: the reader then stands on the exponent digits.
    EXPECT_EQ(t.lexeme(2).kind, ExprTokens::KindNumber);
    EXPECT_EQ(t.lexeme(2).last, 4);
    EXPECT_EQ(t.lexeme(2).value.r8(), 1500);
    EXPECT_EQ(t.lexeme(6).kind, ExprTokens::KindString);
    EXPECT_EQ(t.lexeme(6).value.str(), "ab");
    EXPECT_FALSE(t.lexeme(6).badString);
    EXPECT_EQ(t.lexeme(7).function, nullptr);
    EXPECT_EQ(t.lexeme(8).kind, ExprTokens::KindEnd);
}

TEST(ExprTokens, ExponentJoinsAcrossNumbersThatEndInE) {
    // The exponent token may itself end in "e": its own join is read first, and the text
    // appended is that of the last token read.
    const ExprTokens t = classify({"1e", "-", "5e", "-", "3"});
    EXPECT_EQ(t.lexeme(0).last, 4);
    EXPECT_EQ(t.lexeme(0).value.r8(), 1e-3);
    EXPECT_EQ(t.lexeme(2).value.r8(), 5e-3);
}

// The tokenizer always closes string constants; a token array from elsewhere may not.
TEST(ExprTokens, StringConstantWithoutClosingQuote) {
    const ExprTokens t = classify({"\"ab", "\""});
    EXPECT_TRUE(t.lexeme(0).badString);
    EXPECT_TRUE(t.lexeme(1).badString);
}

}  // namespace
