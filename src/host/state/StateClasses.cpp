#include "host/state/StateClasses.h"

#include "automation/server/ClassRegistry.h"
#include "contracts/ObjectCreation.h"
#include "host/framework/HostClasses.h"
#include "host/state/DataDirectoryProvider.h"
#include "host/state/State.h"

namespace tav::stateclasses {

void registerIn(ClassRegistry& registry) {
    for (ClassEntry e : {hostclasses::entry<State>(), hostclasses::entry<DataDirectoryProvider>()})
        registry.add(std::move(e));
}

void ensureRegistered() {
    hostclasses::ensureRegistered();
    static const bool done = [] {
        registerIn(classRegistry());
        return true;
    }();
    (void)done;
}

}  // namespace tav::stateclasses
