#include "registry/ServerRegistration.h"

#include <cstdio>

#include "contracts/RegisteredClasses.h"

namespace tav::server {

namespace {

constexpr std::string_view kClsidRoot = "CLSID\\";
constexpr std::string_view kTypeLibRoot = "TypeLib\\";
constexpr std::string_view kInproc = "\\InprocServer32";
constexpr std::string_view kProgIdSub = "\\ProgID";
constexpr std::string_view kTypeLibSub = "\\TypeLib";
constexpr std::string_view kVersionSub = "\\Version";
constexpr std::string_view kClsidSub = "\\CLSID";
constexpr std::string_view kThreadingModel = "ThreadingModel";
constexpr std::string_view kHelpDir = "HELPDIR";
constexpr std::string_view kTypeLibPlatform = "\\0\\linux";
constexpr std::string_view kDefault = "";

std::string libraryVersion() {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d.%d", library::kVersionMajor, library::kVersionMinor);
    return buf;
}

std::string typeLibKey() { return std::string(kTypeLibRoot) + library::kLibraryId.toString(); }

}  // namespace

std::string clsidKey(const std::string& clsid) { return std::string(kClsidRoot) + clsid; }
std::string inprocServerKey(const std::string& clsid) { return clsidKey(clsid) + std::string(kInproc); }

void registerEntries(FileRegistry& reg, const std::string& modulePath) {
    const std::string libId = library::kLibraryId.toString();
    for (const library::RegisteredClass& c : library::classes()) {
        if (!c.creatable) continue;
        const std::string id = c.clsid.toString();
        const std::string progId = library::progIdOf(c.name);
        const std::string key = clsidKey(id);
        reg.setValue(key, kDefault, c.name);
        reg.setValue(key + std::string(kInproc), kDefault, modulePath);
        reg.setValue(key + std::string(kInproc), kThreadingModel, library::kThreadingModel);
        reg.setValue(key + std::string(kProgIdSub), kDefault, progId);
        reg.setValue(key + std::string(kTypeLibSub), kDefault, libId);
        reg.setValue(key + std::string(kVersionSub), kDefault, libraryVersion());
        reg.setValue(progId, kDefault, c.name);
        reg.setValue(progId + std::string(kClsidSub), kDefault, id);
    }
    const std::string lib = typeLibKey() + "\\" + libraryVersion();
    reg.setValue(lib, kDefault, std::string(library::kHelpString));
    reg.setValue(lib + std::string(kTypeLibPlatform), kDefault, modulePath);
    reg.setValue(lib + "\\" + std::string(kHelpDir), kDefault, "");
}

void unregisterEntries(FileRegistry& reg) {
    for (const library::RegisteredClass& c : library::classes()) {
        if (!c.creatable) continue;
        reg.deleteTree(clsidKey(c.clsid.toString()));
        reg.deleteTree(library::progIdOf(c.name));
    }
    reg.deleteTree(typeLibKey());
}

}  // namespace tav::server
