// Locale names from outside (an application's setting, the environment): a name is taken, and
// then its record answers to its own canonical name, or refused with error 5; POSIX values come
// down to a name or to the default.
#include "FuzzInput.h"
#include "automation/locale/LocaleName.h"
#include "automation/values/ErrorNumbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    const std::string_view text = fuzz::text(data, size);
    for (const std::string& name : {std::string(text), localename::fromPosix(text)}) {
        try {
            const Locale& loc = Locale::named(name);
            fuzz::check(&Locale::named(loc.name) == &loc);
        } catch (const AutomationError& e) {
            fuzz::check(e.number() == err::InvalidProcedureCall && e.source() == "Locale");
        }
    }
    return 0;
}
