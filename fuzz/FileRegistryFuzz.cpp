// The file registry's text: whatever reads is written back to text that reads as the same
// keys and values, the same text again.
#include "FuzzInput.h"
#include "automation/server/FileRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    std::string written;
    try {
        written = FileRegistry::fromText(fuzz::text(data, size), "fuzz.registry").text();
    } catch (const AutomationError&) {
        return 0;
    }
    fuzz::check(FileRegistry::fromText(written, "written.registry").text() == written);
    return 0;
}
