#include "automation/server/InprocServer.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/ErrorTexts.h"

namespace tav {

namespace {

constexpr std::string_view kSource = "InprocServer";

[[noreturn]] void cannotCreate(const std::string& detail) {
    throw AutomationError(err::CantCreateObject, std::string(kSource),
                          std::string(err::TextCantCreateObject) + ": " + detail);
}

std::string loaderMessage() {
    const char* e = dlerror();
    return e ? e : "unknown loader error";
}

template <class Fn>
Fn symbol(void* handle, const char* name, const std::string& path) {
    void* p = dlsym(handle, name);
    if (!p) cannotCreate(path + " has no " + name);
    return reinterpret_cast<Fn>(p);
}

}  // namespace

InprocServer::InprocServer(std::string path, void* handle)
    : path_(std::move(path)),
      getClassObject_(symbol<DllGetClassObjectFn>(handle, kDllGetClassObject, path_)),
      canUnloadNow_(symbol<DllCanUnloadNowFn>(handle, kDllCanUnloadNow, path_)),
      register_(symbol<DllRegisterServerFn>(handle, kDllRegisterServer, path_)),
      unregister_(symbol<DllUnregisterServerFn>(handle, kDllUnregisterServer, path_)) {}

InprocServer& InprocServer::load(const std::string& path) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<InprocServer>> loaded;
    std::lock_guard lock(mutex);
    if (auto it = loaded.find(path); it != loaded.end()) return *it->second;
    // RTLD_LOCAL: the server's own copy of the library stays out of the host's symbol space.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) cannotCreate(loaderMessage());
    std::unique_ptr<InprocServer> server(new InprocServer(path, handle));
    return *loaded.emplace(path, std::move(server)).first->second;
}

Ref<ClassFactory> InprocServer::classObject(const Guid& clsid) const {
    void* out = nullptr;
    const int32_t r = getClassObject_(&clsid, &ClassFactory::iid, &out);
    if (r != hr::Ok || !out) cannotCreate(clsid.toString() + " is not available from " + path_);
    auto* factory = static_cast<ClassFactory*>(out);
    Ref<ClassFactory> ref(factory);
    factory->release();  // the export handed us a reference of our own
    return ref;
}

bool InprocServer::canUnloadNow() const { return canUnloadNow_() == hr::Ok; }
int32_t InprocServer::registerServer() const { return register_(); }
int32_t InprocServer::unregisterServer() const { return unregister_(); }

}  // namespace tav
