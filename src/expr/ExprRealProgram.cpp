#include "expr/ExprRealProgram.h"

#include "expr/ExprProgram.h"

namespace tav {

namespace {

constexpr size_t kDoubleArity = 1;  // a Double-to-Double function
constexpr size_t kPickArity = 3;    // IIf: the condition and both values

}  // namespace

// Follows the Variant program step by step with the registers and types its values would have.
class ExprRealProgram::Builder {
public:
    Builder(const ExprProgram& source, ExprRealProgram& out) : source_(source), out_(out) {}

    // False when a step has no counterpart here.
    bool build() {
        using Step = ExprProgram::Op;
        for (const ExprProgram::Step& s : source_.steps()) {
            switch (s.op) {
                case Step::PushConstant:
                    if (!constant(s.a)) return false;
                    break;
                case Step::PushVariable:
                    variable(s.a);
                    break;
                case Step::Combine:
                    if (!combine(s.code)) return false;
                    break;
                case Step::CombineConstant:
                    if (!constant(s.a) || !combine(s.code)) return false;
                    break;
                case Step::CombineVariable:
                    variable(s.a);
                    if (!combine(s.code)) return false;
                    break;
                case Step::VariableWithConstant:
                    variable(s.a);
                    if (!constant(s.b) || !combine(s.code)) return false;
                    break;
                case Step::Negate: {
                    const Value v = pop();
                    if (v.type != Type::Real) return false;
                    push(Op::Negate, Type::Real, v.at);
                    break;
                }
                case Step::Argument:
                    // A whole Double travels on as a Long, a Boolean as it is.
                    if (stack_.back().type == Type::Real) stack_.back().type = Type::Whole;
                    break;
                case Step::DoubleArgument:
                    // Only the library's Double-to-Double functions are called here, and the
                    // call itself reads the argument as their Double parameter does: a Boolean
                    // as -1 or 0, a Whole or Real as its Double, but -0 as 0.
                    stack_.back().type = Type::Real;
                    break;
                case Step::Call:
                    if (!call(source_.calls()[static_cast<size_t>(s.a)], static_cast<size_t>(s.b))) return false;
                    break;
                case Step::Raise:
                    return false;
                case Step::Return: {
                    const Value v = pop();
                    out_.result_ = v.at;
                    out_.resultType_ = v.type;
                    return true;
                }
            }
        }
        return false;
    }

private:
    struct Value {
        uint32_t at;
        Type type;
        bool written = false;  // a number of the text
    };

    uint32_t newRegister(double initial = 0) {
        out_.registers_.push_back(initial);
        return static_cast<uint32_t>(out_.registers_.size() - 1);
    }
    Value pop() {
        const Value v = stack_.back();
        stack_.pop_back();
        return v;
    }
    void push(Op op, Type type, uint32_t a, uint32_t b = 0, uint32_t c = 0) {
        const uint32_t to = newRegister();
        out_.code_.push_back({op, to, a, b, c});
        stack_.push_back({to, type});
    }

    // Only numbers: a string constant makes the values strings.
    bool constant(int32_t index) {
        const Variant& c = source_.constants()[static_cast<size_t>(index)];
        if (c.type() != VarType::R8) return false;
        stack_.push_back({newRegister(c.r8()), Type::Real, true});
        return true;
    }

    // Each variable is loaded once per run, however often the expression reads it.
    void variable(int32_t position) {
        for (const Load& l : out_.loads_) {
            if (l.variable == position) {
                stack_.push_back({l.to, Type::Real});
                return;
            }
        }
        const uint32_t to = newRegister();
        out_.loads_.push_back({position, to});
        stack_.push_back({to, Type::Real});
    }

    bool combine(uint8_t code) {
        const Value b = pop();
        const Value a = pop();
        if (a.type != Type::Real || b.type != Type::Real) return false;
        Op op;
        Type type = Type::Real;
        switch (code) {
            case '+': op = Op::Add; break;
            case '-': op = Op::Sub; break;
            case '*': op = Op::Mul; break;
            case '/': op = Op::Div; break;
            case '^':
                if (b.written && out_.registers_[b.at] == kSquare) {
                    push(Op::Square, type, a.at);
                    return true;
                }
                op = Op::Pow;
                break;
            case '<': op = Op::Less; type = Type::Bool; break;
            case '=': op = Op::Equal; type = Type::Bool; break;
            case '>': op = Op::Greater; type = Type::Bool; break;
            default: return false;  // "&" joins text
        }
        if (op == Op::Add && squaredLast(2, a) && squaredLast(1, b)) {
            // The two squares just made are read by this sum alone: one step does all three.
            const uint32_t x = out_.code_[out_.code_.size() - 2].a, y = out_.code_.back().a;
            out_.code_.resize(out_.code_.size() - 2);
            push(Op::SquareSum, type, x, y);
            return true;
        }
        push(op, type, a.at, b.at);
        return true;
    }

    // Whether the `back`-th last step squares into `v`.
    bool squaredLast(size_t back, const Value& v) const {
        const auto& code = out_.code_;
        return code.size() >= back && code[code.size() - back].op == Op::Square && code[code.size() - back].to == v.at;
    }

    // The arity is the plain one of the member, so the Variant program calls it the short way too.
    bool call(const ExprProgram::CallSite& site, size_t count) {
        const MemberDesc* member = site.member;
        if (!member) return false;
        if (member == &FunctionLib::rootMember() && count == kDoubleArity) {
            const Value x = pop();
            if (!out_.code_.empty() && out_.code_.back().op == Op::SquareSum && out_.code_.back().to == x.at) {
                out_.code_.back().op = Op::Magnitude;  // the sum's own step takes the root too
                stack_.push_back(x);
            } else {
                push(Op::Root, Type::Real, x.at);
            }
            return true;
        }
        if (member->realFunction && count == kDoubleArity) {
            const Value x = pop();
            out_.functions_.push_back(member->realFunction);
            push(Op::Call, Type::Real, x.at, 0, static_cast<uint32_t>(out_.functions_.size() - 1));
            return true;
        }
        if (member == &FunctionLib::pickMember() && count == kPickArity) {
            const Value ifFalse = pop();
            const Value ifTrue = pop();
            const Value condition = pop();
            // The Variant types of the two must agree for the result to have one.
            if (ifTrue.type != ifFalse.type) return false;
            push(Op::Pick, ifTrue.type, condition.at, ifTrue.at, ifFalse.at);
            return true;
        }
        return false;
    }

    const ExprProgram& source_;
    ExprRealProgram& out_;
    std::vector<Value> stack_;
};

ExprRealProgram ExprRealProgram::compile(const ExprProgram& program) {
    ExprRealProgram out;
    out.built_ = Builder(program, out).build();
    if (!out.built_) return ExprRealProgram();
    return out;
}

[[gnu::noinline]] void ExprRealProgram::makeLibrary(Ref<FunctionLib>& functionLib) {
    functionLib = makeRef<FunctionLib>();
}

}  // namespace tav
