#pragma once
#include <span>
#include <string>
#include <string_view>

#include "automation/objects/DispatchTypes.h"
#include "automation/objects/TypeInfo.h"
#include "automation/values/Variant.h"

namespace tav {

class MemberLookup;
class Object;
class SafeArray;

// The call-by-name and type-information service the parts share: one instance per thread
// (apartment), created on first use and kept. It is not an Object of the library, so it does
// not keep the library loaded.
class TLIApplication {
public:
    static TLIApplication& shared();

    // Gets, lets, sets or calls a member by name. The arguments come LAST-FIRST, as the
    // platform service takes them; by-reference arguments are written back into the span.
    // No object is error 91; the rest as invoke() (Invoke.h): 438 for no such member.
    Variant invokeHook(Object* obj, std::string_view name, InvokeKind kind, std::span<Variant> reverseArgs = {});
    Variant invokeHook(Object* obj, DispId id, InvokeKind kind, std::span<Variant> reverseArgs = {});
    // By name, the member found through `lookup` (MemberLookup.h): for a caller that calls the
    // same members of its object again and again.
    Variant invokeHook(Object* obj, std::string_view name, InvokeKind kind, MemberLookup& lookup,
                       std::span<Variant> reverseArgs = {});
    // The same with the invoke kind as its number (1, 2, 4, 8; any other number is error 5)
    // and the arguments in a one-dimensional array, last first.
    Variant invokeHookArray(Object* obj, std::string_view name, int invokeKind, SafeArray& reverseArgs);

    // The default interface of an object; error 91 for none, 13 for an object without a
    // member table.
    InterfaceInfo interfaceInfoFromObject(Object* obj) const;
    // interfaceInfoFromObject(obj).getMember(id).name(), with its errors, without taking a
    // share of the object's table: a source part names every change notice it hears.
    std::string memberName(Object* obj, DispId id) const;

    // Whether type information looks through type aliases. The library declares no alias
    // types, so both settings describe the same types; the switch is kept because callers set it.
    bool resolveAliases() const { return resolveAliases_; }
    void setResolveAliases(bool on) { resolveAliases_ = on; }

private:
    TLIApplication() = default;
    bool resolveAliases_ = true;
};

}  // namespace tav
