// Reading and writing by name, the notifier calls around writes and source changes, the bag.
#include "sources/SrcPart_iDisp.h"

#include <gtest/gtest.h>

#include "SourceFakes.h"
#include "registry/LibraryClasses.h"

namespace tav {
namespace {

using namespace fakes;

struct Bound {
    Ref<SrcPart_iDisp> part = makeRef<SrcPart_iDisp>();
    Ref<FakeNotifier> notifier = makeRef<FakeNotifier>();
    Ref<Sample> object = makeRef<Sample>();
    Bound() {
        part->SetNotifier(notifier->ref());
        part->SetSourceObject(object);
        notifier->take();
    }
};

TEST(SrcPart_iDisp, ReadsAndWritesByNameAndReportsWrites) {
    Bound b;
    EXPECT_EQ(print(b.part->Value("charge")), "R8:1.5");
    b.part->LetValue("Charge", Variant("2.5"));  // coerced to the property's type
    EXPECT_EQ(b.object->charge, 2.5);
    EXPECT_EQ(b.notifier->take(), "PropertyChanged:Charge");
    std::vector<Variant> args{Variant("Label"), Variant("N1")};
    invoke(*b.part, "iTAVSourcePart", "Value", InvokeKind::PropertyLet, args);
    EXPECT_EQ(b.object->label, "N1");
    EXPECT_EQ(b.notifier->take(), "PropertyChanged:Label");

    b.part->SetNotifier(nullptr);
    b.part->LetValue("Charge", Variant::R8(4));
    EXPECT_EQ(b.object->charge, 4);
    EXPECT_EQ(b.notifier->take(), "");
}

TEST(SrcPart_iDisp, AFailedWriteIsNotReported) {
    Bound b;
    const char* const failures[] = {"Missing|R8:1", "Charge|Str:\"abc\"", "Small|I4:100000",
                                    "Reset|I4:1"};
    const char* const expected[] = {"438||Object doesn't support this property or method",
                                    "13||Type mismatch", "6||Overflow",
                                    "438||Object doesn't support this property or method"};
    for (size_t i = 0; i < std::size(failures); ++i) {
        std::string_view line = failures[i];
        const size_t bar = line.find('|');
        EXPECT_EQ(
            failure([&] { b.part->LetValue(line.substr(0, bar), lit(line.substr(bar + 1))); }),
            expected[i]);
        EXPECT_EQ(b.notifier->take(), "") << line;
    }
    EXPECT_EQ(b.object->charge, 1.5);
}

TEST(SrcPart_iDisp, GetPassesWhateverTheObjectReturns) {
    Bound b;
    const Variant values[] = {Variant(makeRef<OtherSample>()),
                              Variant(SafeArray::vector({Variant::I4(1)})),
                              Variant::Error(0x800A0007), Variant::Null()};
    for (const Variant& v : values) {
        b.object->thing = v;
        EXPECT_EQ(print(b.part->Value("Thing")), print(v));
    }
    b.object->thing = Variant(b.object);
    EXPECT_EQ(b.part->Value("Thing").object(), b.object.get());
    b.object->thing.clear();  // the object no longer keeps itself alive
}

TEST(SrcPart_iDisp, ReplacingTheSourceIsBracketedByTheNotifier) {
    Bound b;
    Ref<Sample> next = makeRef<Sample>();
    b.part->SetSourceObject(next);
    EXPECT_EQ(b.notifier->take(), "AboutToChange|Changed");
    EXPECT_EQ(b.part->SourceObject().get(), next.get());

    b.part->SetSourceObject(nullptr);
    EXPECT_EQ(b.notifier->take(), "AboutToChange|Changed");
    EXPECT_EQ(failure([&] { b.part->Value("Charge"); }),
              "91||Object variable or With block variable not set");

    // An object that cannot be called by name: announced, refused, the old one stays.
    b.part->SetSourceObject(next);
    b.notifier->take();
    EXPECT_EQ(failure([&] { b.part->SetSourceObject(makeRef<Opaque>()); }), "13||Type mismatch");
    EXPECT_EQ(b.notifier->take(), "AboutToChange");
    EXPECT_EQ(b.part->SourceObject().get(), next.get());

    // A notifier given afterwards hears nothing of the past.
    Ref<FakeNotifier> late = makeRef<FakeNotifier>();
    b.part->SetNotifier(late->ref());
    EXPECT_EQ(late->take(), "");
    EXPECT_EQ(b.part->Notifier().object(), late.get());
    b.part->SetNotifier(nullptr);
    b.part->SetSourceObject(b.object);  // no notifier: nothing to tell
    EXPECT_EQ(b.part->SourceObject().get(), b.object.get());
}

TEST(SrcPart_iDisp, SetValueIsRefused) {
    Bound b;
    for (const char* name : {"Thing", "Charge", ""})
        EXPECT_EQ(failure([&] { b.part->SetValue(name, Variant(b.object)); }), "5||") << name;
    EXPECT_EQ(print(b.object->thing), "Empty");
    EXPECT_EQ(b.notifier->take(), "");
}

TEST(SrcPart_iDisp, CaptionListAndBag) {
    Ref<SrcPart_iDisp> part = makeRef<SrcPart_iDisp>();
    EXPECT_EQ(memberList(SrcPart_iDisp::table()), "SharingName:String");
    EXPECT_EQ(part->Caption(), "iDisp:");
    SafeArray names = part->ListPropertyNames();
    EXPECT_FALSE(names.allocated());
    EXPECT_EQ(names.elementType(), VarType::String);

    Notices notices(*part);
    let(*part, "SharingName", Variant("Atoms"));
    EXPECT_EQ(notices.take(), "SharingName");
    EXPECT_EQ(part->Caption(), "iDisp:Atoms");
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    part->WriteProperties(bag);
    EXPECT_EQ(bag->Text(), "# TAVParts property bag\nSharingName = Str:\"Atoms\"\n");
    Ref<SrcPart_iDisp> loaded = makeRef<SrcPart_iDisp>();
    loaded->ReadProperties(bag);
    EXPECT_EQ(print(get(*loaded, "SharingName")), "Str:\"Atoms\"");
    loaded->ReadProperties(makeRef<PropertyBag>());
    EXPECT_EQ(loaded->SharingName(), "");
    loaded->WriteProperties(bag = makeRef<PropertyBag>());
    EXPECT_EQ(bag->Count(), 0);
}

TEST(SrcPart_iDisp, CreatedByProgramId) {
    Ref<Object> part = createObject("SCTAVParts.SrcPart_iDisp");
    EXPECT_EQ(part->typeName(), "SrcPart_iDisp");
    EXPECT_TRUE(tryQuery<iTAVSourcePart>(part.get()));
}

}  // namespace
}  // namespace tav
