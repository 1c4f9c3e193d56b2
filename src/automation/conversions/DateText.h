#pragma once
#include <string>
#include <string_view>

#include "automation/conversions/DateMath.h"
#include "automation/locale/Locale.h"

// Dates and times laid out by the pictures of the regional settings ("M/d/yyyy",
// "h:mm:ss tt", "dddd, MMMM d, yyyy"): d dd ddd dddd, M MM MMM MMMM, y yy yyyy, h hh (12-hour),
// H HH (24-hour), m mm, s ss, t tt (AM/PM designator), text in single quotes; every other
// character stands for itself.
namespace tav::datetext {

void appendPicture(std::string& out, const CivilDateTime& c, std::string_view picture,
                   const Locale& loc);

// The short date, then the time; a date of 30 Dec 1899 (day 0) is left out, and so is a time of
// midnight unless it is all there is.
std::string dateTimeText(const CivilDateTime& c, const Locale& loc);

}  // namespace tav::datetext
