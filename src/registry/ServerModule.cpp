#include "registry/ServerModule.h"

#include <atomic>
#include <exception>

#include "automation/values/AutomationError.h"
#include "automation/server/ClassFactory.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/server/FileRegistry.h"
#include "contracts/RegisteredClasses.h"
#include "registry/LibraryClasses.h"
#include "registry/ServerRegistration.h"

namespace tav::server {

namespace {

std::atomic<long> g_locks{0};

class PartClassFactory : public ClassFactory {
public:
    explicit PartClassFactory(Guid clsid) : clsid_(clsid) {}
    Ref<Object> createInstance() override { return classRegistry().createObject(clsid_); }
    void lockServer(bool lock) override {
        if (lock) {
            ++g_locks;
            return;
        }
        // An unlock never takes the count below zero, also when threads unlock at once.
        long held = g_locks.load();
        while (held > 0 && !g_locks.compare_exchange_weak(held, held - 1)) {
        }
    }
    std::string_view typeName() const override { return "ClassFactory"; }

private:
    Guid clsid_;
};

}  // namespace

int32_t getClassObject(const Guid* clsid, const Guid* iid, void** out) {
    if (!out) return err::NullPointer;
    *out = nullptr;
    if (!clsid || !iid) return err::InvalidArgument;
    if (*iid != ClassFactory::iid) return err::NoInterface;
    for (const library::RegisteredClass& c : library::classes()) {
        if (c.clsid != *clsid) continue;
        if (!c.creatable) break;
        try {
            auto* factory = new PartClassFactory(*clsid);
            factory->addRef();
            *out = static_cast<ClassFactory*>(factory);
            return hr::Ok;
        } catch (const std::bad_alloc&) {
            return err::OutOfMemoryHr;
        }
    }
    return err::ClassNotAvailable;
}

int32_t canUnloadNow() { return Object::liveObjects() == 0 && g_locks == 0 ? hr::Ok : hr::False; }

long serverLocks() { return g_locks; }

int32_t registerServer(const std::string& modulePath) {
    try {
        FileRegistry::update([&](FileRegistry& reg) { registerEntries(reg, modulePath); });
        return hr::Ok;
    } catch (const std::exception&) {
        return err::SelfRegClass;
    }
}

int32_t unregisterServer() {
    try {
        FileRegistry::update([](FileRegistry& reg) { unregisterEntries(reg); });
        return hr::Ok;
    } catch (const std::exception&) {
        return err::SelfRegClass;
    }
}

}  // namespace tav::server
