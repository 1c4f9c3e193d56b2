#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/values/Variant.h"

// The Variant operations by the names the behaviour vectors use (Add, CStr, Format, ...), with
// results as vector text: a typed literal, LT/EQ/GT/NULL for Cmp, or Err:N.
namespace tav::vectors {

struct Case {
    std::string op;
    std::vector<std::string> args;  // literal texts as read
    std::string expected;           // "?" when the driver is asked to compute it
};

// Splits a vector line; false for comments, blank lines and lines without "=>".
bool parseLine(std::string_view line, Case& out);

// The locale a comment line "# locale de-DE" names: the cases after it run in that locale (a
// file of another locale's vectors starts with one).
std::optional<std::string> localeDirective(std::string_view line);

// Runs one operation; an unknown operation or malformed argument gives an Err: text too.
std::string run(std::string_view op, std::span<const Variant> args);
std::string run(const Case& c);

// Why a case cannot be run as written (an unknown operation, or an argument that is no typed
// literal); empty when it can. Such a line is a fault of the vector file, not a result.
std::string malformed(const Case& c);

// Whether `op` names an operation taking `arity` arguments.
bool isOperation(std::string_view op, size_t arity);

// The result column of an error: Err:13 for the VB numbers, Err:0x... for the rest.
std::string errorText(int32_t number);

// Compares two result texts by meaning (type and value; doubles as IEEE values, -0 == 0,
// NaN == NaN; strings after unescaping).
bool sameResult(std::string_view expected, std::string_view actual);

}  // namespace tav::vectors
