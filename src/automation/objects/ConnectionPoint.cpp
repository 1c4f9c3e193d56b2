#include "automation/objects/ConnectionPoint.h"

#include <algorithm>

namespace tav {

namespace detail {

uint64_t SinkList::add(void* sink) {
    const uint64_t cookie = nextCookie++;
    entries.push_back({cookie, sink});
    return cookie;
}

void SinkList::remove(uint64_t cookie) noexcept {
    for (auto& e : entries) {
        if (e.cookie == cookie) {
            e.sink = nullptr;
            break;
        }
    }
    if (delivering == 0) compact();
}

void SinkList::removeAll() noexcept {
    for (auto& e : entries) e.sink = nullptr;
    if (delivering == 0) compact();
}

void SinkList::compact() noexcept {
    entries.erase(std::remove_if(entries.begin(), entries.end(), [](const Entry& e) { return !e.sink; }),
                  entries.end());
}

}  // namespace detail

void Connection::reset() noexcept {
    if (auto list = list_.lock()) list->remove(cookie_);
    list_.reset();
    cookie_ = 0;
}

bool Connection::connected() const noexcept {
    auto list = list_.lock();
    if (!list) return false;
    for (const auto& e : list->entries)
        if (e.cookie == cookie_) return e.sink != nullptr;
    return false;
}

}  // namespace tav
