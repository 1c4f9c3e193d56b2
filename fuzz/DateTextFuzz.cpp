// Date text both ways: text through CDate and IsDate, and the text of a date, which must read
// back to the same second; in a locale the input picks.
#include <cmath>
#include <cstring>

#include "FuzzInput.h"
#include "automation/conversions/Conversions.h"
#include "automation/conversions/DateMath.h"

namespace {

using namespace tav;

// A date's text (short date and long time) reads back to the same second.
void readsBack(double serial) {
    const std::string text = dateToText(serial);
    const auto back = parseDate(text);
    fuzz::check(back.has_value());
    // Serials count the time forward from midnight also before 1899, so compare the parts.
    const auto a = date::toCivil(serial), b = date::toCivil(*back);
    fuzz::check(a && b && a->year == b->year && a->month == b->month && a->day == b->day &&
                a->hour == b->hour && a->minute == b->minute && a->second == b->second);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LocaleScope scope(fuzz::locale(data, size));
    const std::string_view text = fuzz::text(data, size);
    const auto serial = parseDate(text);
    fuzz::check(IsDate(Variant{text}) == serial.has_value());
    if (serial) readsBack(*serial);

    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        if (d > date::MinSerial - 1 && d < date::MaxSerial + 1 && date::toCivil(d)) readsBack(d);
    }
    return 0;
}
