#include "automation/objects/ClassDesc.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace tav {

namespace {

constexpr size_t kMinSlots = 8;
constexpr size_t kWord = sizeof(uint64_t);
// Names up to this many words are looked up on the stack; longer ones by a plain scan.
constexpr size_t kFastWords = 8;

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;
constexpr uint64_t kHashMultiplier = 0x9E3779B97F4A7C15ull;

size_t wordsFor(size_t bytes) { return (bytes + kWord - 1) / kWord; }

// Folds the ASCII capitals of eight bytes at once: a byte gets 0x20 added when it lies in
// 'A'..'Z' (bytes of 0x80 and above are left alone).
uint64_t foldWord(uint64_t x) {
    const uint64_t low7 = x & ~kHighBits;
    const uint64_t atLeastA = low7 + (0x80 - 'A') * kOnes;
    const uint64_t aboveZ = low7 + (0x80 - 'Z' - 1) * kOnes;
    const uint64_t upper = atLeastA & ~aboveZ & ~x & kHighBits;
    return x | (upper >> 2);
}

static_assert(std::endian::native == std::endian::little, "the word tricks below read text little-endian");

template <class T>
T load(const char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The first n (1..7) bytes at p as a zero-padded word, without reading past them.
uint64_t loadShort(const char* p, size_t n) {
    if (n >= 4) {
        const uint64_t lo = load<uint32_t>(p);
        const uint64_t hi = load<uint32_t>(p + n - 4);
        return lo | (hi << (8 * (n - 4)));  // the two halves overlap on equal bytes
    }
    const auto byte = [&](size_t i) { return static_cast<uint64_t>(static_cast<unsigned char>(p[i])); };
    return byte(0) | (byte(n / 2) << (8 * (n / 2))) | (byte(n - 1) << (8 * (n - 1)));
}

// The folded text of `s` as zero-padded words (out holds wordsFor(s.size()) of them), and its hash.
uint32_t foldAndHash(std::string_view s, uint64_t* out) {
    uint64_t h = s.size() * kHashMultiplier;
    const size_t whole = s.size() / kWord;
    const size_t rest = s.size() % kWord;
    auto mix = [&](uint64_t w) {
        h = (h ^ w) * kHashMultiplier;
        h ^= h >> 29;
    };
    for (size_t i = 0; i < whole; ++i) {
        out[i] = foldWord(load<uint64_t>(s.data() + i * kWord));
        mix(out[i]);
    }
    if (rest) {
        // The last partial word: re-read the final eight bytes and drop the ones already seen.
        const uint64_t w = whole ? load<uint64_t>(s.data() + s.size() - kWord) >> (8 * (kWord - rest))
                                 : loadShort(s.data(), rest);
        out[whole] = foldWord(w);
        mix(out[whole]);
    }
    return static_cast<uint32_t>(h ^ (h >> 32));
}

std::vector<uint64_t> foldedWords(std::string_view s, uint32_t& hash) {
    std::vector<uint64_t> words(wordsFor(s.size()));
    hash = foldAndHash(s, words.data());
    return words;
}

}  // namespace

InterfaceDesc::InterfaceDesc(std::string name, std::string help, Guid iid)
    : name_(std::move(name)), help_(std::move(help)), iid_(iid) {}

void MemberDesc::derivePlainSignature() {
    plainArity = NotPlain;
    if (params.size() > MaxPlainParams) return;
    for (size_t i = 0; i < params.size(); ++i) {
        const ParamDesc& p = params[i];
        const VarType vt = p.type.vt;
        if (p.flags != ParamDesc::None || p.type.isArray() || vt == VarType::Object || vt == VarType::Unknown) return;
        plainTypes[i] = vt;
    }
    plainArity = static_cast<uint8_t>(params.size());
}

InterfaceDesc& InterfaceDesc::add(MemberDesc member) {
    if (find(member.name))
        throw std::logic_error("member '" + member.name + "' declared twice in " + name_);
    if (member.id == DispIdUnknown) {
        member.id = nextId_;
    } else if (findById(member.id)) {
        throw std::logic_error("dispatch id of '" + member.name + "' used twice in " + name_);
    }
    if (member.id >= nextId_) nextId_ = member.id + 1;
    member.derivePlainSignature();
    uint32_t hash = 0;
    folded_.push_back(foldedWords(member.name, hash));
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
    uint32_t h = 0;
    foldedWords(members_[memberIndex].name, h);
    const size_t mask = slots_.size() - 1;
    size_t s = h & mask;
    while (slots_[s].second != 0) s = (s + 1) & mask;
    slots_[s] = {h, memberIndex + 1};
}

const MemberDesc* InterfaceDesc::find(std::string_view memberName) const {
    const size_t words = wordsFor(memberName.size());
    if (words > kFastWords) {
        for (const MemberDesc& m : members_)
            if (equalsNoCase(m.name, memberName)) return &m;
        return nullptr;
    }
    if (slots_.empty()) return nullptr;
    uint64_t text[kFastWords];
    const uint32_t h = foldAndHash(memberName, text);
    const size_t mask = slots_.size() - 1;
    for (size_t s = h & mask; slots_[s].second != 0; s = (s + 1) & mask) {
        if (slots_[s].first != h) continue;
        const uint32_t i = slots_[s].second - 1;
        if (members_[i].name.size() != memberName.size()) continue;
        const uint64_t* candidate = folded_[i].data();
        size_t w = 0;
        while (w < words && candidate[w] == text[w]) ++w;
        if (w == words) return &members_[i];
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

ClassDesc& ClassDesc::exposes(const InterfaceDesc& iface) {
    implements(iface);
    for (MemberDesc m : iface.members()) {
        if (defaultInterface_.find(m.name)) continue;
        m.id = DispIdUnknown;  // numbered after the default interface's own members
        defaultInterface_.add(std::move(m));
    }
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

// An object's type name and class table come from the table its class declares.
std::string_view Object::typeName() const {
    const ClassDesc* desc = classDesc();
    return desc ? std::string_view(desc->name()) : std::string_view("Object");
}

std::shared_ptr<const ClassDesc> Object::sharedClassDesc() const {
    // Static tables live for the whole program: hand them out without an owner.
    return std::shared_ptr<const ClassDesc>(std::shared_ptr<const ClassDesc>(), classDesc());
}

}  // namespace tav
