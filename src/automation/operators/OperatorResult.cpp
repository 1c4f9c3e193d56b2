#include "automation/operators/OperatorResult.h"

#include <cmath>
#include <limits>
#include <string>

#include "automation/conversions/DateMath.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"

namespace tav::result {

namespace {

// A string Variant counts its length in 32 bits; text beyond what a counted string of the
// platform holds (2^31 - 1 units) is out of memory rather than silently cut.
constexpr size_t kMaxTextLength = 0x7FFFFFFF;

template <class T>
constexpr bool fits(int64_t v) noexcept {
    return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

// The narrowest integer type from `type` upwards that holds the value, or Empty when none does.
VarType integerTypeFor(int64_t value, VarType type) noexcept {
    if (type == VarType::UI1 && fits<uint8_t>(value)) return VarType::UI1;
    if (type != VarType::I4 && fits<int16_t>(value)) return VarType::I2;
    if (fits<int32_t>(value)) return VarType::I4;
    return VarType::Empty;
}

Variant integerVariant(int64_t value, VarType type) noexcept {
    switch (type) {
        case VarType::UI1:
            return Variant::UI1(static_cast<uint8_t>(value));
        case VarType::I2:
            return Variant::I2(static_cast<int16_t>(value));
        default:
            return Variant::I4(static_cast<int32_t>(value));
    }
}

}  // namespace

Variant whole(int64_t value, VarType type) {
    const VarType fitting = integerTypeFor(value, type);
    if (fitting == VarType::Empty) return Variant::R8(static_cast<double>(value));
    return integerVariant(value, fitting);
}

Variant integer(int64_t value, VarType type) {
    const VarType fitting = integerTypeFor(value, type);
    if (fitting == VarType::Empty) throwOverflow();
    return integerVariant(value, fitting);
}

Variant real(double value, VarType type) {
    if (!std::isfinite(value)) throwOverflow();
    switch (type) {
        case VarType::R4:
            if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
                return Variant::R8(value);
            return Variant::R4(static_cast<float>(value));
        case VarType::Date:
            return Variant::Date(value);
        default:
            return Variant::R8(value);
    }
}

Variant date(double serial) {
    if (!date::inRange(serial)) throwOverflow();
    return Variant::Date(serial);
}

Variant joined(std::string_view a, std::string_view b) {
    if (a.empty()) return Variant(b);
    if (b.empty()) return Variant(a);
    if (a.size() + b.size() > kMaxTextLength) throwError(err::OutOfMemory);  // sizes fit 32 bits
    std::string text;
    text.reserve(a.size() + b.size());
    text.append(a).append(b);
    return Variant(text);
}

}  // namespace tav::result
