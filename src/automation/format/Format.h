#pragma once
#include <string_view>

#include "automation/locale/Locale.h"
#include "automation/values/Variant.h"

namespace tav {

// VarFormat: formats a value with a named or custom format. The result is a string Variant,
// or Null when the value is Null and the format gives no text for it.
// firstDayOfWeek: 1 = Sunday .. 7 = Saturday; firstWeekOfYear: 1 = the week of 1 January,
// 2 = the first week with four days, 3 = the first full week.
Variant Format(const Variant& value, std::string_view format, int firstDayOfWeek = 1,
               int firstWeekOfYear = 1, const Locale& loc = Locale::current());

}  // namespace tav
