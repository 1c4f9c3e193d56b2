// tavparts calc: a small Variant calculator.
//   tavparts calc 'I4:5' Add 'Str:"3"'      -> R8:8
//   tavparts calc CStr 'R8:0.1'             -> Str:"0.1"
#include <iostream>

#include "Commands.h"
#include "automation/values/AutomationError.h"
#include "automation/values/TypedLiteral.h"
#include "automation/vectors/VectorOps.h"

namespace tav::cli {

namespace {
constexpr std::string_view kUsage =
    "usage: tavparts calc VALUE [OP VALUE]...   (OP: Add Sub Mul Div Pow IDiv Mod Cat And Or Cmp)\n"
    "       tavparts calc FUNC VALUE            (FUNC: Neg Not CStr CDbl CSng CLng CInt CCur CBool "
    "CDate IsNumeric IsDate)\n"
    "       tavparts calc Format VALUE FORMAT\n";
}  // namespace

int runCalc(const std::vector<std::string>& args, std::istream&, std::ostream& out,
            std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return ExitUsage;
    }
    try {
        // A function call: FUNC VALUE [VALUE].
        const bool startsWithValue = args[0].find(':') != std::string::npos ||
                                     args[0] == "Empty" || args[0] == "Null" || args[0].front() == '[';
        if (!startsWithValue) {
            std::vector<Variant> values;
            for (size_t i = 1; i < args.size(); ++i) values.push_back(literal::parse(args[i]));
            const std::string r = vectors::isOperation(args[0], values.size())
                                      ? vectors::run(args[0], values)
                                      : std::string();
            if (!vectors::isOperation(args[0], values.size())) {
                err << "tavparts calc: unknown function '" << args[0] << "' for " << values.size()
                    << " argument(s)\n" << kUsage;
                return ExitUsage;
            }
            out << r << '\n';
            return r.starts_with("Err:") ? ExitFailure : ExitOk;
        }
        Variant acc = literal::parse(args[0]);
        std::string result = literal::print(acc);
        if (args.size() % 2 == 0) {
            err << "tavparts calc: an operator needs a value after it\n" << kUsage;
            return ExitUsage;
        }
        for (size_t i = 1; i + 1 < args.size(); i += 2) {
            const Variant rhs = literal::parse(args[i + 1]);
            if (!vectors::isOperation(args[i], 2)) {
                err << "tavparts calc: unknown operator '" << args[i] << "'\n" << kUsage;
                return ExitUsage;
            }
            const Variant pair[] = {acc, rhs};
            result = vectors::run(args[i], pair);
            if (result.starts_with("Err:") || i + 2 >= args.size()) break;
            if (args[i] == "Cmp") {
                err << "tavparts calc: Cmp gives no value to go on with\n";
                return ExitUsage;
            }
            acc = literal::parse(result);
        }
        out << result << '\n';
        return result.starts_with("Err:") ? ExitFailure : ExitOk;
    } catch (const AutomationError& e) {
        err << "tavparts calc: " << e.description() << "\n";
        return ExitUsage;
    }
}

}  // namespace tav::cli
