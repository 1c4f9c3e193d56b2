#pragma once
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>

namespace tav {

class ClassDesc;

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

    // The class name a VB-style TypeName gives for this object: the name in its member
    // table when it has one.
    virtual std::string_view typeName() const;

    // The member table that call by name and type information read (ClassDesc.h); none for
    // objects that cannot be called by name. The pointer stays valid while the object lives
    // and its table does not change; objects whose members are defined at run time also
    // override sharedClassDesc() so that type information taken from them outlives a change.
    virtual const ClassDesc* classDesc() const { return nullptr; }
    virtual std::shared_ptr<const ClassDesc> sharedClassDesc() const;

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
