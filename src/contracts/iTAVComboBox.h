#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/values/Variant.h"

namespace tav {

// A combo-box control as the parts that fill one see it: a list of texts indexed from 0 with
// 16-bit indexes, the index of the selected entry (-1: none) and the text shown. The host's
// form provides the control; parts reach it only through this interface.
//
// ListRevision() is a number that changes whenever the entries change (Clear, AddItem,
// RemoveItem), and only then: a part that remembers what it put into the list can tell from
// it that nobody else has changed the list since.
class iTAVComboBox {
public:
    virtual ~iTAVComboBox() = default;

    // Empties the list and the text.
    virtual void Clear() = 0;
    // Adds an entry at the end (Index Missing) or before the entry at Index (0..ListCount).
    virtual void AddItem(std::string_view Item, const Variant& Index) = 0;
    virtual void RemoveItem(int16_t Index) = 0;
    virtual int16_t ListCount() const = 0;
    virtual std::string List(int16_t Index) const = 0;
    virtual int16_t ListIndex() const = 0;
    virtual std::string Text() const = 0;
    virtual uint64_t ListRevision() const = 0;
};

}  // namespace tav
