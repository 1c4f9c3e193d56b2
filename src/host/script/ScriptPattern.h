#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct pcre2_real_code_8;

namespace tav {

// The pattern of a "=~" expectation: Perl-compatible syntax as ECMAScript's follows (classes,
// groups, alternation, repetition counts, back-references), matched against a whole line by
// characters (UTF-8), not bytes. Matching is bounded: a pattern or line that would take more
// steps, backtracking depth or memory than the limits below fails instead of running on, and
// so does a pattern too long or nested too deep to compile within them; either way the caller
// learns why. Compiled once, a pattern may be matched from any thread.
class ScriptPattern {
public:
    // What the matcher may spend on one match, and what a pattern may be.
    static constexpr uint32_t MatchLimit = 1'000'000;   // internal match steps
    static constexpr uint32_t DepthLimit = 100'000;     // nested backtracking points
    static constexpr uint32_t HeapLimitKiB = 64 * 1024; // backtracking memory
    static constexpr size_t MaxPatternLength = 65'536;  // characters of the pattern
    static constexpr uint32_t ParensNestLimit = 250;    // nested groups

    // Throws ScriptSyntaxError (the description of why) when the text is not a regular
    // expression; a pattern beyond the limits compiles to one that fails every match with
    // the reason.
    explicit ScriptPattern(std::string_view text);
    ~ScriptPattern();
    ScriptPattern(const ScriptPattern&) = delete;
    ScriptPattern& operator=(const ScriptPattern&) = delete;

    struct Outcome {
        bool matched = false;
        std::string beyondLimits;  // why the match was given up; empty when it ran to the end
    };
    // Whether the pattern matches the whole line.
    Outcome matchWhole(std::string_view line) const;

private:
    pcre2_real_code_8* code_ = nullptr;
    std::string beyondLimits_;  // why the pattern itself is beyond the limits
};

}  // namespace tav
