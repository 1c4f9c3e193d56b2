#include "automation/Object.h"

#include <atomic>

#include "automation/ClassDesc.h"

namespace tav {

namespace {
std::atomic<long> g_liveObjects{0};
}

Object::Object() noexcept { g_liveObjects.fetch_add(1, std::memory_order_relaxed); }

Object::~Object() { g_liveObjects.fetch_sub(1, std::memory_order_relaxed); }

std::string_view Object::typeName() const {
    const ClassDesc* desc = classDesc();
    return desc ? std::string_view(desc->name()) : std::string_view("Object");
}

std::shared_ptr<const ClassDesc> Object::sharedClassDesc() const {
    // Static tables live for the whole program: hand them out without an owner.
    return std::shared_ptr<const ClassDesc>(std::shared_ptr<const ClassDesc>(), classDesc());
}

long Object::liveObjects() noexcept { return g_liveObjects.load(std::memory_order_relaxed); }

}  // namespace tav
