#include "expr/ExprCompiler.h"

#include "automation/values/ErrorNumbers.h"
#include "expr/ExprEvaluatorText.h"

namespace tav {

namespace {

namespace text = ExprEvaluatorText;
using Op = ExprProgram::Op;

bool isExpressionOperator(uint8_t kind) {
    return kind == '+' || kind == '-' || kind == '&' || kind == '<' || kind == '=' || kind == '>';
}
bool isTermOperator(uint8_t kind) { return kind == '*' || kind == '/' || kind == '^'; }

// Counts the factors being parsed inside one another.
class Nesting {
public:
    explicit Nesting(int& depth) : depth_(++depth) {}
    ~Nesting() { --depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;
    bool tooDeep() const { return depth_ > text::MaxNesting; }

private:
    int& depth_;
};

}  // namespace

ExprProgram ExprCompiler::compile(const ExprTokens& tokens, const NamedVariables& variables) {
    ExprCompiler c(tokens, variables);
    try {
        c.parseExpression();
        if (c.kind() != ExprTokens::KindEnd) c.raise(err::InvalidProcedureCall, text::ErrEndExpected);
        c.program_.push({Op::Return}, -1);
    } catch (const Stop&) {
    }
    return std::move(c.program_);
}

void ExprCompiler::raise(AutomationError error) {
    program_.push({Op::Raise, 0, program_.addError(std::move(error))}, 0);
    throw Stop{};
}

void ExprCompiler::raise(int32_t number, std::string_view description, std::string_view suffix) {
    raise(AutomationError(number, "", std::string(description) + std::string(suffix)));
}

// Out of line, so that the error's temporaries take no room in the frames of the recursion.
void ExprCompiler::raiseBadString() {
    raise(AutomationError(err::InvalidProcedureCall, std::string(text::Source), std::string(text::ErrStringConstant)));
}

// Makes the next token current; reading it may raise the error it was classified with.
void ExprCompiler::getToken() {
    if (next_ >= tokens_.size()) raise(AutomationError(err::SubscriptOutOfRange));
    currentIndex_ = next_;
    current_ = &tokens_.lexeme(next_);
    if (current_->error >= 0) {
        const ExprTokens::Error& e = tokens_.error(current_->error);
        raise(AutomationError(e.number, e.source, e.description));
    }
    next_ = current_->last + 1;
}

void ExprCompiler::parseExpression() {
    parseTerm();
    while (isExpressionOperator(kind())) {
        const uint8_t op = kind();
        parseTerm();
        program_.push({Op::Combine, op}, -1);
    }
}

void ExprCompiler::parseTerm() {
    parseFactor();
    while (isTermOperator(kind())) {
        const uint8_t op = kind();
        parseFactor();
        program_.push({Op::Combine, op}, -1);
    }
}

void ExprCompiler::parseFactor() {
    const Nesting nesting(depth_);
    if (nesting.tooDeep()) raise(err::InvalidProcedureCall, text::ErrNestedTooDeeply);
    getToken();
    switch (kind()) {
        case ExprTokens::KindName: {
            const int32_t variable = variables_.find(tokens_.text(currentIndex_));
            if (variable != NamedVariables::NotFound)
                program_.push({Op::PushVariable, 0, variable}, 1);
            else
                parseCall(currentIndex_);
            getToken();
            return;
        }
        case ExprTokens::KindString:
            if (current_->badString) raiseBadString();
            [[fallthrough]];
        case ExprTokens::KindNumber:
            program_.push({Op::PushConstant, 0, program_.addConstant(current_->value)}, 1);
            getToken();
            return;
        case '(':
            parseExpression();
            if (kind() != ')') raise(err::MissingCloseBracket, text::ErrRightBracket);
            getToken();
            return;
        case '+':
            parseFactor();
            return;
        case '-':
            parseFactor();
            program_.push({Op::Negate}, 0);
            return;
        default:
            raise(err::ValueExpected, text::ErrValueExpected);
    }
}

bool ExprCompiler::takesDouble(const MemberDesc* member, int32_t position) {
    return member && member->plainArity != MemberDesc::NotPlain && position < member->plainArity &&
           member->plainTypes[static_cast<size_t>(position)] == VarType::R8;
}

// name "(" expression { "," expression } ")"; the closing bracket stays current.
void ExprCompiler::parseCall(int32_t nameIndex) {
    const std::string& name = tokens_.text(nameIndex);
    const MemberDesc* member = tokens_.lexeme(nameIndex).function;
    getToken();
    if (kind() != '(') raise(err::InvalidProcedureCall, text::ErrOpenBracket, name);
    int32_t count = 0;
    do {
        parseExpression();
        // A Double parameter takes a whole Double that travelled as a Long back as the same
        // Double (but for -0, which comes back as 0), so the trip is left out there.
        program_.push({takesDouble(member, count) ? Op::DoubleArgument : Op::Argument}, 0);
        ++count;
    } while (kind() == ',');
    if (kind() != ')') raise(err::InvalidProcedureCall, text::ErrParamList);
    program_.push({Op::Call, 0, program_.addCall({name, member}), count}, 1 - count);
}

}  // namespace tav
