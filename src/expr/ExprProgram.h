#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <span>

#include "automation/values/AutomationError.h"
#include "automation/objects/ClassDesc.h"
#include "automation/values/Object.h"
#include "automation/values/Variant.h"

namespace tav {

class FunctionLib;
class NamedVariables;

// What one evaluation of an expression does, step by step, for one set of variable names.
//
// The recursive-descent parse has no choices that depend on values: which names are variables
// decides its course, and everything else follows from the tokens alone. So the parse is done
// once per token array and variable set (ExprCompiler) and written down here as the sequence
// of its actions: push a number, string or variable value, combine the top two values, negate,
// call a function on the arguments gathered, or raise the error the parse stops at. Running
// the sequence performs the same operations in the same order as parsing again would, so the
// same values come out and the same errors surface at the same point.
class ExprProgram {
public:
    enum class Op : uint8_t {
        PushConstant,  // constants()[a]
        PushVariable,  // the variable at position a
        Combine,       // top two values with the operator `code` (+ - & < = > * / ^)
        CombineConstant,  // the top value with constants()[a]: PushConstant a, Combine
        CombineVariable,  // the top value with the variable at a: PushVariable a, Combine
        VariableWithConstant,  // the variable at a with constants()[b]: PushVariable a, CombineConstant b
        Negate,        // unary minus on the top value
        Argument,      // a whole Double on top travels as a Long (the function-argument rule)
        DoubleArgument,  // Argument for a Double parameter: the trip through Long only turns -0 into 0
        Call,          // calls()[a] on the top b values, in text order
        Raise,         // errors()[a]: the parse stops here
        Return,        // the top value is the result
    };
    struct Step {
        Op op;
        uint8_t code = 0;
        int32_t a = 0;
        int32_t b = 0;
    };
    struct CallSite {
        std::string name;                      // as written, for messages
        const MemberDesc* member = nullptr;    // the function library's member of that name, if any
    };

    // Runs the steps. The function library is made in `functionLib` when a function is first
    // called; `stack` is scratch space the caller keeps between runs.
    Variant run(const NamedVariables& variables, Ref<FunctionLib>& functionLib, std::vector<Variant>& stack) const;

    // Building (ExprCompiler). A Combine right after a push of a constant or variable is
    // recorded as one step that takes that operand where it is.
    void push(Step step, int depthChange);
    int32_t addConstant(Variant value);
    int32_t addCall(CallSite site);
    int32_t addError(AutomationError error);
    const std::vector<Step>& steps() const { return steps_; }
    const std::vector<Variant>& constants() const { return constants_; }
    const std::vector<CallSite>& calls() const { return calls_; }

private:
    static Variant call(const CallSite& site, Ref<FunctionLib>& functionLib, std::span<Variant> arguments);

    std::vector<Step> steps_;
    std::vector<Variant> constants_;
    std::vector<CallSite> calls_;
    std::vector<AutomationError> errors_;
    int depth_ = 0;     // values on the stack after the steps so far
    int maxDepth_ = 0;  // the most there ever are
};

}  // namespace tav
