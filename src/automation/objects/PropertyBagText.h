#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "automation/values/Variant.h"

// The text form of a property bag: human-readable, diffable, and exact about types.
//
//   # TAVParts property bag
//   SharingName = Str:"Charge"
//   ScaleByCoef = R8:2.5
//   "Odd key = 1" = I2:1
//
// One entry per line, in write order: a key, " = ", and the value as a typed literal
// (TypedLiteral.h). A key made of letters, digits and "_.-$" is written bare, any other key in
// double quotes with the escapes of string literals. Blank lines and lines starting with "#"
// are ignored; a line ending in CR LF reads like one ending in LF. Reading refuses anything
// else with error 321 naming the origin (file), the line and what was expected; a key given
// twice is refused too.
namespace tav::bagtext {

using Entries = std::vector<std::pair<std::string, Variant>>;

inline constexpr std::string_view kHeader = "# TAVParts property bag";

std::string format(const Entries& entries);
// `firstLineNo`: the line of the origin the text starts on, for the line numbers of refusals.
Entries parse(std::string_view text, std::string_view origin, size_t firstLineNo = 1);

// Whether the value reads back from its text as the very same value (type included).
bool roundTrips(const Variant& v);

}  // namespace tav::bagtext
