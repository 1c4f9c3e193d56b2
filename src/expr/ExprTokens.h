#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "automation/objects/ClassDesc.h"
#include "automation/objects/DispatchTypes.h"
#include "automation/values/Variant.h"

namespace tav {

// An expression's token array, each token classified once when the text is set.
//
// Reading the token at index i always gives the same outcome: its kind, the index the reader
// stands on afterwards (beyond i when a number's signed exponent was joined from the next
// tokens), its value, or the error reading it raises. So these outcomes are worked out here,
// once, and the evaluator replays them on every evaluation: the same errors surface at the
// same point of the parse, without looking at the text again.
class ExprTokens {
public:
    // Kinds: the end marker, a name, a number, and otherwise the character code of a
    // one-character token or of the quote opening a string constant.
    static constexpr uint8_t KindEnd = 0;
    static constexpr uint8_t KindName = 1;
    static constexpr uint8_t KindNumber = 2;
    static constexpr uint8_t KindString = '"';

    struct Error {
        int32_t number;
        std::string source;
        std::string description;
    };

    // The outcome of reading one token.
    struct Lexeme {
        uint8_t kind = KindEnd;
        bool badString = false;        // a string constant without its closing quote
        int32_t last = 0;              // index the reader stands on after reading this token
        int32_t error = -1;            // index into errors(): reading this token raises it
        const MemberDesc* function = nullptr;  // a name's member in the function library, if any
        Variant value;                 // a number's Double, a string constant's text
    };

    ExprTokens() = default;
    // Classifies the tokens of an array that ends with the end marker; names are looked up
    // (without regard to case) among the members of `functions`.
    ExprTokens(std::vector<std::string> tokens, const InterfaceDesc& functions);

    bool empty() const noexcept { return tokens_.empty(); }
    int32_t size() const noexcept { return static_cast<int32_t>(lexemes_.size()); }
    const std::vector<std::string>& texts() const noexcept { return tokens_; }
    const std::string& text(int32_t index) const { return tokens_[static_cast<size_t>(index)]; }
    const Lexeme& lexeme(int32_t index) const { return lexemes_[static_cast<size_t>(index)]; }
    const Error& error(int32_t index) const { return errors_[static_cast<size_t>(index)]; }

    // The tokens joined by one blank (the end marker included).
    std::string joined() const;

private:
    void classify(int32_t index, const InterfaceDesc& functions);
    void classifyNumber(int32_t index);
    int32_t addError(int32_t number, std::string source, std::string description);

    std::vector<std::string> tokens_;
    std::vector<Lexeme> lexemes_;
    std::vector<Error> errors_;
};

}  // namespace tav
