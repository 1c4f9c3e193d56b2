#include "Commands.h"

#include <iostream>
#include <string_view>

#include "automation/locale/Locale.h"
#include "automation/values/AutomationError.h"

namespace tav::cli {

namespace {

using Handler = int (*)(const std::vector<std::string>&, std::istream&, std::ostream&,
                        std::ostream&);

// Whether a command converts and formats values, and so takes --locale.
enum class LocaleUse : bool { Ignored, Followed };

struct Command {
    std::string_view name;
    std::string_view usage;
    std::string_view help;
    Handler run;
    LocaleUse locale = LocaleUse::Ignored;
};

constexpr std::string_view kLocaleOption = "--locale";
constexpr std::string_view kLocaleOptionWithValue = "--locale=";
constexpr std::string_view kPrefix = "tavparts: ";
constexpr std::string_view kLocaleNeedsName = "--locale needs a name, such as de-DE";

// One table: the commands, how to call them and what they do.
const Command kCommands[] = {
    {"vectors", "vectors [--locale NAME] [FILE]",
     "answer behaviour vector lines (expected column '?') read from FILE or standard input; a line "
     "'# locale NAME' runs the cases after it in that locale",
     runVectors, LocaleUse::Followed},
    {"calc", "calc [--locale NAME] VALUE [OP VALUE]... | calc FUNC VALUE",
     "evaluate Variant operators left to right, or a conversion (CStr, CDbl, ...) of a value",
     runCalc, LocaleUse::Followed},
    {"typelib", "typelib", "print the type library: the public classes with their ids, members and enumerations",
     runTypelib},
    {"classes", "classes", "list the public classes with their ids and whether they are built and registered",
     runClasses},
    {"register", "register [LIBRARY]",
     "register the in-process server LIBRARY (default: libTAVParts.so beside this program) in the file registry",
     runRegister},
    {"unregister", "unregister [LIBRARY]", "remove the registration of the in-process server LIBRARY",
     runUnregister},
    {"eval", "eval [--locale NAME] EXPRESSION [NAME=VALUE]...",
     "evaluate an expression as the expression glues do, with variables given as typed literals",
     runEval, LocaleUse::Followed},
    {"script", "script [--quiet] [FILE]",
     "run a TAV script (FILE or standard input): one output line per command, expectations checked",
     runScript},
    {"run", "run [--locale NAME] FORM [EDIT]...",
     "load a form file, display it, apply its edits (or CONTROL=VALUE / OBJECT.PROPERTY=VALUE edits) and show each step",
     runForm, LocaleUse::Followed},
    {"gui", "gui [--locale NAME] [--screenshot OUT.png] FORM [EDIT]...",
     "open a form file in a window of Qt widgets (Replay applies its edits), or write its picture after the EDITs; "
     "without --locale the window follows Qt's default locale",
     runGui, LocaleUse::Followed},
    {"state", "state FILE.xml",
     "load a state meta file and list the state: a bare name from the host's state folder (as the parts do), a path with the State.dtd beside it or above it",
     runState},
};

void printUsage(std::ostream& os) {
    os << "usage: tavparts COMMAND [ARGS]\n\ncommands:\n";
    for (const auto& c : kCommands) os << "  " << c.usage << "\n      " << c.help << "\n";
    os << "\nThe commands that take --locale NAME (a BCP 47 name such as de-DE) otherwise follow the\n"
          "environment: TAVPARTS_LOCALE, LC_ALL, LC_NUMERIC / LC_TIME / LC_MONETARY, LANG.\n";
}

// Takes "--locale NAME" (or "--locale=NAME") out of the arguments and makes NAME the thread's
// locale. Without it the environment's locale stands, and the warning about a locale it names
// that the system lacks is printed here, once. False (with a message) for a bad name.
bool takeLocale(std::vector<std::string>& args, std::ostream& err) {
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name;
        size_t taken = 1;
        if (args[i].starts_with(kLocaleOptionWithValue)) {
            name = args[i].substr(kLocaleOptionWithValue.size());
        } else if (args[i] == kLocaleOption) {
            if (i + 1 == args.size()) {
                err << kPrefix << kLocaleNeedsName << '\n';
                return false;
            }
            name = args[i + 1];
            taken = 2;
        } else {
            continue;
        }
        try {
            tav::Locale::setCurrent(tav::Locale::named(name));
        } catch (const AutomationError& e) {
            err << kPrefix << e.description() << '\n';
            return false;
        }
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i + taken));
        return true;
    }
    if (const std::string& warning = tav::Locale::environmentWarning(); !warning.empty())
        err << kPrefix << warning << '\n';
    return true;
}

}  // namespace

int dispatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err) {
    if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        printUsage(args.empty() ? err : out);
        return args.empty() ? ExitUsage : ExitOk;
    }
    for (const auto& c : kCommands) {
        if (c.name != args[0]) continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (c.locale == LocaleUse::Followed && !takeLocale(rest, err)) return ExitUsage;
        return c.run(rest, in, out, err);
    }
    err << "tavparts: unknown command '" << args[0] << "'\n";
    printUsage(err);
    return ExitUsage;
}

}  // namespace tav::cli
