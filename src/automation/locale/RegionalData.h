#pragma once
#include <string>

#include "automation/locale/Locale.h"

// Builds a locale's record from the regional data of the system's ICU (CLDR): separators and
// grouping, currency symbol, layouts and decimals, date and time pictures, names, designators,
// the first day and week, then puts the platform's own data over it where the two differ
// (PlatformOverrides.h). Dates are Gregorian and digits Latin whatever the locale's default.
namespace tav::regionaldata {

// `icuId` as LocaleName resolved it ("de_DE"); the record's name is `canonical` ("de-DE"). The
// collator and the id are the registry's to fill in.
Locale build(const std::string& icuId, const std::string& canonical);

}  // namespace tav::regionaldata
