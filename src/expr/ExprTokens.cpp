#include "expr/ExprTokens.h"

#include <charconv>
#include <cmath>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/Utf8.h"
#include "expr/ExprEvaluatorText.h"
#include "expr/Tokenizer.h"

namespace tav {

namespace {

namespace text = ExprEvaluatorText;

constexpr char kQuote = '"';
constexpr char kBlank = ' ';

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isNameStart(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isExponentMark(char c) { return c == 'e' || c == 'E'; }
bool isSignKind(uint8_t kind) { return kind == '+' || kind == '-'; }

// The one-character tokens, and the end marker, are their own kind.
bool isOwnKind(unsigned char c) {
    static constexpr std::string_view kOwnKinds = "&()*+,-/<=>^\"";
    return c == static_cast<unsigned char>(Tokenizer::EndCode) || kOwnKinds.find(static_cast<char>(c)) != std::string_view::npos;
}

// Length of the longest leading decimal number: digits, an optional "." fraction, an
// optional exponent (e or E, an optional sign, at least one digit).
size_t leadingNumberLength(std::string_view s) {
    size_t n = 0;
    while (n < s.size() && isDigit(s[n])) ++n;
    if (n < s.size() && s[n] == '.') {
        ++n;
        while (n < s.size() && isDigit(s[n])) ++n;
    }
    if (n < s.size() && isExponentMark(s[n])) {
        size_t e = n + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e])) ++e;
            n = e;
        }
    }
    return n;
}

// The value of the number at the front of `s`; whatever follows it is ignored ("2x" is 2).
// The decimal point is "." whatever the locale. Too large for a Double is an overflow; too
// small reads as 0.
double readLeadingNumber(std::string_view s) {
    const std::string_view number = s.substr(0, leadingNumberLength(s));
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Tell overflow from underflow by the decimal magnitude of the digits and exponent.
        const size_t point = number.find('.');
        const size_t mark = number.find_first_of("eE");
        const std::string_view whole = number.substr(0, std::min(point, mark));
        const size_t firstNonZero = whole.find_first_not_of('0');
        long long magnitude = firstNonZero == std::string_view::npos ? 0 : static_cast<long long>(whole.size() - firstNonZero);
        if (mark != std::string_view::npos) {
            long long exponent = 0;
            const char* p = number.data() + mark + 1;
            if (*p == '+') ++p;
            std::from_chars(p, number.data() + number.size(), exponent);
            magnitude += exponent;
        }
        if (magnitude > 0) throwOverflow();
        return 0.0;
    }
    if (ec != std::errc() || !std::isfinite(value)) throwOverflow();
    return value;
}

}  // namespace

ExprTokens::ExprTokens(std::vector<std::string> tokens, const InterfaceDesc& functions)
    : tokens_(std::move(tokens)), lexemes_(tokens_.size()) {
    // A number's outcome depends on the tokens after it: classify from the back.
    for (int32_t i = size() - 1; i >= 0; --i) classify(i, functions);
}

std::string ExprTokens::joined() const {
    std::string out;
    for (const std::string& t : tokens_) {
        if (!out.empty()) out += kBlank;
        out += t;
    }
    return out;
}

int32_t ExprTokens::addError(int32_t number, std::string source, std::string description) {
    errors_.push_back(Error{number, std::move(source), std::move(description)});
    return static_cast<int32_t>(errors_.size() - 1);
}

void ExprTokens::classify(int32_t index, const InterfaceDesc& functions) {
    Lexeme& lx = lexemes_[static_cast<size_t>(index)];
    const std::string& t = tokens_[static_cast<size_t>(index)];
    lx.last = index;
    const unsigned char first = t.empty() ? 0 : static_cast<unsigned char>(t[0]);
    if (isOwnKind(first)) {
        lx.kind = first;
        if (lx.kind == KindString) {
            // A string constant holds its text between the quotes.
            lx.badString = t.size() < 2 || t.back() != kQuote;
            if (!lx.badString) lx.value = Variant(std::string_view(t).substr(1, t.size() - 2));
        }
    } else if (isDigit(first)) {
        classifyNumber(index);
    } else if (isNameStart(first)) {
        lx.kind = KindName;
        lx.function = functions.find(t);
    } else {
        // The whole character, also when it takes more than one byte.
        lx.error = addError(err::InvalidProcedureCall, "",
                            std::string(text::ErrLeadingChar) + t.substr(0, utf8::charLength(t, 0)));
    }
}

// A number token that ends in "e" had its signed exponent split off by the tokenizer: the sign
// and the exponent digits are the next two tokens, read (and checked) as part of this one.
void ExprTokens::classifyNumber(int32_t index) {
    Lexeme& lx = lexemes_[static_cast<size_t>(index)];
    lx.kind = KindNumber;
    std::string number = tokens_[static_cast<size_t>(index)];
    if (isExponentMark(number.back())) {
        // The end marker is never a number, so the next tokens exist.
        const Lexeme& sign = lexemes_[static_cast<size_t>(index) + 1];
        if (sign.error >= 0) {
            lx.error = sign.error;
            return;
        }
        if (!isSignKind(sign.kind)) {
            lx.error = addError(err::InvalidProcedureCall, "", std::string(text::ErrExponentSign));
            return;
        }
        number += tokens_[static_cast<size_t>(sign.last)];
        const Lexeme& digits = lexemes_[static_cast<size_t>(sign.last) + 1];
        if (digits.error >= 0) {
            lx.error = digits.error;
            return;
        }
        if (digits.kind != KindNumber) {
            lx.error = addError(err::InvalidProcedureCall, "", std::string(text::ErrExponentDigits));
            return;
        }
        // The reader stands on the last token read, whose text is what gets appended.
        lx.last = digits.last;
        number += tokens_[static_cast<size_t>(digits.last)];
    }
    try {
        lx.value = Variant::R8(readLeadingNumber(number));
    } catch (const AutomationError& e) {
        lx.error = addError(e.number(), e.source(), e.description());
    }
}

}  // namespace tav
