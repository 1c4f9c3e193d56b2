// The expression evaluator with expression text and variables from outside. Input: the
// expression on the first line, then NAME=LITERAL lines for variables. The expression is
// evaluated, a variable is added (which makes the evaluator parse the tokens afresh), and it is
// evaluated again: both evaluations must agree.
#include "FuzzInput.h"
#include "automation/values/TypedLiteral.h"
#include "expr/ExprEvaluator.h"

namespace {

using namespace tav;

// A name no expression can mention: the tokenizer splits it at its delimiters.
constexpr std::string_view kExtraVariable = "(extra)";

// The outcome of one evaluation as text: the value, or the error number.
std::string evaluate(ExprEvaluator& e) {
    try {
        return literal::print(e.EvalExpresion());
    } catch (const AutomationError& err) {
        return "Err:" + std::to_string(err.number());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view rest = fuzz::text(data, size);
    const std::string_view expression = fuzz::nextField(rest, '\n');
    const Ref<ExprEvaluator> e = makeRef<ExprEvaluator>();
    try {
        e->SetExpressionString(expression);
    } catch (const AutomationError&) {
        return 0;
    }
    while (!rest.empty()) {
        std::string_view line = fuzz::nextField(rest, '\n');
        const std::string_view name = fuzz::nextField(line, '=');
        try {
            e->SetNamedVariable(name, literal::parse(line));
        } catch (const AutomationError&) {
        }
    }
    const std::string first = evaluate(*e);
    e->SetNamedVariable(kExtraVariable, Variant());
    fuzz::check(evaluate(*e) == first);
    return 0;
}
