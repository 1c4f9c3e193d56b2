#include "automation/objects/TypeInfo.h"

#include <string>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"

namespace tav {

namespace {
constexpr std::string_view kNotUserDefined = "The type is not a user-defined type";
constexpr std::string_view kNoSuchMember = "Element not found: ";

// The order in which one member's kinds are listed.
constexpr InvokeKind kListOrder[] = {InvokeKind::PropertyGet, InvokeKind::PropertyLet, InvokeKind::PropertySet,
                                     InvokeKind::Method};

InvokeKind firstKind(const MemberDesc& m) {
    for (InvokeKind k : kListOrder)
        if (m.supports(k)) return k;
    return InvokeKind::Method;
}

[[noreturn]] void elementNotFound(std::string what) {
    throw AutomationError(err::TypeElementNotFound, "", std::string(kNoSuchMember) + what);
}
}  // namespace

TypeInfo VarTypeInfo::typeInfo() const {
    if (!type_.enumeration) throw AutomationError(err::InvalidProcedureCall, "", std::string(kNotUserDefined));
    return TypeInfo(owner_, type_.enumeration);
}

int MemberInfo::invokeKinds() const {
    int sum = 0;
    for (InvokeKind k : kListOrder)
        if (member_->supports(k)) sum |= static_cast<int>(k);
    return sum;
}

VarTypeInfo MemberInfo::returnType() const {
    const bool returnsNothing = kind_ == InvokeKind::PropertyLet || kind_ == InvokeKind::PropertySet;
    return VarTypeInfo(owner_, returnsNothing ? TypeDesc::voidType() : member_->type);
}

std::vector<MemberInfo> InterfaceInfo::members() const {
    std::vector<MemberInfo> out;
    for (const MemberDesc& m : iface_->members())
        for (InvokeKind k : kListOrder)
            if (m.supports(k)) out.emplace_back(owner_, &m, k);
    return out;
}

MemberInfo InterfaceInfo::member(std::string_view memberName) const {
    const MemberDesc* m = iface_->find(memberName);
    if (!m) elementNotFound(std::string(memberName));
    return MemberInfo(owner_, m, firstKind(*m));
}

MemberInfo InterfaceInfo::getMember(DispId id) const {
    const MemberDesc* m = iface_->findById(id);
    if (!m) elementNotFound(std::to_string(id));
    return MemberInfo(owner_, m, firstKind(*m));
}

std::vector<MemberInfo> InterfaceInfo::filteredMembers(bool showUnderscore) const {
    std::vector<MemberInfo> out;
    for (const MemberDesc& m : iface_->members()) {
        if (m.hidden) continue;
        if (!showUnderscore && !m.name.empty() && m.name.front() == '_') continue;
        out.emplace_back(owner_, &m, firstKind(m));
    }
    return out;
}

}  // namespace tav
