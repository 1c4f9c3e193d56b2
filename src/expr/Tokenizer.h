#pragma once
#include <string>
#include <string_view>
#include <vector>

// Splits expression text into tokens once, when the text is set; the evaluator then parses the
// token array on every evaluation. The tokenizer knows nothing of numbers or operators: every
// character of the delimiter set is a token of its own, white space separates tokens and is
// dropped, double-quoted constants stay whole with their quotes, and the array always ends with
// the end marker (a one-character string holding code 0).
namespace tav::Tokenizer {

inline constexpr std::string_view ErrTextRequired = "String required for TokenizeString";
inline constexpr std::string_view ErrUnterminatedString = "Expected end of string constant";
// Space, carriage return, line feed and tab, used when the caller passes no white-space set.
inline constexpr std::string_view DefaultWhiteSpace = " \r\n\t";
// The element count is a 16-bit counter: at most this many elements, end marker included.
inline constexpr int MaxTokens = 32768;
inline constexpr char EndCode = '\0';

// The end marker element.
inline const std::string& EndMarker() {
    static const std::string marker(1, EndCode);
    return marker;
}

// Error 5 (no source) for an empty text or an unterminated string constant; error 6 when the
// array would exceed MaxTokens elements.
std::vector<std::string> TokenizeString(std::string_view text, std::string_view delimiters,
                                        std::string_view whiteSpace);

}  // namespace tav::Tokenizer
