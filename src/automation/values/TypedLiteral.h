#pragma once
#include <string>
#include <string_view>

#include "automation/values/Variant.h"

// The canonical text form of a Variant ("I4:5", "R8:2.5", "Str:\"a\\tb\"", "Null", ...), used by
// the test vectors, the command line, the script runner and bag files. Printing is canonical
// (shortest round-tripping doubles, fixed escapes); parsing accepts every spelling of a value.
namespace tav::literal {

std::string print(const Variant& v);

// Text of a string literal body with the escapes of the literal form, quotes included.
std::string quote(std::string_view s);

// Parses one literal: the scalars, plus `Nothing`, `Unallocated` and arrays `[a, b]`,
// `[[a, b], [c, d]]` (two-dimensional when every element is a row, rows of one length), nested
// at most MaxArrayNesting deep. Throws AutomationError 13 with a description of what was wrong.
inline constexpr int MaxArrayNesting = 64;
inline constexpr std::string_view NestedTooDeeply = "arrays nested too deeply";
Variant parse(std::string_view text);

// Parses a literal at the front of `text`, advancing it past what was read (arrays and
// strings may contain blanks). Throws like parse().
Variant parsePrefix(std::string_view& text);

// Shortest text that reads back to the same double / float, laid out canonically
// (plain decimals for exponents -4..15, otherwise d.ddde+XX).
std::string shortestDouble(double d);
std::string shortestFloat(float f);

}  // namespace tav::literal
