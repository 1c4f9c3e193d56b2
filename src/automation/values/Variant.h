#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "automation/values/Object.h"
#include "automation/values/VarType.h"

namespace tav {

class SafeArray;

namespace detail {
// Immutable, counted text. Copies of a string Variant share one of these.
struct StringRep {
    uint32_t refs;
    uint32_t size;
    char data[1];  // size bytes follow, then a NUL

    static StringRep* make(std::string_view s);
    void addRef() noexcept { ++refs; }
    void release() noexcept {
        if (--refs == 0) destroy(this);
    }

private:
    static void destroy(StringRep* rep) noexcept;
};
}  // namespace detail

// The value that flows everywhere: a 16-byte tagged union, no heap for scalars. Strings are
// shared immutable text (copying is cheap), arrays are copied as values, objects as references.
class Variant {
public:
    Variant() noexcept : type_(VarType::Empty) { u_.bits = 0; }
    Variant(const Variant& o) : type_(o.type_), u_(o.u_) {
        if (needsCopyWork()) copyOwned(o);
    }
    Variant(Variant&& o) noexcept : type_(o.type_), u_(o.u_) {
        o.type_ = VarType::Empty;
        o.u_.bits = 0;
    }
    Variant& operator=(const Variant& o) {
        if (!(needsCopyWork() | o.needsCopyWork())) {
            type_ = o.type_;
            u_ = o.u_;
        } else if (this != &o) {
            Variant tmp(o);
            swap(tmp);
        }
        return *this;
    }
    Variant& operator=(Variant&& o) noexcept {
        if (this != &o) {
            destroy();
            type_ = o.type_;
            u_ = o.u_;
            o.type_ = VarType::Empty;
            o.u_.bits = 0;
        }
        return *this;
    }
    ~Variant() {
        if (needsCopyWork()) releaseOwned();
    }

    // Text values.
    Variant(std::string_view s) : type_(VarType::String) { u_.str = s.empty() ? nullptr : detail::StringRep::make(s); }
    Variant(const std::string& s) : Variant(std::string_view(s)) {}
    Variant(const char* s) : Variant(std::string_view(s)) {}
    // Arrays (the Variant takes a copy of the array).
    explicit Variant(const SafeArray& a);
    explicit Variant(SafeArray&& a);
    // Object references; an empty Ref gives Nothing.
    template <class T>
    Variant(const Ref<T>& r) noexcept : type_(VarType::Object) {
        u_.obj = r.get();
        if (u_.obj) u_.obj->addRef();
    }

    static Variant Null() noexcept { return Variant(VarType::Null); }
    static Variant Nothing() noexcept { return Variant(VarType::Object); }
    static Variant I2(int16_t v) noexcept { Variant r(VarType::I2); r.u_.i2 = v; return r; }
    static Variant I4(int32_t v) noexcept { Variant r(VarType::I4); r.u_.i4 = v; return r; }
    static Variant UI1(uint8_t v) noexcept { Variant r(VarType::UI1); r.u_.ui1 = v; return r; }
    static Variant R4(float v) noexcept { Variant r(VarType::R4); r.u_.r4 = v; return r; }
    static Variant R8(double v) noexcept { Variant r(VarType::R8); r.u_.r8 = v; return r; }
    // Currency as a count of 1/10000 units.
    static Variant Currency(int64_t scaled) noexcept { Variant r(VarType::Currency); r.u_.cy = scaled; return r; }
    static Variant Date(double serial) noexcept { Variant r(VarType::Date); r.u_.r8 = serial; return r; }
    static Variant Bool(bool v) noexcept { Variant r(VarType::Bool); r.u_.b = v ? -1 : 0; return r; }
    static Variant Error(int32_t scode) noexcept { Variant r(VarType::Error); r.u_.i4 = scode; return r; }
    static Variant Object(tav::Object* o) noexcept { Variant r(VarType::Object); r.u_.obj = o; if (o) o->addRef(); return r; }

    VarType type() const noexcept { return type_; }
    bool isEmpty() const noexcept { return type_ == VarType::Empty; }
    bool isNull() const noexcept { return type_ == VarType::Null; }
    bool isString() const noexcept { return type_ == VarType::String; }
    bool isObject() const noexcept { return type_ == VarType::Object; }
    bool isNothing() const noexcept { return type_ == VarType::Object && u_.obj == nullptr; }
    bool isArray() const noexcept { return type_ == VarType::Array; }

    // Unchecked accessors: the caller has checked type().
    int16_t i2() const noexcept { return u_.i2; }
    int32_t i4() const noexcept { return u_.i4; }
    uint8_t ui1() const noexcept { return u_.ui1; }
    float r4() const noexcept { return u_.r4; }
    double r8() const noexcept { return u_.r8; }
    double date() const noexcept { return u_.r8; }
    int64_t currency() const noexcept { return u_.cy; }
    bool boolean() const noexcept { return u_.b != 0; }
    int32_t error() const noexcept { return u_.i4; }
    std::string_view str() const noexcept {
        return u_.str ? std::string_view(u_.str->data, u_.str->size) : std::string_view();
    }
    tav::Object* object() const noexcept { return u_.obj; }
    const SafeArray& array() const noexcept { return *u_.arr; }
    SafeArray& array() noexcept { return *u_.arr; }

    void clear() noexcept {
        destroy();
        type_ = VarType::Empty;
        u_.bits = 0;
    }
    // Replace the value with a scalar in place.
    void assignR8(double v) noexcept {
        destroy();
        type_ = VarType::R8;
        u_.r8 = v;
    }
    void assignI4(int32_t v) noexcept {
        destroy();
        type_ = VarType::I4;
        u_.bits = 0;
        u_.i4 = v;
    }
    void assignBool(bool v) noexcept {
        destroy();
        type_ = VarType::Bool;
        u_.bits = 0;
        u_.b = v ? -1 : 0;
    }
    void swap(Variant& o) noexcept {
        std::swap(type_, o.type_);
        std::swap(u_, o.u_);
    }

private:
    explicit Variant(VarType t) noexcept : type_(t) { u_.bits = 0; }

    // String (8), Object (9) or Array, in two comparisons without branches.
    bool needsCopyWork() const noexcept {
        const uint16_t code = toCode(type_);
        return ((code | 1) == toCode(VarType::Object)) | (code == toCode(VarType::Array));
    }
    void destroy() noexcept {
        if (needsCopyWork()) releaseOwned();
    }
    void copyOwned(const Variant& o);
    void releaseOwned() noexcept;

    VarType type_;
    union Payload {
        uint64_t bits;
        int16_t i2;
        int32_t i4;
        uint8_t ui1;
        float r4;
        double r8;
        int64_t cy;
        int16_t b;
        detail::StringRep* str;
        tav::Object* obj;
        SafeArray* arr;
    } u_;
};

static_assert(sizeof(Variant) == 16, "Variant is meant to stay a 16-byte value");
static_assert((toCode(VarType::String) | 1) == toCode(VarType::Object), "needsCopyWork() pairs String with Object");

}  // namespace tav
