#pragma once
#include <cstdint>
#include <string_view>

#include "automation/values/Variant.h"

// Building the result Variant of an operator once its type and value are known.
namespace tav::result {

// An integer result that starts in `type` (UI1, I2 or I4) and widens until it fits:
// UI1 -> I2 -> I4 -> R8.
Variant whole(int64_t value, VarType type);

// As whole(), but an integer operator has no floating result: beyond I4 is error 6.
Variant integer(int64_t value, VarType type);

// A floating result of type R4, R8 or Date. An R4 too large for a Single widens to R8; a value
// that is not finite is error 6.
Variant real(double value, VarType type);

// A date result of + or -: error 6 outside 1/1/100 .. 12/31/9999, as a conversion to Date
// would raise, rather than a date no calendar can show.
Variant date(double serial);

// Two texts joined into a string Variant.
Variant joined(std::string_view a, std::string_view b);

}  // namespace tav::result
