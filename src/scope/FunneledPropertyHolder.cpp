#include "scope/FunneledPropertyHolder.h"

#include <limits>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/locale/Locale.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/operators/Operators.h"
#include "automation/objects/Prompts.h"
#include "scope/ConflictValueTokens.h"
#include "util/DBugLifeTimes.h"
#include "util/Utils.h"

namespace tav {

namespace {

namespace Text = FunneledPropertyHolderText;
using Status = funneledPropertyStatus;
using Rule = funneledPropertyResolveBy;

std::string indexedKey(std::string_view key, int16_t i) { return std::string(key) + std::to_string(i); }

[[noreturn]] void throwRuleError(std::string_view message, const std::string& propertyName) {
    throw AutomationError(err::InvalidProcedureCall, std::string(Text::ErrSource),
                          std::string(message) + propertyName);
}

PropertyBag& bagOf(const Ref<PropertyBag>& pb) {
    if (!pb) throwError(err::ObjectNotSet);
    return *pb;
}

}  // namespace

const EnumDesc& enumDesc(funneledPropertyStatus) {
    static const EnumDesc e{"funneledPropertyStatus",
                            "How far the values funneled so far agree.",
                            {{"NoValuesYet", 0}, {"ValuesConflict", 1}, {"ValuesConsistent", 2}}};
    return e;
}

const EnumDesc& enumDesc(funneledPropertyResolveBy) {
    static const EnumDesc e{"funneledPropertyResolveBy",
                            "How the values of many objects merge into one.",
                            {{"ScalarCompareAll", 1}, {"UseFirstVal", 2}, {"ConflictOnSecondVal", 3}, {"SumOfNumeric", 4}}};
    return e;
}

ClassDesc FunneledPropertyHolder::describe() {
    using C = FunneledPropertyHolder;
    return ClassDesc(std::string(Text::ClassName), "Merges one property's values over many objects into one value.")
        .add(property<&C::ExtraInfo, &C::SetExtraInfo>("ExtraInfo", "Free for the host form's use."))
        .add(method<&C::Reset>("Reset", {}, "Forgets the values funneled so far."))
        .add(property<&C::SourcePropertyName, &C::SetSourcePropertyName>(
            "SourcePropertyName", "The name the merged property is offered under; set once."))
        .add(property<&C::InternalPropertyName, &C::SetInternalPropertyName>(
            "InternalPropertyName", "The name of the property on the objects."))
        .add(method<&C::FunnelValue>("FunnelValue", {"v"}, "Feeds one value; true while more are wanted."))
        .add(property<&C::status>("status", "How far the values agree."))
        .add(property<&C::ResolveBy, &C::SetResolveBy>("ResolveBy", "The merge rule."))
        .add(property<&C::ConflictValue, &C::SetConflictValue>("ConflictValue", "Shown when the values conflict."))
        .add(property<&C::ConflictValueStr, &C::SetConflictValueStr>("ConflictValueStr",
                                                                     "ConflictValue in text form."))
        .add(property<&C::ApparentValue, &C::SetApparentValue, &C::SetApparentValue>(
            "ApparentValue", "The value to show."))
        .add(method<&C::Save>("Save", {"pb", "i"}, "Writes the holder's keys with index i."))
        .add(method<&C::Load>("Load", {"pb", "i"}, "Reads the holder's keys with index i."))
        .enumeration(enumDesc(funneledPropertyStatus{}))
        .enumeration(enumDesc(funneledPropertyResolveBy{}));
}

FunneledPropertyHolder::FunneledPropertyHolder() { DBugLifeTimes::TraceLifetime(Text::ClassName, this); }

FunneledPropertyHolder::~FunneledPropertyHolder() { DBugLifeTimes::TraceLifetime(Text::ClassName, this); }

void FunneledPropertyHolder::Reset() noexcept {
    funneled_.clear();
    status_ = Status::NoValuesYet;
}

void FunneledPropertyHolder::SetSourcePropertyName(std::string_view name) {
    if (!sourceName_.empty()) throw AutomationError(err::UnexpectedState, {}, std::string(Text::ErrSetOnce));
    sourceName_ = name;
}

bool FunneledPropertyHolder::FunnelValue(const Variant& v) {
    switch (status_) {
        case Status::NoValuesYet:
            // The rule is not consulted for the first value, so even an unknown rule takes it.
            Utils::CopyVariant(funneled_, v);
            status_ = Status::ValuesConsistent;
            break;
        case Status::ValuesConsistent:
            try {
                merge(v);
            } catch (...) {
                // Whatever went wrong, the values no longer give one value; the error itself is
                // the caller's to see, unchanged.
                status_ = Status::ValuesConflict;
                throw;
            }
            break;
        case Status::ValuesConflict:
            break;
    }
    return wantsMore();
}

namespace {

// How the bulk feeds meet their values: the i-th value as a Variant, and whether a value differs
// from the merged one (ValuesDiffer) in a way cheaper than the general test where it can.
struct VariantValues {
    std::span<const Variant> values;
    size_t size() const { return values.size(); }
    const Variant& variant(size_t i) const { return values[i]; }
    bool accepts(const Variant&) const { return true; }
    bool differs(const Variant& merged, size_t i) { return Utils::ValuesDiffer(merged, values[i]); }
};

struct DoubleValues {
    std::span<const double> values;
    size_t size() const { return values.size(); }
    Variant variant(size_t i) const { return Variant::R8(values[i]); }
    bool accepts(const Variant& merged) const { return merged.type() == VarType::R8; }
    bool differs(const Variant& merged, size_t i) {
        return values[i] != merged.r8() && Utils::DoublesDiffer(merged.r8(), values[i]);
    }
};

struct LongValues {
    std::span<const int32_t> values;
    size_t size() const { return values.size(); }
    Variant variant(size_t i) const { return Variant::I4(values[i]); }
    bool accepts(const Variant& merged) const { return merged.type() == VarType::I4; }
    bool differs(const Variant& merged, size_t i) { return values[i] != merged.i4(); }
};

// Equal codes are equal values: a run of one code is compared once.
struct CodedValues {
    static constexpr uint32_t kNoCode = std::numeric_limits<uint32_t>::max();
    std::span<const uint32_t> codes;
    std::span<const Variant> table;
    uint32_t agreeing = kNoCode;
    size_t size() const { return codes.size(); }
    const Variant& variant(size_t i) const { return table[codes[i]]; }
    bool accepts(const Variant&) const { return true; }
    bool differs(const Variant& merged, size_t i) {
        if (codes[i] == agreeing) return false;
        if (Utils::ValuesDiffer(merged, table[codes[i]])) return true;
        agreeing = codes[i];
        return false;
    }
};

}  // namespace

// FunnelValue for each value up to the first false answer; values compared with the first
// (ScalarCompareAll, the common case) are compared here without a call per value.
template <class Values>
bool FunneledPropertyHolder::funnelEach(Values values) {
    size_t i = 0;
    bool more = true;
    if (i < values.size() && status_ == Status::NoValuesYet) more = FunnelValue(values.variant(i++));
    if (more && status_ == Status::ValuesConsistent && resolveBy_ == Rule::ScalarCompareAll &&
        values.accepts(funneled_)) {
        try {
            for (; i < values.size(); ++i) {
                if (values.differs(funneled_, i)) {
                    status_ = Status::ValuesConflict;
                    return false;
                }
            }
        } catch (...) {
            status_ = Status::ValuesConflict;
            throw;
        }
        return true;
    }
    for (; more && i < values.size(); ++i) more = FunnelValue(values.variant(i));
    return more;
}

bool FunneledPropertyHolder::funnelAll(std::span<const Variant> values) { return funnelEach(VariantValues{values}); }

bool FunneledPropertyHolder::funnelAll(std::span<const double> values) { return funnelEach(DoubleValues{values}); }

bool FunneledPropertyHolder::funnelAll(std::span<const int32_t> values) { return funnelEach(LongValues{values}); }

bool FunneledPropertyHolder::funnelCoded(std::span<const uint32_t> codes, std::span<const Variant> table) {
    return funnelEach(CodedValues{codes, table});
}

void FunneledPropertyHolder::merge(const Variant& v) {
    switch (resolveBy_) {
        case Rule::ScalarCompareAll:
            // The first value stays the merged one; later ones are only compared with it.
            if (Utils::ValuesDiffer(funneled_, v)) status_ = Status::ValuesConflict;
            return;
        case Rule::UseFirstVal:
            throwRuleError(Text::ErrRepeatCall, internalName_);
        case Rule::ConflictOnSecondVal:
            status_ = Status::ValuesConflict;
            return;
        case Rule::SumOfNumeric:
            funneled_ = Add(funneled_, v);
            return;
    }
    throwRuleError(Text::ErrUnknownRule, internalName_);
}

void FunneledPropertyHolder::SetConflictValue(const Variant& v) { Utils::CopyVariant(conflictValue_, v); }

std::string FunneledPropertyHolder::ConflictValueStr() const {
    if (const auto token = ConflictValueTokens::tokenOf(conflictValue_)) {
        if (conflictValue_.isObject() && conflictValue_.object())
            currentPrompts().messageBox(Text::ObjectConflictMessage, msgbox::OKOnly + msgbox::Critical,
                                        Text::ObjectConflictTitle);
        return std::string(*token);
    }
    return CStr(conflictValue_);
}

void FunneledPropertyHolder::SetConflictValueStr(std::string_view text) {
    if (auto value = ConflictValueTokens::valueOf(text)) conflictValue_ = std::move(*value);
    else conflictValue_ = Utils::CNum(Variant(text));
}

Variant FunneledPropertyHolder::ApparentValue() const {
    return status_ == Status::ValuesConsistent ? funneled_ : conflictValue_;
}

void FunneledPropertyHolder::SetApparentValue(Variant& v) {
    Utils::CopyVariant(funneled_, v);
    status_ = Status::ValuesConsistent;
}

void FunneledPropertyHolder::Save(Ref<PropertyBag>& pb, int16_t& i) { save(bagOf(pb), i); }

void FunneledPropertyHolder::Load(Ref<PropertyBag>& pb, int16_t& i) { load(bagOf(pb), i); }

// Each entry is left out when it equals its default, so a holder whose internal name is its
// source name and whose other members are at their defaults takes a single entry. The conflict
// value is stored as its text in en-US conventions whatever the thread's locale, so that a form
// saved where 2.5 is written "2,5" does not load as 25 elsewhere.
void FunneledPropertyHolder::save(PropertyBag& pb, int16_t i) {
    pb.WriteProperty(indexedKey(Text::KeySrcPropName, i), Variant(sourceName_), missingArg());
    pb.WriteProperty(indexedKey(Text::KeyIntPropName, i), Variant(internalName_), Variant(sourceName_));
    const std::string conflictText = withLocale(Locale::enUS(), [&] { return ConflictValueStr(); });
    pb.WriteProperty(indexedKey(Text::KeyConflictValueStr, i), Variant(conflictText),
                     Variant(ConflictValueTokens::VtNull));
    pb.WriteProperty(indexedKey(Text::KeyResolveBy, i), Variant::I4(static_cast<int32_t>(resolveBy_)),
                     Variant::I4(static_cast<int32_t>(DefaultResolveBy)));
    pb.WriteProperty(indexedKey(Text::KeyExtraInfo, i), Variant::I4(extraInfo_), Variant::I4(DefaultExtraInfo));
}

// The funneled value and status are run-time state and stay as they are. The source name is
// stored directly: loading is not a second setting by a client.
void FunneledPropertyHolder::load(const PropertyBag& pb, int16_t i) {
    const std::string legacyName = CStr(pb.ReadProperty(indexedKey(Text::KeyLegacyPropertyName, i), Variant("")));
    sourceName_ = CStr(pb.ReadProperty(indexedKey(Text::KeySrcPropName, i), Variant(legacyName)));
    internalName_ = CStr(pb.ReadProperty(indexedKey(Text::KeyIntPropName, i), Variant(sourceName_)));
    const std::string conflictText =
        CStr(pb.ReadProperty(indexedKey(Text::KeyConflictValueStr, i), Variant(ConflictValueTokens::VtNull)));
    withLocale(Locale::enUS(), [&] { SetConflictValueStr(conflictText); });
    resolveBy_ = static_cast<Rule>(
        CLng(pb.ReadProperty(indexedKey(Text::KeyResolveBy, i), Variant::I4(static_cast<int32_t>(DefaultResolveBy)))));
    extraInfo_ = CLng(pb.ReadProperty(indexedKey(Text::KeyExtraInfo, i), Variant::I4(DefaultExtraInfo)));
}

}  // namespace tav
