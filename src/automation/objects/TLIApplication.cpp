#include "automation/objects/TLIApplication.h"

#include <algorithm>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/objects/Invoke.h"
#include "automation/values/Object.h"
#include "automation/values/SafeArray.h"

namespace tav {

namespace {

Object& target(Object* obj) {
    if (!obj) throwError(err::ObjectNotSet);
    return *obj;
}

// Turns the last-first arguments into text order for the call and back afterwards, so that
// by-reference results land where the caller put the argument.
class TextOrder {
public:
    explicit TextOrder(std::span<Variant> args) : args_(args) { std::reverse(args_.begin(), args_.end()); }
    ~TextOrder() { std::reverse(args_.begin(), args_.end()); }
    TextOrder(const TextOrder&) = delete;
    TextOrder& operator=(const TextOrder&) = delete;
    std::span<Variant> args() const { return args_; }

private:
    std::span<Variant> args_;
};

}  // namespace

TLIApplication& TLIApplication::shared() {
    thread_local TLIApplication instance;
    return instance;
}

Variant TLIApplication::invokeHook(Object* obj, std::string_view name, InvokeKind kind,
                                   std::span<Variant> reverseArgs) {
    Object& o = target(obj);
    TextOrder order(reverseArgs);
    return invoke(o, name, kind, order.args());
}

Variant TLIApplication::invokeHook(Object* obj, std::string_view name, InvokeKind kind,
                                   MemberLookup& lookup, std::span<Variant> reverseArgs) {
    Object& o = target(obj);
    TextOrder order(reverseArgs);
    return invoke(o, name, kind, lookup, order.args());
}

Variant TLIApplication::invokeHook(Object* obj, DispId id, InvokeKind kind, std::span<Variant> reverseArgs) {
    Object& o = target(obj);
    TextOrder order(reverseArgs);
    return invoke(o, id, kind, order.args());
}

Variant TLIApplication::invokeHookArray(Object* obj, std::string_view name, int invokeKind, SafeArray& reverseArgs) {
    InvokeKind kind;
    if (!invokeKindFromNumber(invokeKind, kind)) throwError(err::InvalidProcedureCall);
    if (!reverseArgs.allocated()) return invokeHook(obj, name, kind);
    if (reverseArgs.dims() != 1) throwError(err::InvalidProcedureCall);
    return invokeHook(obj, name, kind, reverseArgs.data());
}

InterfaceInfo TLIApplication::interfaceInfoFromObject(Object* obj) const {
    Object& o = target(obj);
    std::shared_ptr<const ClassDesc> desc = o.sharedClassDesc();
    if (!desc) throwTypeMismatch();
    const InterfaceDesc* iface = &desc->defaultInterface();
    return InterfaceInfo(std::move(desc), iface);
}

std::string TLIApplication::memberName(Object* obj, DispId id) const {
    if (const ClassDesc* desc = target(obj).classDesc())
        if (const MemberDesc* m = desc->defaultInterface().findById(id)) return m->name;
    return std::string(interfaceInfoFromObject(obj).getMember(id).name());  // raises its error
}

}  // namespace tav
