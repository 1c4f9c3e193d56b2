#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "automation/values/Variant.h"

namespace tav {

// The functions an expression may call: the evaluator calls these members by name (without
// regard to case), and design-time tools list them from the type information. No state.
//
// The computations are what the members do, whatever a parameter name or help string
// suggests: the trigonometry works in radians, BitOr(127, 128) is 255.
class FunctionLib : public Dispatchable<FunctionLib> {
public:
    static constexpr std::string_view ClassName = "FunctionLib";
    static constexpr std::string_view ClassHelp =
        "This object exists to expose a set functions to for Expresion Evaluation.";
    static ClassDesc describe();
    // The member that only picks one of two values its caller has already evaluated (IIf):
    // compiled expressions pick in place instead of calling it.
    static const MemberDesc& pickMember();
    // Sqr, which compiled expressions take in line.
    static const MemberDesc& rootMember();

    FunctionLib();
    ~FunctionLib() override;

    double Log(double dNumber);
    Variant Log10(double dNumber);
    Variant IIf(bool bCondition, const Variant& IfTrue, const Variant& IfFalse);
    double Sin(double degs);
    double Cos(double degs);
    double Tan(double degs);
    double Atn(double degs);
    double AbsVal(double val);
    int16_t Sign(double dVal);
    double Sqr(double dVal);
    Variant Choose(int16_t nIndex, std::span<Variant> ValList);
    int16_t InvChoose(const Variant& ValToFind, std::span<Variant> ValList);
    int16_t InvChooseWithFallThru(const Variant& ValToFind, int16_t IfNotFound, std::span<Variant> ValList);
    int32_t BitAnd(int32_t i1, int32_t i2);
    bool LogicAnd(bool v1, bool v2);
    int32_t BitOr(int32_t i1, int32_t i2);
    bool LogicOr(bool v1, bool v2);
    bool GetBit(int16_t Offset, int32_t FromEnum);
    int32_t SetBit(int16_t Offset, int32_t FromEnum, bool flagOnOff);
};

}  // namespace tav
