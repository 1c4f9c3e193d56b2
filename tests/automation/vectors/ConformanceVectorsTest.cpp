// Runs every behaviour vector in tests/data/*.tsv and reports each failing line; the cases after a
// line "# locale NAME" run in that locale.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>
#include <string>

#include "automation/locale/Locale.h"
#include "automation/vectors/VectorOps.h"

namespace {

void runFile(const std::string& name) {
    std::ifstream in(std::string(TAV_TEST_DATA) + "/" + name);
    ASSERT_TRUE(in) << "missing vector file " << name;
    std::string line;
    int lineNo = 0, cases = 0;
    const tav::LocaleScope restore(tav::Locale::current());  // for after the file's locale lines
    while (std::getline(in, line)) {
        ++lineNo;
        if (const auto localeName = tav::vectors::localeDirective(line)) {
            tav::Locale::setCurrent(tav::Locale::named(*localeName));
            continue;
        }
        tav::vectors::Case c;
        if (!tav::vectors::parseLine(line, c)) continue;
        ++cases;
        if (const std::string why = tav::vectors::malformed(c); !why.empty()) {
            ADD_FAILURE() << name << ":" << lineNo << ": " << why;
            continue;
        }
        const std::string got = tav::vectors::run(c);
        if (!tav::vectors::sameResult(c.expected, got)) {
            ADD_FAILURE() << name << ":" << lineNo << ": " << line << "\n    got " << got;
        }
    }
    EXPECT_GT(cases, 0);
}

// Every vector file in the data folder, so that added files are picked up by themselves.
TEST(ConformanceVectors, EveryLinePasses) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(TAV_TEST_DATA))
        if (entry.path().extension() == ".tsv") files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    for (const auto& f : files) runFile(f);
}

}  // namespace
