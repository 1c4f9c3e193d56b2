#include "automation/values/Variant.h"

#include <new>

#include "automation/values/SafeArray.h"

namespace tav {

namespace detail {
StringRep* StringRep::make(std::string_view s) {
    void* mem = ::operator new(offsetof(StringRep, data) + s.size() + 1);
    auto* rep = static_cast<StringRep*>(mem);
    rep->refs = 1;
    rep->size = static_cast<uint32_t>(s.size());
    std::memcpy(rep->data, s.data(), s.size());
    rep->data[s.size()] = '\0';
    return rep;
}
}  // namespace detail

Variant::Variant(const SafeArray& a) : type_(VarType::Array) { u_.arr = new SafeArray(a); }
Variant::Variant(SafeArray&& a) : type_(VarType::Array) { u_.arr = new SafeArray(std::move(a)); }

void Variant::copyOwned(const Variant& o) {
    switch (type_) {
        case VarType::String:
            if (u_.str) u_.str->addRef();
            break;
        case VarType::Object:
            if (u_.obj) u_.obj->addRef();
            break;
        case VarType::Array:
            u_.arr = nullptr;  // stay destructible should the copy throw
            type_ = VarType::Empty;
            u_.arr = new SafeArray(*o.u_.arr);
            type_ = VarType::Array;
            break;
        default:
            break;
    }
}

void Variant::releaseOwned() noexcept {
    switch (type_) {
        case VarType::String:
            if (u_.str) u_.str->release();
            break;
        case VarType::Object:
            if (u_.obj) u_.obj->release();
            break;
        case VarType::Array:
            delete u_.arr;
            break;
        default:
            break;
    }
}

}  // namespace tav
