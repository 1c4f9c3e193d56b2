#pragma once
#include <optional>
#include <string_view>

#include "automation/values/Variant.h"

// The text form of the special values a funnel may show on conflict. A designer types the
// conflict value as text, and the property bag keeps it as text, so Null, Empty, Nothing and
// the empty string need spellings that no ordinary text collides with. Tokens match exactly,
// letter case included.
namespace tav::ConflictValueTokens {

inline constexpr std::string_view VtNull = "#VT_NULL#";
inline constexpr std::string_view VtEmpty = "#VT_EMPTY#";
inline constexpr std::string_view Nothing = "#Nothing#";
inline constexpr std::string_view EmptyString = "#EmptyString#";

// The token that stands for `v` (any object reference, live or not, is "#Nothing#"), or
// nullopt when `v` is shown as its ordinary text.
std::optional<std::string_view> tokenOf(const Variant& v) noexcept;

// The value `text` stands for when it is a token, else nullopt.
std::optional<Variant> valueOf(std::string_view text);

}  // namespace tav::ConflictValueTokens
