#pragma once
#include <optional>
#include <string_view>

#include "automation/locale/Locale.h"

// Date and time text to a date serial, as the Automation conversions read it. Accepted: numeric
// dates with '/' '-' or the locale's date separator, read in the first order of the fields that
// makes a real day: the locale's ("1/2/2000" is 2 January in en-US, 1 February in de-DE), then
// those the locale does not rule out ("14 2 3" is 3 Feb 2014 where months come first), then any
// ("13/1/2000"), never with the year between day and month ("2 32 3" is no date); two numbers
// that make no day are a month and a year ("30 2" is 1 Feb 1930); years first ("2000-01-02"),
// the locale's month names and abbreviations in any position ("January 2, 2000", "2 Jan 2000",
// "1. März 2020"), a leading day name ("Sat, 1 Jan 2000"), times "h:mm[:ss]" (the locale's time
// separator) or "h.mm" (its decimal separator) with an optional designator: the locale's, the
// English AM/PM, or where the clock has twelve hours a designator's first letter ("1 pm",
// "12:59 p"; after an hour past 12 it changes nothing), the time before or after all of the
// date, never inside it ("1 2.3 4" is no date). Names and designators match without regard to
// case. A date without a year takes the current one; years below 100 fall in 1930..2029.
// Everything else is not a date, signed numbers ("-13.5") and text ending in a separator
// ("1.1-") included.
namespace tav::dateparse {

// The serial of `text`; nullopt when it is not a date (or lies outside 1/1/100..12/31/9999).
std::optional<double> read(std::string_view text, const Locale& loc);

// The same with the year that dates without one take given (0: the clock's year).
std::optional<double> read(std::string_view text, const Locale& loc, int currentYear);

}  // namespace tav::dateparse
