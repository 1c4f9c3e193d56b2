#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "automation/locale/Locale.h"
#include "automation/values/AutomationError.h"

// What the fuzz targets share: the input as text, cut into fields, and the one rule that every
// reader of outside text keeps: bad input ends in an AutomationError (or the reader's own
// syntax error), never in a crash, a hang or undefined behaviour.
namespace tav::fuzz {

inline std::string_view text(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The next field of `rest` up to `separator` (the whole rest when there is none).
inline std::string_view nextField(std::string_view& rest, char separator) {
    const size_t at = rest.find(separator);
    const std::string_view field = rest.substr(0, at);
    rest.remove_prefix(at == std::string_view::npos ? rest.size() : at + 1);
    return field;
}

// The locale an input runs in: picked by its last byte among locales with other separators,
// orders, names and scripts (the text itself stays whole).
inline const Locale& locale(const uint8_t* data, size_t size) {
    static constexpr const char* kNames[] = {"en-US", "de-DE", "fr-FR", "ja-JP", "es-ES", "ar-EG", "hi-IN"};
    constexpr size_t kCount = sizeof kNames / sizeof kNames[0];
    return Locale::named(kNames[size == 0 ? 0 : data[size - 1] % kCount]);
}

// A property the target checks: a violation is a finding, reported like a crash.
[[noreturn]] inline void violated() {
    std::abort();
}
inline void check(bool holds) {
    if (!holds) violated();
}

}  // namespace tav::fuzz
