#pragma once
#include <cstdint>
#include <vector>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Object.h"
#include "automation/values/Variant.h"

namespace tav {

class ExprProgram;
class FunctionLib;
class NamedVariables;

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

    enum class Type : uint8_t { Real, Bool, Whole };
    enum class Op : uint8_t {
        Add, Sub, Mul, Div, Pow,  // a op b
        Square,                   // a ^ 2
        Less, Equal, Greater,     // a op b as -1 or 0
        Negate,                   // -a
        Call,                     // functions_[c] of a (a Double parameter takes -0 as 0)
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

    // Calls a library function; false when it fails.
    bool call(const Instruction& i, Ref<FunctionLib>& functionLib);
    static void makeLibrary(Ref<FunctionLib>& functionLib);

    std::vector<Instruction> code_;
    std::vector<Load> loads_;
    std::vector<MemberDesc::RealFunction> functions_;
    std::vector<double> registers_;  // the numbers of the text, then the variables and results
    uint32_t result_ = 0;
    Type resultType_ = Type::Real;
    bool built_ = false;
};

}  // namespace tav
