#include "automation/format/NumberFormatter.h"

#include <algorithm>
#include <charconv>

namespace tav {

namespace {

using Item = NumberSection::Item;
using Op = NumberSection::Op;

constexpr char kZeroPlaceholder = '0';
constexpr char kDigitPlaceholder = '#';
constexpr char kPercent = '%';
constexpr char kMinus = '-';
constexpr char kPlus = '+';
constexpr int kPercentShift = 2;         // x 100
constexpr int kThousandShift = 3;        // / 1000 per scaling comma
constexpr int kMaxScalingCommas = 1000;  // beyond this every double is zero anyway
constexpr int kGroupSize = 3;
constexpr int kGeneralMinExponent = -4;  // 0.0001 is plain, 0.00001 is 1E-05
constexpr int kGeneralExponentDigits = 2;

bool isPlaceholder(const FormatChar& fc) noexcept {
    return fc.isRaw(kZeroPlaceholder) || fc.isRaw(kDigitPlaceholder);
}

// Builds the item list; commas are first kept as provisional GroupSeparator items and sorted
// out once all integer placeholders are known.
class SectionBuilder {
  public:
    explicit SectionBuilder(std::span<const FormatChar> chars) : chars_(chars) {}

    NumberSection build() {
        for (size_t i = 0; i < chars_.size(); ++i) i = take(i);
        resolveCommas();
        numberPlaceholders();
        s_.empty = false;
        return std::move(s_);
    }

  private:
    // Handles the character at i; returns the index of the last character it consumed.
    size_t take(size_t i) {
        const FormatChar& fc = chars_[i];
        if (fc.kind == FormatChar::Kind::CurrencySymbol) {
            push(Op::CurrencySymbol);
            return i;
        }
        if (!fc.isRaw()) {
            literal(fc.c);
            return i;
        }
        const char c = fc.c;
        if (c == kPercent) {
            s_.percent = true;
            push(Op::Percent);
        } else if (s_.scientific) {
            literal(c);  // after the exponent everything is text
        } else if (c == kZeroPlaceholder || c == kDigitPlaceholder) {
            ++placeholders_;
            if (s_.hasDecimalPoint) {
                Item& it = push(Op::FractionDigit);
                it.placeholder = c;
                it.position = s_.fractionPlaces++;
            } else {
                push(Op::IntegerDigit).placeholder = c;
            }
        } else if (c == '.' && !s_.hasDecimalPoint) {
            s_.hasDecimalPoint = true;
            push(Op::DecimalPoint);
        } else if (c == ',') {
            push(Op::GroupSeparator);
            commas_.push_back(s_.items.size() - 1);
        } else if ((c == 'E' || c == 'e') && startsExponent(i)) {
            s_.scientific = true;
            s_.exponentUpper = c == 'E';
            s_.exponentAlwaysSigned = chars_[i + 1].c == kPlus;
            push(Op::Exponent);
            size_t j = i + 2;
            for (; j < chars_.size() && isPlaceholder(chars_[j]); ++j)
                if (chars_[j].c == kZeroPlaceholder) ++s_.exponentMinDigits;
            return j - 1;
        } else {
            literal(c);
        }
        return i;
    }

    // E+/E-/e+/e- after a digit placeholder starts the exponent, with or without placeholders
    // of its own; what follows them is text after the exponent's digits ("0.0e-1" writes
    // "1.7e01" for 1.7).
    bool startsExponent(size_t i) const {
        return placeholders_ > 0 && i + 1 < chars_.size() &&
               (chars_[i + 1].isRaw(kPlus) || chars_[i + 1].isRaw(kMinus));
    }

    Item& push(Op op) {
        s_.items.push_back(Item{op});
        return s_.items.back();
    }

    void literal(char c) {
        if (s_.items.empty() || s_.items.back().op != Op::Literal) {
            Item& it = push(Op::Literal);
            it.offset = static_cast<uint32_t>(s_.text.size());
        }
        s_.text.push_back(c);
        ++s_.items.back().length;
    }

    // A comma between digits turns grouping on, among the decimals too ("#.##0,00" groups the
    // integer part); commas after the last digit of the integer part or of the whole number
    // scale by 1000 each ("#,##0,", "0.0,,"); a comma before any digit is just the separator
    // character.
    void resolveCommas() {
        if (commas_.empty()) return;
        std::vector<bool> drop(s_.items.size(), false);
        const size_t none = s_.items.size();
        size_t firstDigit = none, lastInteger = 0, lastFraction = 0, point = none;
        for (size_t i = 0; i < s_.items.size(); ++i) {
            const Op op = s_.items[i].op;
            if (op == Op::IntegerDigit || op == Op::FractionDigit)
                firstDigit = std::min(firstDigit, i);
            if (op == Op::IntegerDigit) lastInteger = i;
            if (op == Op::FractionDigit) lastFraction = i;
            if (op == Op::DecimalPoint) point = i;
        }
        for (size_t k : commas_) {
            if (firstDigit > k) continue;
            drop[k] = true;
            const bool inIntegerPart = k < point;
            const bool digitsFollow = inIntegerPart ? lastInteger > k : lastFraction > k;
            if (digitsFollow)
                s_.grouping = true;
            else
                s_.scaleThousands = std::min(s_.scaleThousands + 1, kMaxScalingCommas);
        }
        size_t out = 0;
        for (size_t i = 0; i < s_.items.size(); ++i)
            if (!drop[i]) s_.items[out++] = s_.items[i];
        s_.items.resize(out);
    }

    void numberPlaceholders() {
        for (const Item& it : s_.items) s_.integerPlaces += it.op == Op::IntegerDigit;
        int32_t position = s_.integerPlaces;
        for (Item& it : s_.items) {
            if (it.op == Op::IntegerDigit) {
                it.position = --position;
                if (it.placeholder == kZeroPlaceholder)
                    s_.highestIntegerZero = std::max(s_.highestIntegerZero, it.position);
            } else if (it.op == Op::FractionDigit && it.placeholder == kZeroPlaceholder) {
                s_.lastFractionZero = it.position;
            }
        }
    }

    std::span<const FormatChar> chars_;
    NumberSection s_;
    std::vector<size_t> commas_;
    int placeholders_ = 0;
};

// Writes integer digits and puts the locale's group separator between groups: the primary group
// next to the point, secondary groups beyond it (three and three mostly: 1,234,567; three and
// two in India: 12,34,567).
class IntegerWriter {
  public:
    IntegerWriter(const NumberSection& s, const Locale& loc, std::string& out)
        : s_(s), loc_(loc), out_(out),
          primary_(loc.primaryGroup > 0 ? loc.primaryGroup : kGroupSize),
          secondary_(loc.secondaryGroup > 0 ? loc.secondaryGroup : primary_) {}
    void put(int64_t power, char digit) {
        out_ += digit;
        if (s_.grouping && endsGroup(power)) out_ += loc_.thousandsSeparator;
    }
    void putRange(const DecimalDigits& v, int64_t from, int64_t downTo) {
        for (int64_t p = from; p >= downTo; --p) put(p, v.digitAtPower(p));
    }

  private:
    // Whether a separator follows the digit of 10^power.
    bool endsGroup(int64_t power) const {
        return power >= primary_ && (power - primary_) % secondary_ == 0;
    }

    const NumberSection& s_;
    const Locale& loc_;
    std::string& out_;
    int64_t primary_;
    int64_t secondary_;
};

void appendExponent(const NumberSection& s, int exponent, std::string& out) {
    out += s.exponentUpper ? 'E' : 'e';
    if (exponent < 0)
        out += kMinus;
    else if (s.exponentAlwaysSigned)
        out += kPlus;
    char buf[16];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, exponent < 0 ? -int64_t(exponent) : int64_t(exponent));
    // '0' places set the least number of digits; '#' places add none, but an exponent always
    // shows at least one digit.
    out.append(static_cast<size_t>(std::max<int64_t>(0, s.exponentMinDigits - (res.ptr - buf))),
               '0');
    out.append(buf, res.ptr);
}

}  // namespace

bool isNumberMark(char c) noexcept {
    return c == kZeroPlaceholder || c == kDigitPlaceholder || c == kPercent;
}

NumberSection compileNumberSection(std::span<const FormatChar> chars) {
    return SectionBuilder(chars).build();
}

void appendNumber(const NumberSection& s, DecimalDigits v, bool negative, const Locale& loc,
                  std::string& out) {
    if (s.percent) v.shift(kPercentShift);
    if (s.scaleThousands > 0) v.shift(-kThousandShift * s.scaleThousands);
    int exponent = 0;
    if (s.scientific) {
        v.roundToSignificant(std::max<int64_t>(1, int64_t(s.integerPlaces) + s.fractionPlaces));
        exponent = v.normaliseMantissa(s.integerPlaces);
    } else {
        v.roundToDecimals(s.fractionPlaces);
    }
    if (negative) out += kMinus;

    const int64_t integerDigits = v.integerDigits();
    // Index (in fraction places) of the last non-zero decimal; '#' places after it stay blank.
    const int64_t lastNonZero =
        v.isZero() ? -1 : std::max<int64_t>(-1, int64_t(v.count()) - 1 - v.pointPos());
    const int64_t lastShown = std::max<int64_t>(lastNonZero, s.lastFractionZero);
    IntegerWriter ints(s, loc, out);

    for (const Item& it : s.items) {
        switch (it.op) {
            case Op::Literal:
                out.append(s.text, it.offset, it.length);
                break;
            case Op::IntegerDigit:
                // Digits that do not fit the placeholders all go in front of the first one.
                if (it.position == s.integerPlaces - 1)
                    ints.putRange(v, integerDigits - 1, s.integerPlaces);
                if (it.position < integerDigits)
                    ints.put(it.position, v.digitAtPower(it.position));
                else if (it.placeholder == kZeroPlaceholder || it.position < s.highestIntegerZero)
                    ints.put(it.position, '0');
                break;
            case Op::DecimalPoint:
                if (s.integerPlaces == 0) ints.putRange(v, integerDigits - 1, 0);
                out += loc.decimalSeparator;
                break;
            case Op::FractionDigit:
                if (it.placeholder == kZeroPlaceholder || it.position <= lastShown)
                    out += v.digit(int64_t(v.pointPos()) + it.position);
                break;
            case Op::Exponent:
                appendExponent(s, exponent, out);
                break;
            case Op::Percent:
                out += kPercent;
                break;
            case Op::GroupSeparator:
                out += loc.thousandsSeparator;
                break;
            case Op::CurrencySymbol:
                out += loc.currencySymbol;
                break;
        }
    }
}

void appendGeneralNumber(const DecimalDigits& v, bool negative, int significant, const Locale& loc,
                         std::string& out) {
    if (v.isZero()) {
        out += '0';
        return;
    }
    if (negative) out += kMinus;
    const int count = v.count();
    const int point = v.pointPos();
    const int exponent = point - 1;
    if (exponent >= significant || exponent < kGeneralMinExponent) {
        out += v.digit(0);
        if (count > 1) {
            out += loc.decimalSeparator;
            for (int i = 1; i < count; ++i) out += v.digit(i);
        }
        out += 'E';
        out += exponent < 0 ? kMinus : kPlus;
        char buf[16];
        const auto res = std::to_chars(buf, buf + sizeof buf, exponent < 0 ? -exponent : exponent);
        if (res.ptr - buf < kGeneralExponentDigits) out += '0';
        out.append(buf, res.ptr);
        return;
    }
    if (point <= 0) {
        out += '0';
        out += loc.decimalSeparator;
        out.append(static_cast<size_t>(-point), '0');
        for (int i = 0; i < count; ++i) out += v.digit(i);
        return;
    }
    for (int i = 0; i < point; ++i) out += v.digit(i);
    if (count > point) {
        out += loc.decimalSeparator;
        for (int i = point; i < count; ++i) out += v.digit(i);
    }
}

}  // namespace tav
