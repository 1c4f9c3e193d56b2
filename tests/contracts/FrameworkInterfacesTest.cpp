// Framework interfaces: called as virtuals through IRef, and by name through their tables
// ("iTAVGluePart.TransformForDisplay"); the property-changed notice of persistable objects.
#include <gtest/gtest.h>

#include "automation/objects/Dispatchable.h"
#include "automation/objects/Invoke.h"
#include "automation/values/TypedLiteral.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVBindingItem.h"
#include "contracts/iTAVGluePart.h"
#include "contracts/iTAVParentBinding.h"
#include "contracts/iTAVSourcePart.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

using testing_support::errorOf;

// A host-side binding item.
class FakeItem : public Dispatchable<FakeItem>, public iTAVBindingItem {
public:
    static ClassDesc describe() { return ClassDesc("FakeItem", "").implements<iTAVBindingItem>(); }
    IRef<iTAVParentBinding> Parent() override { return {}; }
    std::string SourcePropertyName() override { return "Charge"; }
    SafeArray SourcePropertyNames() override { return SafeArray::vector({Variant("Charge")}); }
    IRef<iTAVControlPart> ControlPart() override { return {}; }
    void RequestStore() override {}
    void RequestRedisplay() override {}
};

// A glue in the shape every part has: Dispatchable, a framework interface, persistable.
class DoublingGlue : public Dispatchable<DoublingGlue>, public iTAVGluePart, public Persistable {
public:
    static ClassDesc describe() {
        using C = DoublingGlue;
        return ClassDesc("DoublingGlue", "Doubles numbers.")
            .add(property<&C::Factor, &C::SetFactor>("Factor"))
            .implements<iTAVGluePart>()
            .implements<Persistable>();
    }
    double Factor() const { return factor_; }
    void SetFactor(double f) {
        factor_ = f;
        PropertyChanged("Factor");
    }
    void WakeUp(const IRef<iTAVBindingItem>& item) override { item_ = item; }
    void TransformForDisplay(Variant& v) override { v = Variant::R8(v.r8() * factor_); }
    void InvTransformForStorage(Variant& v) override { v = Variant::R8(v.r8() / factor_); }
    void TearDown() override { item_.reset(); }
    void OnBindingError(const IRef<iTAVBindingItem>&, int32_t) override {}
    void InitProperties() override { factor_ = 2; }
    void ReadProperties(const Ref<PropertyBag>& bag) override {
        factor_ = bag->ReadProperty("Factor", Variant::R8(2)).r8();
    }
    void WriteProperties(const Ref<PropertyBag>& bag) override {
        bag->WriteProperty("Factor", Variant::R8(factor_), Variant::R8(2));
    }

    IRef<iTAVBindingItem> item_;

private:
    double factor_ = 2;
};

struct NoticeLog : IPropertyChangedSink {
    std::string log;
    void OnPropertyChanged(std::string_view name) override { log += std::string(name) + "|"; }
};

TEST(FrameworkInterfaces, GlueReachedByVirtualsAndByName) {
    Ref<DoublingGlue> glue = makeRef<DoublingGlue>();
    Ref<FakeItem> item = makeRef<FakeItem>();

    IRef<iTAVGluePart> g = query<iTAVGluePart>(glue.get());
    ASSERT_TRUE(g);
    g->WakeUp(IRef<iTAVBindingItem>(item));
    EXPECT_EQ(glue->item_->SourcePropertyName(), "Charge");
    g->TearDown();
    EXPECT_FALSE(glue->item_);

    std::vector<Variant> wake{Variant(item)};
    invoke(*glue, "iTAVGluePart", "WakeUp", InvokeKind::Method, wake);
    EXPECT_EQ(glue->item_.object(), item.get());
    std::vector<Variant> value{Variant::R8(21)};
    invoke(*glue, "itavgluepart", "TransformForDisplay", InvokeKind::Method, value);
    EXPECT_EQ(literal::print(value[0]), "R8:42");  // by reference, as the framework passes it
    std::vector<Variant> notAnItem{Variant(makeRef<DoublingGlue>())};
    EXPECT_EQ(errorOf([&] { invoke(*glue, "iTAVGluePart", "WakeUp", InvokeKind::Method, notAnItem); }),
              err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { invoke(*glue, "iTAVSourcePart", "Caption", InvokeKind::PropertyGet); }),
              err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { query<iTAVSourcePart>(glue.get()); }), err::TypeMismatch);
    EXPECT_FALSE(query<iTAVSourcePart>(nullptr));
}

TEST(FrameworkInterfaces, PersistableNoticesAndBag) {
    Ref<DoublingGlue> glue = makeRef<DoublingGlue>();
    NoticeLog notices;
    Connection c = glue->propertyChanges().advise(notices);
    std::vector<Variant> three{Variant::I2(3)};
    invoke(*glue, "factor", InvokeKind::PropertyLet, three);
    EXPECT_EQ(notices.log, "Factor|");

    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    IRef<Persistable> p = query<Persistable>(glue.get());
    p->WriteProperties(bag);
    EXPECT_EQ(bag->Text(), "# TAVParts property bag\nFactor = R8:3\n");
    Ref<DoublingGlue> other = makeRef<DoublingGlue>();
    std::vector<Variant> byName{Variant(bag)};
    invoke(*other, "Persistable", "ReadProperties", InvokeKind::Method, byName);
    EXPECT_EQ(other->Factor(), 3);
}

TEST(FrameworkInterfaces, TablesNameTheMembersScriptsCall) {
    struct Case {
        const InterfaceDesc& iface;
        const char* members;
    };
    const Case cases[] = {
        {iTAVGluePart::describeInterface(), "WakeUp TransformForDisplay InvTransformForStorage TearDown OnBindingError"},
        {iTAVSourcePart::describeInterface(), "Value Notifier SourceObject ListPropertyNames Caption"},
    };
    for (const Case& c : cases) {
        std::string names;
        for (const MemberDesc& m : c.iface.members()) names += (names.empty() ? "" : " ") + m.name;
        EXPECT_EQ(names, c.members);
    }
    const MemberDesc* value = iTAVSourcePart::describeInterface().find("value");
    ASSERT_NE(value, nullptr);
    EXPECT_TRUE(value->supports(InvokeKind::PropertyGet) && value->supports(InvokeKind::PropertyLet) &&
                value->supports(InvokeKind::PropertySet));
    EXPECT_EQ(value->params.size(), 1u);
    EXPECT_EQ(iTAVSourcePart::describeInterface().find("ListPropertyNames")->type.spelling(), "String()");
}

}  // namespace
}  // namespace tav
