// Registry reads by path over the file registry: values by path, the 1023-byte limit, and the
// exact errors of paths, keys, values and an unreadable registry.
#include "sources/RegUtil.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "automation/values/AutomationError.h"

namespace tav {
namespace {

namespace fs = std::filesystem;

class RegUtilTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("TAVPARTS_REGISTRY")) previous_ = old;
        path_ = fs::temp_directory_path() / ("tav-reg-" + std::to_string(::getpid()));
        ::setenv("TAVPARTS_REGISTRY", path_.c_str(), 1);
        write("# TAVParts registry\n[CLSID\\{X}\\LocalServer32]\n@ = \"/opt/host/Orvane\"\nNamed = \"v\"\n"
              "[Sizes]\nFits = \"" + std::string(1023, 'a') + "\"\nTooLong = \"" + std::string(1024, 'a') + "\"\n");
    }
    void TearDown() override {
        fs::remove(path_);
        if (previous_.empty()) ::unsetenv("TAVPARTS_REGISTRY");
        else ::setenv("TAVPARTS_REGISTRY", previous_.c_str(), 1);
    }
    void write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    // The value, or the error's source and description.
    static std::string read(std::string_view path) {
        try {
            return RegUtil::GetRegValue(RegUtil::HKEY_CLASSES_ROOT, path);
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), 5);
            return e.source() + ": " + e.description();
        }
    }

    fs::path path_;
    std::string previous_;
};

TEST_F(RegUtilTest, ReadsValuesByPath) {
    EXPECT_EQ(read("\\CLSID\\{X}\\LocalServer32\\"), "/opt/host/Orvane");
    EXPECT_EQ(read("\\clsid\\{x}\\localserver32\\named"), "v");
    EXPECT_EQ(read("\\Sizes\\Fits"), std::string(1023, 'a'));
}

TEST_F(RegUtilTest, ErrorsNameTheirCause) {
    const std::string source = "TAVParts(Resitry-Utilities): ";
    EXPECT_EQ(read("CLSID\\{X}\\"), source + "GetRegValue - String SubKey String didnt start with \\");
    EXPECT_EQ(read("\\Nope\\"), source + "Bad Key. System Registry Access Error");
    EXPECT_EQ(read("\\CLSID\\{X}\\LocalServer32\\Missing"), source + "Bad Key. System Registry Access Error\r\nMissing");
    // A value that does not fit the 1024-byte buffer with its terminating zero.
    EXPECT_EQ(read("\\Sizes\\TooLong"), source + "Unknown System Registry Access Error (No:234)\r\nTooLong");
    std::string value = "kept";
    EXPECT_EQ(RegUtil::QueryRegValue(12345, "x", value), RegUtil::ErrorInvalidHandle);
    EXPECT_EQ(value, "");
    write("[broken\n");
    EXPECT_EQ(read("\\CLSID\\{X}\\LocalServer32\\"), source + "Bad DB. System Registry Access Error");
}

TEST(RegUtil, ErrorTexts) {
    EXPECT_EQ(RegUtil::RegErrorText(0), "NO ERROR!");
    EXPECT_EQ(RegUtil::RegErrorText(6), "Out of Memmory, Registry Access Error");
    EXPECT_EQ(RegUtil::RegErrorText(8), "Access Denied, Registry Access Error");
    EXPECT_EQ(RegUtil::RegErrorText(259), "No More items to enumerate, Registry Access Error/warning");
    EXPECT_EQ(RegUtil::RegErrorText(-1), "Unknown System Registry Access Error (No:-1)");
}

}  // namespace
}  // namespace tav
