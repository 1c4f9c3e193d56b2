#pragma once
#include <cstdint>
#include <string_view>

#include "automation/objects/Collection.h"
#include "automation/objects/Dispatchable.h"
#include "automation/objects/PropertyBag.h"
#include "scope/FunneledPropertyHolder.h"

// The ordered, keyed set of funnels of one in-scope source part: one FunneledPropertyHolder per
// bound property, keyed by its SourcePropertyName (letter case ignored), in the order added.
// Items and positions behave as in a VB Collection (1-based; a missing key is error 5, a
// position outside 1..Count error 9, a second holder of the same name error 457). Holders are
// shared, never copied: Item hands out the holder itself.
//
// Save/Load keep every holder in one property bag: "NumProps", then each holder's keys with its
// position as suffix. The walks over the holders count with a 16-bit position, so beyond 32,767
// holders Reset, Save and Load raise overflow (6) before touching any holder.
namespace tav {

namespace FunneledPropertiesText {
inline constexpr std::string_view ClassName = "FunneledProperties";
inline constexpr std::string_view ErrNoSourceName =
    "property funnel must have its SourcePropertyName set before it is added to the collection";
inline constexpr std::string_view KeyNumProps = "NumProps";
}  // namespace FunneledPropertiesText

class FunneledProperties : public Dispatchable<FunneledProperties> {
public:
    static ClassDesc describe();
    std::string_view typeName() const override { return FunneledPropertiesText::ClassName; }

    // Creates, names and adds a holder; 0x80070057 for an empty source name, 457 when the name
    // is held already (the new holder is then dropped).
    Ref<FunneledPropertyHolder> AddPropertyFunnel(std::string_view strSrcPropNm, std::string_view strIntPropName,
                                                  funneledPropertyResolveBy rule, std::string_view conflictText);
    // Adds a holder the caller built, with the same errors.
    void AddCustomPropertyFunnel(Ref<FunneledPropertyHolder> PropFunnel);
    // By key (text, any letter case) or 1-based position.
    Ref<FunneledPropertyHolder> Item(const Variant& strPropNameOr1BaseIndx) const;
    // Starts a new, empty collection; holders handed out stay valid and keep their state.
    void Clear();
    void Remove(const Variant& strPropNameOr1BaseIndx);
    int32_t Count() const { return items_->Count(); }
    // The for-each enumerator over the holders (a snapshot).
    Ref<Object> NewEnum() const { return items_->NewEnum(); }
    // Resets every holder.
    void Reset();
    void Save(Ref<PropertyBag> pb);
    // Adds the bag's holders after those already held.
    void Load(Ref<PropertyBag> pb);

    // The count of a walk over the holders, which counts positions in 16 bits: error 6 for more
    // than 32,767, before the first holder is touched.
    static int16_t walkCount(int32_t count);

    // C++ conveniences.
    void save(PropertyBag& pb);
    void load(const PropertyBag& pb);

private:
    void add(const Ref<FunneledPropertyHolder>& holder);
    FunneledPropertyHolder& at(int16_t position) const;

    Ref<Collection> items_ = makeRef<Collection>();
};

}  // namespace tav
