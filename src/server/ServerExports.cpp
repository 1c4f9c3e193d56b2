// The entry points of libTAVParts.so, the library as an in-process server. The module keeps
// its own copy of the library inside (only these four names are exported, see exports.map),
// so its objects are counted by its own DllCanUnloadNow, and hosts reach them through
// virtual calls.
#include <dlfcn.h>

#include <cstdint>
#include <string>

#include "automation/values/Guid.h"
#include "registry/ServerModule.h"

namespace {

// The path this module was loaded from, for the registration.
std::string modulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&modulePath), &info) && info.dli_fname) return info.dli_fname;
    return {};
}

}  // namespace

extern "C" {

int32_t DllGetClassObject(const tav::Guid* clsid, const tav::Guid* iid, void** out) {
    return tav::server::getClassObject(clsid, iid, out);
}

int32_t DllCanUnloadNow() { return tav::server::canUnloadNow(); }

int32_t DllRegisterServer() { return tav::server::registerServer(modulePath()); }

int32_t DllUnregisterServer() { return tav::server::unregisterServer(); }

}  // extern "C"
