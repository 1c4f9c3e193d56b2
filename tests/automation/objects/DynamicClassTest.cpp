// Members and enumerations defined at run time come out of the same table machinery: call by
// name, type information, and information taken earlier that stays valid after a change.
#include <gtest/gtest.h>

#include "automation/objects/Dispatchable.h"
#include "automation/objects/Invoke.h"
#include "automation/objects/MemberLookup.h"
#include "automation/objects/TLIApplication.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/TypedLiteral.h"

namespace tav {
namespace {

class AutoThing : public Object {
public:
    static ClassDesc baseTable() {
        using C = AutoThing;
        return ClassDesc("AutoThing", "Properties defined at run time.")
            .add(method<&C::DefineProperty>("DefineProperty", {"Name", "TypeName", "InitialValue"}))
            .add(method<&C::DefineEnum>("DefineEnum", {"EnumName", "ItemsAndValues"}));
    }
    const ClassDesc* classDesc() const override { return desc_.get(); }
    std::shared_ptr<const ClassDesc> sharedClassDesc() const override { return desc_.shared(); }

    void DefineProperty(std::string_view name, std::string_view typeName, const Variant& initial) {
        TypeDesc t = TypeDesc::of(VarType::Variant);
        if (typeName == "I2") t = TypeDesc::of(VarType::I2);
        if (const EnumDesc* e = desc_.get()->findEnumeration(typeName)) t = TypeDesc::enumType(*e);
        values_.push_back(initial);
        desc_.edit().add(runtimeProperty(std::string(name), t, static_cast<intptr_t>(values_.size() - 1), &get, &let));
    }
    void DefineEnum(std::string_view name, std::span<Variant> itemsAndValues) {
        EnumDesc e{std::string(name), {}, {}};
        for (size_t i = 0; i + 1 < itemsAndValues.size(); i += 2)
            e.items.push_back({std::string(itemsAndValues[i].str()), itemsAndValues[i + 1].i4()});
        desc_.edit().addOwnedEnumeration(std::move(e));
    }

private:
    static Variant get(Object& self, const CallArgs& a) { return static_cast<AutoThing&>(self).values_[a.data]; }
    static Variant let(Object& self, const CallArgs& a) {
        static_cast<AutoThing&>(self).values_[a.data] = *a.fixed[0];
        return {};
    }
    DynamicClassDesc desc_{baseTable()};
    std::vector<Variant> values_;
};

TEST(DynamicClass, DefinedMembersAreCalledAndDescribed) {
    Ref<AutoThing> t = makeRef<AutoThing>();
    InterfaceInfo before = TLIApplication::shared().interfaceInfoFromObject(t.get());

    std::vector<Variant> en{Variant("Shade"), Variant("sh_Light"), Variant::I4(0), Variant("sh_Dark"), Variant::I4(5)};
    invoke(*t, "DefineEnum", InvokeKind::Method, en);
    std::vector<Variant> p1{Variant("Charge"), Variant("I2"), Variant::I2(1)};
    invoke(*t, "defineproperty", InvokeKind::Method, p1);
    std::vector<Variant> p2{Variant("Tint"), Variant("Shade"), Variant::I4(5)};
    invoke(*t, "DefineProperty", InvokeKind::Method, p2);

    std::vector<Variant> big{Variant::I4(40000)};
    EXPECT_THROW(invoke(*t, "charge", InvokeKind::PropertyLet, big), AutomationError);  // coerced to I2: overflow
    std::vector<Variant> seven{Variant::R8(7)};
    invoke(*t, "CHARGE", InvokeKind::PropertyLet, seven);
    EXPECT_EQ(literal::print(invoke(*t, "Charge", InvokeKind::PropertyGet)), "I2:7");

    InterfaceInfo after = TLIApplication::shared().interfaceInfoFromObject(t.get());
    EXPECT_EQ(before.members().size(), 2u);  // information taken earlier still describes its table
    EXPECT_EQ(after.members().size(), 6u);
    VarTypeInfo tint = after.member("Tint").returnType();
    ASSERT_EQ(tint.varType(), VtUserDefined);
    EXPECT_EQ(tint.typeInfo().name(), "Shade");
    EXPECT_EQ(tint.typeInfo().memberName(1), "sh_Dark");
    EXPECT_EQ(after.getMember(after.member("Charge").memberId()).name(), "Charge");
    t = nullptr;  // the views keep the table alive, not the object
    EXPECT_EQ(tint.typeInfo().memberValue(1), 5);
}

// A remembered look-up answers as the table does while tables grow, move and differ: names of
// one slot ("Width" and "Depth"), the same name at other places in two objects' tables.
TEST(DynamicClass, RememberedLookupsAnswerAsTheTable) {
    Ref<AutoThing> a = makeRef<AutoThing>(), b = makeRef<AutoThing>();
    const auto define = [](AutoThing& t, const char* name, int value) {
        std::vector<Variant> args{Variant(name), Variant("I2"), Variant::I2(static_cast<int16_t>(value))};
        invoke(t, "DefineProperty", InvokeKind::Method, args);
    };
    define(*a, "Length", 1);
    for (const char* name : {"Width", "Depth", "Length"}) define(*b, name, 2);
    MemberLookup lookup;
    const auto agrees = [&](AutoThing& t, std::string_view name) {
        EXPECT_EQ(lookup.find(t, name), findMember(t, name)) << name;
    };
    for (int round = 0; round < 2; ++round) {
        agrees(*a, "length");
        agrees(*b, "LENGTH");
        agrees(*b, "Width");
        agrees(*b, "depth");
        agrees(*a, "Width");  // none
    }
    const InterfaceInfo held = TLIApplication::shared().interfaceInfoFromObject(a.get());
    for (int i = 0; i < 20; ++i) define(*a, ("More" + std::to_string(i)).c_str(), i);  // a new table
    agrees(*a, "Length");
    agrees(*a, "More19");
    EXPECT_EQ(literal::print(invoke(*a, "LENGTH", InvokeKind::PropertyGet, lookup)), "I2:1");
    try {
        invoke(*a, "Nope", InvokeKind::PropertyGet, lookup);
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::ObjectDoesNotSupport);
    }
}

// Change notices name their member from the object's current table.
TEST(DynamicClass, MemberNamesComeFromTheCurrentTable) {
    Ref<AutoThing> t = makeRef<AutoThing>();
    std::vector<Variant> args{Variant("Charge"), Variant("I2"), Variant::I2(1)};
    invoke(*t, "DefineProperty", InvokeKind::Method, args);
    TLIApplication& tli = TLIApplication::shared();
    EXPECT_EQ(tli.memberName(t.get(), findMember(*t, "charge")->id), "Charge");
    try {
        tli.memberName(t.get(), 999);
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::TypeElementNotFound);
    }
}

}  // namespace
}  // namespace tav
