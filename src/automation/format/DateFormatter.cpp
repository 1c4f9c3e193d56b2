#include "automation/format/DateFormatter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <memory>

#include "automation/format/CompileCache.h"
#include "automation/values/ForceInline.h"
#include "automation/values/Utf8.h"

namespace tav {

namespace {

using Field = DateSection::Field;
using Clock = DateSection::Clock;
using Item = DateSection::Item;

constexpr int kEpochYear = 1899, kEpochMonth = 12, kEpochDay = 30;
constexpr int kHoursPerHalfDay = 12;
constexpr int kNoon = 12;
constexpr int kCentury = 100;
constexpr char kPictureQuote = '\'';
constexpr std::string_view kAmPmLong = "am/pm";
constexpr std::string_view kAmPmShort = "a/p";
constexpr std::string_view kAmPmLocale = "ampm";
constexpr std::string_view kTimeToken = "ttttt";
constexpr size_t kTimeRun = kTimeToken.size();
constexpr size_t kLongDateRun = 6;    // dddddd
constexpr size_t kMonthNameRun = 4;   // mmmm
constexpr size_t kFourDigitYear = 4;  // yyyy
constexpr size_t kLongestRun = kLongDateRun;
constexpr int kDecimal = 10;
constexpr int kLongestShortNumber = 5;  // digits
constexpr int kLargestShortNumber = 100000;

class TokenReader {
  public:
    explicit TokenReader(std::span<const FormatChar> chars) : chars_(chars) {}

    DateSection read() {
        for (size_t i = 0; i < chars_.size();) i = take(i);
        resolveMinutes();
        s_.empty = false;
        return std::move(s_);
    }

  private:
    // Length of the run of one token letter at i, counted no further than the longest token of
    // that letter (a run is cut into the longest tokens it holds, left to right).
    size_t runLength(size_t i, char lower) const {
        const size_t end = std::min(chars_.size(), i + kLongestRun);
        size_t j = i;
        while (j < end && chars_[j].isRaw() && asciiLower(chars_[j].c) == lower) ++j;
        return j - i;
    }

    Item& push(Field f, uint8_t width = 1) {
        s_.items.push_back(Item{f, width});
        return s_.items.back();
    }

    uint32_t addText(size_t from, size_t count) {
        const auto at = static_cast<uint32_t>(s_.text.size());
        for (size_t k = 0; k < count; ++k) s_.text += chars_[from + k].c;
        return at;
    }

    void literal(char c) {
        if (s_.items.empty() || s_.items.back().field != Field::Literal)
            push(Field::Literal).offset = uint32_t(s_.text.size());
        s_.text += c;
        ++s_.items.back().length;
    }

    // "AM/PM", "a/p": morning text before the slash, afternoon text after it, as written.
    size_t amPm(size_t i, std::string_view token) {
        const size_t half = token.size() / 2;
        Item& it = push(Field::AmPmWritten);
        it.length = uint32_t(half);
        it.offset = addText(i, half);
        it.length2 = uint32_t(half);
        it.offset2 = addText(i + half + 1, half);
        s_.twelveHour = true;
        return i + token.size();
    }

    size_t take(size_t i) {
        const FormatChar& fc = chars_[i];
        if (!fc.isRaw()) {
            literal(fc.c);
            return i + 1;
        }
        const char c = asciiLower(fc.c);
        const size_t run = runLength(i, c);
        switch (c) {
            case 'd': {
                static constexpr Field byLength[] = {Field::Day,       Field::Day,
                                                     Field::DayAbbrev, Field::DayName,
                                                     Field::ShortDate, Field::LongDate};
                const size_t n = std::min(run, kLongDateRun);
                push(byLength[n - 1], n == 2 ? 2 : 1);
                return i + n;
            }
            case 'm': {
                static constexpr Field byLength[] = {Field::Month, Field::Month, Field::MonthAbbrev,
                                                     Field::MonthName};
                const size_t n = std::min(run, kMonthNameRun);
                push(byLength[n - 1], n == 2 ? 2 : 1);
                return i + n;
            }
            case 'y': {
                const size_t n = run >= kFourDigitYear ? kFourDigitYear : run >= 2 ? 2 : 1;
                push(n == kFourDigitYear ? Field::Year
                     : n == 2            ? Field::YearInCentury
                                         : Field::DayOfYear,
                     n == 2 ? 2 : 1);
                return i + n;
            }
            case 'h':
                return pushPadded(Field::Hour, i, run);
            case 'n':
                return pushPadded(Field::Minute, i, run);
            case 's':
                return pushPadded(Field::Second, i, run);
            case 'w':
                push(run >= 2 ? Field::WeekOfYear : Field::Weekday);
                return i + std::min<size_t>(run, 2);
            case 'q':
                push(Field::Quarter);
                return i + 1;
            case 'c':
                push(Field::GeneralDate);
                return i + 1;
            case 't':
                if (run < kTimeRun) break;
                push(Field::Time).blankAtMidnightOfDay = true;
                return i + kTimeRun;
            case 'a':
                if (rawTextAt(chars_, i, kAmPmLong)) return amPm(i, kAmPmLong);
                if (rawTextAt(chars_, i, kAmPmShort)) return amPm(i, kAmPmShort);
                if (rawTextAt(chars_, i, kAmPmLocale)) {
                    push(Field::AmPmLocale);
                    s_.twelveHour = true;
                    return i + kAmPmLocale.size();
                }
                break;
            case '/':
                push(Field::DateSeparator);
                return i + 1;
            case ':':
                push(Field::TimeSeparator);
                return i + 1;
            default:
                break;
        }
        literal(fc.c);
        return i + 1;
    }

    size_t pushPadded(Field f, size_t i, size_t run) {
        const size_t n = std::min<size_t>(run, 2);
        push(f, uint8_t(n));
        return i + n;
    }

    // m and mm are minutes right after an hour (only literal text between, and only the first
    // m after it: "h:mm", "hh\hmm"); anywhere else they are months, also before seconds
    // ("mm:ss" shows the month: the language has n and nn for minutes).
    void resolveMinutes() {
        bool afterHour = false;
        for (Item& it : s_.items) {
            switch (it.field) {
                case Field::Literal:
                case Field::DateSeparator:
                case Field::TimeSeparator:
                    break;
                case Field::Month:
                    if (afterHour) it.field = Field::Minute;
                    afterHour = false;
                    break;
                default:
                    afterHour = it.field == Field::Hour;
                    break;
            }
        }
    }

    std::span<const FormatChar> chars_;
    DateSection s_;
};

class PictureReader {
  public:
    explicit PictureReader(std::string_view picture) : p_(picture) {}

    DateSection read() {
        size_t i = 0;
        while (i < p_.size()) i = take(i);
        s_.empty = false;
        return std::move(s_);
    }

  private:
    size_t run(size_t i) const {
        size_t j = i;
        while (j < p_.size() && p_[j] == p_[i]) ++j;
        return j - i;
    }
    void push(Field f, size_t n, Clock clock = Clock::Section) {
        Item it{f, uint8_t(n >= 2 ? 2 : 1)};
        it.clock = clock;
        s_.items.push_back(it);
    }
    void literal(char c) {
        if (s_.items.empty() || s_.items.back().field != Field::Literal) {
            s_.items.push_back(Item{Field::Literal});
            s_.items.back().offset = uint32_t(s_.text.size());
        }
        s_.text += c;
        ++s_.items.back().length;
    }

    size_t take(size_t i) {
        const char c = p_[i];
        const size_t n = run(i);
        switch (c) {
            case 'd':
                push(n == 3 ? Field::DayAbbrev : n >= 4 ? Field::DayName : Field::Day, n);
                return i + n;
            case 'M':
                push(n == 3 ? Field::MonthAbbrev : n >= 4 ? Field::MonthName : Field::Month, n);
                return i + n;
            case 'y':
                push(n >= 3 ? Field::Year : Field::YearInCentury, n >= 3 ? 1 : n);
                return i + n;
            case 'h':
                push(Field::Hour, n, Clock::Twelve);
                return i + n;
            case 'H':
                push(Field::Hour, n, Clock::TwentyFour);
                return i + n;
            case 'm':
                push(Field::Minute, n);
                return i + n;
            case 's':
                push(Field::Second, n);
                return i + n;
            case 't':
                push(n >= 2 ? Field::AmPmLocale : Field::AmPmLocaleInitial, 1);
                return i + n;
            case 'g':
                return i + n;  // era: none in the Gregorian calendar
            case kPictureQuote: {
                if (i + 1 < p_.size() && p_[i + 1] == kPictureQuote) {  // '' is a quote character
                    literal(kPictureQuote);
                    return i + 2;
                }
                // Quoted text runs to the next lone quote; a doubled quote inside is a quote.
                size_t k = i + 1;
                for (; k < p_.size(); ++k) {
                    if (p_[k] != kPictureQuote) {
                        literal(p_[k]);
                    } else if (k + 1 < p_.size() && p_[k + 1] == kPictureQuote) {
                        literal(kPictureQuote);
                        ++k;
                    } else {
                        break;
                    }
                }
                return k + 1;
            }
            default:
                literal(c);
                return i + 1;
        }
    }

    std::string_view p_;
    DateSection s_;
};

enum class Picture { ShortDate, LongDate, Time };
constexpr size_t kPictures = 3;

const std::string& pictureText(const Locale& loc, Picture picture) {
    switch (picture) {
        case Picture::ShortDate:
            return loc.shortDatePicture;
        case Picture::LongDate:
            return loc.longDatePicture;
        default:
            return loc.timePicture;
    }
}

std::array<DateSection, kPictures> compilePictures(const Locale& loc) {
    return {compileDatePicture(loc.shortDatePicture), compileDatePicture(loc.longDatePicture),
            compileDatePicture(loc.timePicture)};
}

// The pictures of the last registered locale a thread used, by the record's id.
struct LastPictures {
    uint32_t id = 0;
    std::array<DateSection, kPictures> compiled;
};

// A locale's pictures, compiled: the built-in en-US locale's once for good, a registered
// locale's once per thread (kept while the thread stays with it), those of a record made by
// hand per thread and looked up by their text.
TAV_FORCE_INLINE inline const DateSection& pictureSection(const Locale& loc, Picture picture) {
    const Locale& standard = Locale::enUS();
    if (&loc == &standard) {
        static const std::array<DateSection, kPictures> compiled = compilePictures(standard);
        return compiled[static_cast<size_t>(picture)];
    }
    if (loc.id != 0) {
        // Made on the first use of such a locale: threads in en-US alone carry nothing.
        thread_local std::unique_ptr<LastPictures> last;
        if (!last) last = std::make_unique<LastPictures>();
        if (last->id != loc.id) {
            last->compiled = compilePictures(loc);
            last->id = loc.id;
        }
        return last->compiled[static_cast<size_t>(picture)];
    }
    thread_local CompileCache<DateSection, 6> cache;
    return cache.get(pictureText(loc, picture), [](std::string_view p) { return compileDatePicture(p); });
}

// Text appended to a string through a small buffer: a date is a handful of short pieces, and
// each append to the string costs more than the piece itself. flush() hands the text over.
class DateText {
  public:
    explicit DateText(std::string& out) : out_(out) {}
    DateText(const DateText&) = delete;
    DateText& operator=(const DateText&) = delete;

    DateText& operator+=(char c) {
        if (size_ == kCapacity) flushNow();
        buffer_[size_++] = c;
        return *this;
    }
    [[gnu::noinline]] void appendLong(std::string_view s) {
        flush();
        out_ += s;
    }
    TAV_FORCE_INLINE DateText& operator+=(std::string_view s) {
        if (s.size() <= kShort && s.size() <= kCapacity - size_) {
            copyShort(buffer_ + size_, s.data(), s.size());
            size_ += s.size();
        } else {
            appendLong(s);
        }
        return *this;
    }
    // A piece of a section's text (offset and length come from its compilation).
    TAV_FORCE_INLINE void append(const std::string& s, size_t offset, size_t length) {
        *this += std::string_view(s.data() + offset, length);
    }
    // Room for n <= kCapacity characters written in place, then counted with commit().
    char* reserve(size_t n) {
        if (n > kCapacity - size_) flushNow();
        return buffer_ + size_;
    }
    void commit(size_t n) { size_ += n; }
    void flush() {
        out_.append(buffer_, size_);
        size_ = 0;
    }
    [[gnu::noinline]] void flushNow() { flush(); }
    // The text as a String, straight from the buffer while it all fits there.
    Variant take() {
        if (out_.empty()) return Variant(std::string_view(buffer_, size_));
        flush();
        return Variant(std::string_view(out_));
    }

  private:
    static constexpr size_t kCapacity = 128;
    static constexpr size_t kShort = 2 * sizeof(uint64_t);

    // Copies n <= kShort bytes with a few whole-word moves (overlapping where n is not a
    // multiple), reading and writing only those n bytes: no library call.
    TAV_FORCE_INLINE static void copyShort(char* to, const char* from, size_t n) {
        if (n >= sizeof(uint64_t)) {
            move<uint64_t>(to, from);
            move<uint64_t>(to + n - sizeof(uint64_t), from + n - sizeof(uint64_t));
        } else if (n >= sizeof(uint32_t)) {
            move<uint32_t>(to, from);
            move<uint32_t>(to + n - sizeof(uint32_t), from + n - sizeof(uint32_t));
        } else if (n > 0) {
            to[0] = from[0];
            to[n / 2] = from[n / 2];
            to[n - 1] = from[n - 1];
        }
    }
    template <class Word>
    static void move(char* to, const char* from) {
        Word w;
        std::memcpy(&w, from, sizeof w);
        std::memcpy(to, &w, sizeof w);
    }

    std::string& out_;
    size_t size_ = 0;
    char buffer_[kCapacity];
};

TAV_FORCE_INLINE inline void appendNumber(int value, uint8_t width, DateText& out) {
    if (value < 0 || value >= kLargestShortNumber) {  // not reached: dates show small numbers
        char buf[16];
        const auto res = std::to_chars(buf, buf + sizeof buf, value);
        out += std::string_view(buf, size_t(res.ptr - buf));
        return;
    }
    int digits = 1;
    for (int limit = kDecimal; value >= limit && digits < kLongestShortNumber; limit *= kDecimal) ++digits;
    const int shown = width == 2 && digits < 2 ? 2 : digits;
    // The digits from the last; a second one of a one-digit number is the padding zero.
    char* p = out.reserve(size_t(shown)) + shown;
    for (int k = 0; k < shown; ++k, value /= kDecimal) *--p = static_cast<char>('0' + value % kDecimal);
    out.commit(size_t(shown));
}

// The first character of a designator, whole even when it is not ASCII.
std::string_view initial(std::string_view s) {
    return s.empty() ? s : s.substr(0, utf8::charLength(s, 0));
}

int clockHour(int hour, bool twelve) {
    if (!twelve) return hour;
    const int h = hour % kHoursPerHalfDay;
    return h == 0 ? kHoursPerHalfDay : h;
}

void appendDate(const DateSection& s, const DateContext& ctx, DateText& out);
void appendGeneralDate(const DateContext& ctx, DateText& out);

// The locale's picture when that is all a section shows (the named formats "Short Date" and
// "Long Date"), else nullptr.
const DateSection* onlyPicture(const DateSection& s, const Locale& loc) {
    if (s.items.size() != 1) return nullptr;
    switch (s.items.front().field) {
        case Field::ShortDate:
            return &pictureSection(loc, Picture::ShortDate);
        case Field::LongDate:
            return &pictureSection(loc, Picture::LongDate);
        default:
            return nullptr;
    }
}

}  // namespace

DateSection DateSection::single(Field field, bool blankAtMidnightOfDay) {
    DateSection s;
    Item it{field};
    it.blankAtMidnightOfDay = blankAtMidnightOfDay;
    s.items.push_back(it);
    s.empty = false;
    return s;
}

bool startsDateToken(std::span<const FormatChar> chars, size_t i) {
    if (i >= chars.size() || !chars[i].isRaw()) return false;
    switch (asciiLower(chars[i].c)) {
        case 'd':
        case 'm':
        case 'y':
        case 'h':
        case 'n':
        case 's':
        case 'w':
        case 'q':
        case 'c':
            return true;
        case 't':
            return rawTextAt(chars, i, kTimeToken);
        case 'a':
            return rawTextAt(chars, i, kAmPmLong) || rawTextAt(chars, i, kAmPmShort) ||
                   rawTextAt(chars, i, kAmPmLocale);
        default:
            return false;
    }
}

DateSection compileDateSection(std::span<const FormatChar> chars) {
    return TokenReader(chars).read();
}

DateSection compileDatePicture(std::string_view picture) {
    return PictureReader(picture).read();
}

std::optional<DateContext> DateContext::make(double serial, int firstDayOfWeek,
                                             calendar::FirstWeek firstWeek, const Locale& loc) {
    const auto civil = date::toCivil(serial);
    if (!civil) return std::nullopt;
    const bool dayZero =
        civil->year == kEpochYear && civil->month == kEpochMonth && civil->day == kEpochDay;
    const bool timeZero = civil->hour == 0 && civil->minute == 0 && civil->second == 0;
    return DateContext{*civil, dayZero, timeZero, firstDayOfWeek, firstWeek, loc};
}

namespace {

void appendDate(const DateSection& s, const DateContext& ctx, DateText& out) {
    const CivilDateTime& c = ctx.civil;
    const Locale& loc = ctx.loc;
    const bool afternoon = c.hour >= kNoon;
    for (const Item& it : s.items) {
        switch (it.field) {
            case Field::Literal:
                out.append(s.text, it.offset, it.length);
                break;
            case Field::DateSeparator:
                out += loc.dateSeparator;
                break;
            case Field::TimeSeparator:
                out += loc.timeSeparator;
                break;
            case Field::Day:
                appendNumber(c.day, it.width, out);
                break;
            case Field::DayAbbrev:
                out += loc.dayAbbrevs[size_t(c.dayOfWeek - 1)];
                break;
            case Field::DayName:
                out += loc.dayNames[size_t(c.dayOfWeek - 1)];
                break;
            case Field::ShortDate:
                appendDate(pictureSection(loc, Picture::ShortDate), ctx, out);
                break;
            case Field::LongDate:
                appendDate(pictureSection(loc, Picture::LongDate), ctx, out);
                break;
            case Field::Weekday:
                appendNumber(calendar::weekdayNumber(c, ctx.firstDayOfWeek), 1, out);
                break;
            case Field::WeekOfYear:
                appendNumber(calendar::weekOfYear(c, ctx.firstDayOfWeek, ctx.firstWeek), 1, out);
                break;
            case Field::Month:
                appendNumber(c.month, it.width, out);
                break;
            case Field::MonthAbbrev:
                out += loc.monthAbbrevs[size_t(c.month - 1)];
                break;
            case Field::MonthName:
                out += loc.monthNames[size_t(c.month - 1)];
                break;
            case Field::Quarter:
                appendNumber(calendar::quarter(c.month), 1, out);
                break;
            case Field::DayOfYear:
                appendNumber(c.dayOfYear, 1, out);
                break;
            case Field::YearInCentury:
                appendNumber(c.year % kCentury, it.width, out);
                break;
            case Field::Year:
                appendNumber(c.year, 1, out);
                break;
            case Field::Hour: {
                const bool twelve =
                    it.clock == Clock::Twelve || (it.clock == Clock::Section && s.twelveHour);
                appendNumber(clockHour(c.hour, twelve), it.width, out);
                break;
            }
            case Field::Minute:
                appendNumber(c.minute, it.width, out);
                break;
            case Field::Second:
                appendNumber(c.second, it.width, out);
                break;
            case Field::Time:
                if (!(it.blankAtMidnightOfDay && ctx.timeIsZero && !ctx.dayIsZero))
                    appendDate(pictureSection(loc, Picture::Time), ctx, out);
                break;
            case Field::GeneralDate:
                appendGeneralDate(ctx, out);
                break;
            case Field::AmPmWritten:
                if (afternoon)
                    out.append(s.text, it.offset2, it.length2);
                else
                    out.append(s.text, it.offset, it.length);
                break;
            case Field::AmPmLocale:
                out += afternoon ? loc.pmDesignator : loc.amDesignator;
                break;
            case Field::AmPmLocaleInitial:
                out += initial(afternoon ? loc.pmDesignator : loc.amDesignator);
                break;
        }
    }
}

void appendGeneralDate(const DateContext& ctx, DateText& out) {
    const bool showDate = !ctx.dayIsZero;
    const bool showTime = !ctx.timeIsZero || !showDate;
    if (showDate) appendDate(pictureSection(ctx.loc, Picture::ShortDate), ctx, out);
    if (showDate && showTime) out += ' ';
    if (showTime) appendDate(pictureSection(ctx.loc, Picture::Time), ctx, out);
}

}  // namespace

void appendDate(const DateSection& section, const DateContext& ctx, std::string& out) {
    DateText text(out);
    appendDate(section, ctx, text);
    text.flush();
}

void appendGeneralDate(const DateContext& ctx, std::string& out) {
    DateText text(out);
    appendGeneralDate(ctx, text);
    text.flush();
}

Variant dateText(const DateSection& section, const DateContext& ctx, std::string& scratch) {
    DateText text(scratch);
    if (section.empty)
        appendGeneralDate(ctx, text);
    else if (const DateSection* picture = onlyPicture(section, ctx.loc))
        appendDate(*picture, ctx, text);
    else
        appendDate(section, ctx, text);
    return text.take();
}

}  // namespace tav
