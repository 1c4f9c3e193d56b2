#pragma once
#include <bit>
#include <cstdint>
#include <string_view>

// Names, texts and limits of the expression evaluator.
namespace tav::ExprEvaluatorText {

inline constexpr std::string_view ClassName = "ExprEvaluator";
inline constexpr std::string_view Source = "ExprEvaluator";
inline constexpr std::string_view ClassHelp = "General expresion evaluator. Used in several glues. ";
inline constexpr std::string_view EvalHelp = "Result of expresion";
inline constexpr std::string_view FunctionLibHelp =
    "Exposes an object whose type-lib desribes the functions this expression eval can use";

// Every one of these characters is a token of its own; the quote opens a string constant.
inline constexpr std::string_view Delimiters = "+-*/^(),><=&\"";

// Variables every new evaluator holds, in this order.
inline constexpr std::string_view PiName = "PI";
inline constexpr double PiValue = std::bit_cast<double>(uint64_t{0x400921FB54524550});
inline constexpr std::string_view EName = "e";
inline constexpr double EValue = std::bit_cast<double>(uint64_t{0x4005BF0A8B04919B});

inline constexpr std::string_view ErrEndExpected = "Expected end of expresion.";
inline constexpr std::string_view ErrUndefinedVariable = "Undefined varaiable name: ";
inline constexpr std::string_view ErrRightBracket = "Expected right bracked ')'";
inline constexpr std::string_view ErrValueExpected = "Expected Value!";
inline constexpr std::string_view ErrUnresolvedOpen = "Unable to resolve token: '";
inline constexpr std::string_view ErrUnresolvedClose = "'";
inline constexpr std::string_view FromFunctionOpen = " (from function: '";
inline constexpr std::string_view FromFunctionClose = "')";
inline constexpr std::string_view ErrStringConstant = "String constants expected of form \"xxxx\" ";
inline constexpr std::string_view ErrOpenBracket = "Expected '(' after function: ";
inline constexpr std::string_view ErrParamList = "Expected ')' after Paramlist.";
inline constexpr std::string_view ErrExponentSign = "Expected sign (+/-) after 'e' in scientific format constant.";
inline constexpr std::string_view ErrExponentDigits = "Require numeric exponent for scientific format constant.";
inline constexpr std::string_view ErrLeadingChar = "Unexpected leading char in token: ";

// Brackets, signs and function calls nest by recursion; an expression nested deeper than this
// fails with ErrNestedTooDeeply (number 5) instead of exhausting the stack. The limit costs
// under a megabyte of stack in an optimised build (a few in a sanitized one); hand-written
// expressions stay far below it, while the largest token array could nest 16 times deeper.
inline constexpr int MaxNesting = 2048;
inline constexpr std::string_view ErrNestedTooDeeply = "Expression nested too deeply.";

}  // namespace tav::ExprEvaluatorText
