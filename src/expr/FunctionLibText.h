#pragma once
#include <string_view>

// The help strings of the function library's members, as design-time tools show them (their
// claims about degrees and about BitOr are not what the members compute).
namespace tav::FunctionLibText {

inline constexpr std::string_view LogHelp =
    R"~(Natural log.)~";
inline constexpr std::string_view IIfHelp =
    R"~(Depending on the bCondition parameter, returns the value of the IfTrue or IfFalse parameters. NB. Both IfTrue and IfFalse, are always evaluated.)~";
inline constexpr std::string_view SinHelp =
    R"~(Returns the Sine of an angle (in degrees).)~";
inline constexpr std::string_view CosHelp =
    R"~(Returns the Cosine of an angle (in degrees).)~";
inline constexpr std::string_view TanHelp =
    R"~(Returns the Tangent of an angle (in degrees).)~";
inline constexpr std::string_view AtnHelp =
    R"~(Returns the ArcTangent of an angle (in degrees).)~";
inline constexpr std::string_view AbsValHelp =
    R"~(Get the absolute (positive) value of a number.)~";
inline constexpr std::string_view SignHelp =
    R"~(gives one of {+1,0,-1} depending on the sign of dVal.)~";
inline constexpr std::string_view SqrHelp =
    R"~(Returns the Square Root of a number.)~";
inline constexpr std::string_view ChooseHelp =
    R"~(Choose an item by its index. Eg: Choose(2,"Tom","Dick","Harry",1.2) = "Dick"; Choose(4,"Tom","Dick","Harry",1.2) = 1.2; Choose(3,"One","Two") = Error!)~";
inline constexpr std::string_view InvChooseHelp =
    R"~(Inverse of Choose( ), find index of matched item. Eg: InvChoose("Harry","Tom","Dick","Harry") = 3; InvChoose(1.2,"Tom","Dick","Harry",1.2) = 4; InvChoose("X","One","Two") = 0 (not found))~";
inline constexpr std::string_view InvChooseWithFallThruHelp =
    R"~(As InvChoose(..), but if ValToFind is not found the ifNotFound integer value is returned)~";
inline constexpr std::string_view BitAndHelp =
    R"~(Bit wise And. Eg BitAnd(255,128) gives 128)~";
inline constexpr std::string_view LogicAndHelp =
    R"~(Returns a boolean of the logical And, note any non-zero number is treated as true. The returned boolealn will be -1 or 0 if treated as a number.)~";
inline constexpr std::string_view BitOrHelp =
    R"~(Bit wise or. Eg: BitOr(255,128) = 128;  BitOr(127,128) =0)~";
inline constexpr std::string_view LogicOrHelp =
    R"~(Returns a boolean of the logical Or. Note any non-zero input number will convert to true. The returned boolean will be -1 or 0 if treated as a number.)~";
inline constexpr std::string_view GetBitHelp =
    R"~(Extract a single bit at offset from within an enum or number. EG: GetBit(3,11)=True; GetBit(3,12)=False.)~";
inline constexpr std::string_view SetBitHelp =
    R"~(Returns a copy of the value FromEnum with the bit at the given Offset set/cleared by flagOnOff)~";

}  // namespace tav::FunctionLibText
