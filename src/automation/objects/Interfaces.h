#pragma once
#include <type_traits>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/Object.h"
#include "automation/values/Variant.h"

// Interfaces of objects.
//
// A framework interface (iTAVGluePart, a sink, a host role) is a pure abstract C++ class that
// does NOT derive from Object; a class implements it by deriving from Object (usually through
// Dispatchable<C>) and from the interface, and lists it in its member table so that it can be
// called by name too. Callers hold an interface as an IRef<I>: a counted reference to the
// object plus the interface pointer, obtained once with query<I>(), so that later calls are
// plain virtual calls. A failed query is a type mismatch (error 13), as for a VB Set to a
// variable of the wrong interface type; querying Nothing gives an empty IRef.
namespace tav {

template <class I>
class IRef {
public:
    IRef() noexcept = default;
    IRef(std::nullptr_t) noexcept {}
    IRef(Ref<Object> object, I* iface) noexcept : object_(std::move(object)), iface_(iface) {}
    // From a reference to a class that implements the interface.
    template <class C>
        requires(std::is_base_of_v<Object, C> && std::is_convertible_v<C*, I*>)
    IRef(const Ref<C>& r) noexcept : object_(r), iface_(r.get()) {}

    I* get() const noexcept { return iface_; }
    I* operator->() const noexcept { return iface_; }
    I& operator*() const noexcept { return *iface_; }
    explicit operator bool() const noexcept { return iface_ != nullptr; }
    Object* object() const noexcept { return object_.get(); }
    const Ref<Object>& ref() const noexcept { return object_; }
    void reset() noexcept { *this = IRef(); }

    // Identity: two references are the same when they reach the same object.
    friend bool operator==(const IRef& a, const IRef& b) noexcept { return a.object_ == b.object_; }

private:
    Ref<Object> object_;
    I* iface_ = nullptr;
};

// The interface of an object, or an empty reference when the object does not implement it.
template <class I>
IRef<I> tryQuery(Object* obj) {
    if (!obj) return {};
    I* iface = dynamic_cast<I*>(obj);
    return iface ? IRef<I>(Ref<Object>(obj), iface) : IRef<I>();
}

// The interface of an object; error 13 when it does not implement it. Nothing gives an empty
// reference.
template <class I>
IRef<I> query(Object* obj) {
    IRef<I> r = tryQuery<I>(obj);
    if (obj && !r) throwTypeMismatch();
    return r;
}

// The same from a Variant: it must hold an object reference (or Nothing).
template <class I>
IRef<I> query(const Variant& v) {
    if (!v.isObject()) throwTypeMismatch();
    return query<I>(v.object());
}

// The object behind an interface pointer that some object implements (nullptr for none).
template <class I>
Object* objectOf(I* iface) noexcept {
    return iface ? dynamic_cast<Object*>(iface) : nullptr;
}

}  // namespace tav
