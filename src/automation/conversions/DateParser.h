#pragma once
#include <optional>
#include <string_view>

#include "automation/values/Locale.h"

// Date and time text to a date serial, as the Automation conversions read it. Accepted: numeric
// dates in the locale's order with '/' '-' or the locale separator ("1/2/2000", and "13/1/2000"
// read day first because 13 cannot be a month), years first ("2000-01-02", "2000/1/2"), month
// names and abbreviations in any position ("January 2, 2000", "2 Jan 2000", "Jan 2000"), a
// leading day name ("Sat, 1 Jan 2000"), times "h:mm[:ss]" or "h.mm" with an optional AM/PM
// designator or its first letter ("1 pm", "12:59 p"; after an hour past 12 it changes nothing),
// the time before or after all of the date, never inside it ("1 2.3 4" is no date). A date
// without a year takes the current one; two-digit years fall in 1930..2029. Everything else is
// not a date, signed numbers ("-13.5") and text ending in a separator ("1.1-") included.
namespace tav::dateparse {

// The serial of `text`; nullopt when it is not a date (or lies outside 1/1/100..12/31/9999).
std::optional<double> read(std::string_view text, const Locale& loc);

// The same with the year that dates without one take given (0: the clock's year).
std::optional<double> read(std::string_view text, const Locale& loc, int currentYear);

}  // namespace tav::dateparse
