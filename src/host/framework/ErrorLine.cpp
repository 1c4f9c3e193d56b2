#include "host/framework/ErrorLine.h"

#include "automation/values/AutomationError.h"
#include "automation/values/TypedLiteral.h"
#include "automation/vectors/VectorOps.h"

namespace tav {

// The number as the behaviour vectors print an error value, then source and description quoted.
std::string errorLine(int32_t number, std::string_view source, std::string_view description) {
    std::string out = vectors::errorText(number);
    out += ' ';
    out += literal::quote(source);
    out += ' ';
    out += literal::quote(description);
    return out;
}

std::string errorLine(const AutomationError& e) { return errorLine(e.number(), e.source(), e.description()); }

}  // namespace tav
