#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "automation/objects/PropertyBagText.h"
#include "automation/values/Variant.h"

namespace tav {

// Where a persistable object keeps its design-time properties: named values in write order.
//
//  - WriteProperty(name, value, default) does not keep a value equal to its default (and
//    forgets an earlier value of that name): equal means equal in value, so a Long 1 equals
//    an Integer 1 or a Double 1 default (Booleans and dates count as numbers), text equals
//    only the same text, a string never equals a number, Empty only Empty, Null only Null.
//    Without a default (Missing) the value is always kept.
//  - ReadProperty(name, default) gives the kept value, or the default when there is none;
//    without a default, an absent name is error 327.
//  - Only values the bag file can keep exactly may be written: scalars, Nothing, and arrays
//    that read back unchanged; an object is error 330, another value error 5.
//  - Text is the file form (PropertyBagText.h); letting it replaces the content. save() and
//    load() move it to and from a file (errors 53, 75, and 321 for a malformed file).
class PropertyBag : public Dispatchable<PropertyBag> {
public:
    static ClassDesc describe();
    std::string_view typeName() const override { return "PropertyBag"; }

    Variant ReadProperty(std::string_view Name, const Variant& DefaultValue) const;
    void WriteProperty(std::string_view Name, const Variant& Value, const Variant& DefaultValue);
    bool Contains(std::string_view Name) const { return findEntry(Name) != nullptr; }
    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    // The keys in write order, joined by "|".
    std::string Keys() const;
    std::string Text() const { return bagtext::format(entries_); }
    void SetText(std::string_view Text);

    // C++ conveniences: no default.
    Variant read(std::string_view name) const { return ReadProperty(name, missingArg()); }
    void write(std::string_view name, const Variant& value) { WriteProperty(name, value, missingArg()); }

    void save(const std::string& path) const;
    void load(const std::string& path);
    const bagtext::Entries& entries() const { return entries_; }

    // Whether WriteProperty would drop `value` as equal to `def`.
    static bool equalsDefault(const Variant& value, const Variant& def);

private:
    const Variant* findEntry(std::string_view name) const;

    bagtext::Entries entries_;
};

}  // namespace tav
