#pragma once
#include <ostream>
#include <string>
#include <string_view>

#include "automation/values/AutomationError.h"
#include "automation/format/Format.h"
#include "automation/values/TypedLiteral.h"

namespace tav::testing {

// Format's answer as text: the string itself, "<Null>" for Null, "<Err:n>" for an error.
inline std::string formatted(const Variant& v, std::string_view format, int firstDay = 1,
                             int firstWeek = 1, const Locale& loc = Locale::enUS()) {
    try {
        const Variant r = Format(v, format, firstDay, firstWeek, loc);
        if (r.isNull()) return "<Null>";
        if (!r.isString()) return "<not a string: " + literal::print(r) + ">";
        return std::string(r.str());
    } catch (const AutomationError& e) {
        return "<Err:" + std::to_string(e.number()) + ">";
    }
}

// One row of a table-driven format test.
struct FormatCase {
    Variant value;
    std::string_view format;
    std::string_view expected;
};

inline std::ostream& operator<<(std::ostream& os, const FormatCase& c) {
    return os << "Format(" << literal::print(c.value) << ", \"" << c.format << "\")";
}

}  // namespace tav::testing
