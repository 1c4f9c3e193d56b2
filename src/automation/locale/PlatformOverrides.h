#pragma once
#include <string_view>

#include "automation/locale/Locale.h"

// Where the platform's own regional data differs from the system's (CLDR), the platform's wins:
// documents, forms and habits were made with it. The differences are few and kept in one table
// in PlatformOverrides.cpp, each with a note on what the platform has and why.
namespace tav::platformoverrides {

// Puts the platform's data over a record built from the regional data.
void apply(Locale& loc);

// Whether strings compare in the platform's default order in this locale although the regional
// data has an order of its own for the language.
bool keepsDefaultOrder(std::string_view name);

}  // namespace tav::platformoverrides
