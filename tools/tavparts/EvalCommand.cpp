// tavparts eval: evaluates an expression the way the expression glues do.
//   tavparts eval '( TheValue * PI + 2 ) ^ 2' TheValue=R8:1    -> R8:26.4393...
//   tavparts eval 'Sqr(x)' x=I4:-1                              -> Err:5 "ExprEvaluator" "..."
#include <iostream>

#include "Commands.h"
#include "automation/values/AutomationError.h"
#include "automation/values/TypedLiteral.h"
#include "automation/vectors/VectorOps.h"
#include "expr/ExprEvaluator.h"

namespace tav::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: tavparts eval EXPRESSION [NAME=VALUE]...   (VALUE: a typed literal, e.g. TheValue=R8:2.5)\n";
constexpr char kAssign = '=';

// The error line of the script runner: Err:NUMBER "SOURCE" "DESCRIPTION".
std::string errorLine(const AutomationError& e) {
    return vectors::errorText(e.number()) + " " + literal::quote(e.source()) + " " + literal::quote(e.description());
}

}  // namespace

int runEval(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return ExitUsage;
    }
    Ref<ExprEvaluator> evaluator = makeRef<ExprEvaluator>();
    for (size_t i = 1; i < args.size(); ++i) {
        const size_t eq = args[i].find(kAssign);
        if (eq == std::string::npos || eq == 0) {
            err << "tavparts eval: expected NAME=VALUE, got '" << args[i] << "'\n" << kUsage;
            return ExitUsage;
        }
        try {
            evaluator->SetNamedVariable(std::string_view(args[i]).substr(0, eq), literal::parse(args[i].substr(eq + 1)));
        } catch (const AutomationError& e) {
            err << "tavparts eval: " << e.description() << " in '" << args[i] << "'\n" << kUsage;
            return ExitUsage;
        }
    }
    try {
        evaluator->SetExpressionString(args[0]);
        out << literal::print(evaluator->EvalExpresion()) << '\n';
        return ExitOk;
    } catch (const AutomationError& e) {
        out << errorLine(e) << '\n';
        return ExitFailure;
    }
}

}  // namespace tav::cli
