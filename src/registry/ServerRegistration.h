#pragma once
#include <string>

#include "automation/server/FileRegistry.h"

// Self-registration of the library as an in-process server: for every creatable class its
// class id (name, server path, threading model, program id, type library) and its program
// id, plus the type library itself. Unregistration removes exactly these keys.
namespace tav::server {

void registerEntries(FileRegistry& reg, const std::string& modulePath);
void unregisterEntries(FileRegistry& reg);

// Registry key paths, for readers of the registration.
std::string clsidKey(const std::string& clsid);
std::string inprocServerKey(const std::string& clsid);

}  // namespace tav::server
