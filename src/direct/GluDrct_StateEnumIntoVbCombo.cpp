#include "direct/GluDrct_StateEnumIntoVbCombo.h"

#include "automation/conversions/Conversions.h"
#include "automation/objects/Invoke.h"
#include "contracts/iQvState.h"
#include "contracts/iTAVComboBox.h"
#include "util/DBugLifeTimes.h"

namespace tav {

namespace T = GluDrct_StateEnumIntoVbComboText;

namespace {

constexpr int32_t kFirstItem = 1;

}  // namespace

ClassDesc GluDrct_StateEnumIntoVbCombo::describe() {
    using C = GluDrct_StateEnumIntoVbCombo;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::SuppressedEnumValueS, &C::SetSuppressedEnumValueS>(T::SuppressedEnumValueS,
                                                                             T::SuppressedEnumValueSHelp))
        .implements<iTAVGlueDirect>()
        .implements<Persistable>();
}

GluDrct_StateEnumIntoVbCombo::GluDrct_StateEnumIntoVbCombo() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }
GluDrct_StateEnumIntoVbCombo::~GluDrct_StateEnumIntoVbCombo() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }

void GluDrct_StateEnumIntoVbCombo::refuse(std::string description) {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::ClassName), std::move(description));
}

ComboEnumLoader& GluDrct_StateEnumIntoVbCombo::loader() const {
    if (!loader_) throwError(err::ObjectNotSet);
    return *loader_;
}

void GluDrct_StateEnumIntoVbCombo::SetSuppressedEnumValueS(std::string_view NewValue) {
    suppressed_.assign(NewValue);
    if (loader_) {
        loader_->SetEnumSuppressionByValues(suppressed_.values());
        if (loader_->ComboControl) loader_->ClearAndLoadComboWithNormalItems();
    }
    PropertyChanged(T::SuppressedEnumValueS);
}

// --- iTAVGlueDirect ---

Variant GluDrct_StateEnumIntoVbCombo::GetDisplayValue(Variant& TheValue) {
    ComboEnumLoader& l = loader();
    if (isMissing(TheValue)) TheValue = property_->Value();
    TheValue = Variant(l.PrepareComboToShowValue(TheValue));
    return TheValue;
}

Variant GluDrct_StateEnumIntoVbCombo::GetStorageValue(Variant& TheValue) {
    ComboEnumLoader& l = loader();
    if (isMissing(TheValue)) {
        if (!l.ComboControl) throwError(err::ObjectNotSet);
        TheValue = Variant(l.ComboControl->Text());
    }
    TheValue = l.GetEnumValueFromDisplayString(CStr(TheValue));
    return TheValue;
}

void GluDrct_StateEnumIntoVbCombo::WakeUp(const Ref<Object>& SrcObj, std::string_view SrcPropName,
                                          const Ref<Object>& Cntrl) {
    TearDown();
    const IRef<iQvState> state = tryQuery<iQvState>(SrcObj.get());
    if (!state) refuse(std::string(T::NotAState));
    const IRef<iQvStateProperty> property = state->Property(SrcPropName);
    const IRef<iQvEnumStateProperty> enumerated = tryQuery<iQvEnumStateProperty>(property.object());
    if (!enumerated)
        refuse(std::string(T::NotEnumeratedHead) + std::string(SrcPropName) + std::string(T::NotEnumeratedTail));
    property_ = property;
    enumerated_ = enumerated;
    loader_ = std::make_unique<ComboEnumLoader>();
    loader_->ComboControl = query<iTAVComboBox>(Cntrl.get());

    const int32_t count = enumerated_->ItemCount();
    for (int32_t i = kFirstItem; i <= count; ++i) {
        const std::string name = CStr(enumerated_->ItemName(Variant::I2(CInt(Variant::I4(i)))));
        const int32_t value = enumerated_->ItemValue(name);
        loader_->AppendEnumItem(name, Variant::I4(value), suppressed_.contains(value));
    }
    // A combo box that already lists items keeps them.
    if (!Cntrl) throwError(err::ObjectNotSet);
    if (CLng(invoke(*Cntrl, T::ListCount, InvokeKind::PropertyGet)) == 0)
        loader_->ClearAndLoadComboWithNormalItems();
}

void GluDrct_StateEnumIntoVbCombo::TearDown() {
    loader_.reset();
    property_.reset();
    enumerated_.reset();
}

// --- persistence ---

void GluDrct_StateEnumIntoVbCombo::ReadProperties(const Ref<PropertyBag>& PropBag) {
    SetSuppressedEnumValueS(CStr(PropBag->ReadProperty(T::SuppressedEnumValueS, Variant(T::DefaultText))));
}

void GluDrct_StateEnumIntoVbCombo::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::SuppressedEnumValueS, Variant(SuppressedEnumValueS()), Variant(T::DefaultText));
}

}  // namespace tav
