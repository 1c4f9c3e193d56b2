#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/values/AutomationError.h"

// How the in-scope source part reports an error that it must not let out of a host event's
// handler: a critical message box titled with the part's class name, four lines (the caller's
// message, "Error: " description, "Num: 0x" number in hexadecimal, "Source: " source).
namespace tav::InScopeErrorReport {

// The number as VB's Hex shows it: upper case, no leading zeros, a negative number as its
// eight digits of two's complement.
std::string hex(int32_t number);
std::string text(std::string_view message, const AutomationError& e);
void show(std::string_view message, const AutomationError& e);

}  // namespace tav::InScopeErrorReport
