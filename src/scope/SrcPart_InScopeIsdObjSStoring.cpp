// Storing a value into every in-scope object: validation (by the form, then by the property's
// accessor), the document-lock check, the conversion to the property's data type, the one
// undoable operation around the store, and the re-read that shows the result.
#include <string>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "scope/InScopeText.h"
#include "scope/ScopeProcessing.h"
#include "scope/SrcPart_InScopeIsdObjS.h"
#include "scope/StoredValueConversion.h"

namespace tav {

namespace {

namespace T = InScopeText;

[[noreturn]] void invalid(const std::string& message) {
    throw AutomationError(err::InvalidArgument, std::string(T::ErrSource), message);
}

// Every occurrence of `what` taken out of `text` (nothing when `what` is empty).
std::string without(std::string text, std::string_view what) {
    if (what.empty()) return text;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.erase(at, what.size());
    return text;
}

}  // namespace

void SrcPart_InScopeIsdObjS::store(std::string_view propertyName, Variant v) {
    if (!hasItems()) return;
    const Ref<SrcPart_InScopeIsdObjS> self(this);
    if (operationManager()->StateB()) return;
    const Ref<FunneledPropertyHolder> h = funnel_->Item(Variant(propertyName));
    std::string message;
    validate(h, v, message);
    storeIntoObjects(h, v);
    if (!message.empty()) invalid(message);
}

void SrcPart_InScopeIsdObjS::validate(const Ref<FunneledPropertyHolder>& h, Variant& v,
                                      std::string& message) {
    bool handled = false;
    bool failure = false;
    events_.fire([&](InScopeIsdObjSEvents& e) {
        e.RequestPropertyValidate(h, v, handled, failure, message);
    });
    if (failure) invalid(message);
    if (handled) return;
    int32_t status = 0;
    const IRef<iTAVPropertyAccessor> accessor =
        DMUtility()->PropertyAccessor(h->InternalPropertyName(), 0, status);
    if (!accessor) throwError(err::ObjectNotSet);
    if (!(accessor->Flags() & iTAVPropertyAccessor::FlagNoLockCheck))
        ScopeProcesseing::CheckScopeDocumentNotLocked(scopeManager_);
    StoredValueConversion::ConvertForProperty(*accessor, v);
    // The accessor's verdict replaces whatever the form said.
    message.clear();
    int32_t accepted = 0, adjusted = 0, refused = 0, fourth = 0, fifth = 0;
    accessor->Validate(0, scope_, v, message, accepted, adjusted, refused, fourth, fifth);
    if (refused >= 1 && accepted + adjusted == 0) invalid(message);
}

void SrcPart_InScopeIsdObjS::storeIntoObjects(const Ref<FunneledPropertyHolder>& h, Variant& v) {
    // The operation object is released when this ends, however it ends: before an error
    // reaches the caller.
    Ref<Object> operation;
    if (!hasItems())
        throw AutomationError(err::UnexpectedState, std::string(T::ErrSource),
                              std::string(T::ErrNoScope));
    const std::string property = without(h->SourcePropertyName(), dmClassName_);
    const std::string shortText =
        std::string(T::UndoShortPrefix) + dmClassName_ + std::string(T::Blank) + property;
    const std::string longText =
        std::string(T::UndoLongPrefix) + dmClassName_ +
        std::string(itemCount_ == 1 ? T::UndoOneObject : T::UndoManyObjects) + property +
        std::string(T::UndoLongSuffix);
    operation = operationManager()->StartOperation(shortText, longText, autoOperation_);

    bool handled = false;
    events_.fire([&](InScopeIsdObjSEvents& e) { e.RequestPropertyStore(h, v, handled); });
    if (!handled) {
        int32_t status = 0;
        const IRef<iTAVPropertyAccessor> accessor =
            DMUtility()->PropertyAccessor(h->InternalPropertyName(), 0, status);
        if (!accessor) throwError(err::ObjectNotSet);
        accessor->Store(scope_, status, v);
    }

    // Every holder is read again, so every bound control shows what the objects now hold.
    markStale(false);
    rebuild();
    if (notifier_) {
        const IRef<iTAVBindingNotifier> notifier = notifier_;
        notifier->PropertyChanged(h->SourcePropertyName());
    }
}

}  // namespace tav
