#include "host/framework/ErrorLine.h"

#include <cstdio>

#include "automation/values/AutomationError.h"
#include "automation/values/TypedLiteral.h"

namespace tav {

namespace {
constexpr std::string_view kPrefix = "Err:";
// Numbers beyond this print in hex, as HRESULTs are read.
constexpr int32_t kLargestDecimal = 65535;
}  // namespace

std::string errorLine(int32_t number, std::string_view source, std::string_view description) {
    std::string out(kPrefix);
    if (number >= 0 && number <= kLargestDecimal) {
        out += std::to_string(number);
    } else {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(static_cast<uint32_t>(number)));
        out += hex;
    }
    out += ' ';
    out += literal::quote(source);
    out += ' ';
    out += literal::quote(description);
    return out;
}

std::string errorLine(const AutomationError& e) { return errorLine(e.number(), e.source(), e.description()); }

}  // namespace tav
