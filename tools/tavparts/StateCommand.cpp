// tavparts state: loads a state meta file through the library's start-up of the host install,
// as the parts do, and lists the state.
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "automation/values/AutomationError.h"
#include "host/framework/ErrorLine.h"
#include "host/state/StateClasses.h"
#include "host/state/StateListing.h"
#include "sources/ContainerInits.h"

namespace tav::cli {

namespace {

constexpr std::string_view kPrefix = "tavparts state: ";
constexpr std::string_view kNotStarted =
    "the host's state system could not be started (TAVPARTS_DATA_DIR and the host's registration, see docs/state.md)";

// A relative path with a folder is taken from here, not from the system folder the load runs in.
std::string pathFromHere(const std::string& file) {
    if (file.find(ContainerInits::Text::PathSeparator) == std::string::npos) return file;
    return std::filesystem::absolute(file).string();
}

}  // namespace

int runState(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: tavparts state FILE.xml\n";
        return ExitUsage;
    }
    stateclasses::ensureRegistered();
    try {
        const IRef<iQvState> state = ContainerInits::CreateStateFromMetaFile(pathFromHere(args[0]));
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
