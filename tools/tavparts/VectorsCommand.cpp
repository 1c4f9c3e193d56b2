// tavparts vectors: answers behaviour vector files line by line.
#include <fstream>
#include <iostream>

#include "Commands.h"
#include "automation/locale/Locale.h"
#include "automation/values/AutomationError.h"
#include "automation/vectors/VectorOps.h"

namespace tav::cli {

int runVectors(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    std::ifstream file;
    std::istream* src = &in;
    if (!args.empty()) {
        file.open(args[0]);
        if (!file) {
            err << "tavparts vectors: cannot read " << args[0] << "\n";
            return ExitUsage;
        }
        src = &file;
    }
    std::string line;
    int lineNo = 0;
    int status = ExitOk;
    while (std::getline(*src, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (const auto localeName = vectors::localeDirective(line)) {
            // The cases after "# locale NAME" run in that locale; an unknown one leaves them in
            // the locale before, and the run fails.
            try {
                Locale::setCurrent(Locale::named(*localeName));
            } catch (const AutomationError& e) {
                err << "tavparts vectors: line " << lineNo << ": " << e.description() << "\n";
                status = ExitFailure;
            }
        }
        vectors::Case c;
        if (!vectors::parseLine(line, c)) {
            out << line << '\n';  // comments and blank lines are echoed
            continue;
        }
        if (const std::string why = vectors::malformed(c); !why.empty()) {
            // Left unanswered: an Err: here would read as the operation's result.
            err << "tavparts vectors: line " << lineNo << ": " << why << "\n";
            out << line << '\n';
            status = ExitFailure;
            continue;
        }
        out << c.op;
        for (const auto& a : c.args) out << '\t' << a;
        out << "\t=>\t" << vectors::run(c) << '\n';
    }
    return status;
}

}  // namespace tav::cli
