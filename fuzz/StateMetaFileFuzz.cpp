// State meta files: an XML document read and validated against State.dtd, which sits in the
// current directory as it does while the parts load. A file is either a definition or a refusal
// with error 5, source "State" and "FILE:LINE: why"; what loads into a state lists its properties.
#include <filesystem>
#include <fstream>

#include "FuzzInput.h"
#include "ScratchFolder.h"
#include "automation/values/ErrorNumbers.h"
#include "host/state/State.h"
#include "host/state/StateListing.h"
#include "host/state/StateText.h"

namespace {

constexpr const char* kInputName = "fuzz.xml";

// A folder of our own with State.dtd in it, made once: the system folder, which is the current
// directory while a meta file loads, as the parts arrange it.
const std::filesystem::path& systemFolder() {
    static const tav::fuzz::ScratchFolder folder("tav-state-fuzz");
    static const bool dtdCopied =
        std::filesystem::copy_file(std::filesystem::path(TAV_STATE_DTD), folder.path() / "State.dtd");
    (void)dtdCopied;
    return folder.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    fuzz::InFolder inSystemFolder(systemFolder());
    {
        std::ofstream out(kInputName, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Ref<State> state = makeRef<State>();
    try {
        state->LoadMetaFile(kInputName, 1);
    } catch (const AutomationError& e) {
        fuzz::check(e.number() == err::InvalidProcedureCall && e.source() == StateText::ErrSource);
        fuzz::check(e.description().rfind(kInputName, 0) == 0);
        return 0;
    }
    fuzz::check(!StateListing::text(*state).empty());
    return 0;
}
