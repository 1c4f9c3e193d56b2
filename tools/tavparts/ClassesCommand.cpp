// tavparts classes: the public classes with their ids and state.
#include <iostream>

#include "Commands.h"
#include "automation/values/AutomationError.h"
#include "automation/server/FileRegistry.h"
#include "registry/TypeLibrary.h"

namespace tav::cli {

int runClasses(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "usage: tavparts classes\n";
        return ExitUsage;
    }
    try {
        const FileRegistry reg;
        out << typelib::classes(reg);
        out << "registry: " << reg.path() << "\n";
    } catch (const AutomationError& e) {
        err << "tavparts classes: " << e.description() << "\n";
        return ExitFailure;
    }
    return ExitOk;
}

}  // namespace tav::cli
