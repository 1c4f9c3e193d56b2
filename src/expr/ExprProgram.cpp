#include "expr/ExprProgram.h"

#include <algorithm>

#include "automation/ErrorNumbers.h"
#include "automation/Operators.h"
#include "automation/TLIApplication.h"
#include "expr/ExprEvaluatorText.h"
#include "expr/FunctionLib.h"
#include "expr/NamedVariables.h"
#include "util/Utils.h"

namespace tav {

namespace {

namespace text = ExprEvaluatorText;

Variant compare(Comparison wanted, const Variant& a, const Variant& b) {
    const Comparison c = Cmp(a, b);
    if (c == Comparison::Null) return Variant::Null();
    return Variant::Bool(c == wanted);
}

// The operators with the Variant rules: "+" adds or joins, "&" joins as text, the comparisons
// give a Boolean (Null with a Null side), "/" and "^" give Doubles.
Variant combine(uint8_t op, const Variant& a, const Variant& b) {
    switch (op) {
        case '+': return Add(a, b);
        case '-': return Sub(a, b);
        case '&': return Cat(a, b);
        case '<': return compare(Comparison::LT, a, b);
        case '=': return compare(Comparison::EQ, a, b);
        case '>': return compare(Comparison::GT, a, b);
        case '*': return Mul(a, b);
        case '/': return Div(a, b);
        default: return Pow(a, b);
    }
}

// Empties the stack slots a failed run left values in, so that it holds no strings or
// objects until the next run.
class StackGuard {
public:
    StackGuard(Variant* slots, size_t count) : slots_(slots), count_(count) {}
    ~StackGuard() {
        if (!done_) std::for_each(slots_, slots_ + count_, [](Variant& v) { v.clear(); });
    }
    StackGuard(const StackGuard&) = delete;
    StackGuard& operator=(const StackGuard&) = delete;
    void done() { done_ = true; }

private:
    Variant* slots_;
    size_t count_;
    bool done_ = false;
};

}  // namespace

void ExprProgram::push(Step step, int depthChange) {
    steps_.push_back(step);
    depth_ += depthChange;
    maxDepth_ = std::max(maxDepth_, depth_);
}

int32_t ExprProgram::addConstant(Variant value) {
    constants_.push_back(std::move(value));
    return static_cast<int32_t>(constants_.size() - 1);
}

int32_t ExprProgram::addCall(CallSite site) {
    calls_.push_back(std::move(site));
    return static_cast<int32_t>(calls_.size() - 1);
}

int32_t ExprProgram::addError(AutomationError error) {
    errors_.push_back(std::move(error));
    return static_cast<int32_t>(errors_.size() - 1);
}

// The function library's member of that name, called by name through the shared service,
// which takes the arguments last-first. A name it does not know and any failure of the call
// come out as the evaluator's errors naming the function.
Variant ExprProgram::call(const CallSite& site, Ref<FunctionLib>& functionLib, std::span<Variant> arguments) {
    if (!functionLib) functionLib = makeRef<FunctionLib>();
    Utils::ReverseArray(arguments);
    TLIApplication& service = TLIApplication::shared();
    try {
        return site.member != DispIdUnknown
                   ? service.invokeHook(functionLib.get(), site.member, InvokeKind::Method, arguments)
                   : service.invokeHook(functionLib.get(), site.name, InvokeKind::Method, arguments);
    } catch (const AutomationError& e) {
        if (e.number() == err::ObjectDoesNotSupport)
            throw AutomationError(err::InvalidProcedureCall, std::string(text::Source),
                                  std::string(text::ErrUnresolvedOpen) + site.name + std::string(text::ErrUnresolvedClose));
        throw AutomationError(e.number(), std::string(text::Source),
                              e.description() + std::string(text::FromFunctionOpen) + site.name +
                                  std::string(text::FromFunctionClose));
    }
}

Variant ExprProgram::run(const NamedVariables& variables, Ref<FunctionLib>& functionLib,
                         std::vector<Variant>& stack) const {
    if (stack.size() < static_cast<size_t>(maxDepth_)) stack.resize(static_cast<size_t>(maxDepth_));
    Variant* const slots = stack.data();
    StackGuard guard(slots, stack.size());
    Variant* top = slots;  // one past the top value
    for (const Step& step : steps_) {
        switch (step.op) {
            case Op::PushConstant:
                *top++ = constants_[static_cast<size_t>(step.a)];
                break;
            case Op::PushVariable:
                *top++ = variables.valueAt(step.a);
                break;
            case Op::Combine: {
                const Variant right = std::move(*--top);
                top[-1] = combine(step.code, top[-1], right);
                break;
            }
            case Op::Negate:
                top[-1] = Neg(top[-1]);
                break;
            case Op::Argument:
                if (top[-1].type() == VarType::R8) top[-1] = Utils::CNum(std::move(top[-1]));
                break;
            case Op::Call: {
                const std::span<Variant> arguments(top - step.b, static_cast<size_t>(step.b));
                Variant result = call(calls_[static_cast<size_t>(step.a)], functionLib, arguments);
                for (Variant& argument : arguments) argument.clear();
                top -= step.b;
                *top++ = std::move(result);
                break;
            }
            case Op::Raise:
                throw errors_[static_cast<size_t>(step.a)];
            case Op::Return:
                guard.done();
                return std::move(*--top);
        }
    }
    // A program always ends with Return or Raise.
    throw AutomationError(err::UnexpectedState);
}

}  // namespace tav
