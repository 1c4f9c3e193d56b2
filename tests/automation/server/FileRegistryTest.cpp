// The file registry: keys without regard to case, trees removed whole, quoted values kept
// exactly, malformed files refused with their line.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/server/FileRegistry.h"

namespace tav {
namespace {

std::string tempPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            (std::string("tav-reg-") + name + "-" + std::to_string(::getpid())))
        .string();
}

TEST(FileRegistry, KeepsValuesThroughTheFile) {
    const std::string path = tempPath("values");
    {
        FileRegistry reg(path);
        reg.setValue("CLSID\\{X}\\InprocServer32", "", "/lib/a \"b\".so");
        reg.setValue("CLSID\\{X}\\InprocServer32", "ThreadingModel", "Apartment");
        reg.setValue("CLSID\\{X}\\ProgID", "", "A.B");
        reg.setValue("CLSID\\{XY}", "odd name", "v");
        reg.setValue("A.B", "", "B");
        reg.save();
    }
    FileRegistry back(path);
    EXPECT_EQ(back.value("clsid\\{x}\\inprocserver32").value_or("?"), "/lib/a \"b\".so");
    EXPECT_EQ(back.value("CLSID\\{X}\\InprocServer32", "threadingmodel").value_or("?"), "Apartment");
    EXPECT_EQ(back.value("CLSID\\{XY}", "odd name").value_or("?"), "v");
    EXPECT_FALSE(back.value("CLSID\\{X}").has_value());  // a key without default value
    EXPECT_TRUE(back.deleteTree("CLSID\\{X}"));          // the key and everything below it...
    EXPECT_FALSE(back.hasKey("CLSID\\{X}\\ProgID"));
    EXPECT_TRUE(back.hasKey("CLSID\\{XY}"));              // ...but not a sibling sharing a prefix
    EXPECT_FALSE(back.deleteTree("CLSID\\{X}"));
    std::remove(path.c_str());
    EXPECT_FALSE(FileRegistry(path).hasKey("A.B"));  // no file: an empty registry
}

TEST(FileRegistry, MalformedFilesAreRefusedWithTheirLine) {
    const char* cases[][2] = {
        {"@ = \"x\"\n", ":1: expected '[KEY]' before the first value"},
        {"[A]\nName \"x\"\n", ":2: expected 'NAME = \"VALUE\"'"},
        {"[A]\nName = x\n", ":2: expected a quoted value"},
        {"[A]\n[a]\n", ":2: key [a] given twice"},
        {"[A\n", ":1: expected '[KEY]'"},
        {"[A]\nN = \"x\" y\n", ":2: unexpected text after the value"},
    };
    const std::string path = tempPath("bad");
    for (const auto& c : cases) {
        std::ofstream(path) << c[0];
        try {
            FileRegistry reg(path);
            ADD_FAILURE() << "accepted " << c[0];
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), err::InvalidFileFormat);
            EXPECT_EQ(e.description(), path + c[1]);
        }
    }
    std::remove(path.c_str());
}

TEST(FileRegistry, PathComesFromTheEnvironment) {
    const char* saved = std::getenv(std::string(FileRegistry::kPathVariable).c_str());
    const std::string keep = saved ? saved : "";
    ::setenv(std::string(FileRegistry::kPathVariable).c_str(), "/tmp/elsewhere", 1);
    EXPECT_EQ(FileRegistry::defaultPath(), "/tmp/elsewhere");
    ::unsetenv(std::string(FileRegistry::kPathVariable).c_str());
    EXPECT_NE(FileRegistry::defaultPath().find("tavparts/registry"), std::string::npos);
    if (saved) ::setenv(std::string(FileRegistry::kPathVariable).c_str(), keep.c_str(), 1);
}

}  // namespace
}  // namespace tav
