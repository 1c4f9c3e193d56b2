#include "host/structure/gemmi/PdbColumns.h"

#include <gemmi/elem.hpp>

namespace tav::structure::PdbColumns {

namespace {

constexpr size_t kName = 12, kSegment = 72, kSegmentWidth = 4, kElement = 76, kElementWidth = 2;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAlpha(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string_view trimmed(const char* field, size_t width) {
    while (width > 0 && isBlank(*field)) ++field, --width;
    while (width > 0 && isBlank(field[width - 1])) --width;
    return std::string_view(field, width);
}

bool legacy(const char* record) {
    bool digit = false;
    for (size_t i = kElement; i < Width; ++i) {
        if (isDigit(record[i]))
            digit = true;
        else if (record[i] != ' ')
            return false;
    }
    return digit && !trimmed(record + kSegment, kSegmentWidth).empty();
}

bool elementGiven(const char* record) {
    return isAlpha(record[kElement]) || isAlpha(record[kElement + 1]);
}

std::string_view element(const char* record, bool legacyLayout) {
    if (!legacyLayout && elementGiven(record)) return trimmed(record + kElement, kElementWidth);
    const char* name = record + kName;
    gemmi::Element el(gemmi::El::X);
    if ((name[0] == 'H' || name[0] == 'h') && name[3] != ' ')
        el = gemmi::El::H;
    else if (isDigit(name[0]))
        el = gemmi::impl::find_single_letter_element(name[1]);
    else if (isDigit(name[1]))
        el = gemmi::impl::find_single_letter_element(name[0]);
    else
        el = gemmi::Element(name);
    return el.uname();
}

}  // namespace tav::structure::PdbColumns
