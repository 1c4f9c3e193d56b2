#include "automation/locale/Locale.h"

#include "automation/locale/EnvironmentLocale.h"
#include "automation/locale/LocaleName.h"
#include "automation/locale/LocaleRegistry.h"

namespace tav {

namespace {

// The built-in record's id; the registry's start above it.
constexpr uint32_t BuiltInId = 1;
constexpr char Quote = '\'';
constexpr char TwelveHourField = 'h';
constexpr char DesignatorField = 't';

const environmentlocale::Choice& environment() {
    static const environmentlocale::Choice choice = [] {
        try {
            return environmentlocale::read();
        } catch (...) {  // out of memory while reading the data: the default stands
            return environmentlocale::Choice{&Locale::enUS(), {}};
        }
    }();
    return choice;
}

}  // namespace

namespace localedetail {

constinit thread_local const Locale* threadLocale = nullptr;
constinit thread_local bool threadChose = false;

const Locale& adoptProcessDefault() noexcept {
    const Locale& loc = Locale::processDefault();
    threadLocale = &loc;
    return loc;
}

}  // namespace localedetail

bool Locale::twelveHourClock() const noexcept {
    bool quoted = false;
    for (const char c : timePicture) {
        if (c == Quote) quoted = !quoted;
        if (!quoted && (c == TwelveHourField || c == DesignatorField)) return true;
    }
    return false;
}

const Locale& Locale::enUS() {
    static const Locale loc = [] {
        Locale l;
        l.id = BuiltInId;
        return l;
    }();
    return loc;
}

const Locale& Locale::named(std::string_view bcp47) {
    const localename::Resolved r = localename::resolve(bcp47);
    if (r.canonical == enUS().name) return enUS();
    return LocaleRegistry::find(r.canonical, r.icuId);
}

const Locale& Locale::processDefault() {
    return *environment().locale;
}

const std::string& Locale::environmentWarning() {
    return environment().warning;
}

}  // namespace tav
