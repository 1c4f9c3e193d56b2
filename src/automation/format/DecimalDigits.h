#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace tav {

// The magnitude of a number as decimal digits, the form the formatter rounds and lays out:
// 0.d1 d2 ... dn x 10^pointPos, without leading or trailing zeros (no digits at all is zero).
// Doubles enter with 15 significant digits and singles with 7, as the platform reads them before
// formatting, so that Format(1.005, "0.00") sees 1.00500000000000 and rounds up to 1.01.
class DecimalDigits {
  public:
    static constexpr int MaxDigits = 24;
    static constexpr int DoubleDigits = 15;
    static constexpr int SingleDigits = 7;

    DecimalDigits() = default;

    // |d| rounded to `significant` digits (1..17); infinities and NaN give zero (callers that
    // care test for them first).
    static DecimalDigits fromDouble(double d, int significant = DoubleDigits);
    // An unsigned integer divided by 10^decimals, exactly (integers, and currency with 4).
    static DecimalDigits fromScaled(uint64_t value, int decimals = 0);

    bool isZero() const noexcept { return count_ == 0; }
    int count() const noexcept { return count_; }
    int pointPos() const noexcept { return pointPos_; }

    // The digit character at index i of the digit string ('0' outside it, also for i < 0).
    char digit(int64_t i) const noexcept {
        return i >= 0 && i < count_ ? digits_[static_cast<size_t>(i)] : '0';
    }
    // The digit of the units at 10^power (power 0 = units, -1 = tenths, ...).
    char digitAtPower(int64_t power) const noexcept {
        return digit(int64_t(pointPos_) - 1 - power);
    }
    // How many digits stand before the decimal point (0 for values below 1).
    int integerDigits() const noexcept { return count_ == 0 || pointPos_ < 0 ? 0 : pointPos_; }

    // Multiplies by 10^power (percent signs and scaling commas); the shift is clamped far beyond
    // anything a double can reach so that the exponent arithmetic can never overflow.
    void shift(int power) noexcept;
    // Rounds half away from zero, keeping `decimals` fraction digits (may be negative).
    void roundToDecimals(int64_t decimals) noexcept { roundKeeping(int64_t(pointPos_) + decimals); }
    // Rounds half away from zero to `significant` digits.
    void roundToSignificant(int64_t significant) noexcept { roundKeeping(significant); }
    // Turns the value into a mantissa with `integerPlaces` digits before the point and returns
    // the decimal exponent that goes with it (0 for zero).
    int normaliseMantissa(int integerPlaces) noexcept;

  private:
    // The digits of value / 10^decimals (a value of zero leaves them empty).
    void setScaled(uint64_t value, int decimals) noexcept;
    void roundKeeping(int64_t keep) noexcept;
    void trimTrailingZeros() noexcept;

    std::array<char, MaxDigits> digits_{};
    int count_ = 0;
    int pointPos_ = 0;
};

}  // namespace tav
