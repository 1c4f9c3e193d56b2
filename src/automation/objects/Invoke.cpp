#include "automation/objects/Invoke.h"

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "automation/objects/MemberLookup.h"
#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/Object.h"
#include "automation/values/SafeArray.h"

namespace tav {

namespace {

// Most members take a handful of arguments: keep their slots on the stack.
constexpr size_t kInlineSlots = 8;

struct Slot {
    Variant temp;            // the coerced value when it differs from the caller's
    Variant* arg = nullptr;  // the caller's element, for writing a by-reference value back
    bool writeBack = false;
};

// Storage for the slots and the pointers handed to the thunk; only the slots in use are made.
class Slots {
public:
    explicit Slots(size_t n) : n_(n) {
        if (n > kInlineSlots) {
            heapSlots_.resize(n);
            heapPtrs_.resize(n);
            slots_ = heapSlots_.data();
            ptrs_ = heapPtrs_.data();
        } else {
            slots_ = std::uninitialized_value_construct_n(reinterpret_cast<Slot*>(inlineSlots_), n) - n;
            ptrs_ = inlinePtrs_.data();
        }
    }
    ~Slots() {
        if (n_ <= kInlineSlots) std::destroy_n(slots_, n_);
    }
    Slots(const Slots&) = delete;
    Slots& operator=(const Slots&) = delete;
    Slot& slot(size_t i) { return slots_[i]; }
    Variant** ptrs() { return ptrs_; }
    size_t size() const { return n_; }

private:
    size_t n_;
    Slot* slots_;
    Variant** ptrs_;
    alignas(Slot) std::byte inlineSlots_[kInlineSlots * sizeof(Slot)];
    std::array<Variant*, kInlineSlots> inlinePtrs_;
    std::vector<Slot> heapSlots_;
    std::vector<Variant*> heapPtrs_;
};

bool isObjectType(VarType vt) { return vt == VarType::Object || vt == VarType::Unknown; }

// A parameter's default lives in a member table that every thread reads: the argument gets a
// string of its own, so that no reference count is shared between threads.
Variant defaultArgument(const Variant& def) {
    return def.isString() ? Variant(def.str()) : def;
}

// The value an omitted optional parameter without default receives.
Variant omittedValue(const TypeDesc& t) {
    if (t.vt == VarType::Variant) return missingArg();
    if (isObjectType(t.vt)) return Variant::Nothing();
    if (t.isArray()) return Variant(SafeArray::unallocated());
    return changeType(Variant(), t.vt);
}

// Points the slot at the value the member receives for `in`, coercing it to `t`.
Variant* coerce(const TypeDesc& t, bool byRef, Variant& in, Slot& slot) {
    if (t.vt == VarType::Variant) return &in;
    if (isObjectType(t.vt)) {
        if (!in.isObject()) throwTypeMismatch();
        return &in;
    }
    if (t.isArray()) {
        if (!in.isArray()) throwTypeMismatch();
        return &in;
    }
    if (in.type() == t.vt) return &in;
    slot.temp = changeType(in, t.vt);
    if (byRef) {
        slot.arg = &in;
        slot.writeBack = true;
    }
    return &slot.temp;
}

[[noreturn]] void memberNotFound() { throwError(err::ObjectDoesNotSupport); }

// Everything but the common case of invokeMember(), kept out of line so that the common case
// stays a short function.
[[gnu::noinline]] Variant invokeWithArguments(Object& obj, const MemberDesc& m, Thunk thunk, InvokeKind kind,
                                              std::span<Variant> args) {
    const size_t nParams = m.params.size();
    const bool assigns = kind == InvokeKind::PropertyLet || kind == InvokeKind::PropertySet;
    if (assigns && args.empty()) throwError(err::WrongArgumentCount);
    const size_t nArgs = assigns ? args.size() - 1 : args.size();
    const bool hasParamArray = nParams > 0 && m.params.back().paramArray();
    const size_t nFixed = hasParamArray ? nParams - 1 : nParams;
    size_t required = 0;
    while (required < nFixed && !m.params[required].optional()) ++required;
    if (nArgs < required || (!hasParamArray && nArgs > nFixed)) throwError(err::WrongArgumentCount);

    Slots slots(nFixed + (assigns ? 1 : 0));
    Variant** ptrs = slots.ptrs();
    for (size_t i = 0; i < nFixed; ++i) {
        const ParamDesc& p = m.params[i];
        Slot& slot = slots.slot(i);
        if (i >= nArgs || isMissing(args[i])) {
            if (!p.optional()) throwError(err::ArgumentNotOptional);
            slot.temp = p.hasDefault() ? defaultArgument(p.defaultValue) : omittedValue(p.type);
            ptrs[i] = &slot.temp;
        } else {
            ptrs[i] = coerce(p.type, p.byRef(), args[i], slot);
        }
    }
    if (assigns) {
        Variant& value = args.back();
        Slot& slot = slots.slot(nFixed);
        if (kind == InvokeKind::PropertySet && !value.isObject()) throwTypeMismatch();
        ptrs[nFixed] = coerce(m.type, false, value, slot);
    }
    const std::span<Variant> rest =
        hasParamArray && nArgs > nFixed ? args.subspan(nFixed, nArgs - nFixed) : std::span<Variant>();
    // Nothing of `m` is read after the call: the member may change the table it lives in.
    Variant result = thunk(obj, CallArgs{m.id, m.data, std::span<Variant* const>(ptrs, slots.size()), rest});
    for (size_t i = 0; i < slots.size(); ++i) {
        Slot& slot = slots.slot(i);
        if (slot.writeBack) *slot.arg = std::move(slot.temp);
    }
    return result;
}

// A method or property get whose parameters are all plain (MemberDesc::plainArity), called with
// exactly that many arguments of which none is Missing: each argument is passed as it is when
// it has the parameter's type, else converted.
Variant invokePlain(Object& obj, const MemberDesc& m, Thunk thunk, std::span<Variant> args) {
    // Converted values live here; only as many are made as are needed.
    class Conversions {
    public:
        Conversions() = default;
        ~Conversions() { std::destroy_n(values(), count_); }
        Conversions(const Conversions&) = delete;
        Conversions& operator=(const Conversions&) = delete;
        Variant* add(const Variant& arg, VarType want) {
            Variant* slot = values() + count_;
            std::construct_at(slot, changeType(arg, want));
            ++count_;
            return slot;
        }

    private:
        Variant* values() { return reinterpret_cast<Variant*>(storage_); }
        alignas(Variant) std::byte storage_[MemberDesc::MaxPlainParams * sizeof(Variant)];
        size_t count_ = 0;
    } converted;
    std::array<Variant*, MemberDesc::MaxPlainParams> ptrs;
    for (size_t i = 0; i < args.size(); ++i) {
        const VarType want = m.plainTypes[i];
        Variant& arg = args[i];
        ptrs[i] = want == VarType::Variant || arg.type() == want ? &arg : converted.add(arg, want);
    }
    return thunk(obj, CallArgs{m.id, m.data, std::span<Variant* const>(ptrs.data(), args.size()), {}});
}

bool hasMissing(std::span<const Variant> args) {
    for (const Variant& a : args)
        if (isMissing(a)) return true;
    return false;
}

}  // namespace

Variant invokeMember(Object& obj, const MemberDesc& m, InvokeKind kind, std::span<Variant> args) {
    const Thunk thunk = m.thunk(kind);
    if (!thunk) memberNotFound();
    // The common case: a property get or method without parameters.
    if (args.empty() && m.params.empty() && (kind == InvokeKind::PropertyGet || kind == InvokeKind::Method))
        return thunk(obj, CallArgs{m.id, m.data, {}, {}});
    if (args.size() == m.plainArity && (kind == InvokeKind::PropertyGet || kind == InvokeKind::Method) &&
        !hasMissing(args))
        return invokePlain(obj, m, thunk, args);
    return invokeWithArguments(obj, m, thunk, kind, args);
}

Variant invoke(Object& obj, std::string_view name, InvokeKind kind, std::span<Variant> args) {
    const ClassDesc* desc = obj.classDesc();
    const MemberDesc* m = desc ? desc->defaultInterface().find(name) : nullptr;
    if (!m) memberNotFound();
    return invokeMember(obj, *m, kind, args);
}

Variant invoke(Object& obj, std::string_view name, InvokeKind kind, MemberLookup& lookup,
               std::span<Variant> args) {
    const MemberDesc* m = lookup.find(obj, name);
    if (!m) memberNotFound();
    return invokeMember(obj, *m, kind, args);
}

Variant invoke(Object& obj, DispId id, InvokeKind kind, std::span<Variant> args) {
    const ClassDesc* desc = obj.classDesc();
    const MemberDesc* m = desc ? desc->defaultInterface().findById(id) : nullptr;
    if (!m) memberNotFound();
    return invokeMember(obj, *m, kind, args);
}

Variant invoke(Object& obj, std::string_view interfaceName, std::string_view name, InvokeKind kind,
               std::span<Variant> args) {
    const ClassDesc* desc = obj.classDesc();
    const InterfaceDesc* iface = desc ? desc->findInterface(interfaceName) : nullptr;
    if (!iface) throwTypeMismatch();
    const MemberDesc* m = iface->find(name);
    if (!m) memberNotFound();
    return invokeMember(obj, *m, kind, args);
}

const MemberDesc* findMember(const Object& obj, std::string_view name) {
    const ClassDesc* desc = obj.classDesc();
    return desc ? desc->defaultInterface().find(name) : nullptr;
}

Object& objectFrom(const Variant& v) {
    if (!v.isObject()) throwError(err::ObjectRequired);
    if (!v.object()) throwError(err::ObjectNotSet);
    return *v.object();
}

}  // namespace tav
