// The tokenizer with any delimiter set and white space. Input: the delimiters on the first
// line, the white space on the second, the text after them. Every token is non-empty, and the
// array ends with the end marker.
#include "FuzzInput.h"
#include "expr/Tokenizer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    std::string_view rest = fuzz::text(data, size);
    const std::string_view delimiters = fuzz::nextField(rest, '\n');
    const std::string_view whiteSpace = fuzz::nextField(rest, '\n');
    try {
        const auto tokens = Tokenizer::TokenizeString(rest, delimiters, whiteSpace);
        fuzz::check(!tokens.empty() && tokens.back() == Tokenizer::EndMarker());
        fuzz::check(tokens.size() <= static_cast<size_t>(Tokenizer::MaxTokens));
        for (const std::string& t : tokens) fuzz::check(!t.empty());
    } catch (const AutomationError&) {
    }
    return 0;
}
