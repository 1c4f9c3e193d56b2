// Format with a value and a format string from outside. Input: the value as a typed literal on
// the first line (a line that is no literal is formatted as that string), the format string
// after it, in a locale the input picks. Format answers a string or Null, or raises one of the
// conversion errors.
#include "FuzzInput.h"
#include "automation/format/Format.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/TypedLiteral.h"

namespace {

constexpr size_t kDaysPerWeek = 7;
constexpr size_t kWeekRules = 3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    const LocaleScope scope(fuzz::locale(data, size));
    std::string_view rest = fuzz::text(data, size);
    const std::string_view valueText = fuzz::nextField(rest, '\n');
    Variant value;
    try {
        value = literal::parse(valueText);
    } catch (const AutomationError&) {
        value = Variant(valueText);
    }
    // The week settings vary with the input, so that every one of them is run.
    const int firstDay = static_cast<int>(1 + size % kDaysPerWeek);
    const int firstWeek = static_cast<int>(1 + size / kDaysPerWeek % kWeekRules);
    try {
        const Variant out = Format(value, rest, firstDay, firstWeek);
        fuzz::check(out.isString() || out.isNull());
    } catch (const AutomationError& e) {
        fuzz::check(e.number() == err::TypeMismatch || e.number() == err::Overflow ||
                    e.number() == err::InvalidProcedureCall || e.number() == err::OutOfMemory);
    }
    return 0;
}
