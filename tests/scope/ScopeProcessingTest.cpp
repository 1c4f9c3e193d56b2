// The document of a scope and the lock check, called directly: the scope argument (given,
// Missing, Nothing, not a scope), a scope manager of another host whose scopes are its own, and
// a manager that hands out Nothing where a scope must be.
#include "scope/ScopeProcessing.h"

#include <gtest/gtest.h>

#include "host/model/Model.h"
#include "host/model/ModelObject.h"
#include "host/model/Scope.h"
#include "host/model/ScopeManager.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

using testing_support::errorOf;
namespace SP = ScopeProcesseing;

// A scope manager of another host: its scopes are plain lists, and it may lose its results.
class ForeignScope : public Object, public iTAVScope, public iTAVScopeContents {
  public:
    std::vector<Ref<Object>> items;
    IRef<iTAVScopeContents> Contents() override {
        return IRef<iTAVScopeContents>(Ref<Object>(this), this);
    }
    int32_t Count() override { return static_cast<int32_t>(items.size()); }
    Ref<Object> Item(int32_t i) override { return items.at(static_cast<size_t>(i - 1)); }
};

class ForeignManager : public Object, public iTAVScopeManager {
  public:
    bool loseResults = false;
    std::vector<std::string> asked;
    IRef<iTAVScope> DefaultScope() override { return {}; }
    IRef<iTAVScope> ProcessScope(const IRef<iTAVScope>& s, std::string_view name) override {
        asked.emplace_back(name);
        if (loseResults) return {};
        Ref<ForeignScope> out = makeRef<ForeignScope>();
        for (const Ref<Object>& o : static_cast<ForeignScope*>(s.get())->items) {
            auto* object = dynamic_cast<hostmodel::ModelObject*>(o.get());
            // Only the coercion finds documents here.
            if (object && name == ScopeProcessorNames::DocumentRootCoercion && out->items.empty())
                out->items.emplace_back(&object->model());
        }
        return IRef<iTAVScope>(Ref<Object>(out), out.get());
    }
    ConnectionPoint<iTAVScopeManagerEvents>& scopeManagerEvents() override { return events_; }

  private:
    ConnectionPoint<iTAVScopeManagerEvents> events_;
};

TEST(ScopeProcessing, TheScopeArgument) {
    Ref<hostmodel::Model> m = makeRef<hostmodel::Model>();
    Ref<hostmodel::Scope> atoms = makeRef<hostmodel::Scope>();
    atoms->Add(Ref<Object>(m->AddObject("Atom", "C1")));
    Ref<hostmodel::ScopeManager> sm = makeRef<hostmodel::ScopeManager>();
    const IRef<iTAVScopeManager> manager(sm);

    // Given explicitly, Missing (the default scope, empty here), Nothing.
    EXPECT_EQ(SP::GetDocumentFromScope(manager, Variant(atoms)).object(), m.get());
    EXPECT_FALSE(SP::GetDocumentFromScope(manager));
    EXPECT_FALSE(SP::GetDocumentFromScope(manager, Variant::Nothing()));
    // Only the two lookups of the default scope asked the processors.
    EXPECT_EQ(sm->Processed(),
              "Filter:DocumentRoot|DocumentRootCoercion:Model3d|Filter:DocumentRoot|"
              "DocumentRootCoercion:Model3d");
    EXPECT_EQ(errorOf([&] { SP::GetDocumentFromScope(manager, Variant::I4(1)); }),
              err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { SP::GetDocumentFromScope(manager, Variant(m)); }), err::TypeMismatch);
    try {
        SP::GetDocumentFromScope({}, Variant(atoms));
        ADD_FAILURE();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
        EXPECT_EQ(e.source(), "");
        EXPECT_EQ(e.description(), "GetDocumentFromScope, requires a Scope-Manager.");
    }
    // No document: nothing to check.
    EXPECT_EQ(errorOf([&] { SP::CheckDocumentNotLocked({}); }), 0);
    m->Lock("Job 7");
    EXPECT_EQ(errorOf([&] { SP::CheckScopeDocumentNotLocked(manager, Variant(atoms)); }),
              err::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { SP::CheckScopeDocumentNotLocked(manager); }), 0);
}

TEST(ScopeProcessing, AnotherHostsScopes) {
    Ref<hostmodel::Model> m = makeRef<hostmodel::Model>();
    Ref<ForeignScope> scope = makeRef<ForeignScope>();
    scope->items.emplace_back(m->AddObject("Atom", "C1"));
    Ref<ForeignManager> fm = makeRef<ForeignManager>();
    const IRef<iTAVScopeManager> manager(Ref<Object>(fm), fm.get());
    const Variant given{Ref<Object>(scope)};
    EXPECT_EQ(SP::GetDocumentFromScope(manager, given).object(), m.get());
    // A manager that gives Nothing where the coercion's scope must be: error 91, not a crash.
    fm->loseResults = true;
    EXPECT_EQ(errorOf([&] { SP::GetDocumentFromScope(manager, given); }), err::ObjectNotSet);
    EXPECT_EQ(fm->asked.size(), 4u);
}

}  // namespace
}  // namespace tav
