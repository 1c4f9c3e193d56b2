#pragma once
#include <string>
#include <string_view>

// Locale names: BCP 47 tags as applications give them ("de-DE"), and the POSIX values of the
// environment ("de_DE.UTF-8"). A name is taken only when it is well formed and the regional data
// knows its language (and its region, when it has one); anything else is refused with a reason,
// so that a typing error never silently gives some other locale's conventions.
namespace tav::localename {

// Longest name taken: far beyond any real tag (language, script, region and a variant).
inline constexpr size_t MaxLength = 64;

struct Resolved {
    std::string canonical;  // the BCP 47 spelling ("de-DE" for "DE-de")
    std::string icuId;      // the regional data's own id ("de_DE")
};

// The locale of a BCP 47 name; raises automation error 5 (source "Locale") for a name that is
// empty, too long, not BCP 47, carries extensions, or names a language or region the data lacks.
Resolved resolve(std::string_view bcp47);

// The BCP 47 form of a POSIX locale value: "de_DE.UTF-8@euro" gives "de-DE". C, POSIX, C.UTF-8
// and the empty value give the empty string: they mean the default (en-US).
std::string fromPosix(std::string_view value);

// A name as it may appear in a message: at most a few dozen characters, anything outside
// printable ASCII shown as '?'.
std::string forMessage(std::string_view name);

}  // namespace tav::localename
