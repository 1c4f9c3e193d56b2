#include "Commands.h"

#include <iostream>
#include <string_view>

namespace tav::cli {

namespace {

using Handler = int (*)(const std::vector<std::string>&, std::istream&, std::ostream&,
                        std::ostream&);

struct Command {
    std::string_view name;
    std::string_view usage;
    std::string_view help;
    Handler run;
};

// One table: the commands, how to call them and what they do.
const Command kCommands[] = {
    {"vectors", "vectors [FILE]",
     "answer behaviour vector lines (expected column '?') read from FILE or standard input",
     runVectors},
    {"calc", "calc VALUE [OP VALUE]... | calc FUNC VALUE",
     "evaluate Variant operators left to right, or a conversion (CStr, CDbl, ...) of a value",
     runCalc},
    {"typelib", "typelib", "print the type library: the public classes with their ids, members and enumerations",
     runTypelib},
    {"classes", "classes", "list the public classes with their ids and whether they are built and registered",
     runClasses},
    {"register", "register [LIBRARY]",
     "register the in-process server LIBRARY (default: libTAVParts.so beside this program) in the file registry",
     runRegister},
    {"unregister", "unregister [LIBRARY]", "remove the registration of the in-process server LIBRARY",
     runUnregister},
    {"eval", "eval EXPRESSION [NAME=VALUE]...",
     "evaluate an expression as the expression glues do, with variables given as typed literals",
     runEval},
    {"script", "script [--quiet] [FILE]",
     "run a TAV script (FILE or standard input): one output line per command, expectations checked",
     runScript},
    {"run", "run FORM [EDIT]...",
     "load a form file, display it, apply its edits (or CONTROL=VALUE / OBJECT.PROPERTY=VALUE edits) and show each step",
     runForm},
    {"gui", "gui [--screenshot OUT.png] FORM [EDIT]...",
     "open a form file in a window of Qt widgets (Replay applies its edits), or write its picture after the EDITs",
     runGui},
    {"state", "state FILE.xml",
     "load a state meta file and list the state: a bare name from the host's state folder (as the parts do), a path with the State.dtd beside it or above it",
     runState},
};

void printUsage(std::ostream& os) {
    os << "usage: tavparts COMMAND [ARGS]\n\ncommands:\n";
    for (const auto& c : kCommands) os << "  " << c.usage << "\n      " << c.help << "\n";
}

}  // namespace

int dispatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err) {
    if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        printUsage(args.empty() ? err : out);
        return args.empty() ? ExitUsage : ExitOk;
    }
    for (const auto& c : kCommands)
        if (c.name == args[0]) return c.run({args.begin() + 1, args.end()}, in, out, err);
    err << "tavparts: unknown command '" << args[0] << "'\n";
    printUsage(err);
    return ExitUsage;
}

}  // namespace tav::cli
