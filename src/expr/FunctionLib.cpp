#include "expr/FunctionLib.h"

#include <cmath>
#include <limits>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "expr/FunctionLibText.h"
#include "util/DBugLifeTimes.h"
#include "util/Utils.h"

namespace tav {

namespace {

namespace help = FunctionLibText;

constexpr double kTwo = 2.0;
constexpr std::string_view kIIfName = "IIf";
constexpr std::string_view kSqrName = "Sqr";

// The natural logarithm as the platform's Log takes it: only of positive numbers.
double naturalLog(double d) {
    if (!(d > 0)) throwError(err::InvalidProcedureCall);
    return std::log(d);
}

// 2 raised to (Offset - 1): the value of bit number Offset, counted from 1.
double bitValue(int16_t offset) { return std::pow(kTwo, static_cast<double>(offset) - 1); }

// A 1-based position in a list of arguments: the positions are 16-bit.
int16_t position16(size_t zeroBased) {
    if (zeroBased + 1 > static_cast<size_t>(std::numeric_limits<int16_t>::max())) throwOverflow();
    return static_cast<int16_t>(zeroBased + 1);
}

int16_t findInList(const Variant& wanted, std::span<Variant> list, int16_t notFound) {
    for (size_t i = 0; i < list.size(); ++i)
        if (!Utils::ValuesDiffer(wanted, list[i])) return position16(i);
    return notFound;
}

}  // namespace

ClassDesc FunctionLib::describe() {
    using C = FunctionLib;
    return ClassDesc(std::string(ClassName), std::string(ClassHelp))
        .add(method<&C::Log>("Log", {"dNumber"}, help::LogHelp))
        .add(method<&C::Log10>("Log10", {"dNumber"}))
        .add(method<&C::IIf>(kIIfName, {"bCondition", "IfTrue", "IfFalse"}, help::IIfHelp))
        .add(method<&C::Sin>("Sin", {"degs"}, help::SinHelp))
        .add(method<&C::Cos>("Cos", {"degs"}, help::CosHelp))
        .add(method<&C::Tan>("Tan", {"degs"}, help::TanHelp))
        .add(method<&C::Atn>("Atn", {"degs"}, help::AtnHelp))
        .add(method<&C::AbsVal>("AbsVal", {"val"}, help::AbsValHelp))
        .add(method<&C::Sign>("Sign", {"dVal"}, help::SignHelp))
        .add(method<&C::Sqr>(kSqrName, {"dVal"}, help::SqrHelp))
        .add(method<&C::Choose>("Choose", {"nIndex", "ValList"}, help::ChooseHelp))
        .add(method<&C::InvChoose>("InvChoose", {"ValToFind", "ValList"}, help::InvChooseHelp))
        .add(method<&C::InvChooseWithFallThru>("InvChooseWithFallThru", {"ValToFind", "IfNotFound", "ValList"},
                                               help::InvChooseWithFallThruHelp))
        .add(method<&C::BitAnd>("BitAnd", {"i1", "i2"}, help::BitAndHelp))
        .add(method<&C::LogicAnd>("LogicAnd", {"v1", "v2"}, help::LogicAndHelp))
        .add(method<&C::BitOr>("BitOr", {"i1", "i2"}, help::BitOrHelp))
        .add(method<&C::LogicOr>("LogicOr", {"v1", "v2"}, help::LogicOrHelp))
        .add(method<&C::GetBit>("GetBit", {"Offset", "FromEnum"}, help::GetBitHelp))
        .add(method<&C::SetBit>("SetBit", {"Offset", "FromEnum", "flagOnOff"}, help::SetBitHelp));
}

const MemberDesc& FunctionLib::pickMember() {
    static const MemberDesc& pick = *table().defaultInterface().find(kIIfName);
    return pick;
}

const MemberDesc& FunctionLib::rootMember() {
    static const MemberDesc& root = *table().defaultInterface().find(kSqrName);
    return root;
}

FunctionLib::FunctionLib() { DBugLifeTimes::TraceLifetime(ClassName, this); }
FunctionLib::~FunctionLib() { DBugLifeTimes::TraceLifetime(ClassName, this); }

double FunctionLib::Log(double dNumber) { return naturalLog(dNumber); }

Variant FunctionLib::Log10(double dNumber) {
    const double ln10 = naturalLog(10);
    return Variant::R8(naturalLog(dNumber) / ln10);
}

// Both values were evaluated by the caller; this only picks one.
Variant FunctionLib::IIf(bool bCondition, const Variant& IfTrue, const Variant& IfFalse) {
    return bCondition ? IfTrue : IfFalse;
}

double FunctionLib::Sin(double degs) { return std::sin(degs); }
double FunctionLib::Cos(double degs) { return std::cos(degs); }
double FunctionLib::Tan(double degs) { return std::tan(degs); }
double FunctionLib::Atn(double degs) { return std::atan(degs); }
double FunctionLib::AbsVal(double val) { return std::fabs(val); }
int16_t FunctionLib::Sign(double dVal) { return dVal > 0 ? 1 : (dVal < 0 ? -1 : 0); }

double FunctionLib::Sqr(double dVal) {
    if (dVal < 0) throwError(err::InvalidProcedureCall);
    return std::sqrt(dVal);
}

Variant FunctionLib::Choose(int16_t nIndex, std::span<Variant> ValList) {
    if (nIndex < 1 || static_cast<size_t>(nIndex) > ValList.size()) throwError(err::SubscriptOutOfRange);
    return ValList[static_cast<size_t>(nIndex) - 1];
}

int16_t FunctionLib::InvChoose(const Variant& ValToFind, std::span<Variant> ValList) {
    return findInList(ValToFind, ValList, 0);
}

int16_t FunctionLib::InvChooseWithFallThru(const Variant& ValToFind, int16_t IfNotFound, std::span<Variant> ValList) {
    return findInList(ValToFind, ValList, IfNotFound);
}

int32_t FunctionLib::BitAnd(int32_t i1, int32_t i2) { return i1 & i2; }
int32_t FunctionLib::BitOr(int32_t i1, int32_t i2) { return i1 | i2; }

// Booleans are -1 or 0, so their bitwise and/or is the logical one.
bool FunctionLib::LogicAnd(bool v1, bool v2) { return v1 && v2; }
bool FunctionLib::LogicOr(bool v1, bool v2) { return v1 || v2; }

// The quotient is truncated toward zero, so for negative values this is not simply bit
// Offset - 1 of the two's complement (GetBit(2, -1) is False). Offsets beyond 31 overflow the
// 32-bit divisor; offsets below 1 make it 0, a division by zero.
bool FunctionLib::GetBit(int16_t Offset, int32_t FromEnum) {
    const int32_t divisor = roundToI4(bitValue(Offset));
    if (divisor == 0) throwError(err::DivisionByZero);
    return (FromEnum / divisor) % 2 != 0;
}

// The mask is 16-bit: offsets beyond 15 overflow it, offsets below 1 make it 0 (no change).
// Clearing and-s with the sign-extended complement, so bits 16 to 31 stay as they were.
int32_t FunctionLib::SetBit(int16_t Offset, int32_t FromEnum, bool flagOnOff) {
    const int16_t mask = CInt(Variant::R8(bitValue(Offset)));
    if (flagOnOff) return static_cast<int32_t>(mask) | FromEnum;
    return static_cast<int32_t>(static_cast<int16_t>(~mask)) & FromEnum;
}

}  // namespace tav
