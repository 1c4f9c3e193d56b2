// The sample source objects: run-time properties and enumerations that call by name and type
// information see, change notifications, predefined strings, and a job's keyed properties.
#include <gtest/gtest.h>

#include "automation/objects/IPropertyNotifySink.h"
#include "automation/objects/Invoke.h"
#include "automation/objects/TLIApplication.h"
#include "automation/values/TypedLiteral.h"
#include "HostTestParts.h"
#include "host/objects/Job.h"
#include "host/objects/NotifyingObject.h"
#include "host/objects/PredefinedObject.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

using testparts::get;
using testparts::let;

using testing_support::errorOf;

Variant call(Object& o, std::string_view name, std::vector<Variant> args) {
    return invoke(o, name, InvokeKind::Method, args);
}

TEST(AutoObject, DefinedPropertiesAreTypedMembersWithTypeInformation) {
    Ref<AutoObject> o = makeRef<AutoObject>();
    call(*o, "DefineEnum", {Variant("Shade"), Variant("sh_Light"), Variant::I4(0), Variant("sh_Dark"), Variant::I4(5)});
    call(*o, "DefineProperty", {Variant("Tint"), Variant("Shade"), Variant::I4(5)});
    call(*o, "DefineProperty", {Variant("Count"), Variant("I2"), Variant("7")});
    call(*o, "DefineProperty", {Variant("Flag"), Variant("bool"), missingArg()});
    call(*o, "DefineProperty", {Variant("Any"), Variant("Variant"), missingArg()});

    EXPECT_EQ(literal::print(get(*o, "count")), "I2:7");  // converted to the type, found in any case
    EXPECT_EQ(literal::print(get(*o, "Flag")), "Bool:False");
    EXPECT_EQ(literal::print(get(*o, "Any")), "Empty");
    EXPECT_EQ(errorOf([&] { let(*o, "Count", Variant::I4(40000)); }), err::Overflow);
    let(*o, "Any", Variant(makeRef<AutoObject>()));  // a Variant takes objects too
    EXPECT_EQ(literal::print(get(*o, "Any")), "Object:AutoObject");

    InterfaceInfo info = TLIApplication::shared().interfaceInfoFromObject(o.get());
    VarTypeInfo tint = info.member("Tint").returnType();
    ASSERT_TRUE(tint.isUserDefined());
    EXPECT_EQ(tint.typeInfo().name(), "Shade");
    EXPECT_EQ(tint.typeInfo().memberName(1), "sh_Dark");
    EXPECT_EQ(info.member("Flag").returnType().varType(), toCode(VarType::Bool));

    o->SetClassName("Sample");
    EXPECT_EQ(o->typeName(), "Sample");

    for (auto bad : {std::vector<Variant>{Variant("Count"), Variant("I4")},  // defined already
                     std::vector<Variant>{Variant("ClassName"), Variant("I4")},
                     std::vector<Variant>{Variant("a.b"), Variant("I4")},
                     std::vector<Variant>{Variant("X"), Variant("Nope")},
                     std::vector<Variant>{Variant("Y"), Variant("Object"), Variant::I4(1)}})
        EXPECT_NE(errorOf([&] { call(*o, "DefineProperty", bad); }), 0) << literal::print(bad[0]);
    EXPECT_EQ(errorOf([&] { call(*o, "DefineEnum", {Variant("Odd"), Variant("a")}); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { call(*o, "DefineEnum", {Variant("Shade")}); }), err::InvalidProcedureCall);
}

struct ChangeLog : IPropertyNotifySink {
    std::vector<DispId> ids;
    void OnChanged(DispId id) override { ids.push_back(id); }
};

TEST(NotifyingObject, AnnouncesEverySuccessfulWriteByMemberId) {
    Ref<NotifyingObject> o = makeRef<NotifyingObject>();
    call(*o, "DefineProperty", {Variant("Count"), Variant("I2"), missingArg()});
    call(*o, "DefineProperty", {Variant("Owner"), Variant("Object"), missingArg()});
    ChangeLog log;
    Connection c = o->propertyNotifyPoint().advise(log);

    let(*o, "Count", Variant::I4(3));
    EXPECT_NE(errorOf([&] { let(*o, "Count", Variant("x")); }), 0);  // a failed write is not announced
    std::vector<Variant> owner{Variant(makeRef<AutoObject>())};
    invoke(*o, "Owner", InvokeKind::PropertySet, owner);
    o->SetClassName("Renamed");  // not a defined property

    const InterfaceInfo info = TLIApplication::shared().interfaceInfoFromObject(o.get());
    EXPECT_EQ(log.ids, (std::vector<DispId>{info.member("Count").memberId(), info.member("Owner").memberId()}));
}

TEST(PredefinedObject, OffersTheStringsDefinedForAProperty) {
    Ref<PredefinedObject> o = makeRef<PredefinedObject>();
    call(*o, "DefinePredefined", {Variant("Unit"), Variant("Millimetres"), Variant("mm"), Variant::I4(1),
                                  Variant("in"), Variant::I4(2)});
    EXPECT_EQ(literal::print(Variant(o->GetPredefinedStrings("unit"))), "[Str:\"mm\", Str:\"in\"]");
    EXPECT_EQ(literal::print(o->GetPredefinedValue("Unit", "in")), "I4:2");
    EXPECT_EQ(literal::print(o->GetPredefinedValue("Unit", "IN")), "Empty");
    EXPECT_EQ(o->GetDisplayString("Unit"), "Millimetres");
    EXPECT_FALSE(o->GetPredefinedStrings("Other").allocated());
    EXPECT_EQ(o->GetDisplayString("Other"), "");
    EXPECT_EQ(o->MapPropertyToControlProgId("Unit"), "");
    std::vector<Variant> args{Variant("Unit")};
    EXPECT_EQ(literal::print(invoke(*o, "iTAVPerPropertyBrowsing", "GetDisplayString", InvokeKind::Method, args)),
              "Str:\"Millimetres\"");
}

TEST(Job, PropertiesAreReachedByKey) {
    Ref<Job> job = makeRef<Job>();
    call(*job, "DefineJobProperty", {Variant("Owner"), Variant("ann")});
    std::vector<Variant> key{Variant("Owner")};
    EXPECT_EQ(literal::print(invoke(*job, "Properties", InvokeKind::PropertyGet, key)), "Str:\"ann\"");
    std::vector<Variant> put{Variant("Owner"), Variant("bob")};
    invoke(*job, "Properties", InvokeKind::PropertyLet, put);
    EXPECT_EQ(literal::print(job->Properties("Owner")), "Str:\"bob\"");
    EXPECT_EQ(errorOf([&] { job->Properties("owner"); }), err::InvalidProcedureCall);  // keys are exact
    EXPECT_EQ(errorOf([&] { job->SetProperties("Nope", Variant()); }), err::InvalidProcedureCall);
}

}  // namespace
}  // namespace tav
