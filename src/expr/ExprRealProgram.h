#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

#include "automation/objects/ClassDesc.h"
#include "automation/operators/RealPower.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ForceInline.h"
#include "automation/values/Object.h"
#include "automation/values/Variant.h"
#include "expr/FunctionLib.h"
#include "expr/NamedVariables.h"
#include "util/Utils.h"

namespace tav {

class ExprProgram;

// An expression's steps (ExprProgram) done on plain doubles, for the common case that every
// variable the expression reads holds a Double.
//
// The Variant program finds out the type of each value as it runs. With the variables known to
// be Doubles, the type of every value follows from the steps alone:
//
//   Real   a Double: numbers of the text, variables, the results of + - * / ^, of a unary minus
//          and of the library's Double-to-Double functions;
//   Bool   a comparison's Boolean, held as -1 or 0;
//   Whole  a function argument after the argument rule: a Long when the Double is whole.
//
// So the steps become a register program over doubles: the numbers of the text are loaded once,
// the variables at the start of each run, the library's functions are bound to their code when
// the program is built, IIf picks in place, and the only Variant made is the result.
//
// Where the Variant operators would give anything but a Double or a Boolean (a variable that
// is not a Double, a division by zero, a result that is not finite, a NaN compared, a function
// that fails), run() declines and the caller runs the Variant program, which does what it
// always does: the same value, or the same error at the same point. Nothing a declined run did
// shows: the functions keep no state, and the function library is made at the call where the
// Variant program would make it. Steps outside these types (strings, "&", a Boolean or an
// argument in arithmetic, other functions, a parse that stops at an error) build no program
// at all: empty(), and the Variant program answers every time.
class ExprRealProgram {
public:
    static ExprRealProgram compile(const ExprProgram& program);

    bool empty() const noexcept { return !built_; }
    // True with the value in `result`; false when the Variant program must answer instead.
    bool run(const NamedVariables& variables, Ref<FunctionLib>& functionLib, Variant& result);

private:
    class Builder;

    static constexpr double kSquare = 2.0;
    static constexpr double kTrue = -1.0;  // a Boolean as a number
    static double truthOf(bool b) { return b ? kTrue : 0.0; }
    static double squareSum(double a, double b) { return realPower(a, kSquare) + realPower(b, kSquare); }

    enum class Type : uint8_t { Real, Bool, Whole };
    enum class Op : uint8_t {
        Add, Sub, Mul, Div, Pow,  // a op b
        Square,                   // a ^ 2
        SquareSum,                // a ^ 2 + b ^ 2
        Less, Equal, Greater,     // a op b as -1 or 0
        Negate,                   // -a
        Call,                     // functions_[c] of a (a Double parameter takes -0 as 0)
        Root,                     // Sqr of a, in line
        Magnitude,                // Sqr ( a ^ 2 + b ^ 2 ), the multi-property glue's default
        Pick,                     // a ? b : c
    };
    struct Instruction {
        Op op;
        uint32_t to, a, b, c;
    };
    struct Load {
        int32_t variable;
        uint32_t to;
    };

    static void makeLibrary(Ref<FunctionLib>& functionLib);

    std::vector<Instruction> code_;
    std::vector<Load> loads_;
    std::vector<MemberDesc::RealFunction> functions_;
    std::vector<double> registers_;  // the numbers of the text, then the variables and results
    uint32_t result_ = 0;
    Type resultType_ = Type::Real;
    bool built_ = false;
};

// In line with the evaluation that runs it: the call alone would be a good part of the time.
TAV_FORCE_INLINE inline bool ExprRealProgram::run(const NamedVariables& variables,
                                                  Ref<FunctionLib>& functionLib, Variant& result) {
    if (!built_) return false;
    double* const r = registers_.data();
    for (const Load& load : loads_) {
        const Variant& v = variables.valueAt(load.variable);
        if (v.type() != VarType::R8) return false;
        r[load.to] = v.r8();
    }
    for (const Instruction& i : code_) {
        double x = 0;
        switch (i.op) {
            case Op::Add: x = r[i.a] + r[i.b]; break;
            case Op::Sub: x = r[i.a] - r[i.b]; break;
            case Op::Mul: x = r[i.a] * r[i.b]; break;
            case Op::Div:
                if (r[i.b] == 0.0) return false;
                x = r[i.a] / r[i.b];
                break;
            case Op::Pow: x = realPower(r[i.a], r[i.b]); break;
            case Op::Square: x = realPower(r[i.a], kSquare); break;
            // Squares are never negative: a sum that is finite had finite terms.
            case Op::SquareSum: x = squareSum(r[i.a], r[i.b]); break;
            // A NaN compared is left to the Variant comparison.
            case Op::Less:
                if (std::isunordered(r[i.a], r[i.b])) return false;
                r[i.to] = truthOf(r[i.a] < r[i.b]);
                continue;
            case Op::Equal:
                if (std::isunordered(r[i.a], r[i.b])) return false;
                r[i.to] = truthOf(r[i.a] == r[i.b]);
                continue;
            case Op::Greater:
                if (std::isunordered(r[i.a], r[i.b])) return false;
                r[i.to] = truthOf(r[i.a] > r[i.b]);
                continue;
            case Op::Negate: r[i.to] = -r[i.a]; continue;
            case Op::Call: {
                if (!functionLib) makeLibrary(functionLib);
                const double a = r[i.a];
                try {
                    r[i.to] = functions_[i.c](*functionLib, a == 0.0 ? 0.0 : a);
                } catch (const AutomationError&) {
                    return false;
                }
                continue;
            }
            case Op::Root: {
                if (!functionLib) makeLibrary(functionLib);
                // Sqr refuses a negative number; -0 comes to it as 0.
                const double a = r[i.a];
                if (a < 0.0) return false;
                r[i.to] = std::sqrt(a == 0.0 ? 0.0 : a);
                continue;
            }
            case Op::Magnitude: {
                const double sum = squareSum(r[i.a], r[i.b]);
                if (!std::isfinite(sum)) return false;
                if (!functionLib) makeLibrary(functionLib);
                r[i.to] = std::sqrt(sum);
                continue;
            }
            case Op::Pick:
                // IIf is still a call of the library: it exists from the first one on.
                if (!functionLib) makeLibrary(functionLib);
                r[i.to] = r[i.a] != 0.0 ? r[i.b] : r[i.c];
                continue;
            default: __builtin_unreachable();  // every Op is a case above
        }
        // The operators give no infinity or NaN: they raise an error instead.
        if (!std::isfinite(x)) return false;
        r[i.to] = x;
    }
    const double value = r[result_];
    switch (resultType_) {
        case Type::Real:
            result.assignR8(value);
            break;
        case Type::Bool:
            result.assignBool(value != 0.0);
            break;
        case Type::Whole:
            if (int32_t whole; Utils::DoubleAsLong(value, whole))
                result.assignI4(whole);
            else
                result.assignR8(value);
            break;
    }
    return true;
}

}  // namespace tav
