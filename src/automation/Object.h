#pragma once
#include <cstdint>
#include <string_view>
#include <utility>

namespace tav {

// Base of every object a Variant can refer to. Reference counting is intrusive and not
// atomic: objects live in the apartment (thread) that created them, as COM objects do.
class Object {
public:
    Object() noexcept;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object();

    void addRef() const noexcept { ++refs_; }
    void release() const noexcept {
        if (--refs_ == 0) delete this;
    }
    uint32_t refCount() const noexcept { return refs_; }

    // The class name a VB-style TypeName gives for this object.
    virtual std::string_view typeName() const { return "Object"; }

    // Number of objects alive in the process; the library may unload only when it is zero.
    static long liveObjects() noexcept;

private:
    mutable uint32_t refs_ = 0;
};

// A counted reference. An empty Ref is VB's Nothing.
template <class T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept {}
    Ref(T* p) noexcept : p_(p) {
        if (p_) p_->addRef();
    }
    Ref(const Ref& o) noexcept : Ref(o.p_) {}
    Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    template <class U>
        requires std::is_convertible_v<U*, T*>
    Ref(const Ref<U>& o) noexcept : Ref(static_cast<T*>(o.get())) {}
    template <class U>
        requires std::is_convertible_v<U*, T*>
    Ref(Ref<U>&& o) noexcept : p_(o.detach()) {}
    ~Ref() {
        if (p_) p_->release();
    }

    Ref& operator=(Ref o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    T& operator*() const noexcept { return *p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    T* detach() noexcept { return std::exchange(p_, nullptr); }

    friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.p_ == b.p_; }

private:
    T* p_ = nullptr;
};

template <class T, class... Args>
Ref<T> makeRef(Args&&... args) {
    return Ref<T>(new T(std::forward<Args>(args)...));
}

}  // namespace tav
