#include "host/state/State.h"

#include <vector>

#include "automation/conversions/Conversions.h"
#include "automation/values/Excerpt.h"
#include "host/objects/TypeNames.h"
#include "host/state/EnumStateProperty.h"
#include "host/state/FloatStateProperty.h"
#include "host/state/StateMetaFile.h"
#include "host/state/StateText.h"

namespace tav {

namespace T = StateText;

namespace {

[[noreturn]] void refuse(std::string_view message, std::string_view subject) {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::ErrSource),
                          std::string(message) + excerpt(subject));
}

VarType typeNamed(std::string_view name) {
    const VarType* t = TypeNames::builtIn(name);
    if (!t) refuse(T::UnknownType, name);
    return *t;
}

}  // namespace

ClassDesc State::describe() {
    using C = State;
    return ClassDesc(std::string(T::State), std::string(T::StateHelp))
        .add(method<&C::DefineProperty>(T::DefineProperty, {T::NameParam, T::TypeNameParam, opt(T::ValueParam)}))
        .add(method<&C::DefineFloatProperty>(T::DefineFloatProperty,
                                             {T::NameParam, T::TypeNameParam, T::PrecisionParam, opt(T::ValueParam)}))
        .add(method<&C::DefineEnumProperty>(T::DefineEnumProperty, {T::NameParam, T::ValueParam, T::ItemsAndValuesParam}))
        .add(method<&C::DefineArrayProperty>(T::DefineArrayProperty, {T::NameParam, T::TypeNameParam, T::ValuesParam}))
        .add(property<&C::TypeName, &C::SetTypeName>(T::TypeName))
        .add(method<&C::HasProperty>(T::HasProperty, {T::NameParam}))
        .add(method<&C::Property>(T::Property, {T::NameParam}))
        .add(property<&C::Properties>(T::Properties))
        .add(method<&C::LoadMetaFile>(T::LoadMetaFile, {T::PathParam, T::FlagParam}))
        .add(method<&C::Import>(T::Import));
}

State::State() : properties_(makeRef<StateProperties>()) {}

State::~State() { properties_->attach(nullptr); }

void State::define(Ref<StateProperty> property) {
    properties_->add(property);
    property->attach(this);
}

void State::DefineProperty(std::string_view Name, std::string_view TypeName, const Variant& Value) {
    define(makeRef<StateProperty>(std::string(Name), typeNamed(TypeName), Value));
}

void State::DefineFloatProperty(std::string_view Name, std::string_view TypeName, int32_t Precision,
                                const Variant& Value) {
    define(makeRef<FloatStateProperty>(std::string(Name), typeNamed(TypeName), Precision, Value));
}

void State::DefineEnumProperty(std::string_view Name, const Variant& Value, std::span<Variant> ItemsAndValues) {
    if (ItemsAndValues.size() % 2 != 0) refuse(T::UnpairedItems, {});
    std::vector<EnumStateProperty::Item> items;
    items.reserve(ItemsAndValues.size() / 2);
    for (size_t i = 0; i < ItemsAndValues.size(); i += 2)
        items.push_back({CStr(ItemsAndValues[i]), CLng(ItemsAndValues[i + 1])});
    define(makeRef<EnumStateProperty>(std::string(Name), std::move(items), Value));
}

void State::DefineArrayProperty(std::string_view Name, std::string_view TypeName, const Variant& Values) {
    const VarType type = typeNamed(TypeName);
    if (type == VarType::Object) refuse(T::ObjectArray, {});
    if (!Values.isArray() || Values.array().dims() != 1) refuse(T::NotAList, {});
    define(makeRef<StateProperty>(std::string(Name), makeRef<StateArray>(type, Values.array().data())));
}

bool State::HasProperty(std::string_view Name) { return properties_->find(Name) != nullptr; }

IRef<iQvStateProperty> State::Property(std::string_view Name) {
    StateProperty* p = properties_->find(Name);
    if (!p) refuse(T::PropertyNotFound, Name);
    return IRef<iQvStateProperty>(Ref<StateProperty>(p));
}

void State::LoadMetaFile(std::string_view Path, int32_t /*Flag*/) {
    StateDefinition loaded = StateMetaFile::read(Path);
    // Nothing changes until the whole file has been read.
    properties_->attach(nullptr);
    properties_ = std::move(loaded.properties);
    properties_->attach(this);
    typeName_ = std::move(loaded.typeName);
    Import();
}

void State::Import() {
    const IRef<iQvState> self{Ref<State>(this)};
    events_.fire([&](iQvStateEvents& sink) { sink.StateImport(self); });
}

void State::propertyChanged(StateProperty& property) {
    const IRef<iQvState> self{Ref<State>(this)};
    const IRef<iQvStateProperty> changed{Ref<StateProperty>(&property)};
    events_.fire([&](iQvStateEvents& sink) { sink.PropertyChange(self, changed); });
}

}  // namespace tav
