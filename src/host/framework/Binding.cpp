#include "host/framework/Binding.h"

#include "automation/conversions/Conversions.h"
#include "automation/values/SafeArray.h"
#include "host/framework/BindingItem.h"
#include "host/framework/BindingNotifier.h"
#include "host/framework/ControlFinder.h"
#include "host/framework/Form.h"
#include "host/framework/FrameworkText.h"

namespace tav {

namespace T = FrameworkText;

namespace {

// The columns of a name/value array.
constexpr int32_t kNameColumn = 0;
constexpr int32_t kValueColumn = 1;
constexpr int32_t kColumns = 2;
constexpr int kRowDimension = 1;

// What OnBindingError hears as its context.
constexpr int32_t kErrCtxDisplay = 1;
constexpr int32_t kErrCtxStorage = 2;
constexpr int32_t kErrCtxWakeUp = 3;

int32_t errCtxOf(Cycle c) {
    switch (c) {
        case Cycle::Display:
            return kErrCtxDisplay;
        case Cycle::Storage:
            return kErrCtxStorage;
        case Cycle::WakeUp:
            return kErrCtxWakeUp;
    }
    return kErrCtxDisplay;
}

[[noreturn]] void notNameValueArray() {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::FormSource), std::string(T::NotNameValueArray));
}

}  // namespace

ClassDesc Binding::describe() {
    using C = Binding;
    return ClassDesc(std::string(T::Binding), std::string(T::BindingHelp))
        .add(property<&C::Name>(T::Name))
        .exposes<iTAVParentBinding>();
}

Binding::Binding(Form& form, Parts parts)
    : form_(&form),
      name_(std::move(parts.name)),
      source_(std::move(parts.source)),
      properties_(std::move(parts.properties)),
      controlObject_(std::move(parts.control)),
      control_(query<Control>(controlObject_.get()).get()),
      glues_(std::move(parts.glues)),
      direct_(std::move(parts.direct)),
      item_(makeRef<BindingItem>(*this)) {
    for (const std::string& p : properties_) {
        if (!propertyText_.empty()) propertyText_ += T::PropertySeparator;
        propertyText_ += p;
    }
}

Binding::~Binding() { item_->detach(); }

bool Binding::DesignTime() { return form_ && form_->DesignMode(); }

IRef<iTAVControlFinder> Binding::ControlFinder() {
    return form_ ? IRef<iTAVControlFinder>(form_->finder()) : IRef<iTAVControlFinder>();
}

bool Binding::shows(std::string_view property) const {
    for (const std::string& p : properties_)
        if (equalsNoCase(p, property)) return true;
    return false;
}

bool Binding::servedBy(const BindingNotifier& notifier) const {
    const IRef<iTAVBindingNotifier> current = source_->Notifier();
    return current.object() == &notifier;
}

Variant Binding::readSource() {
    if (!multiSource()) return source_->Value(properties_.front());
    const auto rows = static_cast<int32_t>(properties_.size());
    SafeArray a({{0, rows}, {0, kColumns}});
    for (int32_t r = 0; r < rows; ++r) {
        const std::string& name = properties_[static_cast<size_t>(r)];
        a.at({r, kNameColumn}) = Variant(name);
        a.at({r, kValueColumn}) = source_->Value(name);
    }
    return Variant(std::move(a));
}

void Binding::write(std::string_view property, const Variant& value) {
    if (value.isObject()) source_->SetValue(property, value);
    else source_->LetValue(property, value);
}

void Binding::writeSource(const Variant& value) {
    if (!multiSource()) return write(properties_.front(), value);
    // Several properties take their values from the rows of a name/value array.
    if (!value.isArray()) notNameValueArray();
    const SafeArray& a = value.array();
    if (!a.allocated() || a.dims() != 2 || a.bounds()[1].lower != 0 || a.bounds()[1].count != kColumns)
        notNameValueArray();
    for (int32_t r = a.lbound(kRowDimension); r <= a.ubound(kRowDimension); ++r)
        write(CStr(a.at({r, kNameColumn})), a.at({r, kValueColumn}));
}

void Binding::display() {
    if (direct_) {
        // A direct glue reads the source value itself when handed none.
        Variant none = missingArg();
        control_->Show(direct_->GetDisplayValue(none));
        return;
    }
    Variant v = readSource();
    for (const IRef<iTAVGluePart>& g : glues_) g->TransformForDisplay(v);
    control_->Show(v);
}

void Binding::store() {
    Variant v = control_->CurrentValue();
    if (direct_) {
        writeSource(direct_->GetStorageValue(v));
        return;
    }
    for (auto g = glues_.rbegin(); g != glues_.rend(); ++g) (*g)->InvTransformForStorage(v);
    writeSource(v);
}

void Binding::wakeUp() {
    tornDown_ = false;
    if (direct_) {
        direct_->WakeUp(source_->SourceObject(), propertyText_, controlObject_);
        return;
    }
    const IRef<iTAVBindingItem> item(item_);
    for (const IRef<iTAVGluePart>& g : glues_) g->WakeUp(item);
}

void Binding::tearDown() {
    tornDown_ = true;
    if (direct_) direct_->TearDown();
    for (const IRef<iTAVGluePart>& g : glues_) g->TearDown();
}

void Binding::reportError(Cycle cycle) {
    const IRef<iTAVBindingItem> item(item_);
    for (const IRef<iTAVGluePart>& g : glues_) {
        try {
            g->OnBindingError(item, errCtxOf(cycle));
        } catch (const AutomationError&) {
            // The cycle has failed already; a glue's trouble hearing it changes nothing.
        }
    }
}

}  // namespace tav
