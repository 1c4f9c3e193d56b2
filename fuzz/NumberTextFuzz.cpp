// Number text both ways: text through every numeric conversion (CDbl, CSng, CLng, CInt, CByte,
// CCur, CBool, IsNumeric), and the text a number converts to, which must read back; in a locale
// the input picks.
#include <cmath>
#include <cstring>

#include "FuzzInput.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"

namespace {

using namespace tav;

template <class F>
void tolerant(F&& convert) {
    try {
        convert();
    } catch (const AutomationError& e) {
        fuzz::check(e.number() == err::TypeMismatch || e.number() == err::Overflow);
    }
}

// Below this a double's 15-digit text cannot round up past the largest double.
constexpr double kReadableLimit = 1e308;

// The text of a finite number reads back as a number (15 digits for doubles, 7 for singles).
void readsBack(const Variant& number) {
    const std::string text = CStr(number);
    fuzz::check(parseNumber(text).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LocaleScope scope(fuzz::locale(data, size));
    const std::string_view text = fuzz::text(data, size);
    const Variant s{text};
    const auto number = parseNumber(text);
    fuzz::check(IsNumeric(s) == number.has_value());
    tolerant([&] { CDbl(s); });
    tolerant([&] { CSng(s); });
    tolerant([&] { CLng(s); });
    tolerant([&] { CInt(s); });
    tolerant([&] { CByte(s); });
    tolerant([&] { CCur(s); });
    tolerant([&] { CBool(s); });
    if (number) readsBack(Variant::R8(*number));

    // The raw bytes as a double and as a single: their text reads back unless they are not
    // finite (those have texts of their own, "1.#INF") or round up past the largest double.
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        if (std::fabs(d) < kReadableLimit) readsBack(Variant::R8(d));
        float f;
        std::memcpy(&f, data, sizeof f);
        if (std::isfinite(f)) readsBack(Variant::R4(f));
        tolerant([&] { CCur(Variant::R8(d)); });
        tolerant([&] { CLng(Variant::R8(d)); });
    }
    return 0;
}
