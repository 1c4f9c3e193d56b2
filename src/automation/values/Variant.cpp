#include "automation/values/Variant.h"

#include <cstddef>
#include <cstdint>
#include <new>

#include "automation/values/SafeArray.h"

namespace tav {

namespace {

// Short strings come and go all the time (every Format result, every join): their blocks are
// kept per thread and reused instead of going back to the heap each time. A thread's blocks
// are freed when it ends; a string released after that (a static destroyed at exit) goes
// straight back to the heap. Sanitized builds leave the pool out, so that the heap checker
// sees every string.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooling = false;
#else
constexpr bool kPooling = true;
#endif
constexpr size_t kPooledBlock = 64;  // bytes: the header and up to 55 characters
constexpr uint32_t kPooledBlocks = 32;

// Zero-initialised, so reaching it needs no guard.
struct StringPool {
    void* blocks[kPooledBlocks];
    uint32_t count;
    bool armed;   // the closer below exists for this thread
    bool closed;  // the thread is ending
};
thread_local StringPool pool;

struct StringPoolCloser {
    StringPoolCloser() noexcept { pool.armed = true; }
    ~StringPoolCloser() {
        while (pool.count > 0) ::operator delete(pool.blocks[--pool.count]);
        pool.closed = true;
    }
};
thread_local StringPoolCloser poolCloser;

size_t blockSize(size_t length) {
    return offsetof(detail::StringRep, data) + length + 1;
}

}  // namespace

namespace detail {
StringRep* StringRep::make(std::string_view s) {
    const size_t bytes = blockSize(s.size());
    void* mem;
    if (kPooling && bytes <= kPooledBlock)
        mem = pool.count > 0 ? pool.blocks[--pool.count] : ::operator new(kPooledBlock);
    else
        mem = ::operator new(bytes);
    auto* rep = static_cast<StringRep*>(mem);
    rep->refs = 1;
    rep->size = static_cast<uint32_t>(s.size());
    std::memcpy(rep->data, s.data(), s.size());
    rep->data[s.size()] = '\0';
    return rep;
}

void StringRep::destroy(StringRep* rep) noexcept {
    if (kPooling && blockSize(rep->size) <= kPooledBlock && !pool.closed && pool.count < kPooledBlocks) {
        if (!pool.armed) static_cast<void>(&poolCloser);  // frees the blocks when the thread ends
        pool.blocks[pool.count++] = rep;
        return;
    }
    ::operator delete(rep);
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
