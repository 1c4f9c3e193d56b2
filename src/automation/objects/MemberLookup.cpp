#include "automation/objects/MemberLookup.h"

#include "automation/objects/ClassDesc.h"
#include "automation/values/Object.h"

namespace tav {

namespace {

// A slot for a name from its length and last letter (folded): cheap, and different for most
// of the names one object has bound.
size_t slotOf(std::string_view name, size_t slots) {
    const size_t last = name.empty() ? 0 : static_cast<unsigned char>(foldAscii(name.back()));
    return (name.size() * 7 + last) & (slots - 1);
}

}  // namespace

const MemberDesc* MemberLookup::find(const Object& obj, std::string_view name) {
    const ClassDesc* desc = obj.classDesc();
    if (!desc) return nullptr;
    const InterfaceDesc& table = desc->defaultInterface();
    const std::vector<MemberDesc>& members = table.members();
    Slot& slot = slots_[slotOf(name, kSlots)];
    if (slot.table == &table && slot.index < members.size() && equalsNoCase(members[slot.index].name, name))
        return &members[slot.index];
    const MemberDesc* m = table.find(name);
    if (m) slot = {&table, static_cast<uint32_t>(m - members.data())};
    return m;
}

}  // namespace tav
