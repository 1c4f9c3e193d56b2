#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "automation/values/ErrorNumbers.h"
#include "automation/values/Variant.h"

// The vocabulary of call by name: dispatch ids, invoke kinds, declared types, enumerations
// and the "Missing" argument.
namespace tav {

using DispId = int32_t;
constexpr DispId DispIdValue = 0;     // the default member (Item of a collection)
constexpr DispId DispIdUnknown = -1;  // what a name that is not a member maps to
constexpr DispId DispIdNewEnum = -4;  // the hidden enumerator member behind for-each

// The four ways to reach a member, numbered as the platform numbers them.
enum class InvokeKind : uint8_t { Method = 1, PropertyGet = 2, PropertyLet = 4, PropertySet = 8 };
constexpr int kInvokeKinds = 4;
// Slot of a kind in per-kind tables (Method 0, Get 1, Let 2, Set 3).
constexpr int kindSlot(InvokeKind k) {
    return k == InvokeKind::Method ? 0 : k == InvokeKind::PropertyGet ? 1 : k == InvokeKind::PropertyLet ? 2 : 3;
}
constexpr InvokeKind kindOfSlot(int slot) {
    constexpr InvokeKind kinds[kInvokeKinds] = {InvokeKind::Method, InvokeKind::PropertyGet,
                                                InvokeKind::PropertyLet, InvokeKind::PropertySet};
    return kinds[slot];
}
// An invoke kind from its number (1, 2, 4, 8); false for any other number.
bool invokeKindFromNumber(int n, InvokeKind& out);

// An omitted optional argument is an Error Variant carrying "parameter not found", as the
// platform passes it; a callee tells it from a real error value with isMissing().
inline Variant missingArg() noexcept { return Variant::Error(err::ParamNotFound); }
inline bool isMissing(const Variant& v) noexcept {
    return v.type() == VarType::Error && v.error() == err::ParamNotFound;
}

// Type codes that type information reports besides the Variant types.
constexpr uint16_t VtUserDefined = 0;  // described by its own type information (an enumeration)
constexpr uint16_t VtVoid = 24;        // no value: a Sub, a property let or set

struct EnumDesc;

// A declared type: a Variant type (Array flag plus element type for arrays), an enumeration
// (carried as I4), or no value at all.
struct TypeDesc {
    VarType vt = VarType::Variant;
    const EnumDesc* enumeration = nullptr;
    bool isVoid = false;

    static TypeDesc of(VarType t) { return TypeDesc{t, nullptr, false}; }
    static TypeDesc arrayOf(VarType element) {
        return TypeDesc{static_cast<VarType>(toCode(VarType::Array) | toCode(element)), nullptr, false};
    }
    static TypeDesc enumType(const EnumDesc& e) { return TypeDesc{VarType::I4, &e, false}; }
    static TypeDesc voidType() { return TypeDesc{VarType::Empty, nullptr, true}; }

    bool isArray() const { return (toCode(vt) & toCode(VarType::Array)) != 0; }
    // The code type information reports: 0 for an enumeration, 24 for no value.
    uint16_t reportedVarType() const { return isVoid ? VtVoid : enumeration ? VtUserDefined : toCode(vt); }
    // Readable spelling for listings ("Double", "gfFormatTypes", "String()", "Void").
    std::string spelling() const;
};

// An enumeration of the type library: names and values in declaration order.
struct EnumDesc {
    struct Item {
        std::string name;
        int32_t value;
    };
    std::string name;
    std::string help;
    std::vector<Item> items;

    const Item* find(std::string_view itemName) const;  // case-insensitive
};

// ASCII case folding used by every name lookup.
constexpr char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }
bool equalsNoCase(std::string_view a, std::string_view b) noexcept;

}  // namespace tav
