#include "automation/locale/LocaleName.h"

#include <unicode/uloc.h>
#include <unicode/uregion.h>
#include <unicode/ures.h>

#include <array>

#include "automation/locale/LocaleText.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"

namespace tav::localename {

namespace {

namespace T = LocaleText;

constexpr size_t IdCapacity = 160;
constexpr size_t ShownLength = 40;  // of a name in a message
constexpr char Hyphen = '-';
constexpr char Underscore = '_';
// A POSIX value is language_TERRITORY, then .codeset and @modifier, which say nothing of the
// conventions.
constexpr std::string_view PosixSuffixMarks = ".@";
constexpr char KeywordMark = '@';  // in an ICU id: keywords follow
constexpr std::string_view RootId = "root";
constexpr std::array<std::string_view, 3> DefaultPosixNames = {"C", "POSIX", "c"};

[[noreturn]] void refuse(std::string_view why, std::string_view name, bool quoted = true) {
    std::string text(why);
    if (quoted) {
        text += T::Quote;
        text += forMessage(name);
        text += T::Quote;
    }
    throw AutomationError(err::InvalidProcedureCall, std::string(T::ErrSource), text);
}

bool bcp47Characters(std::string_view s) {
    for (const char c : s) {
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum && c != Hyphen) return false;
    }
    return s.front() != Hyphen && s.back() != Hyphen;
}

std::string regionOf(const char* id) {
    std::array<char, IdCapacity> region{};
    UErrorCode status = U_ZERO_ERROR;
    uloc_getCountry(id, region.data(), static_cast<int32_t>(region.size()), &status);
    return U_SUCCESS(status) ? std::string(region.data()) : std::string();
}

bool knownRegion(const std::string& region) {
    if (region.empty()) return true;
    UErrorCode status = U_ZERO_ERROR;
    uregion_getRegionFromCode(region.c_str(), &status);
    return U_SUCCESS(status);
}

enum class Data { Found, NoLanguage, NoRegion };

// Whether the regional data has the locale of `id` itself: its language (not only the default
// it falls back to) and, when the name has a region, data for the language in that region. So
// the locales a process can meet are the data's few hundred, each kept once.
Data dataFor(const char* id, const std::string& region) {
    UErrorCode status = U_ZERO_ERROR;
    UResourceBundle* bundle = ures_open(nullptr, id, &status);
    Data found = Data::NoLanguage;
    if (U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING) {
        const char* actual = ures_getLocaleByType(bundle, ULOC_ACTUAL_LOCALE, &status);
        if (U_SUCCESS(status) && actual && *actual != '\0' && RootId != actual)
            found = region.empty() || regionOf(actual) == region ? Data::Found : Data::NoRegion;
    }
    ures_close(bundle);
    return found;
}

}  // namespace

Resolved resolve(std::string_view name) {
    if (name.empty()) refuse(T::EmptyName, name, false);
    if (name.size() > MaxLength) refuse(T::TooLong, name);
    if (!bcp47Characters(name)) refuse(T::NotBcp47, name);

    const std::string tag(name);
    std::array<char, IdCapacity> id{};
    int32_t parsed = 0;
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        uloc_forLanguageTag(tag.c_str(), id.data(), static_cast<int32_t>(id.size()), &parsed, &status);
    if (U_FAILURE(status) || length <= 0 || length >= static_cast<int32_t>(id.size()) ||
        parsed != static_cast<int32_t>(tag.size()))
        refuse(T::NotBcp47, name);
    const std::string_view icuId(id.data(), static_cast<size_t>(length));
    if (icuId.find(KeywordMark) != std::string_view::npos) refuse(T::Extensions, name);
    if (icuId.front() == Underscore || icuId == RootId) refuse(T::NotBcp47, name);  // no language
    const std::string region = regionOf(id.data());
    const Data data = dataFor(id.data(), region);
    if (data == Data::NoLanguage) refuse(T::NoData, name);
    if (!knownRegion(region)) refuse(T::UnknownRegion, name);
    if (data == Data::NoRegion) refuse(T::NoData, name);

    std::array<char, IdCapacity> canonical{};
    status = U_ZERO_ERROR;
    const int32_t tagLength = uloc_toLanguageTag(id.data(), canonical.data(),
                                                 static_cast<int32_t>(canonical.size()), true, &status);
    if (U_FAILURE(status) || tagLength <= 0) refuse(T::NotBcp47, name);
    return {std::string(canonical.data(), static_cast<size_t>(tagLength)), std::string(icuId)};
}

std::string fromPosix(std::string_view value) {
    if (value.empty()) return {};
    // "C.UTF-8" and "C.utf8" come down to "C". Nothing before the codeset is no locale: the
    // value goes on as it is, to be refused.
    const std::string_view base = value.substr(0, value.find_first_of(PosixSuffixMarks));
    if (base.empty()) return std::string(value);
    for (std::string_view d : DefaultPosixNames)
        if (base == d) return {};
    std::string tag(base);
    for (char& c : tag)
        if (c == Underscore) c = Hyphen;
    return tag;
}

std::string forMessage(std::string_view name) {
    std::string shown;
    for (size_t i = 0; i < name.size() && i < ShownLength; ++i) {
        const char c = name[i];
        shown += (c >= ' ' && c <= '~') ? c : '?';
    }
    if (name.size() > ShownLength) shown += T::Ellipsis;
    return shown;
}

}  // namespace tav::localename
