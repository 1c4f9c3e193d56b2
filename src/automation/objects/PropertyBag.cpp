#include "automation/objects/PropertyBag.h"

#include <algorithm>
#include <fstream>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/ErrorTexts.h"
#include "automation/objects/TextFile.h"

namespace tav {

namespace {

constexpr std::string_view kSource = "PropertyBag";
constexpr std::string_view kKeySeparator = "|";
constexpr std::string_view kNotKeptExactly = "' can't be kept exactly in a property bag";

bool countsAsNumber(VarType t) {
    switch (t) {
        case VarType::I2: case VarType::I4: case VarType::UI1: case VarType::R4: case VarType::R8:
        case VarType::Currency: case VarType::Bool: case VarType::Date:
            return true;
        default:
            return false;
    }
}

[[noreturn]] void fileError(int32_t number, const std::string& path) {
    throw AutomationError(number, std::string(kSource), std::string(err::standardText(number)) + ": " + path);
}

}  // namespace

ClassDesc PropertyBag::describe() {
    using C = PropertyBag;
    return ClassDesc("PropertyBag", "Named design-time values of persistable objects.")
        .add(method<&C::ReadProperty>("ReadProperty", {"Name", opt("DefaultValue")}, "Reads a value."))
        .add(method<&C::WriteProperty>("WriteProperty", {"Name", "Value", opt("DefaultValue")},
                                       "Writes a value unless it equals its default."))
        .add(method<&C::Contains>("Contains", {"Name"}, "Whether a value of that name is kept."))
        .add(property<&C::Count>("Count", "The number of values kept."))
        .add(property<&C::Keys>("Keys", "The names in write order, joined by '|'."))
        .add(property<&C::Text, &C::SetText>("Text", "The bag in its file form."));
}

bool PropertyBag::equalsDefault(const Variant& value, const Variant& def) {
    if (isMissing(def)) return false;
    const VarType a = value.type(), b = def.type();
    if (countsAsNumber(a) && countsAsNumber(b))
        return changeType(value, VarType::R8).r8() == changeType(def, VarType::R8).r8();
    if (a != b) return false;
    switch (a) {
        case VarType::Empty: case VarType::Null: return true;
        case VarType::String: return value.str() == def.str();
        case VarType::Error: return value.error() == def.error();
        case VarType::Object: return value.object() == def.object();
        default: return false;  // arrays are always written
    }
}

const Variant* PropertyBag::findEntry(std::string_view name) const {
    for (const auto& e : entries_)
        if (e.first == name) return &e.second;
    return nullptr;
}

Variant PropertyBag::ReadProperty(std::string_view Name, const Variant& DefaultValue) const {
    if (const Variant* v = findEntry(Name)) return *v;
    if (isMissing(DefaultValue)) throwError(err::DataValueNotFound);
    return DefaultValue;
}

void PropertyBag::WriteProperty(std::string_view Name, const Variant& Value, const Variant& DefaultValue) {
    if (Value.isObject() && Value.object()) throwError(err::CantPersistObject);
    if (!bagtext::roundTrips(Value))
        throw AutomationError(err::InvalidProcedureCall, std::string(kSource),
                              "The value of '" + std::string(Name) + std::string(kNotKeptExactly));
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == Name; });
    if (equalsDefault(Value, DefaultValue)) {
        if (it != entries_.end()) entries_.erase(it);
        return;
    }
    if (it != entries_.end())
        it->second = Value;
    else
        entries_.emplace_back(std::string(Name), Value);
}

std::string PropertyBag::Keys() const {
    std::string out;
    for (const auto& e : entries_) {
        if (!out.empty()) out += kKeySeparator;
        out += e.first;
    }
    return out;
}

void PropertyBag::SetText(std::string_view Text) { entries_ = bagtext::parse(Text, "<text>"); }

void PropertyBag::save(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) fileError(err::PathFileAccess, path);
    out << Text();
    out.close();
    if (!out) fileError(err::PathFileAccess, path);
}

void PropertyBag::load(const std::string& path) {
    std::string text;
    try {
        text = TextFile::read(path);
    } catch (const TextFile::Refused& e) {
        // A folder, a file beyond the limit or one that never ends: not a bag file.
        fileError(e.missing() ? err::FileNotFound : err::PathFileAccess, path);
    }
    entries_ = bagtext::parse(text, path);
}

}  // namespace tav
