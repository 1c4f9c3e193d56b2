#include "scope/StoredValueConversion.h"

#include <string>

#include "automation/conversions/Conversions.h"
#include "automation/objects/Interfaces.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "contracts/ObjectCreation.h"
#include "contracts/iTAVRationalConverter.h"
#include "contracts/iTAVValueList.h"
#include "scope/InScopeText.h"

namespace tav::StoredValueConversion {

namespace {

namespace T = InScopeText;
namespace D = DataType;

[[noreturn]] void fail(int32_t number, std::string description) {
    throw AutomationError(number, std::string(T::ErrSource), std::move(description));
}

void numericCheck(const Variant& v, std::string_view typeName) {
    if (!IsNumeric(v))
        fail(err::TypeMismatch, std::string(T::ErrNumericPrefix) + std::string(typeName) +
                                    std::string(T::ErrNumericSuffix));
}

// A new converter for every conversion, as the host expects.
std::string rationalText(double d) {
    const IRef<iTAVRationalConverter> converter =
        query<iTAVRationalConverter>(createObject(iTAVRationalConverter::ProgId).get());
    if (!converter) throwError(err::ObjectNotSet);
    return converter->Convert(d);
}

bool isNumberType(VarType t) {
    switch (t) {
        case VarType::I2:
        case VarType::I4:
        case VarType::UI1:
        case VarType::R4:
        case VarType::R8:
        case VarType::Currency:
            return true;
        default:
            return false;
    }
}

}  // namespace

Variant RationalFromText(std::string_view s) {
    const Variant text(s);
    if (IsNumeric(text)) return Variant(rationalText(CDbl(text)));
    if (s.empty()) fail(err::InvalidArgument, std::string(T::ErrRationalText));
    return text;
}

void ConvertForProperty(iTAVPropertyAccessor& accessor, Variant& v) {
    if (accessor.MultiValued()) {
        if (!v.isObject() || !tryQuery<iTAVValueList>(v.object()))
            fail(err::TypeMismatch, std::string(T::ErrNotAValueList) + accessor.Name());
        return;
    }
    switch (accessor.DataType()) {
        case D::Integer:
        case D::Integer1:
        case D::Integer6:
            numericCheck(v, T::TypeInteger);
            v = Variant::I4(CLng(v));
            return;
        case D::Text:
            v = Variant(CStr(v));
            return;
        case D::Double:
            numericCheck(v, T::TypeDouble);
            v = Variant::R8(CDbl(v));
            return;
        case D::Single:
            numericCheck(v, T::TypeSingle);
            v = Variant::R4(CSng(v));
            return;
        case D::Boolean:
            numericCheck(v, T::TypeBoolean);
            v = Variant::Bool(CBool(v));
            return;
        case D::Object7:
        case D::Object13:
        case D::Object15:
        case D::Object21:
        case D::Object22:
            if (!v.isObject())
                fail(err::UnexpectedState, std::string(T::ErrNotAnObject) + accessor.Name());
            return;
        case D::Enumeration:
            if (isNumberType(v.type()))
                v = Variant::I4(CLng(v));
            else if (!v.isString())
                fail(err::TypeMismatch, std::string(T::ErrEnumeration));
            return;
        case D::Rational:
            if (v.type() == VarType::I2 || v.type() == VarType::I4 || v.type() == VarType::R4 ||
                v.type() == VarType::R8)
                v = Variant(rationalText(CDbl(v)));
            else if (v.isString())
                v = RationalFromText(v.str());
            else
                fail(err::UnexpectedState, std::string(T::ErrRational) + accessor.Name());
            return;
        default:
            fail(err::NotImplemented, std::string(T::ErrDataType) + accessor.Name());
    }
}

}  // namespace tav::StoredValueConversion
