// tavparts state: loads a state meta file, a bare name through the library's start-up of the
// host install as the parts do, a path as it lies, and lists the state.
#include <iostream>

#include "Commands.h"
#include "automation/values/AutomationError.h"
#include "contracts/ObjectCreation.h"
#include "host/framework/ErrorLine.h"
#include "host/state/StateClasses.h"
#include "host/state/StateListing.h"
#include "sources/ContainerInits.h"

namespace tav::cli {

namespace {

constexpr std::string_view kPrefix = "tavparts state: ";
constexpr std::string_view kNotStarted =
    "the host's state system could not be started (TAVPARTS_DATA_DIR and the host's registration, see docs/state.md)";

// A meta file named by its path loads as it lies, with the State.dtd beside it or in a folder
// above it: no host install is needed. A bare name is the host's: the start-up finds its state
// folder, as the parts do.
IRef<iQvState> load(const std::string& file) {
    if (file.find(ContainerInits::Text::PathSeparator) == std::string::npos)
        return ContainerInits::CreateStateFromMetaFile(file);
    const IRef<iQvState> state = query<iQvState>(createObject(ContainerInits::Text::StateProgId).get());
    state->LoadMetaFile(file, ContainerInits::MetaFileLoadFlag);
    return state;
}

}  // namespace

int runState(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: tavparts state FILE.xml\n";
        return ExitUsage;
    }
    stateclasses::ensureRegistered();
    try {
        const IRef<iQvState> state = load(args[0]);
        if (!state) {
            err << kPrefix << kNotStarted << "\n";
            return ExitFailure;
        }
        out << StateListing::text(*state);
    } catch (const AutomationError& e) {
        out << errorLine(e) << "\n";
        return ExitFailure;
    }
    return ExitOk;
}

}  // namespace tav::cli
