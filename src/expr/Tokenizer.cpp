#include "expr/Tokenizer.h"

#include <array>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"

namespace tav::Tokenizer {

namespace {

constexpr unsigned char kQuote = '"';

// The working state of one split: a cursor over the text that reads characters as 8-bit codes,
// code 0 standing for the end (also for a NUL inside the text).
class Scanner {
public:
    Scanner(std::string_view text, std::string_view delimiters, std::string_view whiteSpace)
        : text_(text) {
        for (unsigned char c : delimiters) delimiter_[c] = true;
        for (unsigned char c : whiteSpace.empty() ? DefaultWhiteSpace : whiteSpace) white_[c] = true;
        // The end is never white space: a NUL in the caller's set would skip it for ever.
        white_[static_cast<unsigned char>(EndCode)] = false;
    }

    std::string readNextToken() {
        unsigned char c = nextChar();
        while (white_[c] && c != kQuote) c = nextChar();
        std::string token(1, static_cast<char>(c));
        // The end character (also a NUL inside the text) is a token of its own: the split ends.
        if (delimiter_[c] || c == EndCode) return token;
        while (true) {
            c = nextChar();
            if (endsToken(c)) {
                --position_;
                return token;
            }
            token += static_cast<char>(c);
        }
    }

    std::string readStringConstant() {
        std::string body;
        while (true) {
            const unsigned char c = nextChar();
            if (c == kQuote) return body;
            if (c == EndCode) throw AutomationError(err::InvalidProcedureCall, "", std::string(ErrUnterminatedString));
            body += static_cast<char>(c);
        }
    }

private:
    unsigned char nextChar() {
        ++position_;
        return position_ <= text_.size() ? static_cast<unsigned char>(text_[position_ - 1]) : EndCode;
    }
    bool endsToken(unsigned char c) const { return delimiter_[c] || white_[c] || c == EndCode; }

    std::string_view text_;
    size_t position_ = 0;  // 1-based index of the character read last
    std::array<bool, 256> delimiter_{};
    std::array<bool, 256> white_{};
};

}  // namespace

std::vector<std::string> TokenizeString(std::string_view text, std::string_view delimiters,
                                        std::string_view whiteSpace) {
    if (text.empty()) throw AutomationError(err::InvalidProcedureCall, "", std::string(ErrTextRequired));
    Scanner scanner(text, delimiters, whiteSpace);
    std::vector<std::string> tokens;
    while (true) {
        if (tokens.size() >= static_cast<size_t>(MaxTokens)) throwOverflow();
        std::string token = scanner.readNextToken();
        if (token.size() == 1 && static_cast<unsigned char>(token[0]) == kQuote)
            token = '"' + scanner.readStringConstant() + '"';
        tokens.push_back(std::move(token));
        if (tokens.back() == EndMarker()) return tokens;
    }
}

}  // namespace tav::Tokenizer
