#include "registry/LibraryClasses.h"

#include "contracts/RegisteredClasses.h"
#include "registry/PartFactories.h"

namespace tav {

void addLibraryClasses(ClassRegistry& registry) {
    for (const library::RegisteredClass& c : library::classes()) {
        ClassEntry e;
        e.name = c.name;
        e.progId = library::progIdOf(c.name);
        e.clsid = c.clsid;
        e.creatable = c.creatable;
        if (const PartFactory* f = findPartFactory(c.name)) {
            e.create = f->create;
            e.describe = f->describe;
        }
        registry.add(std::move(e));
    }
}

ClassRegistry& classRegistry() {
    static ClassRegistry* registry = [] {
        auto* r = new ClassRegistry();  // kept for the life of the process
        addLibraryClasses(*r);
        return r;
    }();
    return *registry;
}

}  // namespace tav
