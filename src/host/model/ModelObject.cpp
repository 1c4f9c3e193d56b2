#include "host/model/ModelObject.h"

#include "automation/conversions/Conversions.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/model/ModelText.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc ModelObject::describe() {
    using C = ModelObject;
    return ClassDesc(std::string(T::ModelObject), std::string(T::ModelObjectHelp))
        .add(property<&C::ClassName>(T::ClassName))
        .add(property<&C::Name>(T::Name))
        .add(property<&C::ModelOf>(T::Model))
        .add(property<&C::Value, &C::SetValue, &C::SetValue>(T::Value, {T::PropertyNameParam}))
        .add(property<&C::DisplayCandidate, &C::SetDisplayCandidate>(T::DisplayCandidate))
        .add(property<&C::PeriodicParent, nullptr, &C::SetPeriodicParent>(T::PeriodicParent))
        .add(property<&C::SymmetryParent, nullptr, &C::SetSymmetryParent>(T::SymmetryParent))
        .add(property<&C::Parent>(T::Parent))
        .add(method<&C::ReadAsText>(T::ReadAsText, {T::PropertyNameParam, T::StatusParam}));
}

ModelObject::~ModelObject() {
    model_->forget(*this);
}

std::string ModelObject::ClassName() const {
    return model_->classAt(key_.cls).name();
}

std::string ModelObject::Name() const {
    return std::string(model_->classAt(key_.cls).objectName(key_.row));
}

Variant ModelObject::Value(std::string_view PropertyName) const {
    return model_->value(key_, PropertyName);
}

void ModelObject::SetValue(std::string_view PropertyName, const Variant& NewValue) {
    model_->setValue(key_, PropertyName, NewValue);
}

bool ModelObject::DisplayCandidate() const {
    return model_->classAt(key_.cls).displayCandidate(key_.row);
}

void ModelObject::SetDisplayCandidate(bool NewValue) {
    model_->classAt(key_.cls).setDisplayCandidate(key_.row, NewValue);
}

Ref<Object> ModelObject::parent(ParentKind kind) const {
    const auto p = model_->classAt(key_.cls).parent(kind, key_.row);
    return p ? Ref<Object>(model_->object(*p)) : Ref<Object>();
}

Ref<Object> ModelObject::Parent() const {
    const auto owner = model_->classAt(key_.cls).owner(key_.row);
    return owner ? Ref<Object>(model_->object(*owner)) : Ref<Object>();
}

void ModelObject::setParent(ParentKind kind, const Ref<Object>& parent) {
    std::optional<ObjectKey> key;
    if (parent) {
        const auto* other = dynamic_cast<const ModelObject*>(parent.get());
        if (!other || other->model_ != model_)
            throw AutomationError(err::InvalidProcedureCall, std::string(T::ModelObject),
                                  std::string(T::ParentOfOtherModel));
        key = other->key_;
    }
    model_->classAt(key_.cls).setParent(kind, key_.row, key);
}

std::string ModelObject::ReadAsText(std::string_view PropertyName, int32_t& status) {
    status = 0;
    const Variant v = Value(PropertyName);
    if (v.isNull() || v.isObject()) return {};
    return CStr(v);
}

}  // namespace tav::hostmodel
