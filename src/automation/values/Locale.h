#pragma once
#include <array>
#include <string>

namespace tav {

// The regional settings conversions and formatting read. en-US is the default and the only
// locale the library is tested with; the fields exist so that nothing else hard-codes them.
struct Locale {
    enum class DateOrder { MDY, DMY, YMD };

    char decimalSeparator = '.';
    char thousandsSeparator = ',';
    char dateSeparator = '/';
    char timeSeparator = ':';
    std::string currencySymbol = "$";
    DateOrder dateOrder = DateOrder::MDY;
    std::array<std::string, 7> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> dayAbbrevs{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 12> monthNames{"January", "February", "March",     "April",
                                           "May",     "June",     "July",      "August",
                                           "September", "October", "November", "December"};
    std::array<std::string, 12> monthAbbrevs{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
    // Windows-style pictures of the short date, long date and time.
    std::string shortDatePicture = "M/d/yyyy";
    std::string longDatePicture = "dddd, MMMM d, yyyy";
    std::string timePicture = "h:mm:ss tt";

    static const Locale& enUS() {
        static const Locale loc;
        return loc;
    }
    // The locale conversions use when none is given (en-US).
    static const Locale& current() { return enUS(); }
};

}  // namespace tav
