#pragma once
#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"
#include "automation/values/Object.h"

namespace tav {

// Which classes can be created by program id or class id, and how. The library's parts are
// in the process-wide registry from the start (registry/LibraryClasses.h); a host adds its
// own classes (Host.*) at run time with add(). A program id or class id that no entry knows
// is looked up in the file registry (FileRegistry.h): a class registered there with an
// in-process server path is created by loading that server, as a COM host would.
//
// Creation failures are error 429 with a description that says why: no class of that name,
// a class that only other objects hand out, a class not available in this build, or a
// server that could not be loaded.
struct ClassEntry {
    std::string name;    // the class name ("GluPart_ScaleProp", "PropertyBag")
    std::string progId;  // "SCTAVParts.GluPart_ScaleProp", "Host.PropertyBag"
    Guid clsid;          // null for classes known only by program id
    bool creatable = true;
    // Makes an instance; empty when the class is not available in this build.
    std::function<Ref<Object>()> create;
    // The member table, when the class is available; used for listings.
    const ClassDesc& (*describe)() = nullptr;
};

class ClassRegistry {
public:
    ClassRegistry() = default;
    ClassRegistry(const ClassRegistry&) = delete;
    ClassRegistry& operator=(const ClassRegistry&) = delete;

    // Adds a class, or replaces the entry with the same program id (compared without regard
    // to case, as program ids are). A replaced entry is not changed: it stays, as it was, for
    // whoever found it before (another thread may be creating an object from it), and finds
    // give the new one from then on.
    void add(ClassEntry entry);
    const ClassEntry* findByProgId(std::string_view progId) const;
    const ClassEntry* findByClsid(const Guid& clsid) const;
    // Every entry, in the order added.
    std::vector<const ClassEntry*> entries() const;

    Ref<Object> createObject(std::string_view progId) const;
    Ref<Object> createObject(const Guid& clsid) const;

    // Whether creation falls back to the file registry for unknown classes (on by default).
    void setFileRegistryFallback(bool on) { fallback_ = on; }

private:
    Ref<Object> create(const ClassEntry& e) const;
    Ref<Object> createFromServer(const Guid& clsid, std::string_view what) const;

    mutable std::mutex mutex_;
    std::deque<ClassEntry> entries_;        // every entry ever added: a deque keeps them in place
    std::vector<const ClassEntry*> live_;   // the entries finds give, in the order added
    std::atomic<bool> fallback_ = true;
};

}  // namespace tav
