#include "automation/objects/DispatchTypes.h"

namespace tav {

bool invokeKindFromNumber(int n, InvokeKind& out) {
    for (int slot = 0; slot < kInvokeKinds; ++slot) {
        if (static_cast<int>(kindOfSlot(slot)) == n) {
            out = kindOfSlot(slot);
            return true;
        }
    }
    return false;
}

bool equalsNoCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    if (a == b) return true;  // mostly a name is spelt as it was declared
    for (size_t i = 0; i < a.size(); ++i)
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    return true;
}

std::string TypeDesc::spelling() const {
    if (isVoid) return "Void";
    if (enumeration) return enumeration->name;
    if (isArray()) {
        const auto element = static_cast<VarType>(toCode(vt) & ~toCode(VarType::Array));
        return std::string(vbTypeName(element)) + "()";
    }
    return std::string(vbTypeName(vt));
}

const EnumDesc::Item* EnumDesc::find(std::string_view itemName) const {
    for (const auto& item : items)
        if (equalsNoCase(item.name, itemName)) return &item;
    return nullptr;
}

}  // namespace tav
