#include "direct/GluDrct_StateArrayIndexer.h"

#include "automation/conversions/Conversions.h"
#include "contracts/iQvState.h"
#include "contracts/iTAVParentBinding.h"
#include "contracts/iTAVSourcePart.h"
#include "util/DBugLifeTimes.h"

namespace tav {

namespace T = GluDrct_StateArrayIndexerText;

ClassDesc GluDrct_StateArrayIndexer::describe() {
    using C = GluDrct_StateArrayIndexer;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::ArrayIndex, &C::SetArrayIndex>(T::ArrayIndex, T::ArrayIndexHelp))
        .add(property<&C::WhenIndexChanges, &C::SetWhenIndexChanges>(T::WhenIndexChanges, T::WhenIndexChangesHelp))
        .implements<iTAVGluePart>()
        .implements<Persistable>()
        .enumeration(enumDesc(enumArrayIndexChange{}));
}

GluDrct_StateArrayIndexer::GluDrct_StateArrayIndexer() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }
GluDrct_StateArrayIndexer::~GluDrct_StateArrayIndexer() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }

void GluDrct_StateArrayIndexer::refuse(std::string description) {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::ClassName), std::move(description));
}

iQvStateArray& GluDrct_StateArrayIndexer::array() const {
    if (!array_) throwError(err::ObjectNotSet);
    return *array_;
}

void GluDrct_StateArrayIndexer::SetArrayIndex(int32_t nNewValue) {
    if (nNewValue <= 0 || (array_ && nNewValue > array_->Count()))
        refuse(std::string(T::OutOfBounds) + std::to_string(nNewValue));
    // Asleep there is no binding item to ask: the requests need one.
    const IRef<iTAVBindingItem> item = item_;
    if ((whenIndexChanges_ & store_previous_value) && item) item->RequestStore();
    index_ = nNewValue;
    if ((whenIndexChanges_ & redisplay_new_value) && item) item->RequestRedisplay();
    PropertyChanged(T::ArrayIndex);
}

void GluDrct_StateArrayIndexer::SetWhenIndexChanges(enumArrayIndexChange eNewValue) {
    whenIndexChanges_ = eNewValue;
    PropertyChanged(T::WhenIndexChanges);
}

void GluDrct_StateArrayIndexer::WakeUp(const IRef<iTAVBindingItem>& pBindingItem) {
    item_ = pBindingItem;
    if (!pBindingItem) throwError(err::ObjectNotSet);
    const IRef<iTAVParentBinding> parent = pBindingItem->Parent();
    if (!parent) throwError(err::ObjectNotSet);
    const IRef<iTAVSourcePart> source = parent->SourcePart();
    if (!source) throwError(err::ObjectNotSet);
    const IRef<iQvState> state = query<iQvState>(source->SourceObject().get());
    if (!state) throwError(err::ObjectNotSet);
    const std::string name = pBindingItem->SourcePropertyName();
    if (!state->HasProperty(name)) refuse(std::string(T::UnknownProperty) + name);
    const IRef<iQvStateProperty> property = state->Property(name);
    if (!property->IsArray()) refuse(std::string(T::NotAnArray) + name);
    array_ = property->Array();
}

void GluDrct_StateArrayIndexer::TransformForDisplay(Variant& TheValue) { TheValue = array().Item(index_); }

void GluDrct_StateArrayIndexer::InvTransformForStorage(Variant& TheValue) {
    array().LetItem(index_, TheValue);
    throw AutomationError(err::StopCycle, std::string(T::ClassName), {});
}

void GluDrct_StateArrayIndexer::TearDown() {
    item_.reset();
    array_.reset();
}

// --- persistence ---

void GluDrct_StateArrayIndexer::InitProperties() {
    index_ = T::DefaultArrayIndex;
    whenIndexChanges_ = T::DefaultWhenIndexChanges;
}

void GluDrct_StateArrayIndexer::ReadProperties(const Ref<PropertyBag>& PropBag) {
    // Straight into the members: a saved index is not checked.
    index_ = CLng(PropBag->ReadProperty(T::ArrayIndex, Variant::I2(static_cast<int16_t>(T::DefaultArrayIndex))));
    whenIndexChanges_ = static_cast<enumArrayIndexChange>(
        CLng(PropBag->ReadProperty(T::WhenIndexChanges, Variant::I4(T::DefaultWhenIndexChanges))));
}

void GluDrct_StateArrayIndexer::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::ArrayIndex, Variant::I4(index_), Variant::I2(static_cast<int16_t>(T::DefaultArrayIndex)));
    PropBag->WriteProperty(T::WhenIndexChanges, Variant::I4(whenIndexChanges_),
                           Variant::I4(T::DefaultWhenIndexChanges));
}

}  // namespace tav
