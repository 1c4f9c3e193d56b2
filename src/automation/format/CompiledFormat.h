#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "automation/format/DateFormatter.h"
#include "automation/format/NumberFormatter.h"
#include "automation/format/TextFormatter.h"

namespace tav {

// A format string read once into what Format needs to apply it.
//   Plain          no format: the value's own text
//   GeneralNumber  "General Number": numbers in their plain text
//   TwoState       "Yes/No", "True/False", "On/Off": one text for non-zero, one for zero
//   Currency       "Currency": the locale's currency layout (CurrencyFormat.h)
//   Number / Date / Text: up to four sections of the custom format language
struct CompiledFormat {
    enum class Kind : unsigned char { Plain, GeneralNumber, TwoState, Currency, Number, Date, Text };

    Kind kind = Kind::Plain;
    std::vector<NumberSection> number;
    std::vector<DateSection> date;
    std::vector<TextSection> text;
    std::array<std::string, 2> twoState;  // [0] non-zero, [1] zero
};

// Named formats are recognised without regard to case; anything else is a custom format. A
// custom format is a date format when its first telling character is a date token, a text format
// when it is one of @ & < > !, and a number format otherwise; the other characters of the kind
// that was not chosen are plain text.
CompiledFormat compileFormat(std::string_view format);
// The same for text that is never a named format.
CompiledFormat compileCustomFormat(std::string_view format);

// compileFormat through a small per-thread cache of the formats used last. The reference stays
// valid until the next call on the same thread.
const CompiledFormat& cachedFormat(std::string_view format);

}  // namespace tav
