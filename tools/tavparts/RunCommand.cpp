// tavparts run: loads a form file, displays it and applies the user's edits step by step.
#include <iostream>

#include "Commands.h"
#include "host/forms/FormRunner.h"
#ifdef TAV_HAVE_QT
#include "qt/GuiRunner.h"
#endif

namespace tav::cli {

int runForm(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "usage: tavparts run FORM [CONTROL=VALUE | OBJECT.PROPERTY=VALUE]...\n";
        return ExitUsage;
    }
#ifdef TAV_HAVE_QT
    // A form that names a Designer form runs with its widgets.
    return guirunner::runForm(args, out, err);
#else
    return FormRunner::runFile(args[0], {args.begin() + 1, args.end()}, out, err);
#endif
}

}  // namespace tav::cli
