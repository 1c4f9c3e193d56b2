// Each thread's view of the environment and the current directory: what a thread sets stays
// its own, the process keeps its own, and relative paths follow the thread's directory.
#include "automation/server/ThreadEnvironment.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace tav {
namespace {

namespace fs = std::filesystem;
namespace env = ThreadEnvironment;

// What another thread sees, asked while this one keeps what it set.
template <class F>
auto onOtherThread(F&& f) {
    decltype(f()) out{};
    std::thread t([&] { out = f(); });
    t.join();
    return out;
}

TEST(ThreadEnvironment, AVariableSetOnAThreadIsThatThreadsOnly) {
    const std::string name = "TAV_TEST_VIEW_" + std::to_string(::getpid());
    ::setenv(name.c_str(), "process", 1);
    std::thread([&] {
        env::set(name, "mine");
        EXPECT_EQ(env::get(name).value_or("?"), "mine");
        EXPECT_EQ(onOtherThread([&] { return env::get(name).value_or("?"); }), "process");
        env::set(name, std::nullopt);  // unset here only
        EXPECT_FALSE(env::get(name).has_value());
        EXPECT_EQ(std::string(std::getenv(name.c_str())), "process");
    }).join();
    EXPECT_EQ(env::get(name).value_or("?"), "process");
    ::unsetenv(name.c_str());
}

TEST(ThreadEnvironment, TheProcessGetsAVariableOnceTheCallerAlways) {
    const std::string name = "TAV_TEST_ONCE_" + std::to_string(::getpid());
    std::thread([&] {
        EXPECT_TRUE(env::setForProcessOnce(name, "first"));
        EXPECT_EQ(std::string(std::getenv(name.c_str())), "first");
    }).join();
    std::thread([&] {
        EXPECT_TRUE(env::setForProcessOnce(name, "second"));
        EXPECT_EQ(env::get(name).value_or("?"), "second");
        EXPECT_EQ(std::string(std::getenv(name.c_str())), "first");
    }).join();
    ::unsetenv(name.c_str());
}

TEST(ThreadEnvironment, ACurrentDirectoryOfItsOwnResolvesTheThreadsPaths) {
    const fs::path here = fs::current_path();
    const fs::path folder = fs::canonical(fs::temp_directory_path());
    std::thread([&] {
        EXPECT_EQ(env::currentDirectory(), here);
        EXPECT_TRUE(env::setCurrentDirectory(folder / "no-such-folder-of-tav"));  // an error
        EXPECT_EQ(env::currentDirectory(), here);
        ASSERT_FALSE(env::setCurrentDirectory(folder));
        EXPECT_EQ(env::currentDirectory(), folder);
        EXPECT_EQ(env::resolve("a/b.txt"), folder / "a/b.txt");
        EXPECT_EQ(env::resolve("/x/y"), fs::path("/x/y"));
        EXPECT_EQ(onOtherThread([] { return env::currentDirectory(); }), here);
    }).join();
    EXPECT_EQ(fs::current_path(), here);  // the process never moved
    EXPECT_EQ(env::resolve("a"), here / "a");
}

}  // namespace
}  // namespace tav
