// The registered identity: 22 classes with distinct fixed ids, the creatable set, and built
// classes that agree with their registration.
#include <gtest/gtest.h>

#include <set>

#include "automation/objects/Interfaces.h"
#include "contracts/Persistable.h"
#include "contracts/RegisteredClasses.h"
#include "registry/PartFactories.h"
#include "registry/TypeLibrary.h"

namespace tav {
namespace {

TEST(RegisteredClasses, TwentyTwoClassesWithDistinctIds) {
    const auto classes = library::classes();
    EXPECT_EQ(classes.size(), 22u);
    std::set<std::string> ids{library::kLibraryId.toString(), library::kEventInterfaceId.toString()};
    std::set<std::string_view> names;
    std::string notCreatable;
    for (const auto& c : classes) {
        EXPECT_TRUE(ids.insert(c.clsid.toString()).second) << c.name;
        EXPECT_TRUE(ids.insert(c.defaultInterfaceId.toString()).second) << c.name;
        EXPECT_TRUE(names.insert(c.name).second);
        if (!c.creatable) notCreatable += std::string(c.name) + " ";
    }
    EXPECT_EQ(notCreatable, "FunctionLib ExprEvaluator ");
    EXPECT_EQ(library::progIdOf("GluPart_ScaleProp"), "SCTAVParts.GluPart_ScaleProp");
    EXPECT_EQ(library::findClass("SrcPart_InScopeIsdObjS")->hasEvents, true);
}

TEST(RegisteredClasses, BuiltClassesAgreeWithTheirRegistration) {
    for (const PartFactory& f : partFactories()) {
        const ClassDesc& desc = f.describe();
        const library::RegisteredClass* reg = library::findClass(desc.name());
        ASSERT_NE(reg, nullptr) << desc.name() << " is built but not registered";
        std::set<std::string> declared;
        for (const InterfaceDesc* i : desc.implemented()) declared.insert(i->name());
        for (library::Fw fw : reg->interfaces) {
            if (fw == library::Fw::None) continue;
            EXPECT_TRUE(declared.count(std::string(library::interfaceName(fw))))
                << desc.name() << " does not list " << library::interfaceName(fw);
        }
        Ref<Object> obj = f.create();
        EXPECT_EQ(tryQuery<Persistable>(obj.get()) != nullptr, reg->persistable) << desc.name();
        EXPECT_EQ(obj->typeName(), desc.name());
    }
}

TEST(RegisteredClasses, TypeLibraryListingNamesEverything) {
    const std::string text = typelib::listing();
    EXPECT_EQ(text.rfind("library SCTAVParts  version 12.0  locale 0x409\n", 0), 0u);
    EXPECT_NE(text.find("help \"Orvane: Common T.A.V. Source and Glue Parts \"\n"), std::string::npos);
    for (const auto& c : library::classes()) {
        EXPECT_NE(text.find("class " + std::string(c.name) + "  " + c.clsid.toString()), std::string::npos);
        EXPECT_NE(text.find("_" + std::string(c.name) + " " + c.defaultInterfaceId.toString()), std::string::npos);
    }
    for (std::string_view e : library::kEnumerations)
        EXPECT_NE(text.find("enum " + std::string(e)), std::string::npos);
    EXPECT_NE(text.find("events      __SrcPart_InScopeIsdObjS"), std::string::npos);
}

}  // namespace
}  // namespace tav
