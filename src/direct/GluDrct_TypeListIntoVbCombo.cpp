#include "direct/GluDrct_TypeListIntoVbCombo.h"

#include <vector>

#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/SafeArray.h"
#include "automation/objects/TLIApplication.h"
#include "automation/objects/TypeInfo.h"
#include "automation/values/VarType.h"
#include "util/DBugLifeTimes.h"
#include "util/Utils.h"

namespace tav {

namespace T = GluDrct_TypeListIntoVbComboText;

namespace {

// A type described by its own type information (an enumeration) reports this Variant type.
constexpr uint16_t VarTypeUserDefined = 0;

}  // namespace

ClassDesc GluDrct_TypeListIntoVbCombo::describe() {
    using C = GluDrct_TypeListIntoVbCombo;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::SuppressedEnumValueS, &C::SetSuppressedEnumValueS>(T::SuppressedEnumValueS,
                                                                             T::SuppressedEnumValueSHelp))
        .add(property<&C::ReplaceUnderscores, &C::SetReplaceUnderscores>(T::ReplaceUnderscores,
                                                                         T::ReplaceUnderscoresHelp))
        .add(property<&C::RemoveEnumPrefix, &C::SetRemoveEnumPrefix>(T::RemoveEnumPrefix, T::RemoveEnumPrefixHelp))
        .implements<iTAVGlueDirect>()
        .implements<Persistable>();
}

GluDrct_TypeListIntoVbCombo::GluDrct_TypeListIntoVbCombo() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}
GluDrct_TypeListIntoVbCombo::~GluDrct_TypeListIntoVbCombo() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }

// --- design-time properties ---

void GluDrct_TypeListIntoVbCombo::SetSuppressedEnumValueS(std::string_view NewValue) {
    suppressed_.assign(NewValue);
    if (loader_) {
        loader_->SetEnumSuppressionByValues(suppressed_.values());
        if (loader_->ComboControl) loader_->ClearAndLoadComboWithNormalItems();
    }
    PropertyChanged(T::SuppressedEnumValueS);
}

void GluDrct_TypeListIntoVbCombo::SetReplaceUnderscores(std::string_view NewValue) {
    replaceUnderscores_ = NewValue;
    PropertyChanged(T::ReplaceUnderscores);
}

void GluDrct_TypeListIntoVbCombo::SetRemoveEnumPrefix(std::string_view NewValue) {
    removeEnumPrefix_ = NewValue;
    PropertyChanged(T::RemoveEnumPrefix);
}

// --- iTAVGlueDirect ---

void GluDrct_TypeListIntoVbCombo::WakeUp(const Ref<Object>& SrcObj, std::string_view SrcPropName,
                                         const Ref<Object>& Cntrl) {
    TearDown();
    srcObj_ = SrcObj;
    srcPropName_ = SrcPropName;
    loader_ = std::make_unique<ComboEnumLoader>();
    loader_->ComboControl = query<iTAVComboBox>(Cntrl.get());
    loader_->RemoveEnumPrefix = removeEnumPrefix_;
    loader_->ReplaceUnderscores = replaceUnderscores_;
    // A property the glue cannot list is no failure of the binding: the glue stays without a
    // list, and display and storage say so.
    try {
        browsing_ = tryQuery<iTAVPerPropertyBrowsing>(srcObj_.get());
        loadList();
    } catch (const AutomationError&) {
    }
}

void GluDrct_TypeListIntoVbCombo::loadList() {
    listType_ = Unknown;
    if (loader_->ComboControl) loader_->ComboControl->Clear();
    if (loadPredefinedStrings()) return;
    loadFromPropertyType();
    if (loader_->ComboControl) loader_->ClearAndLoadComboWithNormalItems();
}

bool GluDrct_TypeListIntoVbCombo::loadPredefinedStrings() {
    if (!browsing_) return false;
    listType_ = PredefinedStrings;
    const Variant strings(browsing_->GetPredefinedStrings(srcPropName_));
    if (!Utils::ArrayHasContent(strings)) return false;
    if (loader_->ComboControl) {
        const SafeArray& texts = strings.array();
        for (int32_t i = texts.lbound(); i <= texts.ubound(); ++i)
            loader_->ComboControl->AddItem(CStr(texts.at({i})), missingArg());
    }
    return true;
}

void GluDrct_TypeListIntoVbCombo::loadFromPropertyType() {
    TLIApplication& tli = TLIApplication::shared();
    tli.setResolveAliases(false);
    const VarTypeInfo type = tli.interfaceInfoFromObject(srcObj_.get()).member(srcPropName_).returnType();
    const uint16_t varType = type.varType();
    if (varType == toCode(VarType::Bool)) {
        for (const bool b : {true, false}) loader_->AppendEnumItem(CStr(Variant::Bool(b)), Variant::Bool(b), false);
        listType_ = BooleanType;
        return;
    }
    if (varType != VarTypeUserDefined) noTypeList();
    const TypeInfo info = type.typeInfo();
    if (info.typeKind() != TypeInfo::TypeKindEnum) noTypeList();
    for (size_t i = 0; i < info.memberCount(); ++i) {
        const int32_t value = info.memberValue(i);
        loader_->AppendEnumItem(info.memberName(i), Variant::I4(value), suppressed_.contains(value));
    }
    listType_ = EnumerationType;
}

void GluDrct_TypeListIntoVbCombo::noTypeList() const {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::ClassName),
                          std::string(T::NoTypeListHead).append(srcPropName_).append(T::NoTypeListTail));
}

Variant GluDrct_TypeListIntoVbCombo::GetDisplayValue(Variant& TheValue) {
    if (isMissing(TheValue))
        TheValue = TLIApplication::shared().invokeHook(srcObj_.get(), srcPropName_, InvokeKind::PropertyGet);
    switch (listType_) {
    case Unknown:
        throw AutomationError(err::InvalidProcedureCall, std::string(T::ClassName), std::string(T::ListTypeUnknown));
    case PredefinedStrings: {
        std::string shown = browsing_->GetDisplayString(srcPropName_);
        if (!shown.empty()) TheValue = Variant(shown);
        break;
    }
    case BooleanType:
    case EnumerationType:
        TheValue = Variant(loader_->PrepareComboToShowValue(TheValue));
        break;
    }
    return TheValue;
}

Variant GluDrct_TypeListIntoVbCombo::GetStorageValue(Variant& TheValue) {
    switch (listType_) {
    case Unknown:
        throwError(err::InvalidProcedureCall);
    case PredefinedStrings: {
        Variant v = browsing_->GetPredefinedValue(srcPropName_, CStr(TheValue));
        if (!v.isEmpty()) TheValue = std::move(v);
        break;
    }
    case BooleanType:
    case EnumerationType:
        TheValue = loader_->GetEnumValueFromDisplayString(CStr(TheValue));
        break;
    }
    return TheValue;
}

void GluDrct_TypeListIntoVbCombo::TearDown() {
    loader_.reset();
    srcObj_ = {};
    browsing_.reset();
    listType_ = Unknown;
}

// --- persistence ---

void GluDrct_TypeListIntoVbCombo::InitProperties() {
    SetSuppressedEnumValueS(T::DefaultText);
    SetReplaceUnderscores(T::DefaultText);
    SetRemoveEnumPrefix(T::DefaultText);
}

void GluDrct_TypeListIntoVbCombo::ReadProperties(const Ref<PropertyBag>& PropBag) {
    const Variant def(T::DefaultText);
    SetSuppressedEnumValueS(CStr(PropBag->ReadProperty(T::KeySuppressedEnumValues, def)));
    SetRemoveEnumPrefix(CStr(PropBag->ReadProperty(T::KeyRemoveEnumPrefix, def)));
    SetReplaceUnderscores(CStr(PropBag->ReadProperty(T::KeyReplaceUnderscores, def)));
}

void GluDrct_TypeListIntoVbCombo::WriteProperties(const Ref<PropertyBag>& PropBag) {
    const Variant def(T::DefaultText);
    PropBag->WriteProperty(T::KeySuppressedEnumValues, Variant(SuppressedEnumValueS()), def);
    PropBag->WriteProperty(T::KeyRemoveEnumPrefix, Variant(RemoveEnumPrefix()), def);
    PropBag->WriteProperty(T::KeyReplaceUnderscores, Variant(ReplaceUnderscores()), def);
}

}  // namespace tav
