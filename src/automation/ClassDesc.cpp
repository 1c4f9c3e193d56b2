#include "automation/ClassDesc.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace tav {

namespace {

constexpr uint32_t kFnvOffset = 2166136261u;
constexpr uint32_t kFnvPrime = 16777619u;
constexpr size_t kMinSlots = 8;

uint32_t foldedHash(std::string_view s) noexcept {
    uint32_t h = kFnvOffset;
    for (char c : s) h = (h ^ static_cast<unsigned char>(foldAscii(c))) * kFnvPrime;
    return h;
}

}  // namespace

InterfaceDesc::InterfaceDesc(std::string name, std::string help, Guid iid)
    : name_(std::move(name)), help_(std::move(help)), iid_(iid) {}

InterfaceDesc& InterfaceDesc::add(MemberDesc member) {
    if (find(member.name))
        throw std::logic_error("member '" + member.name + "' declared twice in " + name_);
    if (member.id == DispIdUnknown) {
        member.id = nextId_;
    } else if (findById(member.id)) {
        throw std::logic_error("dispatch id of '" + member.name + "' used twice in " + name_);
    }
    if (member.id >= nextId_) nextId_ = member.id + 1;
    members_.push_back(std::move(member));
    // Keep the table at most half full so that probes stay short.
    if (members_.size() * 2 > slots_.size())
        rebuildIndex();
    else
        index(static_cast<uint32_t>(members_.size() - 1));
    return *this;
}

void InterfaceDesc::rebuildIndex() {
    slots_.assign(std::max(kMinSlots, std::bit_ceil(members_.size() * 2)), {0, 0});
    for (uint32_t i = 0; i < members_.size(); ++i) index(i);
}

void InterfaceDesc::index(uint32_t memberIndex) {
    const uint32_t h = foldedHash(members_[memberIndex].name);
    const size_t mask = slots_.size() - 1;
    size_t s = h & mask;
    while (slots_[s].second != 0) s = (s + 1) & mask;
    slots_[s] = {h, memberIndex + 1};
}

const MemberDesc* InterfaceDesc::find(std::string_view memberName) const noexcept {
    if (slots_.empty()) return nullptr;
    const uint32_t h = foldedHash(memberName);
    const size_t mask = slots_.size() - 1;
    for (size_t s = h & mask; slots_[s].second != 0; s = (s + 1) & mask) {
        if (slots_[s].first != h) continue;
        const MemberDesc& m = members_[slots_[s].second - 1];
        if (equalsNoCase(m.name, memberName)) return &m;
    }
    return nullptr;
}

const MemberDesc* InterfaceDesc::findById(DispId id) const noexcept {
    for (const auto& m : members_)
        if (m.id == id) return &m;
    return nullptr;
}

ClassDesc::ClassDesc(std::string name, std::string help)
    : name_(name), defaultInterface_("_" + name, std::move(help)) {}

ClassDesc& ClassDesc::implements(const InterfaceDesc& iface) {
    if (std::find(implemented_.begin(), implemented_.end(), &iface) == implemented_.end())
        implemented_.push_back(&iface);
    return *this;
}

ClassDesc& ClassDesc::enumeration(const EnumDesc& e) {
    if (findEnumeration(e.name)) throw std::logic_error("enumeration '" + e.name + "' declared twice");
    enums_.push_back(&e);
    return *this;
}

const EnumDesc& ClassDesc::addOwnedEnumeration(EnumDesc e) {
    auto owned = std::make_shared<const EnumDesc>(std::move(e));
    enumeration(*owned);
    ownedEnums_.push_back(owned);
    return *owned;
}

ClassDesc& ClassDesc::events(const InterfaceDesc& iface) {
    events_ = &iface;
    return *this;
}

const InterfaceDesc* ClassDesc::findInterface(std::string_view interfaceName) const noexcept {
    if (equalsNoCase(interfaceName, defaultInterface_.name())) return &defaultInterface_;
    for (const InterfaceDesc* i : implemented_)
        if (equalsNoCase(interfaceName, i->name())) return i;
    return nullptr;
}

const EnumDesc* ClassDesc::findEnumeration(std::string_view enumName) const noexcept {
    for (const EnumDesc* e : enums_)
        if (equalsNoCase(e->name, enumName)) return e;
    return nullptr;
}

MemberDesc runtimeProperty(std::string name, TypeDesc type, intptr_t data, Thunk get, Thunk let, Thunk set,
                           std::string help) {
    MemberDesc m;
    m.name = std::move(name);
    m.type = type;
    m.data = data;
    m.help = std::move(help);
    m.thunks[kindSlot(InvokeKind::PropertyGet)] = get;
    m.thunks[kindSlot(InvokeKind::PropertyLet)] = let;
    m.thunks[kindSlot(InvokeKind::PropertySet)] = set;
    return m;
}

ClassDesc& DynamicClassDesc::edit() {
    if (desc_.use_count() > 1) desc_ = std::make_shared<ClassDesc>(*desc_);
    return *desc_;
}

}  // namespace tav
