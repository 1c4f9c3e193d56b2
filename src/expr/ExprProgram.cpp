#include "expr/ExprProgram.h"

#include <algorithm>
#include <cmath>

#include "automation/values/ErrorNumbers.h"
#include "automation/objects/Invoke.h"
#include "automation/operators/Operators.h"
#include "automation/operators/RealPower.h"
#include "automation/values/ForceInline.h"
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
    if (step.op == Op::Combine && !steps_.empty()) {
        Step& operand = steps_.back();
        if (operand.op == Op::PushConstant || operand.op == Op::PushVariable) {
            operand.op = operand.op == Op::PushConstant ? Op::CombineConstant : Op::CombineVariable;
            operand.code = step.code;
            depth_ += depthChange;  // the operand's own push no longer happens
            const size_t n = steps_.size();
            if (operand.op == Op::CombineConstant && n >= 2 && steps_[n - 2].op == Op::PushVariable) {
                steps_[n - 2] = {Op::VariableWithConstant, operand.code, steps_[n - 2].a, operand.a};
                steps_.pop_back();
            }
            return;
        }
    }
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

namespace {

[[noreturn]] void unresolved(const std::string& name) {
    throw AutomationError(err::InvalidProcedureCall, std::string(text::Source),
                          std::string(text::ErrUnresolvedOpen) + name + std::string(text::ErrUnresolvedClose));
}

// The Double-with-Double cases of the operators, computed in place on the left operand. False
// where the operator needs its general path: "&", a NaN operand of a comparison, a division by
// zero, and a result that is not finite (the general path raises the error).
TAV_FORCE_INLINE inline bool combineReals(uint8_t op, Variant& left, double b) {
    const double a = left.r8();
    double r;
    switch (op) {
        case '+': r = a + b; break;
        case '-': r = a - b; break;
        case '*': r = a * b; break;
        case '/':
            if (b == 0.0) return false;
            r = a / b;
            break;
        case '^': r = realPower(a, b); break;
        case '<':
        case '=':
        case '>':
            if (std::isnan(a) || std::isnan(b)) return false;
            left.assignBool(op == '<' ? a < b : op == '=' ? a == b : a > b);
            return true;
        default: return false;
    }
    if (!std::isfinite(r)) return false;
    left.assignR8(r);
    return true;
}

// left <- left op right.
inline void combineInPlace(uint8_t op, Variant& left, const Variant& right) {
    if (!(left.type() == VarType::R8 && right.type() == VarType::R8 && combineReals(op, left, right.r8())))
        left = combine(op, left, right);
}

}  // namespace

// The function library's member of that name, found by name (without regard to case) when the
// text was set and called through the shared call-by-name machinery with the arguments in text
// order. A name it does not know and any failure of the call come out as the evaluator's errors
// naming the function.
Variant ExprProgram::call(const CallSite& site, Ref<FunctionLib>& functionLib, std::span<Variant> arguments) {
    if (!site.member) unresolved(site.name);
    if (!functionLib) functionLib = makeRef<FunctionLib>();
    try {
        return invokeMember(*functionLib, *site.member, InvokeKind::Method, arguments);
    } catch (const AutomationError& e) {
        if (e.number() == err::ObjectDoesNotSupport) unresolved(site.name);
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
                Variant& right = *--top;
                combineInPlace(step.code, top[-1], right);
                right.clear();
                break;
            }
            case Op::CombineConstant:
                combineInPlace(step.code, top[-1], constants_[static_cast<size_t>(step.a)]);
                break;
            case Op::CombineVariable:
                combineInPlace(step.code, top[-1], variables.valueAt(step.a));
                break;
            case Op::VariableWithConstant:
                *top = variables.valueAt(step.a);
                combineInPlace(step.code, *top++, constants_[static_cast<size_t>(step.b)]);
                break;
            case Op::Negate:
                if (top[-1].type() == VarType::R8) top[-1].assignR8(-top[-1].r8());
                else top[-1] = Neg(top[-1]);
                break;
            case Op::Argument:
                if (int32_t whole; top[-1].type() == VarType::R8 && Utils::DoubleAsLong(top[-1].r8(), whole))
                    top[-1].assignI4(whole);
                break;
            case Op::DoubleArgument:
                if (top[-1].type() == VarType::R8 && top[-1].r8() == 0.0) top[-1].assignR8(0.0);
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
