// The class check, the design-time sample object, the member list, the value-let rewording and
// following the object's own change notifications.
#include "sources/SrcPart_AxCls.h"

#include <gtest/gtest.h>

#include "SourceFakes.h"
#include "registry/LibraryClasses.h"

namespace tav {
namespace {

using namespace fakes;

constexpr const char* kSampleProgId = "Tests.AxClsSample";
constexpr const char* kMemberlessProgId = "Tests.AxClsMemberless";

void registerSamples() {
    static const bool once = [] {
        classRegistry().add(ClassEntry{"NotifyingSample",
                                       kSampleProgId,
                                       {},
                                       true,
                                       [] { return Ref<Object>(makeRef<NotifyingSample>()); },
                                       &NotifyingSample::table});
        classRegistry().add(ClassEntry{"Memberless",
                                       kMemberlessProgId,
                                       {},
                                       true,
                                       [] { return Ref<Object>(makeRef<Memberless>()); },
                                       &Memberless::table});
        return true;
    }();
    (void)once;
}

struct Part {
    Ref<SrcPart_AxCls> part = makeRef<SrcPart_AxCls>();
    Ref<FakeNotifier> notifier = makeRef<FakeNotifier>();
    explicit Part(bool design) {
        registerSamples();
        notifier->designMode = design;
        part->SetNotifier(notifier->ref());
    }
    // A part loaded from a form saved with this class name.
    void load(const char* typeName) {
        Ref<PropertyBag> bag = makeRef<PropertyBag>();
        bag->write("AxClsTypeName", Variant(typeName));
        part->ReadProperties(bag);
    }
};

const std::string kWrongClass =
    "5|TAVPartsSrcPart_AxCls|Source object not consistant with design time settings";
const std::string kProgIdAtRunTime =
    "5|TAVParts.SrcPart_AxCls|ProgId can only be set at design time";
const std::string kNoObject = "91||Object variable or With block variable not set";

TEST(SrcPart_AxCls, RunTimeSourceMustHaveTheDesignTimeClass) {
    Part p(false);
    p.load("NotifyingSample");
    Ref<NotifyingSample> first = makeRef<NotifyingSample>();
    p.part->SetSourceObject(first);
    EXPECT_EQ(p.notifier->take(), "AboutToChange|Changed");

    EXPECT_EQ(failure([&] { p.part->SetSourceObject(makeRef<Sample>()); }), kWrongClass);
    EXPECT_EQ(p.notifier->take(), "");  // refused before anyone was told
    EXPECT_EQ(p.part->SourceObject().get(), first.get());

    p.part->SetNotifier(nullptr);  // without a notifier the part is not designing either
    EXPECT_EQ(failure([&] { p.part->SetSourceObject(makeRef<Sample>()); }), kWrongClass);
    p.part->SetSourceObject(nullptr);  // Nothing is no class at all
    EXPECT_FALSE(p.part->SourceObject());
}

TEST(SrcPart_AxCls, DesignTimeSourceSetsTheClass) {
    Part p(true);
    p.load("NotifyingSample");
    p.part->SetSourceObject(makeRef<Sample>());
    EXPECT_EQ(p.part->AxClsTypeName(), "Sample");
    EXPECT_EQ(p.part->Caption(), "AxCls: Sample");
    EXPECT_EQ(p.notifier->take(), "AboutToChange|Changed");

    // An object that cannot be called by name is announced and refused; the class it had
    // is recorded all the same, as the check came first.
    EXPECT_EQ(failure([&] { p.part->SetSourceObject(makeRef<Opaque>()); }), "13||Type mismatch");
    EXPECT_EQ(p.notifier->take(), "AboutToChange");
    EXPECT_EQ(p.part->AxClsTypeName(), "Object");

    Part any(false);  // no recorded class: anything goes
    any.part->SetSourceObject(makeRef<OtherSample>());
    EXPECT_EQ(any.part->SourceObject()->typeName(), "OtherSample");
    EXPECT_EQ(any.part->Caption(), "AxCls: ");
}

TEST(SrcPart_AxCls, ProgIdOnlyAtDesignTime) {
    Part run(false);
    Notices notices(*run.part);
    EXPECT_EQ(failure([&] { let(*run.part, "AxClsProgID", Variant(kSampleProgId)); }),
              kProgIdAtRunTime);
    EXPECT_EQ(run.part->AxClsProgID(), "");
    EXPECT_EQ(notices.take(), "");
    run.part->SetNotifier(nullptr);
    EXPECT_EQ(failure([&] { run.part->SetAxClsProgID(kSampleProgId); }), kNoObject);

    Part design(true);
    Notices designNotices(*design.part);
    design.part->SetAxClsProgID(kSampleProgId);
    EXPECT_EQ(designNotices.take(), "AxClsProgID");
    EXPECT_EQ(design.part->AxClsProgID(), kSampleProgId);
    EXPECT_EQ(design.part->SourceObject()->typeName(), "NotifyingSample");
    EXPECT_EQ(design.part->AxClsTypeName(), "NotifyingSample");
    EXPECT_EQ(design.notifier->take(), "");  // the sample arrives without notifier calls

    // The sample stays for a new id; an id nobody registered fails and changes nothing.
    Ref<Object> sample = design.part->SourceObject();
    design.part->SetAxClsProgID(kMemberlessProgId);
    EXPECT_EQ(design.part->SourceObject().get(), sample.get());
    Part fresh(true);
    EXPECT_EQ(failure([&] { fresh.part->SetAxClsProgID("Tests.NobodyHasThis"); }).substr(0, 4),
              "429|");
    EXPECT_EQ(fresh.part->AxClsProgID(), "");
    EXPECT_FALSE(fresh.part->SourceObject());
}

TEST(SrcPart_AxCls, ListPropertyNames) {
    Part design(true);
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    bag->write("AxClsProgID", Variant(kSampleProgId));
    design.part->ReadProperties(bag);
    EXPECT_FALSE(design.part->SourceObject());           // loading makes no object
    SafeArray names = design.part->ListPropertyNames();  // ...listing does
    EXPECT_EQ(print(Variant(names)),
              "[1: Str:\"Charge\", Str:\"Small\", Str:\"Thing\", Str:\"Reset\"]");
    EXPECT_EQ(names.elementType(), VarType::String);
    EXPECT_EQ(design.part->AxClsTypeName(), "NotifyingSample");

    Part run(false);
    EXPECT_FALSE(run.part->ListPropertyNames().allocated());
    run.part->SetSourceObject(makeRef<Memberless>());
    EXPECT_EQ(failure([&] { run.part->ListPropertyNames(); }), "9||Subscript out of range");
    run.part->SetNotifier(nullptr);
    EXPECT_EQ(failure([&] { run.part->ListPropertyNames(); }), kNoObject);
}

TEST(SrcPart_AxCls, ValueLetRewordsOnlyValueErrors) {
    Part p(false);
    Ref<NotifyingSample> obj = makeRef<NotifyingSample>();
    p.part->SetSourceObject(obj);
    p.notifier->take();
    struct Case {
        const char* name;
        const char* value;
        std::string failed;
    };
    const Case cases[] = {
        {"Charge", "Str:\"abc\"", "13||Value is invalid for property Charge"},
        {"Small", "I4:100000", "6||Value is invalid for property Small"},
        {"Nope", "I4:1", "438||Object doesn't support this property or method"},
        {"Thing", "I4:1", "438||Object doesn't support this property or method"},  // set only
    };
    for (const Case& c : cases)
        EXPECT_EQ(failure([&] { p.part->LetValue(c.name, lit(c.value)); }), c.failed);
    EXPECT_EQ(p.notifier->take(), "");

    p.part->LetValue("Charge", Variant("2.5"));
    EXPECT_EQ(obj->charge, 2.5);
    EXPECT_EQ(print(p.part->Value("Charge")), "R8:2.5");
    p.part->SetValue("Thing", Variant(obj));
    EXPECT_EQ(p.part->Value("Thing").object(), obj.get());  // objects travel by reference
    // The part itself reported none of these: the object's notifications did.
    EXPECT_EQ(p.notifier->take(), "PropertyChanged:Charge|PropertyChanged:Thing");
    obj->thing.clear();  // no cycle between the object and itself
}

TEST(SrcPart_AxCls, FollowsOnlyTheCurrentObject) {
    Part p(false);
    Ref<NotifyingSample> first = makeRef<NotifyingSample>();
    Ref<NotifyingSample> second = makeRef<NotifyingSample>();
    p.part->SetSourceObject(first);
    first->SetSmall(3);
    EXPECT_EQ(p.notifier->take(), "AboutToChange|Changed|PropertyChanged:Small");

    p.part->SetSourceObject(second);
    EXPECT_EQ(first->listeners(), 0u);
    EXPECT_EQ(second->listeners(), 1u);
    first->SetCharge(1);
    second->SetCharge(2);
    EXPECT_EQ(p.notifier->take(), "AboutToChange|Changed|PropertyChanged:Charge");

    p.part->SetSourceObject(nullptr);
    EXPECT_EQ(second->listeners(), 0u);
    second->SetCharge(3);
    EXPECT_EQ(p.notifier->take(), "AboutToChange|Changed");
}

TEST(SrcPart_AxCls, UnhooksWhenItDiesOrIsReplacedMidNotification) {
    Ref<NotifyingSample> obj = makeRef<NotifyingSample>();
    {
        Part p(false);
        p.part->SetSourceObject(obj);
    }
    EXPECT_EQ(obj->listeners(), 0u);
    EXPECT_EQ(obj->refCount(), 1u);
    obj->SetCharge(1);  // nobody listens, nothing breaks

    // The framework drops the part while the part is telling it about a change.
    Part p(false);
    p.part->SetSourceObject(obj);
    Ref<SrcPart_AxCls>* holder = &p.part;
    p.notifier->onPropertyChanged = [&](std::string_view) { *holder = nullptr; };
    obj->SetCharge(2);
    EXPECT_FALSE(p.part);
    EXPECT_EQ(obj->listeners(), 0u);
    EXPECT_EQ(obj->refCount(), 1u);

    // ...or replaces its source object meanwhile.
    Part q(false);
    Ref<NotifyingSample> next = makeRef<NotifyingSample>();
    q.part->SetSourceObject(obj);
    q.notifier->onPropertyChanged = [&](std::string_view) { q.part->SetSourceObject(next); };
    obj->SetCharge(3);
    EXPECT_EQ(q.notifier->take(),
              "AboutToChange|Changed|PropertyChanged:Charge|AboutToChange|Changed");
    EXPECT_EQ(obj->listeners(), 0u);
    EXPECT_EQ(next->listeners(), 1u);
}

TEST(SrcPart_AxCls, ANotificationNeedsANotifier) {
    Part p(false);
    Ref<NotifyingSample> obj = makeRef<NotifyingSample>();
    p.part->SetSourceObject(obj);
    p.part->SetNotifier(nullptr);
    EXPECT_EQ(failure([&] { obj->announce("Charge"); }), kNoObject);
}

TEST(SrcPart_AxCls, BagAndMemberTable) {
    EXPECT_EQ(memberList(SrcPart_AxCls::table()), "AxClsProgID:String");
    Part p(true);
    p.part->SetAxClsProgID(kSampleProgId);
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    p.part->WriteProperties(bag);
    EXPECT_EQ(bag->Text(),
              "# TAVParts property bag\nAxClsProgID = Str:\"Tests.AxClsSample\"\n"
              "AxClsTypeName = Str:\"NotifyingSample\"\n");
    Ref<SrcPart_AxCls> loaded = makeRef<SrcPart_AxCls>();
    loaded->ReadProperties(bag);
    EXPECT_EQ(loaded->AxClsProgID(), kSampleProgId);
    EXPECT_EQ(loaded->Caption(), "AxCls: NotifyingSample");
    loaded->ReadProperties(makeRef<PropertyBag>());
    EXPECT_EQ(loaded->Caption(), "AxCls: ");
    EXPECT_EQ(loaded->AxClsProgID(), "");
}

}  // namespace
}  // namespace tav
