// libTAVParts.so loaded by path, as a host loads an in-process server: class objects,
// DllCanUnloadNow following live objects and locks, self-registration in the file registry,
// and creation by program id through that registration.
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "automation/values/AutomationError.h"
#include "automation/server/ClassRegistry.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/server/FileRegistry.h"
#include "automation/server/InprocServer.h"
#include "automation/objects/Interfaces.h"
#include "automation/objects/TLIApplication.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVGluePart.h"
#include "contracts/iTAVSourcePart.h"
#include "contracts/RegisteredClasses.h"
#include "registry/PartFactories.h"
#include "registry/ServerModule.h"
#include "registry/ServerRegistration.h"

namespace tav {
namespace {

// Points the file registry at a file of this test's own.
class ServerModule : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = (std::filesystem::temp_directory_path() /
                 ("tav-server-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                    .string();
        ::setenv(std::string(FileRegistry::kPathVariable).c_str(), path_.c_str(), 1);
    }
    void TearDown() override {
        std::remove(path_.c_str());
        std::remove((path_ + std::string(FileRegistry::kLockSuffix)).c_str());
        ::unsetenv(std::string(FileRegistry::kPathVariable).c_str());
    }
    std::string path_;
};

std::string createError(auto&& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return std::to_string(e.number()) + " " + e.description();
    }
    return "created";
}

const library::RegisteredClass& cls(std::string_view name) { return *library::findClass(name); }

bool hasInterface(const library::RegisteredClass& c, library::Fw fw) {
    return std::find(c.interfaces.begin(), c.interfaces.end(), fw) != c.interfaces.end();
}

TEST_F(ServerModule, CanUnloadFollowsClassObjectsObjectsAndLocks) {
    InprocServer& server = InprocServer::load(TAV_PARTS_SO);
    EXPECT_TRUE(server.canUnloadNow());
    {
        Ref<ClassFactory> factory = server.classObject(cls("GluPart_ScaleProp").clsid);
        EXPECT_FALSE(server.canUnloadNow());  // the class object is alive
        factory->lockServer(true);
    }
    EXPECT_FALSE(server.canUnloadNow());  // locked
    server.classObject(cls("GluPart_ScaleProp").clsid)->lockServer(false);
    EXPECT_TRUE(server.canUnloadNow());

    // Every creatable class that is built is made by the module and keeps it loaded while it
    // lives; the others are refused by the module with its own clear message.
    for (const auto& c : library::classes()) {
        if (!c.creatable) {
            EXPECT_EQ(createError([&] { server.classObject(c.clsid); }).substr(0, 4), "429 ");
            continue;
        }
        Ref<ClassFactory> factory = server.classObject(c.clsid);
        if (findPartFactory(c.name)) {
            Ref<Object> obj = factory->createInstance();
            factory = nullptr;
            EXPECT_EQ(obj->typeName(), c.name);
            EXPECT_FALSE(server.canUnloadNow());
            // The module's objects answer the host's interface queries and calls by name.
            EXPECT_EQ(tryQuery<iTAVGluePart>(obj.get()) != nullptr, hasInterface(c, library::Fw::Glue)) << c.name;
            EXPECT_EQ(tryQuery<iTAVSourcePart>(obj.get()) != nullptr, hasInterface(c, library::Fw::Source)) << c.name;
            EXPECT_EQ(tryQuery<Persistable>(obj.get()) != nullptr, c.persistable) << c.name;
            EXPECT_EQ(TLIApplication::shared().interfaceInfoFromObject(obj.get()).name(), "_" + std::string(c.name));
        } else {
            EXPECT_EQ(createError([&] { factory->createInstance(); }),
                      "429 ActiveX component can't create object: " + std::string(c.name) +
                          " is not available in this build");
        }
    }
    EXPECT_TRUE(server.canUnloadNow());
}

TEST_F(ServerModule, RegistersAndCreatesThroughTheRegistration) {
    InprocServer& server = InprocServer::load(TAV_PARTS_SO);
    ClassRegistry bare;  // knows no classes: everything goes through the file registry
    const std::string progId = library::progIdOf("GluPart_AntiFlicker");
    EXPECT_EQ(createError([&] { bare.createObject(progId); }),
              "429 ActiveX component can't create object: no class is registered as '" + progId + "'");

    ASSERT_EQ(server.registerServer(), hr::Ok);
    FileRegistry reg;
    const std::string id = cls("GluPart_AntiFlicker").clsid.toString();
    EXPECT_EQ(reg.value(server::inprocServerKey(id)).value_or("?"), server.path());
    EXPECT_EQ(reg.value(server::inprocServerKey(id), "ThreadingModel").value_or("?"), "Apartment");
    EXPECT_EQ(reg.value(progId + "\\CLSID").value_or("?"), id);
    EXPECT_FALSE(reg.hasKey(server::clsidKey(cls("FunctionLib").clsid.toString())));

    // Through the registration to the module: its answer, not "not registered".
    const std::string viaServer = createError([&] { bare.createObject(progId); });
    if (findPartFactory("GluPart_AntiFlicker"))
        EXPECT_EQ(viaServer, "created");
    else
        EXPECT_EQ(viaServer, "429 ActiveX component can't create object: GluPart_AntiFlicker is not available in "
                             "this build");

    ASSERT_EQ(server.unregisterServer(), hr::Ok);
    EXPECT_FALSE(FileRegistry().hasKey(server::clsidKey(id)));
    EXPECT_FALSE(FileRegistry().hasKey(progId));
    EXPECT_TRUE(server.canUnloadNow());
}

// Writers at once, two processes registering the server 50 times each and threads of this
// process adding keys of their own, on a registry that holds entries of others: the file stays
// readable and keeps every entry.
TEST_F(ServerModule, WritersAtOnceLoseNothing) {
    constexpr int kOthers = 200, kThreads = 4, kKeysPerThread = 25;
    FileRegistry::update([](FileRegistry& reg) {
        for (int i = 0; i < kOthers; ++i) reg.setValue("Other\\Key" + std::to_string(i), "", std::to_string(i));
    });
    const char* loop = "for i in $(seq 50); do \"$0\" register \"$1\" > /dev/null || exit 1; done";
    std::vector<pid_t> children;
    for (int p = 0; p < 2; ++p) {
        const char* argv[] = {"sh", "-c", loop, TAV_CLI, TAV_PARTS_SO, nullptr};
        pid_t pid = 0;
        ASSERT_EQ(::posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ), 0);
        children.push_back(pid);
    }
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t)
        writers.emplace_back([t] {
            for (int k = 0; k < kKeysPerThread; ++k)
                FileRegistry::update([&](FileRegistry& reg) {
                    reg.setValue("Thread" + std::to_string(t) + "\\Key" + std::to_string(k), "", "v");
                });
        });
    for (std::thread& w : writers) w.join();
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    const FileRegistry reg;  // readable: a corrupt file would throw here
    for (int i = 0; i < kOthers; ++i)
        EXPECT_EQ(reg.value("Other\\Key" + std::to_string(i)).value_or("lost"), std::to_string(i));
    for (int t = 0; t < kThreads; ++t)
        for (int k = 0; k < kKeysPerThread; ++k)
            EXPECT_TRUE(reg.hasKey("Thread" + std::to_string(t) + "\\Key" + std::to_string(k))) << t << " " << k;
    const std::string id = cls("GluPart_AntiFlicker").clsid.toString();
    EXPECT_EQ(reg.value(server::inprocServerKey(id)).value_or("lost"), TAV_PARTS_SO);
    // No temporary file is left behind; only the lock file stays beside the registry.
    const std::string file = std::filesystem::path(path_).filename().string();
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(path_).parent_path())) {
        const std::string name = e.path().filename().string();
        if (name.starts_with(file + ".")) {
            EXPECT_EQ(name, file + std::string(FileRegistry::kLockSuffix));
        }
    }
}

TEST(ServerExports, RefuseBadRequests) {
    void* out = reinterpret_cast<void*>(1);
    const Guid clsid = library::findClass("GluPart_ScaleProp")->clsid;
    EXPECT_EQ(server::getClassObject(&clsid, &clsid, &out), err::NoInterface);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(server::getClassObject(&clsid, &ClassFactory::iid, nullptr), err::NullPointer);
    const Guid unknown = library::kLibraryId;
    EXPECT_EQ(server::getClassObject(&unknown, &ClassFactory::iid, &out), err::ClassNotAvailable);
    const Guid notCreatable = library::findClass("ExprEvaluator")->clsid;
    EXPECT_EQ(server::getClassObject(&notCreatable, &ClassFactory::iid, &out), err::ClassNotAvailable);

    const int32_t before = server::canUnloadNow();
    ASSERT_EQ(server::getClassObject(&clsid, &ClassFactory::iid, &out), hr::Ok);
    EXPECT_EQ(server::canUnloadNow(), hr::False);
    static_cast<ClassFactory*>(out)->release();
    EXPECT_EQ(server::canUnloadNow(), before);
}

}  // namespace
}  // namespace tav
