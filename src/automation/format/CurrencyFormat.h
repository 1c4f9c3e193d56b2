#pragma once
#include <vector>

#include "automation/format/NumberFormatter.h"
#include "automation/locale/Locale.h"

namespace tav {

// The sections of the named format "Currency" in a locale: its positive and negative layouts
// ("$n" and "($n)" in en-US, "n $" and "-n $" in de-DE) around the grouped number with the
// currency's decimals ("#,##0.00"). Compiled once per layout and kept per thread; the reference
// stays valid until the next call on the same thread.
const std::vector<NumberSection>& currencySections(const Locale& loc);

}  // namespace tav
