#include "sources/SrcPart_1UnivState.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "automation/conversions/Conversions.h"
#include "automation/objects/Invoke.h"
#include "automation/server/ThreadEnvironment.h"
#include "automation/values/Excerpt.h"
#include "sources/ContainerInits.h"
#include "util/DBugLifeTimes.h"

namespace tav {

namespace T = SrcPart_1UnivStateText;
namespace fs = std::filesystem;

namespace {

constexpr int32_t kFirstIndex = 1;

bool endsWithNoCase(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && equalsNoCase(s.substr(s.size() - tail.size()), tail);
}

// The names of the meta files in a folder (a relative one from this thread's current directory),
// in name order: the plain, visible files whose names end in ".xml" (letter case aside).
std::vector<std::string> metaFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(ThreadEnvironment::resolve(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (name.front() == ContainerInits::Text::HiddenMark || !it->is_regular_file(typeError)) continue;
        if (endsWithNoCase(name, ContainerInits::Text::MetaFileExtension)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Collections take 16-bit indexes: beyond them the index overflows (error 6).
Variant collectionIndex(int32_t i) { return Variant::I2(CInt(Variant::I4(i))); }

SafeArray stringsFromOne(const std::vector<std::string>& items) {
    SafeArray a({SafeArray::Bound{kFirstIndex, static_cast<int32_t>(items.size())}}, VarType::String);
    for (size_t i = 0; i < items.size(); ++i) a.data()[i] = Variant(items[i]);
    return a;
}

}  // namespace

ClassDesc SrcPart_1UnivState::describe() {
    using C = SrcPart_1UnivState;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::StateTypeName>(T::StateTypeName))
        .add(property<&C::StateMetaFile, &C::SetStateMetaFile>(T::StateMetaFile, T::StateMetaFileHelp))
        .implements<iTAVSourcePart>()
        .implements<iTAVPerPropertyBrowsing>()
        .implements<Persistable>();
}

SrcPart_1UnivState::SrcPart_1UnivState() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }
SrcPart_1UnivState::~SrcPart_1UnivState() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }

bool SrcPart_1UnivState::designMode() {
    if (!notifier_) return false;
    const IRef<iTAVBindingNotifier> notifier = notifier_;
    return notifier->DesignMode();
}

IRef<iQvState> SrcPart_1UnivState::heldState() const {
    if (!state_) throwError(err::ObjectNotSet);
    return state_;
}

void SrcPart_1UnivState::replaceState(IRef<iQvState> state) {
    events_.reset();
    state_ = std::move(state);
    if (state_) events_ = state_->stateEvents().advise(*this);
}

// --- design-time properties ---

void SrcPart_1UnivState::adoptMetaFile(std::string_view name) {
    if (name.empty() || !designMode()) return;
    IRef<iQvState> state = ContainerInits::CreateStateFromMetaFile(name);
    if (!state) throwError(err::ObjectNotSet);
    replaceState(state);
    typeName_ = state->TypeName();
    PropertyChanged(T::StateTypeName);
}

void SrcPart_1UnivState::SetStateMetaFile(std::string_view strNewValue) {
    adoptMetaFile(strNewValue);
    metaFile_ = strNewValue;
    PropertyChanged(T::StateMetaFile);
}

// --- iTAVSourcePart ---

Variant SrcPart_1UnivState::Value(std::string_view PropertyName) {
    const IRef<iQvState> state = heldState();
    if (designMode() && !state->HasProperty(PropertyName))
        throw AutomationError(err::InvalidProcedureCall, std::string(T::ClassName),
                              std::string(T::NoProperty) + excerpt(PropertyName));
    const IRef<iQvStateProperty> property = state->Property(PropertyName);
    if (property->IsArray()) return Variant::Object(property->Array().object());
    return property->Value();
}

void SrcPart_1UnivState::LetValue(std::string_view PropertyName, const Variant& NewValue) {
    heldState()->Property(PropertyName)->LetValue(NewValue);
}

void SrcPart_1UnivState::SetValue(std::string_view PropertyName, const Variant& NewValue) {
    const Variant current = heldState()->Property(PropertyName)->Value();
    Variant args[] = {NewValue};
    invoke(objectFrom(current), DispIdValue, InvokeKind::PropertySet, args);
}

void SrcPart_1UnivState::SetSourceObject(const Ref<Object>& SourceObject) {
    IRef<iQvState> state;
    if (SourceObject) {
        state = query<iQvState>(SourceObject.get());
        const std::string typeName = state->TypeName();
        if (designMode()) {
            typeName_ = typeName;
        } else if (!typeName_.empty() && typeName_ != typeName) {
            throw AutomationError(err::InvalidProcedureCall, std::string(T::ClassName),
                                  std::string(T::InvalidStateType) + typeName_);
        }
    }
    if (IRef<iTAVBindingNotifier> notifier = notifier_) notifier->SourceObjectAboutToChange();
    replaceState(std::move(state));
    if (IRef<iTAVBindingNotifier> notifier = notifier_) notifier->SourceObjectChanged();
}

SafeArray SrcPart_1UnivState::ListPropertyNames() {
    if (!state_) return SafeArray::unallocated(VarType::String);
    const IRef<iQvStateProperties> properties = state_->Properties();
    const int32_t count = properties->Count();
    // An array indexed from 1 cannot hold no names at all.
    if (count < kFirstIndex) throwError(err::SubscriptOutOfRange);
    SafeArray names({SafeArray::Bound{kFirstIndex, count}}, VarType::String);
    for (int32_t i = kFirstIndex; i <= count; ++i)
        names.data()[static_cast<size_t>(i - kFirstIndex)] =
            Variant(properties->Item(collectionIndex(i))->Name());
    return names;
}

std::string SrcPart_1UnivState::Caption() { return std::string(T::CaptionPrefix) + typeName_; }

// --- iTAVPerPropertyBrowsing ---

Variant SrcPart_1UnivState::GetPredefinedValue(std::string_view, std::string_view) { return Variant(); }

SafeArray SrcPart_1UnivState::GetPredefinedStrings(std::string_view PropertyName) {
    if (PropertyName != T::StateMetaFile) return SafeArray::unallocated(VarType::String);
    // Without a state folder there is nothing to list (not the root of the file system).
    const std::string folder = ContainerInits::StateDir();
    if (folder.empty()) return SafeArray::unallocated(VarType::String);
    const std::vector<std::string> names = metaFilesIn(folder);
    if (names.empty()) return SafeArray::unallocated(VarType::String);
    return stringsFromOne(names);
}

std::string SrcPart_1UnivState::GetDisplayString(std::string_view) { return {}; }

std::string SrcPart_1UnivState::MapPropertyToControlProgId(std::string_view) { return {}; }

// --- the state's events ---

void SrcPart_1UnivState::PropertyChange(const IRef<iQvState>&, const IRef<iQvStateProperty>& pStateProperty) {
    const std::string name = pStateProperty->Name();
    // Nobody to tell without a notifier (the framework gives one before it shows values).
    if (IRef<iTAVBindingNotifier> notifier = notifier_) notifier->PropertyChanged(name);
}

void SrcPart_1UnivState::StateImport(const IRef<iQvState>&) {
    if (IRef<iTAVBindingNotifier> notifier = notifier_) notifier->SourceObjectChanged();
}

// --- persistence ---

void SrcPart_1UnivState::ReadProperties(const Ref<PropertyBag>& PropBag) {
    typeName_ = CStr(PropBag->ReadProperty(T::StateTypeName, Variant(T::DefaultText)));
    metaFile_ = CStr(PropBag->ReadProperty(T::StateMetaFile, Variant(T::DefaultText)));
}

void SrcPart_1UnivState::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::StateTypeName, Variant(typeName_), Variant(T::DefaultText));
    PropBag->WriteProperty(T::StateMetaFile, Variant(metaFile_), Variant(T::DefaultText));
}

}  // namespace tav
