#include "automation/format/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "automation/values/ForceInline.h"

namespace tav {

namespace {
// Far beyond the decimal exponent of any double (about ±324) or currency value, small enough
// that sums of it with placeholder counts stay well inside int64.
constexpr int kPointLimit = 1 << 20;
constexpr int kMaxDoubleDigits = 17;
// Up to this many digits, a double's shortest text is the double rounded to them.
constexpr int kShortestExactDigits = 15;
// Whole numbers below this have at most 15 digits and are exact in a double.
constexpr double kWholeNumberLimit = 1e15;

// Reads "d.dddde±XX" (as to_chars writes it); false when it has more than `limit` digits.
bool readScientific(const char* p, const char* end, int limit, char* digits, int& count, int& pointPos) {
    int n = 0;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.') continue;
        if (n == limit) return false;
        digits[n++] = *p;
    }
    int exponent = 0;
    if (p < end) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    count = n;
    pointPos = exponent + 1;
    return true;
}

}  // namespace

// In line with fromDouble() too, whose whole numbers take this way.
TAV_FORCE_INLINE inline void DecimalDigits::setScaled(uint64_t value, int decimals) noexcept {
    if (value == 0) return;
    const auto res = std::to_chars(digits_.data(), digits_.data() + digits_.size(), value);
    count_ = static_cast<int>(res.ptr - digits_.data());
    pointPos_ = count_ - decimals;
    trimTrailingZeros();
}

DecimalDigits DecimalDigits::fromDouble(double d, int significant) {
    DecimalDigits r;
    if (!std::isfinite(d) || d == 0) return r;
    significant = std::clamp(significant, 1, kMaxDoubleDigits);
    char buf[48];
    const double magnitude = std::fabs(d);
    // A whole number (a count, a value scaled to small units) is its own digits, which is what
    // either way below finds for it when they are no more than asked for; an integer conversion
    // writes them far faster.
    if (magnitude < kWholeNumberLimit) {
        const auto whole = static_cast<uint64_t>(magnitude);
        if (static_cast<double>(whole) == magnitude) {
            r.setScaled(whole, 0);
            if (r.count_ <= significant) return r;
        }
    }
    // The shortest text that reads back as a normal d, when it has no more digits than asked
    // for (up to 15), is d rounded to those digits: d lies within half a unit in the last place
    // of it, less than half a step of the 15th digit. Longer texts, and subnormal numbers, whose
    // last place is far coarser, need the exact rounding.
    if (significant <= kShortestExactDigits && std::isnormal(d)) {
        const auto shortest = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
        if (readScientific(buf, shortest.ptr, significant, r.digits_.data(), r.count_, r.pointPos_)) {
            r.trimTrailingZeros();
            return r;
        }
    }
    // Scientific text rounded to the wanted digits (round-half-even on the exact binary value,
    // which is how the platform reads a double into decimal).
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, significant - 1);
    readScientific(buf, res.ptr, kMaxDoubleDigits, r.digits_.data(), r.count_, r.pointPos_);
    r.trimTrailingZeros();
    return r;
}

DecimalDigits DecimalDigits::fromScaled(uint64_t value, int decimals) {
    DecimalDigits r;
    r.setScaled(value, decimals);
    return r;
}

void DecimalDigits::shift(int power) noexcept {
    if (count_ == 0) return;
    pointPos_ = std::clamp(pointPos_ + std::clamp(power, -kPointLimit, kPointLimit), -kPointLimit,
                           kPointLimit);
}

int DecimalDigits::normaliseMantissa(int integerPlaces) noexcept {
    if (count_ == 0) return 0;
    const int exponent = pointPos_ - integerPlaces;
    pointPos_ = integerPlaces;
    return exponent;
}

void DecimalDigits::roundKeeping(int64_t keep) noexcept {
    if (count_ == 0 || keep >= count_) return;
    if (keep < 0) {  // the first dropped digit lies left of every digit we have: it is a zero
        count_ = 0;
        return;
    }
    const bool up = digits_[static_cast<size_t>(keep)] >= '5';
    count_ = static_cast<int>(keep);
    if (up) {
        int i = count_ - 1;
        while (i >= 0 && digits_[static_cast<size_t>(i)] == '9') --i;
        if (i < 0) {  // 999.5 -> 1000: one digit more before the point
            digits_[0] = '1';
            count_ = 1;
            pointPos_ = std::min(pointPos_ + 1, kPointLimit);
        } else {
            ++digits_[static_cast<size_t>(i)];
            count_ = i + 1;
        }
    }
    trimTrailingZeros();
}

void DecimalDigits::trimTrailingZeros() noexcept {
    while (count_ > 0 && digits_[static_cast<size_t>(count_ - 1)] == '0') --count_;
}

}  // namespace tav
