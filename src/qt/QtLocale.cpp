#include "qt/QtLocale.h"

#include <QLocale>

#include "automation/locale/Locale.h"
#include "automation/values/AutomationError.h"

namespace tav::qtlocale {

namespace {
constexpr char kQtSeparator = '_';
constexpr char kTagSeparator = '-';
}  // namespace

void follow() {
    if (Locale::chosenForThread()) return;
    const QLocale qt;
    if (qt.language() == QLocale::C) {
        Locale::setCurrent(Locale::enUS());
        return;
    }
    // QLocale::name() is "de_DE": language and territory, which bcp47Name() may shorten to "de".
    std::string tag = qt.name().toStdString();
    for (char& c : tag)
        if (c == kQtSeparator) c = kTagSeparator;
    try {
        Locale::setCurrent(Locale::named(tag));
    } catch (const AutomationError&) {
        // Qt knows a locale the regional data does not: the thread keeps the process default.
    }
}

}  // namespace tav::qtlocale
