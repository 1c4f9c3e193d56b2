#include "expr/ExprEvaluator.h"

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "expr/ExprCompiler.h"
#include "expr/ExprEvaluatorText.h"
#include "expr/Tokenizer.h"
#include "util/DBugLifeTimes.h"

namespace tav {

namespace {

namespace text = ExprEvaluatorText;

// The default white space (blank, CR, LF, tab).
constexpr std::string_view kDefaultWhiteSpace = "";

}  // namespace

ClassDesc ExprEvaluator::describe() {
    using C = ExprEvaluator;
    return ClassDesc(std::string(text::ClassName), std::string(text::ClassHelp))
        .add(property<&C::ExpressionString, &C::SetExpressionString>("ExpressionString"))
        .add(method<&C::EvalExpresion>("EvalExpresion", {}, text::EvalHelp))
        .add(property<&C::NamedVariablesCount>("NamedVariablesCount"))
        .add(property<&C::VariableName>("VariableName", {"Index1Based"}))
        .add(property<&C::NamedVariable, &C::SetNamedVariable>("NamedVariable", {"VarName"}))
        .add(property<&C::GetFunctionLib>("FunctionLib", text::FunctionLibHelp).hide());
}

ExprEvaluator::ExprEvaluator() {
    DBugLifeTimes::TraceLifetime(text::ClassName, this);
    variables_.let(text::PiName, Variant::R8(text::PiValue));
    variables_.let(text::EName, Variant::R8(text::EValue));
}

ExprEvaluator::~ExprEvaluator() { DBugLifeTimes::TraceLifetime(text::ClassName, this); }

std::string ExprEvaluator::ExpressionString() const { return tokens_.joined(); }

void ExprEvaluator::SetExpressionString(std::string_view text) {
    ExprTokens tokens(Tokenizer::TokenizeString(text, text::Delimiters, kDefaultWhiteSpace),
                      FunctionLib::table().defaultInterface());
    tokens_ = std::move(tokens);
    programFor_ = NoProgram;
}

Variant ExprEvaluator::EvalExpresion() {
    if (programFor_ != variables_.count()) compile();
    Variant result;
    if (!realProgram_.run(variables_, functionLib_, result)) result = program_.run(variables_, functionLib_, stack_);
    return result;
}

void ExprEvaluator::compile() {
    programFor_ = NoProgram;
    program_ = ExprCompiler::compile(tokens_, variables_);
    realProgram_ = ExprRealProgram::compile(program_);
    programFor_ = variables_.count();
}

int32_t ExprEvaluator::NamedVariablesCount() const { return variables_.count(); }

std::string ExprEvaluator::VariableName(int32_t Index1Based) const {
    if (Index1Based < 1 || Index1Based > variables_.count()) throwError(err::SubscriptOutOfRange);
    return variables_.nameAt(Index1Based - 1);
}

Variant ExprEvaluator::NamedVariable(std::string_view VarName) const {
    const int32_t position = variables_.find(VarName);
    if (position == NamedVariables::NotFound)
        throw AutomationError(err::InvalidProcedureCall, "",
                              std::string(text::ErrUndefinedVariable) + std::string(VarName));
    return variables_.valueAt(position);
}


Ref<Object> ExprEvaluator::GetFunctionLib() {
    if (!functionLib_) functionLib_ = makeRef<FunctionLib>();
    return Ref<Object>(functionLib_.get());
}

}  // namespace tav
