#pragma once
#include <span>
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Variant.h"

// Call by name. Every dispatchable object describes its members in one table (ClassDesc.h);
// these functions find a member there and run it:
//
//  - names match without regard to ASCII letter case;
//  - arguments come in text order; each is coerced to its parameter's declared type with the
//    conversion rules of changeType (a Boolean parameter takes any non-zero number as true, an
//    Integer parameter overflows with error 6, text that is no number is error 13);
//  - an unknown name, or a member that does not support the invoke kind, is error 438 and
//    nothing else is: every other failure has its own number;
//  - too many or too few arguments is error 450; Missing (missingArg()) given for a required
//    parameter is error 449; an omitted optional parameter receives its default, or Missing
//    when it is a Variant without default, or the zero of its type;
//  - a parameter declared by reference works on the caller's element of `args`: whatever the
//    member leaves there is the caller's (pass a copy to keep a variable unchanged);
//  - a let or set takes the value as the last argument;
//  - a method without result returns Empty (its declared type is void).
namespace tav {

class MemberLookup;
class Object;

Variant invoke(Object& obj, std::string_view name, InvokeKind kind, std::span<Variant> args = {});
Variant invoke(Object& obj, DispId id, InvokeKind kind, std::span<Variant> args = {});
// By name, the member found through `lookup`, which remembers it for the next call.
Variant invoke(Object& obj, std::string_view name, InvokeKind kind, MemberLookup& lookup,
               std::span<Variant> args = {});
// A member of a framework interface the object implements, e.g. ("iTAVGluePart",
// "TransformForDisplay"). An interface the class does not list is error 13.
Variant invoke(Object& obj, std::string_view interfaceName, std::string_view name, InvokeKind kind,
               std::span<Variant> args = {});
// The member itself, once found (the table must be the object's or one of its interfaces').
Variant invokeMember(Object& obj, const MemberDesc& member, InvokeKind kind, std::span<Variant> args);

// Looks a member up without calling it (nullptr when the object has no member of that name).
const MemberDesc* findMember(const Object& obj, std::string_view name);

// The object a Variant refers to, for calls through a Variant: Nothing is error 91, a value
// that is no object error 424.
Object& objectFrom(const Variant& v);

}  // namespace tav
