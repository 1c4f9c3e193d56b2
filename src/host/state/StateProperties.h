#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iQvStateProperties.h"
#include "host/state/StateProperty.h"

namespace tav {

class State;

// The properties of a state object in their defined order, with a name index (names compare
// without regard to ASCII letter case, as members do). A state swaps its whole collection when
// it loads a meta file, so a collection handed out earlier keeps what it had.
class StateProperties : public Dispatchable<StateProperties>, public iQvStateProperties {
public:
    static ClassDesc describe();

    int32_t Count() override { return static_cast<int32_t>(list_.size()); }
    IRef<iQvStateProperty> Item(const Variant& Index) override;

    // nullptr when there is no property of that name.
    StateProperty* find(std::string_view name) const;
    // Error 5 for a name given already or beyond 32767 properties.
    void add(Ref<StateProperty> property);
    const std::vector<Ref<StateProperty>>& list() const { return list_; }
    // Makes every property report to the state (nullptr: to none).
    void attach(State* owner);

private:
    static std::string folded(std::string_view name);

    std::vector<Ref<StateProperty>> list_;
    std::unordered_map<std::string, size_t> byName_;
};

}  // namespace tav
