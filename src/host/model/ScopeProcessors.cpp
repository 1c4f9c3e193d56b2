#include "host/model/ScopeProcessors.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "contracts/iTAVDocumentRoot.h"
#include "contracts/iTAVScopeManager.h"
#include "host/model/ModelText.h"

namespace tav::hostmodel::ScopeProcessors {

namespace {

namespace T = ModelText;
namespace P = ScopeProcessorNames;

[[noreturn]] void fail(std::string_view message, std::string_view subject) {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::ScopeManager),
                          std::string(message) + std::string(subject));
}

void refuseInfinite(const Scope& in, std::string_view processorName) {
    if (in.Infinite()) fail(T::InfiniteScope, processorName);
}

bool isDocumentRoot(const Object* o) {
    return dynamic_cast<const iTAVDocumentRoot*>(o) != nullptr;
}

Ref<Scope> documentRoots(const Scope& in) {
    Ref<Scope> out = makeRef<Scope>();
    for (const ScopeRun& run : in.runs())
        if (!run.isModelObjects() && isDocumentRoot(run.object.get())) out->addObject(run.object);
    return out;
}

Ref<Scope> modelsOf(const Scope& in) {
    Ref<Scope> out = makeRef<Scope>();
    std::unordered_set<const Object*> seen;
    for (const ScopeRun& run : in.runs()) {
        Ref<Object> doc = run.isModelObjects() ? Ref<Object>(run.model) : run.object;
        if (!isDocumentRoot(doc.get())) continue;
        if (seen.insert(doc.get()).second) out->addObject(doc);
    }
    return out;
}

// The runs of model objects that `keep` accepts, shared whole.
template <class Keep>
Ref<Scope> modelObjects(const Scope& in, Keep keep) {
    Ref<Scope> out = makeRef<Scope>();
    for (const ScopeRun& run : in.runs())
        if (run.isModelObjects() && keep(run)) out->addRows(run.model, run.cls, run.rows);
    return out;
}

Ref<Scope> displayCandidates(const Scope& in) {
    Ref<Scope> out = makeRef<Scope>();
    for (const ScopeRun& run : in.runs()) {
        if (!run.isModelObjects()) continue;
        const ModelClass& cls = run.model->classAt(run.cls);
        auto rows = std::make_shared<std::vector<uint32_t>>();
        std::copy_if(run.rows->begin(), run.rows->end(), std::back_inserter(*rows),
                     [&](uint32_t r) { return cls.displayCandidate(r); });
        out->addRows(run.model, run.cls, std::move(rows));
    }
    return out;
}

// Objects added one by one, gathered into runs of rows without a handle per object.
class RunBuilder {
  public:
    void add(const Ref<Model>& model, ObjectKey key) {
        if (!rows_ || model != model_ || key.cls != cls_) {
            flush();
            model_ = model;
            cls_ = key.cls;
            rows_ = std::make_shared<std::vector<uint32_t>>();
        }
        rows_->push_back(key.row);
    }
    Ref<Scope> finish() {
        flush();
        return out_;
    }

  private:
    void flush() {
        if (rows_) out_->addRows(model_, cls_, std::move(rows_));
        rows_.reset();
    }
    Ref<Scope> out_ = makeRef<Scope>();
    Ref<Model> model_;
    uint32_t cls_ = 0;
    std::shared_ptr<std::vector<uint32_t>> rows_;
};

Ref<Scope> toParents(const Scope& in, ParentKind kind) {
    RunBuilder out;
    std::unordered_map<const Model*, std::unordered_set<uint64_t>> seen;
    for (const ScopeRun& run : in.runs()) {
        if (!run.isModelObjects()) continue;
        const ModelClass& cls = run.model->classAt(run.cls);
        std::unordered_set<uint64_t>& seenInModel = seen[run.model.get()];
        for (uint32_t r : *run.rows) {
            const ObjectKey key = cls.parent(kind, r).value_or(ObjectKey{run.cls, r});
            if (seenInModel.insert(key.packed()).second) out.add(run.model, key);
        }
    }
    return out.finish();
}

}  // namespace

Ref<Scope> process(const Scope& in, std::string_view processorName) {
    if (processorName == P::FilterDocumentRoot) return documentRoots(in);
    if (processorName == P::DocumentRootCoercion) return modelsOf(in);
    if (processorName == P::FilterModel3d) {
        refuseInfinite(in, processorName);
        return modelObjects(in, [](const ScopeRun&) { return true; });
    }
    if (processorName == P::FilterDisplayCandidate) return displayCandidates(in);
    if (processorName == P::NormalizePeriodicParent) return toParents(in, ParentKind::Periodic);
    if (processorName == P::NormalizeSymmetryParent) return toParents(in, ParentKind::Symmetry);
    if (processorName.starts_with(P::FilterModel3dClassPrefix)) {
        refuseInfinite(in, processorName);
        const std::string_view className = processorName.substr(P::FilterModel3dClassPrefix.size());
        return modelObjects(in, [&](const ScopeRun& run) {
            return run.model->classAt(run.cls).name() == className;
        });
    }
    fail(T::UnknownProcessor, processorName);
}

}  // namespace tav::hostmodel::ScopeProcessors
