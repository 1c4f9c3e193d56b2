#include "automation/Format.h"

#include "automation/AutomationError.h"
#include "automation/ErrorNumbers.h"

namespace tav {
// Placeholder until the format language lands.
Variant Format(const Variant&, std::string_view, int, int, const Locale&) { throwError(err::NotImplemented); }
}  // namespace tav
