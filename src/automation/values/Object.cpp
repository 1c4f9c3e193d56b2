#include "automation/values/Object.h"

#include <atomic>

namespace tav {

namespace {
std::atomic<long> g_liveObjects{0};
}

Object::Object() noexcept { g_liveObjects.fetch_add(1, std::memory_order_relaxed); }

Object::~Object() { g_liveObjects.fetch_sub(1, std::memory_order_relaxed); }

// typeName() and sharedClassDesc() read the class table, so they live beside it (ClassDesc.cpp).

long Object::liveObjects() noexcept { return g_liveObjects.load(std::memory_order_relaxed); }

}  // namespace tav
