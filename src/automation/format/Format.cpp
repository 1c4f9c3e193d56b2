#include "automation/format/Format.h"

#include <string>

#include "automation/values/AutomationError.h"
#include "automation/format/CompiledFormat.h"
#include "automation/format/CurrencyFormat.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/format/FormatOperand.h"

namespace tav {

namespace {

using Kind = CompiledFormat::Kind;

// Section roles of number and date formats, and of text formats.
constexpr size_t kPositiveSection = 0, kNegativeSection = 1, kZeroSection = 2, kNullSection = 3;
constexpr size_t kTextSection = 0, kTextNullOrEmptySection = 1;

constexpr int kSystemFirstDay = 0;
constexpr size_t kMaxFormatLength = size_t(1) << 24;  // keeps every placeholder count in int32
constexpr size_t kKeptBufferCapacity = size_t(1) << 16;

template <class Section>
bool usable(const std::vector<Section>& sections, size_t index) {
    return index < sections.size() && !sections[index].empty;
}

// Everything one call needs, so that the per-kind steps read as plain functions.
class Formatter {
  public:
    Formatter(const Variant& value, int firstDay, calendar::FirstWeek firstWeek, const Locale& loc,
              std::string& out)
        : value_(value), firstDay_(firstDay), firstWeek_(firstWeek), loc_(loc), out_(out) {}

    Variant apply(const CompiledFormat& f) {
        switch (f.kind) {
            case Kind::Plain:
                return plain();
            case Kind::GeneralNumber:
                return generalNumber();
            case Kind::TwoState:
                return twoState(f);
            case Kind::Currency:
                return number(currencySections(loc_));
            case Kind::Number:
                return number(f.number);
            case Kind::Date:
                return date(f.date);
            case Kind::Text:
                return text(f.text);
        }
        return Variant::Null();
    }

  private:
    Variant done() const { return Variant(std::string_view(out_)); }

    Variant plain() {
        if (value_.isNull() || value_.isString()) return value_;
        format::appendPlainText(value_, loc_, out_);
        return done();
    }

    Variant generalNumber() {
        if (value_.isNull()) return value_;
        const auto n = format::numberOperand(value_, loc_);
        if (!n) return value_;
        appendGeneralNumber(n->magnitude, n->negative, n->significant, loc_, out_);
        return done();
    }

    Variant twoState(const CompiledFormat& f) {
        if (value_.isNull()) return value_;
        const auto n = format::numberOperand(value_, loc_);
        if (!n) return value_;
        out_ += f.twoState[n->magnitude.isZero() ? 1 : 0];
        return done();
    }

    // Zero takes the zero section, a negative value the negative section (shown without a sign:
    // the section writes its own), anything else, or a value whose section is missing or was
    // left empty, the first section, with a minus sign in front when negative.
    Variant number(const std::vector<NumberSection>& sections) {
        if (value_.isNull()) {
            if (!usable(sections, kNullSection)) return value_;
            appendNumber(sections[kNullSection], DecimalDigits(), false, loc_, out_);
            return done();
        }
        const auto n = format::numberOperand(value_, loc_);
        if (!n) return value_;
        const bool zero = n->magnitude.isZero();
        const bool negative = n->negative && !zero;
        if (zero && usable(sections, kZeroSection)) {
            appendNumber(sections[kZeroSection], n->magnitude, false, loc_, out_);
        } else if (negative && usable(sections, kNegativeSection)) {
            appendNumber(sections[kNegativeSection], n->magnitude, false, loc_, out_);
        } else if (!sections[kPositiveSection].empty) {
            appendNumber(sections[kPositiveSection], n->magnitude, negative, loc_, out_);
        } else {
            appendGeneralNumber(n->magnitude, negative, n->significant, loc_, out_);
        }
        return done();
    }

    Variant date(const std::vector<DateSection>& sections) {
        size_t index = kPositiveSection;
        double serial = 0;
        if (value_.isNull()) {
            if (!usable(sections, kNullSection)) return value_;
            index = kNullSection;
        } else {
            const auto d = format::dateOperand(value_, loc_);
            if (!d) return value_;
            serial = *d;
            if (serial == 0 && usable(sections, kZeroSection))
                index = kZeroSection;
            else if (serial < 0 && usable(sections, kNegativeSection))
                index = kNegativeSection;
        }
        const auto ctx = DateContext::make(serial, firstDay_, firstWeek_, loc_);
        if (!ctx) throwOverflow();
        return dateText(sections[index], *ctx, out_);
    }

    // The second section is for Null and for zero-length text.
    Variant text(const std::vector<TextSection>& sections) {
        std::string converted;
        std::string_view s;
        if (value_.isString()) {
            s = value_.str();
        } else if (!value_.isNull()) {
            format::appendPlainText(value_, loc_, converted);
            s = converted;
        }
        if (s.empty() && usable(sections, kTextNullOrEmptySection)) {
            appendText(sections[kTextNullOrEmptySection], s, out_);
            return done();
        }
        if (value_.isNull()) return value_;
        appendText(sections[kTextSection], s, out_);
        return done();
    }

    const Variant& value_;
    int firstDay_;
    calendar::FirstWeek firstWeek_;
    const Locale& loc_;
    std::string& out_;
};

}  // namespace

Variant Format(const Variant& value, std::string_view format, int firstDayOfWeek,
               int firstWeekOfYear, const Locale& loc) {
    if (firstDayOfWeek < kSystemFirstDay || firstDayOfWeek > calendar::Saturday ||
        firstWeekOfYear < static_cast<int>(calendar::FirstWeek::System) ||
        firstWeekOfYear > static_cast<int>(calendar::FirstWeek::FirstFullWeek) ||
        format.size() > kMaxFormatLength)
        throwError(err::InvalidProcedureCall);
    // The system's first day and first week are the locale's (Sunday and the week of 1 January
    // in en-US).
    const int firstDay = firstDayOfWeek == kSystemFirstDay ? loc.firstDayOfWeek : firstDayOfWeek;
    const int firstWeek = firstWeekOfYear == static_cast<int>(calendar::FirstWeek::System) ? loc.firstWeekOfYear
                                                                                           : firstWeekOfYear;
    // One output buffer per thread saves an allocation per call; a huge result does not get to
    // keep its memory.
    thread_local std::string buffer;
    buffer.clear();
    Formatter f(value, firstDay, static_cast<calendar::FirstWeek>(firstWeek), loc, buffer);
    Variant result = f.apply(cachedFormat(format));
    if (buffer.capacity() > kKeptBufferCapacity) std::string().swap(buffer);
    return result;
}

}  // namespace tav
