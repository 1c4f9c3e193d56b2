// The start-up of the host install where scripts cannot go: inside the host process, and a
// parser library without its initialisation entry. Each runs in a child process of its own,
// since the start-up, the loaded libraries and the environment belong to the process.
#include "sources/ContainerInits.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "automation/objects/ScriptedPrompts.h"
#include "host/state/StateClasses.h"

#if defined(TAV_COVERAGE_BUILD)
extern "C" void __gcov_dump();  // _exit skips the exit handlers that write coverage counts
#endif

namespace tav {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(TAV_TEST_DATA) / ".." / ".." / "examples";

// Runs `check` in a child process: 0 when every step passed, else the number of the first
// step that failed.
int inChild(const std::function<int()>& check) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int failedStep = check();
#if defined(TAV_COVERAGE_BUILD)
        __gcov_dump();
#endif
        ::_exit(failedStep);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A host install below `root`: the data directory with its folders and Sample.xml, and an
// install folder (without the host executable: the test decides how the host is found).
void makeHostInstall(const fs::path& root) {
    for (const char* f : {"data/IntlFiles/Win32", "data/Components/State", "data/Components/System", "install"})
        fs::create_directories(root / f);
    fs::copy_file(kExamples / "State.dtd", root / "data/Components/System/State.dtd");
    fs::copy_file(kExamples / "state/Sample.xml", root / "data/Components/State/Sample.xml");
    ::setenv("TAVPARTS_DATA_DIR", (root / "data").c_str(), 1);
    ::setenv("TAVPARTS_REGISTRY", (root / "registry").c_str(), 1);
    ::unsetenv("XML4C2INTLDIR");
    stateclasses::ensureRegistered();
}

class ContainerInitsTest : public ::testing::Test {
protected:
    void SetUp() override { root_ = fs::temp_directory_path() / ("tav-host-" + std::to_string(::getpid())); }
    void TearDown() override { fs::remove_all(root_); }
    fs::path root_;
};

TEST_F(ContainerInitsTest, InsideTheHostTheHostsFolderIsUsedAndNoParserStarted) {
    EXPECT_EQ(inChild([&] {
                  makeHostInstall(root_);
                  // The host's executable is a module of this process (any library will do).
                  fs::copy_file(TAV_PARTS_SO, root_ / "install" / "Orvane");
                  if (!::dlopen((root_ / "install" / "Orvane").c_str(), RTLD_NOW | RTLD_LOCAL)) return 1;
                  ScriptedPrompts prompts;
                  PromptsScope scope(prompts);
                  if (!ContainerInits::ContainerInit()) return 2;
                  // No registry lookup, no prompt, no parser start-up.
                  if (!prompts.takeShown().empty()) return 3;
                  if (std::getenv("XML4C2INTLDIR")) return 4;
                  // Loads leave the current directory alone: here it is the system folder.
                  fs::current_path(ContainerInits::SystemDir());
                  if (!ContainerInits::CreateStateFromMetaFile("Sample.xml")) return 5;
                  if (fs::current_path() != fs::path(ContainerInits::SystemDir())) return 6;
                  return 0;
              }),
              0);
}

TEST_F(ContainerInitsTest, AParserWithoutItsEntryIsReported) {
    EXPECT_EQ(inChild([&] {
                  makeHostInstall(root_);
                  std::ofstream(root_ / "install" / "Orvane");
                  fs::create_symlink(TAV_PARTS_SO, root_ / "install" / "libxerces-c-3.2.so");
                  std::ofstream(root_ / "registry")
                      << "[CLSID\\{8E4B2F61-7A3C-4D59-B1E8-2C6F0D9A5B37}\\LocalServer32]\n@ = \""
                      << (root_ / "install" / "Orvane").string() << "\"\n";
                  ScriptedPrompts prompts;
                  PromptsScope scope(prompts);
                  if (!ContainerInits::ContainerInit()) return 1;
                  const std::vector<std::string> shown = prompts.takeShown();
                  if (shown.size() != 1) return 2;
                  if (shown[0] != std::string("msg:Failed to initialise XML DLL. ErrNo:127\r\nCan't find DLL entry point ") +
                                      ContainerInits::Text::InitializeSymbol + " in libxerces-c-3.2.so")
                      return 3;
                  const char* intl = std::getenv("XML4C2INTLDIR");
                  if (!intl || intl != (root_ / "data" / "IntlFiles" / "Win32").string()) return 4;
                  return 0;
              }),
              0);
}

}  // namespace
}  // namespace tav
