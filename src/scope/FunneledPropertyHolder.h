#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "automation/objects/PropertyBag.h"
#include "automation/values/Variant.h"

// Merges ("funnels") the values one property has on many objects into the one value a single
// control shows. The caller feeds the values one by one with FunnelValue and stops at the first
// false answer; the holder decides by its merge rule whether they agree, what the merged value
// is, and ApparentValue gives what to show: the merged value, or ConflictValue when the values
// conflict or none came yet.
//
// A holder also carries the name its merged property is offered under (SourcePropertyName, set
// once: it is the holder's key in a FunneledProperties collection), the name it is read and
// written under on the objects (InternalPropertyName), and a free integer for the host form
// (ExtraInfo). Save/Load keep all of that in a property bag under keys with an index suffix,
// so that a collection keeps many holders in one bag.
namespace tav {

enum class funneledPropertyStatus : int32_t {
    NoValuesYet = 0,       // nothing funneled since the last reset
    ValuesConflict = 1,    // the values so far give no single value
    ValuesConsistent = 2,  // the values so far give one value
};
const EnumDesc& enumDesc(funneledPropertyStatus);

enum class funneledPropertyResolveBy : int32_t {
    ScalarCompareAll = 1,     // every value must equal the first (ValuesDiffer)
    UseFirstVal = 2,          // the first value is taken; a second one is an error
    ConflictOnSecondVal = 3,  // any second value is a conflict
    SumOfNumeric = 4,         // the values are added up
};
const EnumDesc& enumDesc(funneledPropertyResolveBy);

namespace FunneledPropertyHolderText {
inline constexpr std::string_view ClassName = "FunneledPropertyHolder";
inline constexpr std::string_view ErrSource = "FunneledPropertyHolder";
inline constexpr std::string_view ErrSetOnce = "SourcePropertyName may only be set once";
// Both are followed directly by InternalPropertyName.
inline constexpr std::string_view ErrRepeatCall = "Unexpected repeat call into FunnelValue, on property:";
inline constexpr std::string_view ErrUnknownRule = "Unknown ResolveBy on property:";
// Shown when a live object is asked for its text form: only Nothing has one.
inline constexpr std::string_view ObjectConflictTitle = "Unexpected";
inline constexpr std::string_view ObjectConflictMessage =
    "Unexpected! Only Nothing suported for Conflict-Value of Object/interface types.";

// Bag keys; each is followed by the holder's index in decimal ("SrcPropName1").
inline constexpr std::string_view KeySrcPropName = "SrcPropName";
inline constexpr std::string_view KeyIntPropName = "IntPropName";
inline constexpr std::string_view KeyConflictValueStr = "ConflictValueStr";
inline constexpr std::string_view KeyResolveBy = "ResolveBy";
inline constexpr std::string_view KeyExtraInfo = "ExtraInfo";
// Older bags kept the one name under this key.
inline constexpr std::string_view KeyLegacyPropertyName = "PropertyName";
}  // namespace FunneledPropertyHolderText

class FunneledPropertyHolder : public Dispatchable<FunneledPropertyHolder> {
public:
    static ClassDesc describe();
    std::string_view typeName() const override { return FunneledPropertyHolderText::ClassName; }

    static constexpr funneledPropertyResolveBy DefaultResolveBy = funneledPropertyResolveBy::ScalarCompareAll;
    static constexpr int32_t DefaultExtraInfo = 0;

    FunneledPropertyHolder();
    ~FunneledPropertyHolder() override;

    int32_t ExtraInfo() const noexcept { return extraInfo_; }
    void SetExtraInfo(int32_t n) noexcept { extraInfo_ = n; }

    // Forgets the funneled values; names, rule, conflict value and ExtraInfo stay.
    void Reset() noexcept;

    const std::string& SourcePropertyName() const noexcept { return sourceName_; }
    // 0x8000FFFF once a non-empty name is set.
    void SetSourcePropertyName(std::string_view name);
    const std::string& InternalPropertyName() const noexcept { return internalName_; }
    void SetInternalPropertyName(std::string_view name) { internalName_ = name; }

    // Feeds one more value; true while more values are wanted. An error (a repeated value under
    // UseFirstVal, an unknown rule, a failed comparison or addition) leaves ValuesConflict and
    // passes unchanged.
    bool FunnelValue(const Variant& v);
    // FunnelValue for each value in order, up to the first false answer (C++ callers that hold
    // all values at once); its answer.
    bool funnelAll(std::span<const Variant> values);
    // The same for values that are all Doubles (or all Longs), as if each came as a Variant.
    bool funnelAll(std::span<const double> values);
    bool funnelAll(std::span<const int32_t> values);
    // The same for values given as codes into a table of distinct values.
    bool funnelCoded(std::span<const uint32_t> codes, std::span<const Variant> table);
    funneledPropertyStatus status() const noexcept { return status_; }

    funneledPropertyResolveBy ResolveBy() const noexcept { return resolveBy_; }
    // Any number is taken; an unknown rule is rejected only when a second value arrives.
    void SetResolveBy(funneledPropertyResolveBy rule) noexcept { resolveBy_ = rule; }

    Variant ConflictValue() const { return conflictValue_; }
    void SetConflictValue(const Variant& v);
    // ConflictValue as text: the tokens of ConflictValueTokens.h for Null, Empty, objects and
    // the empty string, else the value's text. A live object shows a message box first.
    std::string ConflictValueStr() const;
    // The reverse: a token gives its value, other text goes through CNum.
    void SetConflictValueStr(std::string_view text);

    // The merged value when the values agree, else ConflictValue.
    Variant ApparentValue() const;
    // Takes `v` as the merged value (for a host that reads the property itself).
    void SetApparentValue(Variant& v);

    // Persistence at index `i` (by reference, as the interface declares them).
    void Save(Ref<PropertyBag>& pb, int16_t& i);
    void Load(Ref<PropertyBag>& pb, int16_t& i);
    void save(PropertyBag& pb, int16_t i);
    void load(const PropertyBag& pb, int16_t i);

private:
    bool wantsMore() const noexcept {
        return status_ == funneledPropertyStatus::ValuesConsistent &&
               resolveBy_ != funneledPropertyResolveBy::UseFirstVal;
    }
    void merge(const Variant& v);
    template <class Values>
    bool funnelEach(Values values);

    int32_t extraInfo_ = DefaultExtraInfo;
    std::string sourceName_;
    std::string internalName_;
    Variant funneled_;
    Variant conflictValue_ = Variant::Null();
    funneledPropertyResolveBy resolveBy_ = DefaultResolveBy;
    funneledPropertyStatus status_ = funneledPropertyStatus::NoValuesYet;
};

}  // namespace tav
