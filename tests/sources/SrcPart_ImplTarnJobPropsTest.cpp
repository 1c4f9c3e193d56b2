// Members first, the "Properties" table second, and which failures are swallowed.
#include "sources/SrcPart_ImplTarnJobProps.h"

#include <gtest/gtest.h>

#include "SourceFakes.h"

namespace tav {
namespace {

using namespace fakes;

struct Bound {
    Ref<SrcPart_ImplTarnJobProps> part = makeRef<SrcPart_ImplTarnJobProps>();
    Ref<FakeNotifier> notifier = makeRef<FakeNotifier>();
    Ref<FakeJob> job = makeRef<FakeJob>();
    Bound() {
        part->SetNotifier(notifier->ref());
        part->SetSourceObject(job);
        notifier->take();
    }
};

TEST(SrcPart_ImplTarnJobProps, ReadsMembersThenPropertiesAndNeverFails) {
    Bound b;
    EXPECT_EQ(print(b.part->Value("Status")), "Str:\"Queued\"");
    EXPECT_EQ(print(b.part->Value("Priority")), "I4:3");
    EXPECT_EQ(print(b.part->Value("Colour")), "Empty");
    std::vector<Variant> name{Variant("Colour")};
    EXPECT_EQ(print(invoke(*b.part, "iTAVSourcePart", "Value", InvokeKind::PropertyGet, name)),
              "Empty");
    b.part->SetSourceObject(nullptr);
    EXPECT_EQ(print(b.part->Value("Status")), "Empty");
}

TEST(SrcPart_ImplTarnJobProps, WritesMembersThenPropertiesAndReportsBoth) {
    Bound b;
    b.part->LetValue("Status", Variant("Running"));
    EXPECT_EQ(b.job->status, "Running");
    b.part->LetValue("Priority", Variant::I4(7));
    EXPECT_EQ(print(b.job->table_["Priority"]), "I4:7");
    EXPECT_EQ(b.notifier->take(), "PropertyChanged:Status|PropertyChanged:Priority");

    // Neither a member nor a key: the table's own error, and no report.
    EXPECT_EQ(failure([&] { b.part->LetValue("Colour", Variant("red")); }),
              "5|FakeJob|no such key");
    EXPECT_EQ(b.notifier->take(), "");
}

TEST(SrcPart_ImplTarnJobProps, WithoutANotifierOnlyTheFallbackWriteFails) {
    Bound b;
    b.part->SetNotifier(nullptr);
    b.part->LetValue("Status", Variant("Done"));  // written; the missing notifier is swallowed
    EXPECT_EQ(b.job->status, "Done");
    const std::string noObject = "91||Object variable or With block variable not set";
    EXPECT_EQ(failure([&] { b.part->LetValue("Priority", Variant::I4(1)); }), noObject);
    EXPECT_EQ(print(b.job->table_["Priority"]), "I4:1");  // written before the notifier was asked
    EXPECT_EQ(failure([&] { b.part->SetSourceObject(makeRef<FakeJob>()); }), noObject);
    EXPECT_EQ(b.part->SourceObject().get(), b.job.get());
}

TEST(SrcPart_ImplTarnJobProps, SourceMustBeAJob) {
    Bound b;
    Ref<FakeJob> next = makeRef<FakeJob>();
    b.part->SetSourceObject(next);
    EXPECT_EQ(b.notifier->take(), "AboutToChange|Changed");
    for (Ref<Object> notAJob : {Ref<Object>(makeRef<Sample>()), Ref<Object>(makeRef<Opaque>())}) {
        EXPECT_EQ(failure([&] { b.part->SetSourceObject(notAJob); }), "13||Type mismatch");
        EXPECT_EQ(b.notifier->take(), "AboutToChange");
        EXPECT_EQ(b.part->SourceObject().get(), next.get());
    }
}

TEST(SrcPart_ImplTarnJobProps, FixedAnswers) {
    Bound b;
    EXPECT_EQ(b.part->Caption(), "Job");
    EXPECT_FALSE(b.part->ListPropertyNames().allocated());
    EXPECT_EQ(failure([&] { b.part->SetValue("Status", Variant(b.job)); }), "5||");
    EXPECT_TRUE(SrcPart_ImplTarnJobProps::table().defaultInterface().members().empty());
    EXPECT_FALSE(tryQuery<Persistable>(b.part.get()));
    EXPECT_EQ(b.part->Notifier().object(), b.notifier.get());
}

}  // namespace
}  // namespace tav
