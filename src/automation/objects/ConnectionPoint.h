#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

// Events. An event source owns a ConnectionPoint<Sink> per sink interface; a listener calls
// advise() with itself and keeps the returned Connection as a member. The source holds plain
// pointers to its sinks and never keeps one alive; the Connection disconnects when it is
// destroyed (or reset). Either side may go away at any time, even while an event is being
// delivered: a sink disconnected during delivery is not called again, a sink connected during
// delivery hears the next event, and a source destroyed during delivery stops delivering.
//
//   class Watcher : public IPropertyNotifySink {
//       Connection conn_;
//       void watch(NotifyingThing& t) { conn_ = t.changes().advise(*this); }
//       void OnChanged(DispId id) override { ... }
//   };
//   source: changes_.fire([&](IPropertyNotifySink& s) { s.OnChanged(id); });
namespace tav {

namespace detail {

// The sink list, shared by the point and its connections so that each side can outlive the other.
struct SinkList {
    struct Entry {
        uint64_t cookie;
        void* sink;  // nullptr once disconnected
    };
    std::vector<Entry> entries;
    uint64_t nextCookie = 1;
    int delivering = 0;  // nesting depth of fire(); entries are only erased at depth 0

    uint64_t add(void* sink);
    void remove(uint64_t cookie) noexcept;
    void removeAll() noexcept;
    void compact() noexcept;
};

}  // namespace detail

// A live connection; disconnects on destruction. Movable, not copyable.
class Connection {
public:
    Connection() noexcept = default;
    Connection(std::weak_ptr<detail::SinkList> list, uint64_t cookie) noexcept
        : list_(std::move(list)), cookie_(cookie) {}
    Connection(Connection&& o) noexcept : list_(std::move(o.list_)), cookie_(std::exchange(o.cookie_, 0)) {}
    Connection& operator=(Connection&& o) noexcept {
        if (this != &o) {
            reset();
            list_ = std::move(o.list_);
            cookie_ = std::exchange(o.cookie_, 0);
        }
        return *this;
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() { reset(); }

    // Disconnects now (nothing happens when the source is gone already).
    void reset() noexcept;
    // Whether the connection still reaches a living source.
    bool connected() const noexcept;

private:
    std::weak_ptr<detail::SinkList> list_;
    uint64_t cookie_ = 0;
};

template <class Sink>
class ConnectionPoint {
public:
    ConnectionPoint() : list_(std::make_shared<detail::SinkList>()) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;
    ~ConnectionPoint() { list_->removeAll(); }

    [[nodiscard]] Connection advise(Sink& sink) {
        return Connection(list_, list_->add(static_cast<void*>(&sink)));
    }
    size_t sinkCount() const noexcept {
        size_t n = 0;
        for (const auto& e : list_->entries) n += e.sink != nullptr;
        return n;
    }

    // Calls f(sink) for every sink connected when delivery starts and still connected when
    // its turn comes. The point itself may be destroyed by a sink meanwhile.
    template <class F>
    void fire(F&& f) {
        std::shared_ptr<detail::SinkList> list = list_;  // outlives `this` if need be
        const size_t count = list->entries.size();
        ++list->delivering;
        struct Done {
            detail::SinkList& l;
            ~Done() {
                if (--l.delivering == 0) l.compact();
            }
        } done{*list};
        for (size_t i = 0; i < count && i < list->entries.size(); ++i) {
            void* s = list->entries[i].sink;
            if (s) f(*static_cast<Sink*>(s));
        }
    }

private:
    std::shared_ptr<detail::SinkList> list_;
};

}  // namespace tav
