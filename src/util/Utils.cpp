#include "util/Utils.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/SafeArray.h"

namespace tav::Utils {

namespace {

bool isShortOrLong(VarType t) { return t == VarType::I2 || t == VarType::I4; }

int32_t asLong(const Variant& v) { return v.type() == VarType::I2 ? v.i2() : v.i4(); }

int sign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

bool dateLike(const Variant& v) { return v.type() == VarType::Date || (v.isString() && IsDate(v)); }

}  // namespace

bool DoublesDiffer(double x, double y) {
    if (x == y) return false;
    if (sign(x) != sign(y)) return true;
    const double relative = std::fabs(std::fabs(x) - std::fabs(y)) / std::max(std::fabs(x), std::fabs(y));
    // Overflow (infinities, NaN) counts as different, as the cleared error did.
    return !(relative < RelativeTolerance);
}

bool ValuesDifferSlow(const Variant& a, const Variant& b) {
    if (a.isEmpty() || b.isEmpty()) return !(a.isEmpty() && b.isEmpty());
    if (a.isNull() || b.isNull()) return !(a.isNull() && b.isNull());
    if (a.isObject() || b.isObject()) return !(a.isObject() && b.isObject() && a.object() == b.object());
    if ((a.type() == VarType::Date && dateLike(b)) || (b.type() == VarType::Date && dateLike(a)))
        return CDate(a) != CDate(b);
    if (isShortOrLong(a.type()) && isShortOrLong(b.type())) return asLong(a) != asLong(b);
    if (!IsNumeric(a) || !IsNumeric(b)) return CStr(a) != CStr(b);
    return DoublesDiffer(CDbl(a), CDbl(b));
}

bool ArrayHasContent(const Variant& a) {
    if (!a.isArray())
        throw AutomationError(err::InvalidProcedureCall, std::string(ErrSource), std::string(ErrNotAnArray));
    const SafeArray& arr = a.array();
    if (!arr.allocated() || arr.dims() < 1) return false;
    return arr.ubound(1) >= arr.lbound(1);
}

Variant CNum(Variant v) {
    // The common case, a Double: whole and within the Long range (NaN is neither) is a Long.
    if (v.type() == VarType::R8) {
        int32_t whole;
        if (DoubleAsLong(v.r8(), whole)) return Variant::I4(whole);
        return v;
    }
    if (!IsNumeric(v)) return v;
    try {
        const double d = CDbl(v);
        v = Variant::R8(d);
        if (std::nearbyint(d) == d && d >= std::numeric_limits<int32_t>::min() &&
            d <= std::numeric_limits<int32_t>::max())
            v = Variant::I4(static_cast<int32_t>(d));
    } catch (const AutomationError&) {
        // What could not be converted stays as converted so far.
    }
    return v;
}

void CopyVariant(Variant& dest, const Variant& src) { dest = src; }

void ReverseArray(Variant& a) {
    if (!a.isArray()) throwTypeMismatch();
    SafeArray& arr = a.array();
    const int32_t lower = arr.lbound(1);
    const int32_t upper = arr.ubound(1);
    const int64_t n = int64_t(upper) - lower + 1;
    auto fitsShort = [](int64_t x) { return x >= INT16_MIN && x <= INT16_MAX; };
    if (!fitsShort(n) || !fitsShort(lower) || !fitsShort(upper)) throwOverflow();
    const int32_t half = FloorLong(static_cast<double>(n) / 2);
    for (int32_t i = 0; i < half; ++i) {
        Variant tmp;
        CopyVariant(tmp, arr.at({lower + i}));
        CopyVariant(arr.at({lower + i}), arr.at({upper - i}));
        CopyVariant(arr.at({upper - i}), tmp);
    }
}

void ReverseArray(std::span<Variant> elements) {
    if (elements.size() > static_cast<size_t>(INT16_MAX)) throwOverflow();
    std::reverse(elements.begin(), elements.end());
}

int32_t FloorLong(double d) {
    double t = std::trunc(d);
    if (t > d) t -= 1;
    if (!(t >= std::numeric_limits<int32_t>::min() && t <= std::numeric_limits<int32_t>::max()))
        throwOverflow();
    return static_cast<int32_t>(t);
}

}  // namespace tav::Utils
