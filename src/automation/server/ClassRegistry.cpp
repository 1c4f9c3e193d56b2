#include "automation/server/ClassRegistry.h"

#include "automation/values/AutomationError.h"
#include "automation/objects/DispatchTypes.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/ErrorTexts.h"
#include "automation/server/FileRegistry.h"
#include "automation/server/InprocServer.h"
#include "automation/values/Excerpt.h"

namespace tav {

namespace {

constexpr std::string_view kProgIdClsidKey = "\\CLSID";
constexpr std::string_view kClsidRoot = "CLSID\\";
constexpr std::string_view kInprocServerKey = "\\InprocServer32";

[[noreturn]] void cannotCreate(std::string_view why) {
    throw AutomationError(err::CantCreateObject, "", std::string(err::TextCantCreateObject) + ": " + std::string(why));
}

}  // namespace

void ClassRegistry::add(ClassEntry entry) {
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
    const ClassEntry* added = &entries_.back();
    for (const ClassEntry*& e : live_) {
        if (equalsNoCase(e->progId, added->progId)) {
            e = added;
            return;
        }
    }
    live_.push_back(added);
}

const ClassEntry* ClassRegistry::findByProgId(std::string_view progId) const {
    std::lock_guard lock(mutex_);
    for (const ClassEntry* e : live_)
        if (equalsNoCase(e->progId, progId)) return e;
    return nullptr;
}

const ClassEntry* ClassRegistry::findByClsid(const Guid& clsid) const {
    std::lock_guard lock(mutex_);
    if (clsid.isNull()) return nullptr;
    for (const ClassEntry* e : live_)
        if (e->clsid == clsid) return e;
    return nullptr;
}

std::vector<const ClassEntry*> ClassRegistry::entries() const {
    std::lock_guard lock(mutex_);
    return live_;
}

Ref<Object> ClassRegistry::create(const ClassEntry& e) const {
    if (!e.creatable) cannotCreate(e.name + " is not creatable by clients");
    if (!e.create) cannotCreate(e.name + " is not available in this build");
    return e.create();
}

Ref<Object> ClassRegistry::createFromServer(const Guid& clsid, std::string_view what) const {
    const FileRegistry reg;
    const auto path = reg.value(std::string(kClsidRoot) + clsid.toString() + std::string(kInprocServerKey));
    if (!path) cannotCreate(std::string(what) + " has no in-process server registered");
    return InprocServer::load(*path).classObject(clsid)->createInstance();
}

Ref<Object> ClassRegistry::createObject(std::string_view progId) const {
    if (const ClassEntry* e = findByProgId(progId)) return create(*e);
    if (fallback_) {
        const FileRegistry reg;
        if (auto id = reg.value(std::string(progId) + std::string(kProgIdClsidKey))) {
            if (auto clsid = Guid::parse(*id)) return createFromServer(*clsid, progId);
        }
    }
    cannotCreate("no class is registered as '" + excerpt(progId) + "'");
}

Ref<Object> ClassRegistry::createObject(const Guid& clsid) const {
    if (const ClassEntry* e = findByClsid(clsid)) return create(*e);
    if (fallback_) return createFromServer(clsid, clsid.toString());
    cannotCreate("no class is registered as " + clsid.toString());
}

}  // namespace tav
