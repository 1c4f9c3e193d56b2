#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace tav {

class InterfaceDesc;
struct MemberDesc;
class Object;

// Finds the members of an object's default interface by name, as findMember() (Invoke.h) does,
// for a caller that asks for the same few names again and again: a source part reads its
// bound properties on every redisplay. A few slots remember where a name was found; what a
// slot remembers counts only while the object's table still has a member of that name at that
// place, so the answer is always the table's own, whatever became of the table meanwhile.
class MemberLookup {
public:
    // The member, or nullptr when the object has no member table or no member of that name.
    const MemberDesc* find(const Object& obj, std::string_view name);

private:
    struct Slot {
        const InterfaceDesc* table = nullptr;
        uint32_t index = 0;
    };
    static constexpr size_t kSlots = 8;  // a power of two
    std::array<Slot, kSlots> slots_{};
};

}  // namespace tav
