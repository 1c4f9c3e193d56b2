// tavparts run: loads a form file, displays it and applies the user's edits step by step.
#include <iostream>

#include "Commands.h"
#include "host/forms/FormRunner.h"

namespace tav::cli {

int runForm(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "usage: tavparts run FORM [CONTROL=VALUE | OBJECT.PROPERTY=VALUE]...\n";
        return ExitUsage;
    }
    return FormRunner::runFile(args[0], {args.begin() + 1, args.end()}, out, err);
}

}  // namespace tav::cli
