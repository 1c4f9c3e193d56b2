#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/values/Variant.h"

namespace tav {

// The enumeration values a combo glue suppresses, as designers write them: "3|5". They are
// kept as an array of Longs indexed from 0, or as an array without storage when there are none.
class SuppressedEnumValues {
public:
    static constexpr std::string_view Separator = "|";

    SuppressedEnumValues();

    // Splits at every "|" (the empty string gives none) and converts each piece to a Long. A
    // piece that is no number fails with error 13: the pieces before it are in place, the
    // ones after it are 0.
    void assign(std::string_view text);
    // The values in index order joined by "|"; empty when there are none.
    std::string text() const;
    bool contains(int32_t value) const;
    // The array, as the combo loader takes it.
    const Variant& values() const { return values_; }

private:
    Variant values_;
};

}  // namespace tav
