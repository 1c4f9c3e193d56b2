#pragma once
#include <string>

#include "automation/server/ClassFactory.h"
#include "automation/values/Guid.h"

namespace tav {

// A server library loaded by path, as a COM host loads an in-process server. Loaded servers
// stay loaded for the life of the process (and are shared: loading a path twice gives the
// same server).
class InprocServer {
public:
    // Error 429 naming the path and the loader's message when the library cannot be loaded
    // or lacks an export.
    static InprocServer& load(const std::string& path);

    const std::string& path() const { return path_; }
    // The factory of a class; error 429 when the server does not serve it.
    Ref<ClassFactory> classObject(const Guid& clsid) const;
    bool canUnloadNow() const;
    int32_t registerServer() const;
    int32_t unregisterServer() const;

    InprocServer(const InprocServer&) = delete;
    InprocServer& operator=(const InprocServer&) = delete;

private:
    InprocServer(std::string path, void* handle);

    std::string path_;
    DllGetClassObjectFn getClassObject_ = nullptr;
    DllCanUnloadNowFn canUnloadNow_ = nullptr;
    DllRegisterServerFn register_ = nullptr;
    DllUnregisterServerFn unregister_ = nullptr;
};

}  // namespace tav
