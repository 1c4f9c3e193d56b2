// Hostile and random format strings: whatever the format and the value, Format answers a string
// or Null, or raises one of its documented errors; it never crashes or hangs.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "FormatTestSupport.h"
#include "automation/values/ErrorNumbers.h"

namespace tav {
namespace {

// Pieces the random formats are made of: every token of the format language, named formats,
// quoting characters, and arbitrary bytes.
const std::vector<std::string> kPieces = {
    "0",          "#",
    ".",          ",",
    "%",          "E+",
    "E-",         "e+",
    "e-",         "E",
    "\\",         "\"",
    ";",          "@",
    "&",          "<",
    ">",          "!",
    "d",          "dd",
    "ddd",        "dddd",
    "ddddd",      "dddddd",
    "m",          "mm",
    "mmm",        "mmmm",
    "y",          "yy",
    "yyyy",       "h",
    "hh",         "n",
    "nn",         "s",
    "ss",         "w",
    "ww",         "q",
    "c",          "ttttt",
    "AM/PM",      "am/pm",
    "A/P",        "a/p",
    "AMPM",       "/",
    ":",          " ",
    "$",          "-",
    "(",          ")",
    "x",          "General Number",
    "Currency",   "Long Date",
    "Short Time", "Yes/No",
    "\xC3\xA9",   "\xE2\x82\xAC",
};

class Fuzzer {
  public:
    explicit Fuzzer(uint32_t seed) : rng_(seed) {}

    std::string format() {
        std::string f;
        const int pieces = pick(0, 12);
        for (int i = 0; i < pieces; ++i) {
            if (pick(0, 5) == 0)
                f += static_cast<char>(pick(0, 255));
            else
                f += kPieces[size_t(pick(0, int(kPieces.size()) - 1))];
        }
        return f;
    }

    Variant value() {
        switch (pick(0, 12)) {
            case 0:
                return Variant();
            case 1:
                return Variant::Null();
            case 2:
                return Variant::I2(int16_t(pick(-32768, 32767)));
            case 3:
                return Variant::I4(int32_t(rng_()));
            case 4:
                return Variant::UI1(uint8_t(pick(0, 255)));
            case 5:
                return Variant::R4(float(real(-1e6, 1e6)));
            case 6:
                return Variant::R8(real(-1e6, 1e6) * std::pow(10.0, pick(-30, 30)));
            case 7:
                return Variant::R8(std::bit_cast<double>(uint64_t(rng_()) << 32 | rng_()));
            case 8:
                return Variant::Currency(int64_t(uint64_t(rng_()) << 32 | rng_()));
            case 9:
                return Variant::Bool(pick(0, 1) == 1);
            case 10:
                return Variant::Date(real(-700000, 3000000));
            case 11:
                return Variant(format());  // text, sometimes number- or date-like
            default:
                return Variant(std::to_string(real(-1e5, 1e5)));
        }
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    double real(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }

  private:
    std::mt19937 rng_;
};

// The errors Format may raise for valid week settings: type mismatch for values without text,
// overflow for infinities, NaN and dates outside the calendar.
void expectWellFormed(const Variant& v, std::string_view format, int firstDay = 1,
                      int firstWeek = 1) {
    try {
        const Variant r = Format(v, format, firstDay, firstWeek);
        EXPECT_TRUE(r.isString() || r.isNull())
            << literal::print(v) << " with " << literal::quote(format);
    } catch (const AutomationError& e) {
        EXPECT_TRUE(e.number() == err::TypeMismatch || e.number() == err::Overflow)
            << literal::print(v) << " with " << literal::quote(format) << " raised " << e.number();
    }
}

TEST(FormatFuzz, RandomFormatsAndValues) {
    Fuzzer fuzz(20240601);
    for (int i = 0; i < 20000; ++i) {
        const std::string f = fuzz.format();
        expectWellFormed(fuzz.value(), f, fuzz.pick(0, 7), fuzz.pick(0, 3));
    }
}

TEST(FormatFuzz, EveryByteAloneAndAroundPlaceholders) {
    const std::array<Variant, 6> values{
        Variant::R8(-1234.5), Variant::Date(36526.75), Variant("Text"), Variant::Null(), Variant(),
        Variant::Bool(true)};
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        for (const Variant& v : values) {
            expectWellFormed(v, byte);
            expectWellFormed(v, "0" + byte + "0");
            expectWellFormed(v, "@" + byte);
            expectWellFormed(v, "h" + byte + "mm");
        }
    }
}

TEST(FormatFuzz, MalformedQuotingIsText) {
    EXPECT_EQ(testing::formatted(Variant::R8(5), "0\"unclosed;0"), "5unclosed;0");
    EXPECT_EQ(testing::formatted(Variant::R8(5), "0\\"), "5");
    EXPECT_EQ(testing::formatted(Variant::R8(5), "\\"), "");
    EXPECT_EQ(testing::formatted(Variant("ab"), "\"@"),
              "ab");  // no telling character: a number format
    EXPECT_EQ(testing::formatted(Variant::Date(36526), "\"d"), "d");
}

TEST(FormatFuzz, VeryLongRunsOfEveryToken) {
    const Variant values[] = {Variant::R8(-98765.4321), Variant::Date(36526.75), Variant("Text")};
    for (const std::string& piece : kPieces) {
        std::string f;
        while (f.size() < 20000) f += piece;
        for (const Variant& v : values) expectWellFormed(v, f);
    }
}

}  // namespace
}  // namespace tav
