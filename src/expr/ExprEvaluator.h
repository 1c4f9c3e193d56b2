#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "automation/values/Variant.h"
#include "expr/ExprProgram.h"
#include "expr/ExprRealProgram.h"
#include "expr/ExprTokens.h"
#include "expr/FunctionLib.h"
#include "expr/NamedVariables.h"

namespace tav {

// Evaluates one expression over named variables and the functions of a FunctionLib.
//
// Grammar, three left-associative levels, evaluated while parsing:
//   expression = term { ("+" | "-" | "&" | "<" | "=" | ">") term }
//   term       = factor { ("*" | "/" | "^") factor }
//   factor     = number | "string" | variable | function "(" expression { "," expression } ")"
//              | "(" expression ")" | "+" factor | "-" factor
// so 2 * 3 ^ 2 is 36 and -2 ^ 2 is 4. Values combine with the Variant operators. A name is a
// variable when one of that exact name exists (variables win over functions), otherwise a
// call of the FunctionLib member of that name, found without regard to case.
//
// The text is split into tokens once, when ExpressionString is let, and every EvalExpresion
// parses those tokens again from the start, so the same evaluator can be evaluated any number
// of times with new variable values in between. Since a parse takes the same course as long as
// the tokens and the set of variable names stay the same, its steps are written down once
// (ExprCompiler) and replayed on later evaluations until a variable is added; while the
// variables it reads hold Doubles, the same steps run on plain doubles (ExprRealProgram).
class ExprEvaluator : public Dispatchable<ExprEvaluator> {
public:
    static ClassDesc describe();

    ExprEvaluator();
    ~ExprEvaluator() override;

    // The token form: the tokens joined by one blank, the end marker (code 0) included.
    std::string ExpressionString() const;
    // Errors of the tokenizer leave the previous expression in place.
    void SetExpressionString(std::string_view text);
    Variant EvalExpresion();
    int32_t NamedVariablesCount() const;
    std::string VariableName(int32_t Index1Based) const;
    Variant NamedVariable(std::string_view VarName) const;
    // In line: the glues set a variable before every evaluation.
    void SetNamedVariable(std::string_view VarName, const Variant& value) { variables_.let(VarName, value); }
    Ref<Object> GetFunctionLib();

private:
    static constexpr int32_t NoProgram = -1;

    // The programs of the tokens for the variables there are now.
    [[gnu::noinline]] void compile();

    ExprTokens tokens_;
    NamedVariables variables_;
    Ref<FunctionLib> functionLib_;
    // The parse of tokens_ for the variables there were (programFor_ of them: variables are
    // only ever added, so the count tells whether the set is still the same).
    ExprProgram program_;
    ExprRealProgram realProgram_;  // program_ on doubles, where it has such a form
    int32_t programFor_ = NoProgram;
    std::vector<Variant> stack_;  // scratch space of the evaluations
};

}  // namespace tav
