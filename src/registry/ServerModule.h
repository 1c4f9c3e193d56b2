#pragma once
#include <cstdint>
#include <string>

#include "automation/values/Guid.h"

// What the library's server exports do (src/server/ServerExports.cpp forwards to these; they
// are callable in-process too). None of them lets an exception out: failures are HRESULTs.
namespace tav::server {

// The class factory of a creatable registered class (any that is listed, built or not: a
// class not built yet fails at createInstance with "not available"). `iid` must be the
// ClassFactory's. *out receives a ClassFactory* holding one reference for the caller.
int32_t getClassObject(const Guid* clsid, const Guid* iid, void** out);
// hr::Ok when no object of this module and no server lock is alive, else hr::False.
int32_t canUnloadNow();
// Writes (removes) the registration in the file registry; SELFREG_E_CLASS on failure.
int32_t registerServer(const std::string& modulePath);
int32_t unregisterServer();
// Server locks held through ClassFactory::lockServer.
long serverLocks();

}  // namespace tav::server
