#pragma once
#include <optional>
#include <string>

#include "automation/format/DecimalDigits.h"
#include "automation/locale/Locale.h"
#include "automation/values/Variant.h"

// What a Variant is to the formatter: a number for number formats, a date serial for date
// formats, text for text formats. Strings are read as numbers (and dates) where they read as
// such; a string that does not is shown unchanged, which callers learn from a nullopt. Values
// that have no text at all (Error, Object, Array) raise the type mismatch error, infinities and
// NaN the overflow error. Null is the caller's business and never reaches these.
namespace tav::format {

struct NumberOperand {
    DecimalDigits magnitude;
    bool negative = false;
    int significant = DecimalDigits::DoubleDigits;  // digits the plain text may show
};

std::optional<NumberOperand> numberOperand(const Variant& v, const Locale& loc);
std::optional<double> dateOperand(const Variant& v, const Locale& loc);
// The value's plain text (what an empty format shows) for every type but String and Null.
void appendPlainText(const Variant& v, const Locale& loc, std::string& out);

}  // namespace tav::format
