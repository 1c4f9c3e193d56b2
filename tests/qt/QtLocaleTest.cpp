// A form window takes Qt's default locale for its thread unless the application chose one.
#include "qt/QtLocale.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <string>
#include <thread>

#include "automation/locale/Locale.h"

namespace tav {
namespace {

// The thread locale's name after follow() on a new thread, which may choose `chosen` first.
std::string followedOnNewThread(const char* chosen = nullptr) {
    std::string name;
    std::thread([&] {
        if (chosen) Locale::setCurrent(Locale::named(chosen));
        qtlocale::follow();
        name = Locale::current().name;
    }).join();
    return name;
}

TEST(QtLocale, FollowsQtsDefaultUnlessTheApplicationChose) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(followedOnNewThread(), "de-DE");
    EXPECT_EQ(followedOnNewThread("fr-FR"), "fr-FR");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(followedOnNewThread(), "en-US");
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace tav
