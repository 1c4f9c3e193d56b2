#include "expr/Tokenizer.h"

#include <gtest/gtest.h>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"

using namespace tav;

namespace {

// The evaluator's delimiter set: + - * / ^ ( ) , > < = & and the double quote.
const std::string kDelims = std::string("+-*/^(),><=&") + '"';

std::string joined(std::string_view text, std::string_view ws = "") {
    std::string out;
    for (const auto& t : Tokenizer::TokenizeString(text, kDelims, ws)) {
        out += t == Tokenizer::EndMarker() ? "<end>" : t;
        out += '|';
    }
    return out;
}

TEST(Tokenizer, SplitsAtDelimitersAndWhiteSpaceOnly) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"( TheValue*PI+2 )^2", "(|TheValue|*|PI|+|2|)|^|2|<end>|"},
        {"1.5e-3", "1.5e|-|3|<end>|"},
        {"x&\"a b\"", "x|&|\"a b\"|<end>|"},
        {"   \t ", "<end>|"},
        {"a,b", "a|,|b|<end>|"},
        {"ab cd", "ab|cd|<end>|"},
        {"ab\tcd\r\n", "ab|cd|<end>|"},
        {"\"\"", "\"\"|<end>|"},
        {"abc\"d\"", "abc|\"d\"|<end>|"},
        {"2x 1e5 a.b $", "2x|1e5|a.b|$|<end>|"},
        {"\"a\"\"b\"", "\"a\"|\"b\"|<end>|"},  // two quotes close one constant and open the next
        {"<=", "<|=|<end>|"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(joined(text), expected) << text;
}

TEST(Tokenizer, NulEndsTheText) {
    EXPECT_EQ(joined(std::string_view("a+b\0c+d", 7)), "a|+|b|<end>|");
}

TEST(Tokenizer, CustomWhiteSpaceReplacesTheDefault) {
    EXPECT_EQ(joined("a b;c", ";"), "a b|c|<end>|");
    // A NUL in the white space still ends the text (it once made the split run for ever).
    EXPECT_EQ(joined("a;b", std::string_view(";\0", 2)), "a|b|<end>|");
}

void expectError(std::string_view text, int number, std::string_view description) {
    try {
        Tokenizer::TokenizeString(text, kDelims, "");
        ADD_FAILURE() << "no error for " << text;
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), number) << text;
        EXPECT_EQ(e.source(), "") << text;
        if (!description.empty()) {
            EXPECT_EQ(e.description(), description) << text;
        }
    }
}

TEST(Tokenizer, ErrorsForEmptyTextUnterminatedStringsAndTooManyTokens) {
    expectError("", err::InvalidProcedureCall, "String required for TokenizeString");
    expectError("\"abc", err::InvalidProcedureCall, "Expected end of string constant");
    expectError("1 + \"", err::InvalidProcedureCall, "Expected end of string constant");

    std::string many;
    for (int i = 0; i < 32767; ++i) many += "+";
    EXPECT_EQ(Tokenizer::TokenizeString(many, kDelims, "").size(), 32768u);  // end marker included
    expectError(many + "+", err::Overflow, "");
}

}  // namespace
