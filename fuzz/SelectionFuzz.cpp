// Selections in the field's syntax over a small protein: each picks atoms in file order, or
// is refused as error 5 from "Model" quoting it.
#include <fstream>

#include "FuzzInput.h"
#include "ScratchFolder.h"
#include "host/model/Model.h"
#include "host/model/Scope.h"
#include "host/model/ScopeRun.h"

// How much of a selection a message quotes.
constexpr size_t kQuoted = 200;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    static const Ref<hostmodel::Model> model = [] {
        auto m = makeRef<hostmodel::Model>();
        m->LoadStructure(TAV_UBIQUITIN);
        return m;
    }();
    const std::string selection(fuzz::text(data, size));
    try {
        const Ref<hostmodel::Scope> s = model->Select(selection);
        uint32_t previous = 0;
        bool first = true;
        for (const hostmodel::ScopeRun& run : s->runs())
            for (uint32_t row : *run.rows) {
                fuzz::check(first || row > previous);
                previous = row;
                first = false;
            }
    } catch (const AutomationError& e) {
        fuzz::check(e.number() == 5 && e.source() == "Model" &&
                    e.description().find(selection.substr(0, kQuoted)) != std::string::npos);
    }
    return 0;
}
