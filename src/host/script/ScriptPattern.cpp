#include "host/script/ScriptPattern.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <array>

#include "host/script/ScriptText.h"
#include "host/script/ScriptValue.h"

namespace tav {

namespace T = ScriptText;

namespace {

// Room for the matcher's messages (they are short).
constexpr size_t kMessageBytes = 256;

// Compile errors that say the pattern is beyond what the matcher takes, not that it is no
// regular expression.
constexpr std::array<int, 6> kLimitErrors = {
    PCRE2_ERROR_PARENTHESES_NEST_TOO_DEEP, PCRE2_ERROR_PATTERN_TOO_LARGE, PCRE2_ERROR_HEAP_FAILED,
    PCRE2_ERROR_PATTERN_TOO_COMPLICATED,   PCRE2_ERROR_PATTERN_STRING_TOO_LONG, PCRE2_ERROR_TOO_MANY_CAPTURES,
};

std::string messageOf(int code) {
    std::array<PCRE2_UCHAR, kMessageBytes> buffer{};
    const int n = pcre2_get_error_message(code, buffer.data(), buffer.size());
    return n < 0 ? std::string() : std::string(reinterpret_cast<const char*>(buffer.data()), static_cast<size_t>(n));
}

template <class Context, void (*Free)(Context*)>
struct Owned {
    Context* p;
    ~Owned() { Free(p); }
};

}  // namespace

ScriptPattern::ScriptPattern(std::string_view text) {
    using CompileContext = Owned<pcre2_compile_context, pcre2_compile_context_free>;
    const CompileContext context{pcre2_compile_context_create(nullptr)};
    pcre2_set_max_pattern_length(context.p, MaxPatternLength);
    pcre2_set_parens_nest_limit(context.p, ParensNestLimit);
    // \u and \x as ECMAScript reads them; $ only at the very end of the line; invalid UTF-8 in
    // a line never matches and never stops the match.
    const uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_ALT_BSUX | PCRE2_DOLLAR_ENDONLY;
    int error = 0;
    PCRE2_SIZE offset = 0;
    code_ = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), options, &error, &offset, context.p);
    if (code_) return;
    for (int limit : kLimitErrors) {
        if (error == limit) {
            beyondLimits_ = std::string(T::RegexBeyondLimits) + messageOf(error);
            return;
        }
    }
    throw ScriptSyntaxError(messageOf(error));
}

ScriptPattern::~ScriptPattern() { pcre2_code_free(code_); }

ScriptPattern::Outcome ScriptPattern::matchWhole(std::string_view line) const {
    if (!code_) return {false, beyondLimits_};
    using MatchContext = Owned<pcre2_match_context, pcre2_match_context_free>;
    using MatchData = Owned<pcre2_match_data, pcre2_match_data_free>;
    const MatchContext context{pcre2_match_context_create(nullptr)};
    pcre2_set_match_limit(context.p, MatchLimit);
    pcre2_set_depth_limit(context.p, DepthLimit);
    pcre2_set_heap_limit(context.p, HeapLimitKiB);
    const MatchData data{pcre2_match_data_create_from_pattern(code_, nullptr)};
    const int rc = pcre2_match(code_, reinterpret_cast<PCRE2_SPTR>(line.data()), line.size(), 0,
                               PCRE2_ANCHORED | PCRE2_ENDANCHORED, data.p, context.p);
    if (rc >= 0) return {true, {}};
    if (rc == PCRE2_ERROR_NOMATCH) return {false, {}};
    return {false, std::string(T::RegexBeyondLimits) + messageOf(rc)};
}

}  // namespace tav
