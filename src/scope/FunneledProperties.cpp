#include "scope/FunneledProperties.h"

#include <limits>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "scope/ConflictValueTokens.h"

namespace tav {

namespace {

namespace Text = FunneledPropertiesText;

// Position i of a walk up to a 16-bit count (the counter itself is wider so that a count of
// 32,767 ends the loop).
int16_t position(int32_t i) { return static_cast<int16_t>(i); }

PropertyBag& bagOf(const Ref<PropertyBag>& pb) {
    if (!pb) throwError(err::ObjectNotSet);
    return *pb;
}

// Only holders are ever added, so an item is always one.
Ref<FunneledPropertyHolder> holderOf(const Variant& item) {
    return Ref<FunneledPropertyHolder>(static_cast<FunneledPropertyHolder*>(item.object()));
}

}  // namespace

int16_t FunneledProperties::walkCount(int32_t count) {
    if (count > std::numeric_limits<int16_t>::max()) throwOverflow();
    return static_cast<int16_t>(count);
}

ClassDesc FunneledProperties::describe() {
    using C = FunneledProperties;
    return ClassDesc(std::string(Text::ClassName), "The funnels of an in-scope source part, keyed by source name.")
        .add(method<&C::AddPropertyFunnel>(
            "AddPropertyFunnel",
            {"strSrcPropNm", "strIntPropName",
             opt("ResolveBy", Variant::I4(static_cast<int32_t>(FunneledPropertyHolder::DefaultResolveBy))),
             opt("ConflictValueStr", Variant(ConflictValueTokens::VtNull))},
            "Creates and adds a funnel."))
        .add(method<&C::AddCustomPropertyFunnel>("AddCustomPropertyFunnel", {"PropFunnel"},
                                                 "Adds a funnel built by the caller."))
        .add(property<&C::Item>("Item", {"strPropNameOr1BaseIndx"}, "A funnel by source name or position."))
        .add(method<&C::Clear>("Clear", {}, "Removes every funnel."))
        .add(method<&C::Remove>("Remove", {"strPropNameOr1BaseIndx"}, "Removes a funnel by source name or position."))
        .add(property<&C::Count>("Count", "The number of funnels."))
        .add(property<&C::NewEnum>("NewEnum").withId(DispIdNewEnum).hide())
        .add(method<&C::Reset>("Reset", {}, "Resets every funnel."))
        .add(method<&C::Save>("Save", {"pb"}, "Writes every funnel into the bag."))
        .add(method<&C::Load>("Load", {"pb"}, "Adds the funnels kept in the bag."));
}

Ref<FunneledPropertyHolder> FunneledProperties::AddPropertyFunnel(std::string_view strSrcPropNm,
                                                                  std::string_view strIntPropName,
                                                                  funneledPropertyResolveBy rule,
                                                                  std::string_view conflictText) {
    if (strSrcPropNm.empty()) throw AutomationError(err::InvalidArgument, {}, std::string(Text::ErrNoSourceName));
    Ref<FunneledPropertyHolder> holder = makeRef<FunneledPropertyHolder>();
    holder->SetSourcePropertyName(strSrcPropNm);
    holder->SetInternalPropertyName(strIntPropName);
    holder->SetConflictValueStr(conflictText);
    holder->SetResolveBy(rule);
    add(holder);
    return holder;
}

void FunneledProperties::AddCustomPropertyFunnel(Ref<FunneledPropertyHolder> PropFunnel) {
    if (!PropFunnel) throwError(err::ObjectNotSet);
    if (PropFunnel->SourcePropertyName().empty())
        throw AutomationError(err::InvalidArgument, {}, std::string(Text::ErrNoSourceName));
    add(PropFunnel);
}

void FunneledProperties::add(const Ref<FunneledPropertyHolder>& holder) {
    items_->add(Variant(holder), holder->SourcePropertyName());
}

Ref<FunneledPropertyHolder> FunneledProperties::Item(const Variant& strPropNameOr1BaseIndx) const {
    return holderOf(items_->Item(strPropNameOr1BaseIndx));
}

FunneledPropertyHolder& FunneledProperties::at(int16_t position) const {
    return *holderOf(items_->Item(Variant::I2(position)));
}

void FunneledProperties::Clear() { items_ = makeRef<Collection>(); }

void FunneledProperties::Remove(const Variant& strPropNameOr1BaseIndx) { items_->Remove(strPropNameOr1BaseIndx); }

void FunneledProperties::Reset() {
    const int16_t n = walkCount(Count());
    for (int32_t i = 1; i <= n; ++i) at(position(i)).Reset();
}

void FunneledProperties::Save(Ref<PropertyBag> pb) { save(bagOf(pb)); }

void FunneledProperties::Load(Ref<PropertyBag> pb) { load(bagOf(pb)); }

// Holders are fetched by position, so the suffixes run 1, 2, 3, ... in collection order and a
// later Load restores that order.
void FunneledProperties::save(PropertyBag& pb) {
    pb.WriteProperty(Text::KeyNumProps, Variant::I4(Count()), missingArg());
    const int16_t n = walkCount(Count());
    for (int32_t i = 1; i <= n; ++i) at(position(i)).save(pb, position(i));
}

void FunneledProperties::load(const PropertyBag& pb) {
    const int16_t n = CInt(pb.ReadProperty(Text::KeyNumProps, missingArg()));
    for (int32_t i = 1; i <= n; ++i) {
        Ref<FunneledPropertyHolder> holder = makeRef<FunneledPropertyHolder>();
        holder->load(pb, position(i));
        add(holder);
    }
}

}  // namespace tav
