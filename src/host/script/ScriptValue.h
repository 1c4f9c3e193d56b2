#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "automation/values/Variant.h"

namespace tav {

// A value as a script line writes it: a typed literal (Nothing, Unallocated and arrays
// included), Missing, a script variable: @name (its object), $name (a copy of its value),
// &name (the variable itself, by reference), or an array whose elements include variables or
// Missing, made when the line runs: [v, ...] one-dimensional, [[v, ...], ...] two-dimensional
// (rows first, when every element is a row), both from 0.
struct ScriptValue {
    enum class Kind : uint8_t { Literal, Missing, ObjectVar, CopyVar, RefVar, Array };
    Kind kind = Kind::Literal;
    Variant literal;
    std::string variable;
    std::vector<ScriptValue> elements;  // Array: the elements, or the rows (each an Array)
};

// Why a script line cannot be read.
class ScriptSyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace scriptvalue {

// Whether an array value is two-dimensional: every element is a row written in place.
bool isTwoDimensional(const ScriptValue& array);
// Whether a word is a variable name: a letter or "_" and then letters, digits and "_".
bool isName(std::string_view word);
// A word as an error message quotes it: long words are cut short (after `longest` bytes, at
// a character's start).
inline constexpr size_t QuotedWord = 40;
std::string excerpt(std::string_view word, size_t longest = QuotedWord);
// Reads one value at the front of `text` (after any blanks) and advances past it; it must end
// at a blank or the end of the text. Throws ScriptSyntaxError.
ScriptValue parse(std::string_view& text);

}  // namespace scriptvalue
}  // namespace tav
