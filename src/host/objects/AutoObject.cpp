#include "host/objects/AutoObject.h"

#include <utility>

#include "automation/values/AutomationError.h"
#include "automation/values/Excerpt.h"
#include "automation/conversions/Conversions.h"
#include "automation/objects/Dispatchable.h"
#include "host/objects/ObjectText.h"
#include "host/objects/TypeNames.h"

namespace tav {

namespace T = ObjectText;

namespace {

bool isIdentifier(std::string_view s) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (s.empty() || !letter(s.front())) return false;
    for (char c : s)
        if (!letter(c) && !digit(c)) return false;
    return true;
}

}  // namespace

ClassDesc AutoObject::describeAs(std::string_view name, std::string_view help) {
    using C = AutoObject;
    return ClassDesc(std::string(name), std::string(help))
        .add(method<&C::DefineProperty>(T::DefineProperty,
                                        {T::NameParam, T::TypeNameParam, opt(T::InitialValueParam)}))
        .add(method<&C::DefineEnum>(T::DefineEnum, {T::EnumNameParam, T::ItemsAndValuesParam}))
        .add(property<&C::ClassName, &C::SetClassName>(T::ClassName));
}

const ClassDesc& AutoObject::table() {
    static const ClassDesc desc = describeAs(T::AutoObject, T::AutoObjectHelp);
    return desc;
}

AutoObject::AutoObject(const ClassDesc& base) : desc_(base), className_(base.name()) {}

void AutoObject::fail(std::string_view message, std::string_view subject) const {
    throw AutomationError(err::InvalidProcedureCall, std::string(desc_.get()->name()),
                          std::string(message) + excerpt(subject));
}

void AutoObject::DefineProperty(std::string_view Name, std::string_view TypeName, const Variant& InitialValue) {
    if (!isIdentifier(Name)) fail(T::BadName, Name);
    if (desc_.get()->defaultInterface().find(Name)) fail(T::AlreadyDefined, Name);
    TypeDesc type;
    if (const VarType* vt = TypeNames::builtIn(TypeName)) {
        type = TypeDesc::of(*vt);
    } else if (const EnumDesc* e = desc_.get()->findEnumeration(TypeName)) {
        type = TypeDesc::enumType(*e);
    } else {
        fail(T::UnknownType, TypeName);
    }
    Variant initial = TypeNames::initialValue(type.vt, InitialValue);
    // Object properties are set, scalar ones let; a Variant takes both.
    const bool lets = type.vt != VarType::Object;
    const bool sets = type.vt == VarType::Object || type.vt == VarType::Variant;
    values_.push_back(std::move(initial));
    desc_.edit().add(runtimeProperty(std::string(Name), type, static_cast<intptr_t>(values_.size() - 1), &getThunk,
                                     lets ? &putThunk : nullptr, sets ? &putThunk : nullptr));
}

void AutoObject::DefineEnum(std::string_view EnumName, std::span<Variant> ItemsAndValues) {
    if (!isIdentifier(EnumName)) fail(T::BadName, EnumName);
    if (TypeNames::builtIn(EnumName) || desc_.get()->findEnumeration(EnumName)) fail(T::AlreadyDefined, EnumName);
    if (ItemsAndValues.size() % 2 != 0) fail(T::UnpairedItems, {});
    EnumDesc e{std::string(EnumName), {}, {}};
    for (size_t i = 0; i < ItemsAndValues.size(); i += 2) {
        const std::string item = CStr(ItemsAndValues[i]);
        if (!isIdentifier(item)) fail(T::BadName, item);
        e.items.push_back({item, CLng(ItemsAndValues[i + 1])});
    }
    desc_.edit().addOwnedEnumeration(std::move(e));
}

Variant AutoObject::getThunk(Object& self, const CallArgs& a) {
    return static_cast<AutoObject&>(self).values_[static_cast<size_t>(a.data)];
}

Variant AutoObject::putThunk(Object& self, const CallArgs& a) {
    auto& obj = static_cast<AutoObject&>(self);
    obj.values_[static_cast<size_t>(a.data)] = *a.fixed.back();
    obj.propertyChanged(a.id);
    return {};
}

}  // namespace tav
