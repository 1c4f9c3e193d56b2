#include "host/objects/PredefinedObject.h"

#include "automation/conversions/Conversions.h"
#include "automation/objects/Dispatchable.h"
#include "automation/values/SafeArray.h"
#include "host/objects/ObjectText.h"

namespace tav {

namespace T = ObjectText;

const ClassDesc& PredefinedObject::table() {
    using C = PredefinedObject;
    static const ClassDesc desc =
        describeAs(T::PredefinedObject, T::PredefinedObjectHelp)
            .add(method<&C::DefinePredefined>(T::DefinePredefined,
                                              {T::PropertyNameParam, T::DisplayStringParam, T::TextsAndValuesParam}))
            .implements<iTAVPerPropertyBrowsing>();
    return desc;
}

const PredefinedObject::Predefined* PredefinedObject::find(std::string_view property) const {
    for (const Predefined& p : predefined_)
        if (equalsNoCase(p.property, property)) return &p;
    return nullptr;
}

void PredefinedObject::DefinePredefined(std::string_view PropertyName, std::string_view DisplayString,
                                        std::span<Variant> TextsAndValues) {
    if (TextsAndValues.size() % 2 != 0) fail(T::UnpairedItems, {});
    Predefined p{std::string(PropertyName), std::string(DisplayString), {}};
    for (size_t i = 0; i < TextsAndValues.size(); i += 2)
        p.choices.emplace_back(CStr(TextsAndValues[i]), TextsAndValues[i + 1]);
    for (Predefined& old : predefined_) {
        if (equalsNoCase(old.property, PropertyName)) {
            old = std::move(p);
            return;
        }
    }
    predefined_.push_back(std::move(p));
}

Variant PredefinedObject::GetPredefinedValue(std::string_view PropertyName, std::string_view PreDefinedString) {
    if (const Predefined* p = find(PropertyName))
        for (const auto& [text, value] : p->choices)
            if (text == PreDefinedString) return value;
    return Variant();
}

SafeArray PredefinedObject::GetPredefinedStrings(std::string_view PropertyName) {
    const Predefined* p = find(PropertyName);
    if (!p) return SafeArray::unallocated(VarType::String);
    std::vector<Variant> texts;
    for (const auto& choice : p->choices) texts.emplace_back(choice.first);
    return SafeArray::vector(std::move(texts), 0, VarType::String);
}

std::string PredefinedObject::GetDisplayString(std::string_view PropertyName) {
    const Predefined* p = find(PropertyName);
    return p ? p->display : std::string();
}

std::string PredefinedObject::MapPropertyToControlProgId(std::string_view /*PropertyName*/) { return {}; }

}  // namespace tav
