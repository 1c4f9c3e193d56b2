// Creating objects by program id and class id: the library's classes, host classes added at
// run time, and the clear errors for classes that cannot be created.
#include <gtest/gtest.h>

#include "automation/objects/Dispatchable.h"
#include "automation/objects/Interfaces.h"
#include "automation/objects/PropertyBag.h"
#include "contracts/RegisteredClasses.h"
#include "registry/LibraryClasses.h"
#include "registry/PartFactories.h"

namespace tav {
namespace {

std::string createError(auto&& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return std::to_string(e.number()) + " " + e.description();
    }
    return "created";
}

TEST(ClassRegistry, LibraryClassesAreListedWithClearErrors) {
    ClassRegistry& reg = classRegistry();
    for (const auto& c : library::classes()) {
        const ClassEntry* e = reg.findByProgId(library::progIdOf(c.name));
        ASSERT_NE(e, nullptr) << c.name;
        EXPECT_EQ(reg.findByClsid(c.clsid), e);
        const std::string got = createError([&] { createObject(library::progIdOf(c.name)); });
        if (!c.creatable)
            EXPECT_EQ(got, "429 ActiveX component can't create object: " + std::string(c.name) +
                               " is not creatable by clients");
        else if (!findPartFactory(c.name))
            EXPECT_EQ(got, "429 ActiveX component can't create object: " + std::string(c.name) +
                               " is not available in this build");
        else
            EXPECT_EQ(got, "created");
    }
}

TEST(ClassRegistry, HostClassesJoinAtRunTime) {
    ClassRegistry reg;  // a registry of our own: nothing else in it
    reg.setFileRegistryFallback(false);
    reg.add(ClassEntry{"PropertyBag", "Host.PropertyBag", Guid("{00000000-0000-0000-0000-00000000BA90}"), true,
                       [] { return Ref<Object>(makeRef<PropertyBag>()); }, &PropertyBag::table});
    Ref<Object> bag = reg.createObject("host.propertybag");  // program ids ignore case
    EXPECT_EQ(bag->typeName(), "PropertyBag");
    EXPECT_EQ(reg.createObject(Guid("{00000000-0000-0000-0000-00000000BA90}"))->typeName(), "PropertyBag");
    EXPECT_EQ(createError([&] { reg.createObject("Host.Nope"); }),
              "429 ActiveX component can't create object: no class is registered as 'Host.Nope'");
    EXPECT_EQ(reg.entries().size(), 1u);
}

TEST(ClassRegistry, AReplacedEntryStaysAsItWasForWhoeverHoldsIt) {
    ClassRegistry reg;
    reg.setFileRegistryFallback(false);
    reg.add(ClassEntry{"PropertyBag", "Host.Bag", {}, true, [] { return Ref<Object>(makeRef<PropertyBag>()); },
                       &PropertyBag::table});
    const ClassEntry* held = reg.findByProgId("Host.Bag");  // another thread may be creating from it
    reg.add(ClassEntry{"Other", "HOST.BAG", {}, false, {}, nullptr});
    EXPECT_EQ(held->name, "PropertyBag");
    EXPECT_EQ(held->create()->typeName(), "PropertyBag");
    EXPECT_EQ(reg.findByProgId("host.bag")->name, "Other");
    ASSERT_EQ(reg.entries().size(), 1u);
    EXPECT_EQ(reg.entries().front()->name, "Other");
}

}  // namespace
}  // namespace tav
