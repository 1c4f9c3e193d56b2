// The process default from the environment, read as POSIX programs read it: the library's own
// variable or LC_ALL for everything, else a variable per datum falling back to LANG; the C
// locale and nothing are en-US; a locale the system lacks is en-US with a warning.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "automation/locale/EnvironmentLocale.h"

namespace tav {
namespace {

constexpr const char* kVariables[] = {"TAVPARTS_LOCALE", "LC_ALL", "LC_NUMERIC", "LC_TIME", "LC_MONETARY", "LANG"};

// Sets exactly the given variables of those above for the test, and puts the others back after.
class Environment {
  public:
    explicit Environment(const std::map<std::string, std::string>& set) {
        for (const char* v : kVariables) {
            if (const char* old = std::getenv(v)) saved_[v] = old;
            ::unsetenv(v);
        }
        for (const auto& [name, value] : set) ::setenv(name.c_str(), value.c_str(), 1);
    }
    ~Environment() {
        for (const char* v : kVariables) ::unsetenv(v);
        for (const auto& [name, value] : saved_) ::setenv(name.c_str(), value.c_str(), 1);
    }

  private:
    std::map<std::string, std::string> saved_;
};

struct EnvCase {
    std::map<std::string, std::string> variables;
    const char* name;         // of the default's record
    const char* decimal;      // its decimal separator (LC_NUMERIC)
    const char* shortDate;    // its short date (LC_TIME)
    const char* currency;     // its currency symbol (LC_MONETARY)
    const char* warningPart;  // in the warning, or nullptr for none
};

class EnvironmentDefault : public testing::TestWithParam<EnvCase> {};

TEST_P(EnvironmentDefault, FollowsTheVariables) {
    const EnvCase& c = GetParam();
    const Environment env(c.variables);
    const environmentlocale::Choice choice = environmentlocale::read();
    EXPECT_EQ(choice.locale->name, c.name);
    EXPECT_EQ(choice.locale->decimalSeparator, c.decimal);
    EXPECT_EQ(choice.locale->shortDatePicture, c.shortDate);
    EXPECT_EQ(choice.locale->currencySymbol, c.currency);
    if (c.warningPart)
        EXPECT_NE(choice.warning.find(c.warningPart), std::string::npos) << choice.warning;
    else
        EXPECT_EQ(choice.warning, "");
}

const char* const kEuro = "€";
INSTANTIATE_TEST_SUITE_P(
    Variables, EnvironmentDefault,
    testing::Values(
        EnvCase{{}, "en-US", ".", "M/d/yyyy", "$", nullptr},
        EnvCase{{{"LANG", "C.UTF-8"}}, "en-US", ".", "M/d/yyyy", "$", nullptr},
        EnvCase{{{"LANG", "POSIX"}, {"LC_ALL", "C"}}, "en-US", ".", "M/d/yyyy", "$", nullptr},
        EnvCase{{{"LANG", "de_DE.UTF-8"}}, "de-DE", ",", "dd.MM.yyyy", kEuro, nullptr},
        EnvCase{{{"LANG", "fr_FR@euro"}}, "fr-FR", ",", "dd/MM/yyyy", kEuro, nullptr},
        EnvCase{{{"TAVPARTS_LOCALE", "ja-JP"}, {"LC_ALL", "de_DE.UTF-8"}}, "ja-JP", ".", "yyyy/MM/dd",
                "¥", nullptr},
        EnvCase{{{"LC_ALL", "en_GB.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}}, "en-GB", ".", "dd/MM/yyyy",
                "£", nullptr},
        // One datum from each variable, the name from LANG.
        EnvCase{{{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}, {"LC_TIME", "ja_JP.UTF-8"},
                 {"LC_MONETARY", "en_GB.UTF-8"}},
                "en-US", ",", "yyyy/MM/dd", "£", nullptr},
        EnvCase{{{"LANG", "xx_YY.UTF-8"}}, "en-US", ".", "M/d/yyyy", "$", "'xx_YY.UTF-8' (LANG)"},
        EnvCase{{{"TAVPARTS_LOCALE", "../de"}}, "en-US", ".", "M/d/yyyy", "$", "(TAVPARTS_LOCALE)"},
        EnvCase{{{"LANG", "de_DE.UTF-8"}, {"LC_TIME", "zz_ZZ"}}, "de-DE", ",", "M/d/yyyy", kEuro,
                "'zz_ZZ' (LC_TIME)"}));

}  // namespace
}  // namespace tav
