// Typed literals (I4:5, Str:"a\tb", [R8:1, Null], ...): whatever parses prints canonically, and
// the canonical text reads back to a value that prints the same.
#include "FuzzInput.h"
#include "automation/values/TypedLiteral.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    Variant v;
    try {
        v = literal::parse(fuzz::text(data, size));
    } catch (const AutomationError&) {
        return 0;
    }
    const std::string printed = literal::print(v);
    fuzz::check(literal::print(literal::parse(printed)) == printed);
    return 0;
}
