#pragma once
#include "expr/ExprProgram.h"
#include "expr/ExprTokens.h"
#include "expr/NamedVariables.h"

namespace tav {

// Parses a token array by recursive descent, as an evaluation does, and writes down what the
// parse does (ExprProgram) instead of doing it:
//
//   expression = term { ("+" | "-" | "&" | "<" | "=" | ">") term }
//   term       = factor { ("*" | "/" | "^") factor }
//   factor     = number | string | variable | name "(" expression { "," expression } ")"
//              | "(" expression ")" | "+" factor | "-" factor
//
// A name is a variable when `variables` holds it, otherwise a function call. The first error
// the parse meets (a token that cannot be read, a missing bracket, ...) becomes the program's
// last step, after every operation the parse would have done before it.
class ExprCompiler {
public:
    static ExprProgram compile(const ExprTokens& tokens, const NamedVariables& variables);

private:
    struct Stop {};  // the parse ended at an error

    ExprCompiler(const ExprTokens& tokens, const NamedVariables& variables) : tokens_(tokens), variables_(variables) {}

    void getToken();
    void parseExpression();
    void parseTerm();
    void parseFactor();
    void parseCall(int32_t nameIndex);
    // Whether argument `position` of the function goes to a plain Double parameter.
    static bool takesDouble(const MemberDesc* member, int32_t position);
    [[noreturn]] void raise(AutomationError error);
    [[noreturn]] void raise(int32_t number, std::string_view description, std::string_view suffix = {});
    [[noreturn, gnu::noinline]] void raiseBadString();
    uint8_t kind() const { return current_->kind; }

    const ExprTokens& tokens_;
    const NamedVariables& variables_;
    ExprProgram program_;
    const ExprTokens::Lexeme* current_ = nullptr;
    int32_t currentIndex_ = -1;
    int32_t next_ = 0;
    int depth_ = 0;
};

}  // namespace tav
