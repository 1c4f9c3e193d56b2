#pragma once
#include <optional>
#include <string_view>

#include "automation/format/CompiledFormat.h"

namespace tav {

// The named formats ("General Number", "Currency", ..., "Short Time"), matched without regard to
// case; nullopt for any other text. Their layout follows the locale when they are applied
// (separators, currency symbol, date and time pictures), not when they are compiled.
std::optional<CompiledFormat> namedFormat(std::string_view name);

}  // namespace tav
