#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

class AutomationError;

// How the host's tools print an error: Err:NUMBER "SOURCE" "DESCRIPTION", the number in
// decimal when it lies in 0..65535 and as 0x and eight upper-case hex digits otherwise, the
// texts quoted with the escapes of string literals.
std::string errorLine(int32_t number, std::string_view source, std::string_view description);
std::string errorLine(const AutomationError& e);

}  // namespace tav
