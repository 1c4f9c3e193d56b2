#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "automation/objects/ClassDesc.h"

// Type information as the call-by-name service hands it out: read-only views of member tables
// that keep the table they look at alive (a run-time defined class may change its table
// later; a view keeps describing the table it was taken from).
namespace tav {

// A user-defined type; the library's only kind is the enumeration.
class TypeInfo {
public:
    static constexpr int TypeKindEnum = 0;

    TypeInfo(std::shared_ptr<const ClassDesc> owner, const EnumDesc* e) : owner_(std::move(owner)), enum_(e) {}
    std::string_view name() const { return enum_->name; }
    std::string_view helpString() const { return enum_->help; }
    int typeKind() const { return TypeKindEnum; }
    // Members in declaration order; the platform counts them from 1, these from 0.
    size_t memberCount() const { return enum_->items.size(); }
    std::string_view memberName(size_t i) const { return enum_->items.at(i).name; }
    int32_t memberValue(size_t i) const { return enum_->items.at(i).value; }
    const std::vector<EnumDesc::Item>& members() const { return enum_->items; }

private:
    std::shared_ptr<const ClassDesc> owner_;
    const EnumDesc* enum_;
};

// The type of a member's result.
class VarTypeInfo {
public:
    VarTypeInfo(std::shared_ptr<const ClassDesc> owner, TypeDesc t) : owner_(std::move(owner)), type_(t) {}
    // The Variant type code; 0 (VtUserDefined) when the type is described by its own type
    // information, 24 (VtVoid) for no value.
    uint16_t varType() const { return type_.reportedVarType(); }
    bool isUserDefined() const { return type_.enumeration != nullptr; }
    // The user-defined type; error 5 when the type is not user-defined.
    TypeInfo typeInfo() const;
    const TypeDesc& desc() const { return type_; }

private:
    std::shared_ptr<const ClassDesc> owner_;
    TypeDesc type_;
};

// One member for one invoke kind (a read/write property appears as a get and a let), or, in
// a filtered list, one member with all its kinds.
class MemberInfo {
public:
    MemberInfo(std::shared_ptr<const ClassDesc> owner, const MemberDesc* m, InvokeKind kind)
        : owner_(std::move(owner)), member_(m), kind_(kind) {}
    std::string_view name() const { return member_->name; }
    DispId memberId() const { return member_->id; }
    InvokeKind invokeKind() const { return kind_; }
    // Sum of the kinds the member supports (1 method, 2 get, 4 let, 8 set).
    int invokeKinds() const;
    // A let or set returns nothing; a get returns the property's type.
    VarTypeInfo returnType() const;
    const std::vector<ParamDesc>& parameters() const { return member_->params; }
    std::string_view helpString() const { return member_->help; }
    bool hidden() const { return member_->hidden; }

private:
    std::shared_ptr<const ClassDesc> owner_;
    const MemberDesc* member_;
    InvokeKind kind_;
};

class InterfaceInfo {
public:
    InterfaceInfo(std::shared_ptr<const ClassDesc> owner, const InterfaceDesc* iface)
        : owner_(std::move(owner)), iface_(iface) {}
    std::string_view name() const { return iface_->name(); }
    std::string_view helpString() const { return iface_->help(); }
    const Guid& guid() const { return iface_->iid(); }

    // Every member once per invoke kind it supports (get, let, set, method), in table order.
    std::vector<MemberInfo> members() const;
    // The member by name (its first kind); error TypeElementNotFound when there is none.
    MemberInfo member(std::string_view memberName) const;
    // The member with a dispatch id; error TypeElementNotFound when there is none.
    MemberInfo getMember(DispId id) const;
    // The members a designer shows: one entry per member (kinds merged), hidden members left
    // out, and names starting with "_" left out unless showUnderscore.
    std::vector<MemberInfo> filteredMembers(bool showUnderscore = false) const;

private:
    std::shared_ptr<const ClassDesc> owner_;
    const InterfaceDesc* iface_;
};

}  // namespace tav
