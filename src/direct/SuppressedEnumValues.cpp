#include "direct/SuppressedEnumValues.h"

#include <vector>

#include "automation/conversions/Conversions.h"
#include "automation/values/SafeArray.h"
#include "util/Utils.h"

namespace tav {

namespace {

// The pieces between separators; none for the empty string.
std::vector<std::string_view> splitText(std::string_view s, std::string_view sep) {
    std::vector<std::string_view> pieces;
    if (s.empty()) return pieces;
    for (size_t pos = 0;;) {
        const size_t hit = s.find(sep, pos);
        pieces.push_back(s.substr(pos, hit == std::string_view::npos ? std::string_view::npos : hit - pos));
        if (hit == std::string_view::npos) return pieces;
        pos = hit + sep.size();
    }
}

}  // namespace

SuppressedEnumValues::SuppressedEnumValues() : values_(SafeArray::unallocated(VarType::I4)) {}

void SuppressedEnumValues::assign(std::string_view text) {
    const std::vector<std::string_view> pieces = splitText(text, Separator);
    if (pieces.empty()) {
        values_ = Variant(SafeArray::unallocated(VarType::I4));
        return;
    }
    // The array is sized first and filled piece by piece: a piece that is no number stops
    // with the pieces before it already in place.
    values_ = Variant(SafeArray({{0, static_cast<int32_t>(pieces.size())}}, VarType::I4));
    std::vector<Variant>& values = values_.array().data();
    for (Variant& v : values) v = Variant::I4(0);
    for (size_t i = 0; i < pieces.size(); ++i) values[i] = Variant::I4(CLng(Variant(pieces[i])));
}

std::string SuppressedEnumValues::text() const {
    std::string out;
    if (!Utils::ArrayHasContent(values_)) return out;
    const SafeArray& values = values_.array();
    for (int32_t i = values.lbound(); i <= values.ubound(); ++i) {
        if (i != values.lbound()) out += Separator;
        out += CStr(values.at({i}));
    }
    return out;
}

bool SuppressedEnumValues::contains(int32_t value) const {
    if (!Utils::ArrayHasContent(values_)) return false;
    for (const Variant& v : values_.array().data())
        if (v.i4() == value) return true;
    return false;
}

}  // namespace tav
