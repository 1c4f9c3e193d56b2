#include "automation/conversions/Conversions.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Blanks.h"
#include "automation/conversions/DateMath.h"
#include "automation/conversions/DateParser.h"
#include "automation/conversions/DateText.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/conversions/NumberParser.h"
#include "automation/conversions/NumberText.h"

namespace tav {

namespace {

constexpr int CurrencyScale = 4;
constexpr int64_t CurrencyUnit = 10000;
constexpr double CurrencyUnitAsDouble = 10000.0;
constexpr int DoubleDigits = 15;
constexpr int SingleDigits = 7;
constexpr std::string_view TrueText = "True";
constexpr std::string_view FalseText = "False";
constexpr std::string_view TrueNumberText = "-1";
constexpr std::string_view FalseNumberText = "0";
// The spellings Booleans have in data written by older tools; upper case only.
constexpr std::string_view TrueToken = "#TRUE#";
constexpr std::string_view FalseToken = "#FALSE#";
// Doubles from here on round to infinity as a float (FLT_MAX plus half its last unit).
constexpr double SingleOverflow = 3.4028235677973366e38;
// -2^63 and 2^63: the currency range, both exactly representable.
constexpr double Int64Low = -9223372036854775808.0;
constexpr double Int64High = 9223372036854775808.0;

// A text buffer big enough for every scalar's text but a date's.
using ScalarBuffer = char[numtext::NumberTextCapacity];

[[noreturn]] void mismatch() {
    throwTypeMismatch();
}

// The integer types: their range, whether "&HFFFF" reads as -1 in them, and what True is.
struct IntTarget {
    int64_t low;
    int64_t high;
    bool radixAsInteger;
    int64_t trueValue;
};
constexpr IntTarget I2Target{std::numeric_limits<int16_t>::min(),
                             std::numeric_limits<int16_t>::max(), true, -1};
constexpr IntTarget I4Target{std::numeric_limits<int32_t>::min(),
                             std::numeric_limits<int32_t>::max(), false, -1};
// A byte reads the bits of True (all set) as 255.
constexpr IntTarget UI1Target{0, std::numeric_limits<uint8_t>::max(), false,
                              std::numeric_limits<uint8_t>::max()};

int64_t checked(int64_t v, const IntTarget& t) {
    if (v < t.low || v > t.high) throwOverflow();
    return v;
}

// Half to even: rint in the default rounding mode (nearbyint would also save and restore the
// floating-point state, several times slower). NaN and out-of-range values overflow.
int64_t roundDouble(double d, const IntTarget& t) {
    const double r = std::rint(d);
    if (!(r >= static_cast<double>(t.low) && r <= static_cast<double>(t.high))) throwOverflow();
    return static_cast<int64_t>(r);
}

int64_t roundCurrency(int64_t cy) {
    int64_t q = cy / CurrencyUnit;
    const int64_t r = cy % CurrencyUnit;
    constexpr int64_t half = CurrencyUnit / 2;
    const bool odd = (q & 1) != 0;
    if (r > half || (r == half && odd)) ++q;
    if (r < -half || (r == -half && odd)) --q;
    return q;
}

void scanOrMismatch(std::string_view s, const Locale& loc, numtext::ParsedNumber& n) {
    if (!numtext::scan(s, loc, n)) mismatch();
}

void overflowUnlessOk(numtext::Outcome o) {
    if (o != numtext::Outcome::Ok) throwOverflow();
}

int64_t textToInteger(std::string_view s, const IntTarget& t, const Locale& loc) {
    numtext::ParsedNumber n;
    scanOrMismatch(s, loc, n);
    if (n.radixLiteral) {
        int32_t word = 0;
        overflowUnlessOk(numtext::radixWord(n, t.radixAsInteger, word));
        return checked(word, t);
    }
    int64_t v = 0;
    overflowUnlessOk(numtext::toScaled(n, 0, v));
    return checked(v, t);
}

int64_t toInteger(const Variant& v, const IntTarget& t, const Locale& loc) {
    switch (v.type()) {
        case VarType::Empty:
            return 0;
        case VarType::I2:
            return checked(v.i2(), t);
        case VarType::I4:
            return checked(v.i4(), t);
        case VarType::UI1:
            return checked(v.ui1(), t);
        case VarType::Bool:
            return v.boolean() ? t.trueValue : 0;
        case VarType::R4:
            return roundDouble(v.r4(), t);
        case VarType::R8:
            return roundDouble(v.r8(), t);
        case VarType::Date:
            return roundDouble(v.date(), t);
        case VarType::Currency:
            return checked(roundCurrency(v.currency()), t);
        case VarType::String:
            return textToInteger(v.str(), t, loc);
        default:
            mismatch();
    }
}

double textToDouble(std::string_view s, const Locale& loc) {
    const numtext::DoubleReading r = numtext::readDouble(s, loc);
    if (r.outcome == numtext::Outcome::NotNumber) mismatch();
    overflowUnlessOk(r.outcome);
    return r.value;
}

double toDouble(const Variant& v, const Locale& loc) {
    switch (v.type()) {
        case VarType::R8:
            return v.r8();
        case VarType::Empty:
            return 0;
        case VarType::I2:
            return v.i2();
        case VarType::I4:
            return v.i4();
        case VarType::UI1:
            return v.ui1();
        case VarType::R4:
            return v.r4();
        case VarType::Date:
            return v.date();
        case VarType::Currency:
            return static_cast<double>(v.currency()) / CurrencyUnitAsDouble;
        case VarType::Bool:
            return v.boolean() ? -1 : 0;
        case VarType::String:
            return textToDouble(v.str(), loc);
        default:
            mismatch();
    }
}

float narrowToSingle(double d) {
    if (std::isnan(d)) return static_cast<float>(d);
    if (!(std::fabs(d) < SingleOverflow)) throwOverflow();
    return static_cast<float>(d);
}

float toSingle(const Variant& v, const Locale& loc) {
    switch (v.type()) {
        case VarType::R4:
            return v.r4();
        case VarType::String: {
            numtext::ParsedNumber n;
            scanOrMismatch(v.str(), loc, n);
            float f = 0;
            overflowUnlessOk(numtext::toSingle(n, f));
            return f;
        }
        default:
            return narrowToSingle(toDouble(v, loc));
    }
}

int64_t scaleToCurrency(double d) {
    const double r = std::rint(d * CurrencyUnitAsDouble);
    if (!(r >= Int64Low && r < Int64High)) throwOverflow();
    return static_cast<int64_t>(r);
}

int64_t toCurrency(const Variant& v, const Locale& loc) {
    switch (v.type()) {
        case VarType::Currency:
            return v.currency();
        case VarType::Empty:
            return 0;
        case VarType::I2:
            return v.i2() * CurrencyUnit;
        case VarType::I4:
            return v.i4() * CurrencyUnit;
        case VarType::UI1:
            return v.ui1() * CurrencyUnit;
        case VarType::Bool:
            return v.boolean() ? -CurrencyUnit : 0;
        case VarType::R4:
            return scaleToCurrency(v.r4());
        case VarType::R8:
            return scaleToCurrency(v.r8());
        case VarType::Date:
            return scaleToCurrency(v.date());
        case VarType::String: {
            numtext::ParsedNumber n;
            scanOrMismatch(v.str(), loc, n);
            int64_t cy = 0;
            overflowUnlessOk(numtext::toScaled(n, CurrencyScale, cy));
            return cy;
        }
        default:
            mismatch();
    }
}

double checkedSerial(double d) {
    if (!date::inRange(d)) throwOverflow();
    return d;
}

double toDateSerial(const Variant& v, const Locale& loc) {
    switch (v.type()) {
        case VarType::Date:
            return v.date();
        case VarType::String: {
            const auto serial = dateparse::read(v.str(), loc);
            if (!serial) mismatch();
            return *serial;
        }
        default:
            return checkedSerial(toDouble(v, loc));
    }
}

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

bool textToBool(std::string_view s, const Locale& loc) {
    const std::string_view word = blanks::trim(s);
    if (sameLetters(word, TrueText) || word == TrueToken) return true;
    if (sameLetters(word, FalseText) || word == FalseToken) return false;
    return textToDouble(s, loc) != 0;
}

bool toBool(const Variant& v, const Locale& loc) {
    switch (v.type()) {
        case VarType::Bool:
            return v.boolean();
        case VarType::Empty:
            return false;
        case VarType::I2:
            return v.i2() != 0;
        case VarType::I4:
            return v.i4() != 0;
        case VarType::UI1:
            return v.ui1() != 0;
        case VarType::R4:
            return v.r4() != 0;
        case VarType::R8:
            return v.r8() != 0;
        case VarType::Date:
            return v.date() != 0;
        case VarType::Currency:
            return v.currency() != 0;
        case VarType::String:
            return textToBool(v.str(), loc);
        default:
            mismatch();
    }
}

template <class Int>
std::string_view integerText(Int value, char* buf) {
    return {buf, static_cast<size_t>(
                     std::to_chars(buf, buf + numtext::NumberTextCapacity, value).ptr - buf)};
}

std::string_view numberText(double d, int digits, const Locale& loc, char* buf,
                            numtext::Ties ties = numtext::Ties::ToEven) {
    return {buf, static_cast<size_t>(
                     numtext::writeNumber(buf, d, digits, loc.decimalSeparator, ties) - buf)};
}

// The text of a value that is neither a string nor a date, written into `buf`.
std::string_view scalarText(const Variant& v, bool alphaBool, const Locale& loc, char* buf) {
    switch (v.type()) {
        case VarType::Empty:
            return {};
        case VarType::I2:
            return integerText(v.i2(), buf);
        case VarType::I4:
            return integerText(v.i4(), buf);
        case VarType::UI1:
            return integerText(static_cast<unsigned>(v.ui1()), buf);
        case VarType::R4:
            // A single halfway at its seventh digit rounds away from zero (654322.25 gives
            // "654322.3").
            return numberText(v.r4(), SingleDigits, loc, buf, numtext::Ties::AwayFromZero);
        case VarType::R8:
            return numberText(v.r8(), DoubleDigits, loc, buf);
        case VarType::Currency:
            return {buf,
                    static_cast<size_t>(
                        numtext::writeCurrency(buf, v.currency(), loc.decimalSeparator) - buf)};
        case VarType::Bool:
            if (alphaBool) return v.boolean() ? TrueText : FalseText;
            return v.boolean() ? TrueNumberText : FalseNumberText;
        default:
            mismatch();
    }
}

Variant toStringVariant(const Variant& v, bool alphaBool, const Locale& loc) {
    if (v.type() == VarType::Date) return Variant(dateToText(v.date(), loc));
    ScalarBuffer buf;
    return Variant(scalarText(v, alphaBool, loc, buf));
}

}  // namespace

Variant changeType(const Variant& v, VarType to, bool alphaBool, const Locale& loc) {
    if (v.type() == to || to == VarType::Variant) return v;
    switch (to) {
        case VarType::Empty:
            switch (v.type()) {
                case VarType::Null:
                case VarType::Error:
                case VarType::Object:
                case VarType::Array:
                    mismatch();
                default:
                    return Variant();
            }
        case VarType::I2:
            return Variant::I2(static_cast<int16_t>(toInteger(v, I2Target, loc)));
        case VarType::I4:
            return Variant::I4(static_cast<int32_t>(toInteger(v, I4Target, loc)));
        case VarType::UI1:
            return Variant::UI1(static_cast<uint8_t>(toInteger(v, UI1Target, loc)));
        case VarType::R4:
            return Variant::R4(toSingle(v, loc));
        case VarType::R8:
            return Variant::R8(toDouble(v, loc));
        case VarType::Currency:
            return Variant::Currency(toCurrency(v, loc));
        case VarType::Date:
            return Variant::Date(toDateSerial(v, loc));
        case VarType::Bool:
            return Variant::Bool(toBool(v, loc));
        case VarType::String:
            return toStringVariant(v, alphaBool, loc);
        case VarType::Null:
        case VarType::Error:
        case VarType::Object:
        case VarType::Unknown:
        case VarType::Array:
            mismatch();
        default:
            throwError(err::BadVarType);
    }
}

std::string CStr(const Variant& v, const Locale& loc) {
    switch (v.type()) {
        case VarType::String:
            return std::string(v.str());
        case VarType::Date:
            return dateToText(v.date(), loc);
        default: {
            ScalarBuffer buf;
            return std::string(scalarText(v, true, loc, buf));
        }
    }
}

double CDbl(const Variant& v, const Locale& loc) {
    return toDouble(v, loc);
}
float CSng(const Variant& v, const Locale& loc) {
    return toSingle(v, loc);
}
int32_t CLng(const Variant& v, const Locale& loc) {
    return static_cast<int32_t>(toInteger(v, I4Target, loc));
}
int16_t CInt(const Variant& v, const Locale& loc) {
    return static_cast<int16_t>(toInteger(v, I2Target, loc));
}
uint8_t CByte(const Variant& v, const Locale& loc) {
    return static_cast<uint8_t>(toInteger(v, UI1Target, loc));
}
int64_t CCur(const Variant& v, const Locale& loc) {
    return toCurrency(v, loc);
}
bool CBool(const Variant& v, const Locale& loc) {
    return toBool(v, loc);
}
double CDate(const Variant& v, const Locale& loc) {
    return toDateSerial(v, loc);
}

bool IsNumeric(const Variant& v, const Locale& loc) {
    switch (v.type()) {
        case VarType::Empty:
        case VarType::I2:
        case VarType::I4:
        case VarType::UI1:
        case VarType::R4:
        case VarType::R8:
        case VarType::Currency:
        case VarType::Bool:
            return true;
        case VarType::String:
            return parseNumber(v.str(), loc).has_value();
        default:
            return false;
    }
}

bool IsDate(const Variant& v, const Locale& loc) {
    switch (v.type()) {
        case VarType::Date:
            return true;
        case VarType::String:
            return parseDate(v.str(), loc).has_value();
        default:
            return false;
    }
}

std::optional<double> parseNumber(std::string_view text, const Locale& loc) {
    const numtext::DoubleReading r = numtext::readDouble(text, loc);
    if (r.outcome != numtext::Outcome::Ok) return std::nullopt;
    return r.value;
}

std::optional<double> parseDate(std::string_view text, const Locale& loc) {
    return dateparse::read(text, loc);
}

std::string numberToText(double d, int significantDigits, const Locale& loc) {
    ScalarBuffer buf;
    return std::string(numberText(d, significantDigits, loc, buf));
}

std::string dateToText(double serial, const Locale& loc) {
    const auto civil = date::toCivil(serial);
    // Serials outside 1/1/100 .. 12/31/9999 have no calendar date to show.
    if (!civil) throwError(err::InvalidProcedureCall);
    return datetext::dateTimeText(*civil, loc);
}

int32_t roundToI4(double d) {
    return static_cast<int32_t>(roundDouble(d, I4Target));
}

}  // namespace tav
