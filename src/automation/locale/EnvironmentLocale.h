#pragma once
#include <string>

#include "automation/locale/Locale.h"

// The process's locale as its environment names it, the way POSIX programs read it:
// TAVPARTS_LOCALE (a BCP 47 or POSIX name) or LC_ALL for everything; otherwise LC_NUMERIC for
// separators and grouping, LC_TIME for dates and times, LC_MONETARY for money, each falling back
// to LANG, which also gives the rest (the string order). C, POSIX, C.UTF-8 and nothing mean en-US.
// When the variables name different locales the default is a record that mixes them; a name the
// system does not know counts as en-US, with a warning.
namespace tav::environmentlocale {

struct Choice {
    const Locale* locale;
    std::string warning;  // empty when every name was known
};

Choice read();

}  // namespace tav::environmentlocale
