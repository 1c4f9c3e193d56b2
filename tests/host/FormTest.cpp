// The binding framework harness: cycles, the stop-cycle rule, failures, the notifier's
// redisplays (deferred while a cycle runs), direct glues, multi-source bindings, binding items.
#include "host/framework/Form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "automation/conversions/Conversions.h"
#include "automation/values/SafeArray.h"
#include "automation/objects/Invoke.h"
#include "contracts/iTAVContainerRoot.h"
#include "contracts/iTAVControlFinder.h"
#include "host/controls/ComboBox.h"
#include "host/controls/TextBox.h"
#include "host/framework/BindingItem.h"
#include "host/framework/FailureCallback.h"
#include "host/framework/FrameworkText.h"
#include "HostTestParts.h"

namespace tav {
namespace {

using namespace testparts;

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { form->setSource(source, object); }

    Ref<TraceGlue> glue(const char* name) { return makeRef<TraceGlue>(name, trace); }
    Binding& bind(const char* name, std::string_view property, const Ref<Object>& control,
                  std::initializer_list<Ref<Object>> glues, const Ref<TestSource>& src = {}) {
        std::vector<Ref<Object>> g(glues);
        return form->addBinding(name, Ref<Object>(src ? src : source), property, control, g);
    }
    size_t count(std::string_view entry) const { return static_cast<size_t>(std::count(trace.begin(), trace.end(), entry)); }

    Trace trace;
    Ref<Form> form = makeRef<Form>();
    Ref<TestSource> source = makeRef<TestSource>(&trace);
    Ref<AutoObject> object = sampleObject({{"Length", "R8", Variant::R8(2.5)}, {"Unit", "Str", Variant("mm")}});
    Ref<TextBox> box = makeRef<TextBox>();
};

TEST_F(FormTest, DisplayRunsTheChainInOrderAndStorageInReverseThenRedisplays) {
    Ref<TraceGlue> a = glue("a"), b = glue("b");
    a->onDisplay = [](Variant& v) { v = Variant::R8(v.r8() * 10); };
    a->onStore = [](Variant& v) { v = Variant::R8(CDbl(v) / 10); };
    Binding& len = bind("len", "Length", box, {a, b});
    EXPECT_EQ(trace, (Trace{"a.WakeUp", "b.WakeUp"}));

    trace.clear();
    EXPECT_EQ(form->display(len).outcome, CycleOutcome::Done);
    EXPECT_EQ(trace, (Trace{"get:Length", "a.display", "b.display"}));
    EXPECT_EQ(box->text(), "25");

    trace.clear();
    box->SetValue(Variant("7"));
    EXPECT_EQ(form->store(len).outcome, CycleOutcome::Done);
    // The write reports the change; the redisplay waits for the storage cycle to end.
    EXPECT_EQ(trace, (Trace{"b.store", "a.store", "let:Length=R8:0.7", "get:Length", "a.display", "b.display"}));
    EXPECT_EQ(literal::print(get(*object, "Length")), "R8:0.7");
    EXPECT_EQ(form->Log(), "AboutToChange|Changed|PropertyChanged:Length");
}

TEST_F(FormTest, StopCycleEndsEitherCycleQuietlyWhateverItsText) {
    struct Case {
        int32_t number;
        const char* source;
        const char* description;
    };
    for (const Case c : {Case{err::StopCycle, "", ""}, Case{err::StopCycle, "Glue", "silently stop storage cycle."}}) {
        SCOPED_TRACE(c.description);
        Ref<Form> f = makeRef<Form>();
        Ref<TestSource> src = makeRef<TestSource>(&trace);
        f->setSource(src, object);
        Ref<TraceGlue> g = glue("g");
        g->onDisplay = g->onStore = [&](Variant&) { throw AutomationError(c.number, c.source, c.description); };
        std::vector<Ref<Object>> glues{g};
        Binding& b = f->addBinding("len", src, "Length", box, glues);
        box->SetValue(Variant("kept"));
        trace.clear();

        EXPECT_EQ(f->display(b).outcome, CycleOutcome::Stopped);
        EXPECT_EQ(box->text(), "kept");
        EXPECT_EQ(f->store(b).outcome, CycleOutcome::Stopped);
        EXPECT_EQ(literal::print(get(*object, "Length")), "R8:2.5");  // nothing written
        EXPECT_TRUE(f->takeFailures().empty());
        EXPECT_EQ(trace, (Trace{"get:Length", "g.display", "g.store"}));  // no OnBindingError
        EXPECT_EQ(literal::print(f->Display("len")), "Str:\"#stopped\"");
        EXPECT_EQ(f->Store("len"), "#stopped");
    }
}

TEST_F(FormTest, OtherErrorsAreFailuresWithNumberSourceAndDescription) {
    Ref<TraceGlue> g = glue("g");
    g->onDisplay = [](Variant&) { throw AutomationError(err::TypeMismatch, "GluX", "bad value"); };
    g->onStore = [](Variant&) { throw AutomationError(err::StopCycle + 1, "GluX", "odd"); };
    Binding& b = bind("len", "Length", box, {g});
    box->SetValue(Variant("kept"));

    const CycleResult r = form->display(b);
    ASSERT_EQ(r.outcome, CycleOutcome::Failed);
    EXPECT_EQ(box->text(), "kept");
    EXPECT_EQ(count("g.error:1"), 1u);
    EXPECT_EQ(form->store(b).outcome, CycleOutcome::Failed);
    EXPECT_EQ(literal::print(get(*object, "Length")), "R8:2.5");

    const std::vector<CycleFailure> failures = form->takeFailures();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].binding, "len");
    EXPECT_EQ(failures[0].cycle, Cycle::Display);
    EXPECT_EQ(failures[0].number, err::TypeMismatch);
    EXPECT_EQ(failures[0].source, "GluX");
    EXPECT_EQ(failures[0].description, "bad value");
    EXPECT_EQ(failures[1].cycle, Cycle::Storage);
    EXPECT_TRUE(form->takeFailures().empty());

    try {
        form->Display("len");
        FAIL() << "a failed display is raised by name";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::TypeMismatch);
        EXPECT_EQ(e.description(), "bad value");
    }
    EXPECT_EQ(form->Failures(), "len display Err:13 \"GluX\" \"bad value\"");
}

TEST_F(FormTest, PropertyChangeRedisplaysOnlyThatPropertysBindingsOnThatSource) {
    Ref<TextBox> unitBox = makeRef<TextBox>(), otherBox = makeRef<TextBox>();
    Ref<TestSource> other = makeRef<TestSource>(&trace);
    form->setSource(other, object);
    bind("len", "Length", box, {});
    bind("unit", "Unit", unitBox, {});
    bind("otherLen", "Length", otherBox, {}, other);

    let(*object, "Length", Variant::R8(4));
    let(*object, "Unit", Variant("in"));
    source->Notifier()->PropertyChanged("LENGTH");  // names compare without regard to case
    EXPECT_EQ(box->text(), "4");
    EXPECT_EQ(unitBox->text(), "");
    EXPECT_EQ(otherBox->text(), "");
}

TEST_F(FormTest, SourceChangeWakesAndRedisplaysEveryBindingOnThatSource) {
    Ref<TextBox> unitBox = makeRef<TextBox>();
    Ref<TraceGlue> a = glue("a"), b = glue("b");
    bind("len", "Length", box, {a});
    bind("unit", "Unit", unitBox, {b});
    form->Log();
    trace.clear();

    form->setSource(source, sampleObject({{"Length", "R8", Variant::R8(9)}, {"Unit", "Str", Variant("ft")}}));
    EXPECT_EQ(trace, (Trace{"a.WakeUp", "get:Length", "a.display", "b.WakeUp", "get:Unit", "b.display"}));
    EXPECT_EQ(box->text(), "9");
    EXPECT_EQ(unitBox->text(), "ft");
    EXPECT_EQ(form->Log(), "AboutToChange|Changed");
}

TEST_F(FormTest, ChangesDuringACycleWaitForItsEndAndRunOncePerBinding) {
    Ref<TraceGlue> a = glue("a");
    Binding& len = bind("len", "Length", box, {a});
    a->onStore = [&](Variant&) {
        source->Notifier()->SourceObjectChanged();
        source->Notifier()->PropertyChanged("Length");
        a->item->RequestRedisplay();
    };
    box->SetValue(Variant("3"));
    trace.clear();

    EXPECT_EQ(form->store(len).outcome, CycleOutcome::Done);
    EXPECT_EQ(trace, (Trace{"a.store", "let:Length=Str:\"3\"", "a.WakeUp", "get:Length", "a.display"}));
}

TEST_F(FormTest, BindingItemRequestsRunNowOutsideACycleAndAfterItInside) {
    Ref<TraceGlue> a = glue("a");
    bind("len", "Length", box, {a});
    trace.clear();
    a->item->RequestRedisplay();
    EXPECT_EQ(trace, (Trace{"get:Length", "a.display"}));

    trace.clear();
    a->onDisplay = [&](Variant&) {
        a->onDisplay = nullptr;
        a->item->RequestStore();
    };
    form->Display("len");
    EXPECT_EQ(trace, (Trace{"get:Length", "a.display", "a.store", "let:Length=Str:\"2.5\"", "get:Length",
                            "a.display"}));
}

TEST_F(FormTest, EndlessRedisplayRequestsAreCutOffAndReported) {
    Ref<TraceGlue> a = glue("a");
    bind("len", "Length", box, {a});
    a->onDisplay = [&](Variant&) { a->item->RequestRedisplay(); };
    form->Display("len");
    const std::vector<CycleFailure> failures = form->takeFailures();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].description, FrameworkText::Unsettled);
}

TEST_F(FormTest, FailureSinksHearEveryFailureOnceItsCycleHasEnded) {
    Ref<TraceGlue> g = glue("g");
    Binding& len = bind("len", "Length", box, {g});
    std::vector<std::string> heard;
    auto onFailure = std::make_unique<FailureCallback>(*form, [&](const CycleFailure& f) {
        heard.push_back(f.binding + " " + std::string(cycleName(f.cycle)) + (len.running ? " running" : ""));
    });
    g->onDisplay = [](Variant&) { throw AutomationError(err::Overflow, "", "Overflow"); };
    source->Notifier()->PropertyChanged("Length");  // a program change: no caller sees the result
    g->onDisplay = [&](Variant&) { g->item->RequestRedisplay(); };
    form->display(len);
    EXPECT_EQ(heard, (std::vector<std::string>{"len display", "len display"}));
    EXPECT_EQ(form->takeFailures().back().description, FrameworkText::Unsettled);

    onFailure.reset();
    g->onDisplay = [](Variant&) { throw AutomationError(err::Overflow, "", "Overflow"); };
    form->display(len);
    EXPECT_EQ(heard.size(), 2u);
    EXPECT_EQ(form->takeFailures().size(), 1u);
}

TEST_F(FormTest, RemovingABindingTearsItDownAndDropsWhatWaitsForIt) {
    Ref<TraceGlue> a = glue("a");
    Ref<TextBox> unitBox = makeRef<TextBox>();
    Binding& len = bind("len", "Length", box, {a});
    bind("unit", "Unit", unitBox, {});
    const IRef<iTAVBindingItem> item = a->item;  // the glue lets it go when torn down
    a->onStore = [&](Variant&) {
        item->RequestRedisplay();
        form->removeBinding(len);  // its control destroyed by what the storage did, say
    };
    box->SetValue(Variant("3"));
    trace.clear();
    EXPECT_EQ(form->store(len).outcome, CycleOutcome::Done);
    EXPECT_EQ(trace, (Trace{"a.store", "a.TearDown", "let:Length=Str:\"3\""}));
    ASSERT_EQ(form->bindings().size(), 1u);
    EXPECT_EQ(form->bindings()[0]->name(), "unit");

    trace.clear();
    item->RequestRedisplay();
    source->Notifier()->PropertyChanged("Length");
    EXPECT_TRUE(trace.empty());
    EXPECT_FALSE(item->Parent());  // the binding is gone
}

TEST_F(FormTest, DirectGlueIsWokenWithTheSourceObjectAndReadsTheValueItself) {
    Ref<TraceDirect> d = makeRef<TraceDirect>(trace);
    Ref<ComboBox> combo = makeRef<ComboBox>();
    std::vector<Ref<Object>> glues{d};
    Binding& b = form->addBinding("unit", source, "Unit", combo, glues);
    EXPECT_TRUE(b.isDirect());
    EXPECT_EQ(trace, (Trace{"direct.WakeUp:AutoObject:Unit:ComboBox"}));

    trace.clear();
    EXPECT_EQ(literal::print(form->Display("unit")), "Str:\"shown\"");
    combo->SetText("typed");
    EXPECT_EQ(form->Store("unit"), "#stored");
    EXPECT_EQ(trace, (Trace{"direct.display:Missing", "direct.store:Str:\"typed\"", "let:Unit=I4:42",
                            "direct.display:Missing"}));
    EXPECT_EQ(literal::print(get(*object, "Unit")), "Str:\"42\"");
}

TEST_F(FormTest, MultiSourceBindingCarriesANameValueArray) {
    Ref<TraceGlue> g = glue("g");
    Variant seen;
    g->onDisplay = [&](Variant& v) {
        seen = v;
        v = Variant("shown");
    };
    bind("both", "Length|Unit", box, {g});
    EXPECT_EQ(literal::print(g->item->SourcePropertyNames().data()[1]), "Str:\"Unit\"");
    EXPECT_EQ(g->item->SourcePropertyName(), "Length|Unit");

    form->Display("both");
    EXPECT_EQ(literal::print(seen), "[[Str:\"Length\", R8:2.5], [Str:\"Unit\", Str:\"mm\"]]");

    g->onStore = [&](Variant& v) {
        SafeArray a = seen.array();
        a.at({0, 1}) = Variant::R8(7);
        a.at({1, 1}) = Variant("cm");
        v = Variant(std::move(a));
    };
    EXPECT_EQ(form->Store("both"), "#stored");
    EXPECT_EQ(literal::print(get(*object, "Length")), "R8:7");
    EXPECT_EQ(literal::print(get(*object, "Unit")), "Str:\"cm\"");

    g->onStore = [](Variant& v) { v = Variant::R8(1); };
    EXPECT_EQ(form->store(form->binding("both")).outcome, CycleOutcome::Failed);
    EXPECT_EQ(form->takeFailures().back().description, FrameworkText::NotNameValueArray);
}

TEST_F(FormTest, BindingItemReachesParentControlFinderAndCommands) {
    Ref<TraceGlue> g = glue("g");
    bind("len", "Length", box, {g});
    box->SetValue(Variant("12.50"));
    EXPECT_EQ(literal::print(g->item->ControlPart()->CurrentValue()), "Str:\"12.50\"");

    IRef<iTAVParentBinding> parent = g->item->Parent();
    EXPECT_FALSE(parent->DesignTime());
    form->SetDesignMode(true);
    EXPECT_TRUE(parent->DesignTime());
    EXPECT_TRUE(source->Notifier()->DesignMode());
    EXPECT_EQ(parent->SourcePart().object(), source.get());

    Ref<Object> root = parent->ControlFinder()->FindControl(Variant(iTAVControlFinder::kContainerRoot));
    IRef<iTAVCommandObject> commands = query<iTAVContainerRoot>(root.get())->CommandObject();
    form->AddCommand("Go", "ok");
    form->AddCommand("Bad", "fail:0x80040300:It broke");
    commands->RunCommand("go");
    // The same objects by name, as a part written against the tables reaches them.
    Variant rootName[] = {Variant(iTAVControlFinder::kContainerRoot)}, go[] = {Variant("Go")};
    Variant byName = invoke(*parent->ControlFinder().object(), "iTAVControlFinder", "FindControl",
                            InvokeKind::Method, rootName);
    Variant commandObject = invoke(*byName.object(), "iTAVContainerRoot", "CommandObject", InvokeKind::PropertyGet);
    invoke(*commandObject.object(), "iTAVCommandObject", "RunCommand", InvokeKind::Method, go);
    EXPECT_EQ(form->CommandRuns("Go"), 2);
    try {
        commands->RunCommand("Bad");
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::hresult(0x80040300u));
        EXPECT_EQ(e.source(), FrameworkText::CommandsSource);
        EXPECT_EQ(e.description(), "It broke");
    }
    EXPECT_EQ(form->CommandRuns("Bad"), 1);
    EXPECT_THROW(commands->RunCommand("Nope"), AutomationError);
    EXPECT_THROW(form->AddCommand("Odd", "fail:x:y"), AutomationError);
    EXPECT_FALSE(parent->ControlFinder()->FindControl(Variant("nothing here")));

    form = nullptr;  // glues may keep the item longer than the form lives
    EXPECT_TRUE(g->item->Parent());
    g->item->RequestStore();
    EXPECT_FALSE(g->item->Parent()->ControlFinder());
}

TEST_F(FormTest, AddBindingRefusesWhatCannotBeBound) {
    Ref<TraceDirect> d = makeRef<TraceDirect>(trace);
    Ref<TraceGlue> g = glue("g");
    struct Case {
        const char* what;
        std::function<void()> add;
        int32_t number;
    };
    const Case cases[] = {
        {"no source", [&] { form->addBinding("x", {}, "Length", box, {}); }, err::InvalidProcedureCall},
        {"no property", [&] { bind("x", "Length||Unit", box, {}); }, err::InvalidProcedureCall},
        {"no control", [&] { bind("x", "Length", {}, {}); }, err::InvalidProcedureCall},
        {"not a control", [&] { bind("x", "Length", object, {}); }, err::TypeMismatch},
        {"not a glue", [&] { bind("x", "Length", box, {g, object}); }, err::TypeMismatch},
        {"direct among glues", [&] { bind("x", "Length", box, {g, d}); }, err::InvalidProcedureCall},
        {"direct on two properties", [&] { bind("x", "Length|Unit", box, {d}); }, err::InvalidProcedureCall},
        {"name taken", [&] { bind("LEN", "Length", box, {}); }, err::KeyAlreadyExists},
    };
    bind("len", "Length", box, {});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.add();
            ADD_FAILURE() << "accepted";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), c.number);
        }
    }
    EXPECT_EQ(form->bindings().size(), 1u);
}

}  // namespace
}  // namespace tav
