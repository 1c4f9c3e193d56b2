// Property-bag text files: whatever reads is written back to text that reads as the same
// entries, the same text again.
#include "FuzzInput.h"
#include "automation/objects/PropertyBagText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    bagtext::Entries entries;
    try {
        entries = bagtext::parse(fuzz::text(data, size), "fuzz.bag");
    } catch (const AutomationError&) {
        return 0;
    }
    const std::string written = bagtext::format(entries);
    fuzz::check(bagtext::format(bagtext::parse(written, "written.bag")) == written);
    return 0;
}
