#include "host/model/Scope.h"

#include <algorithm>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/model/ModelObject.h"
#include "host/model/ModelText.h"
#include "host/model/ScopeContents.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc Scope::describe() {
    using C = Scope;
    return ClassDesc(std::string(T::Scope), std::string(T::ScopeHelp))
        .add(method<&C::Add>(T::Add, {T::ObjectParam}))
        .add(property<&C::Contents>(T::Contents))
        .add(property<&C::Infinite, &C::SetInfinite>(T::Infinite));
}

void Scope::Add(const Ref<Object>& NewObject) {
    if (!NewObject) throwError(err::ObjectNotSet);
    addObject(NewObject);
}

IRef<iTAVScopeContents> Scope::Contents() {
    return IRef<iTAVScopeContents>(makeRef<ScopeContents>(Ref<Scope>(this)));
}

Ref<Scope> Scope::from(const IRef<iTAVScope>& scope) {
    if (!scope) return {};
    if (auto* own = dynamic_cast<Scope*>(scope.object())) return Ref<Scope>(own);
    Ref<Scope> copy = makeRef<Scope>();
    const IRef<iTAVScopeContents> contents = scope->Contents();
    const int32_t n = contents->Count();
    for (int32_t i = 1; i <= n; ++i) copy->addObject(contents->Item(i));
    return copy;
}

void Scope::append(ScopeRun run) {
    count_ += run.size();
    ends_.push_back(count_);
    runs_.push_back(std::move(run));
}

void Scope::addRows(const Ref<Model>& model, uint32_t cls,
                    std::shared_ptr<std::vector<uint32_t>> rows) {
    if (rows->empty()) return;
    append(ScopeRun{model, cls, std::move(rows), {}});
}

void Scope::addObject(const Ref<Object>& object) {
    const auto* handle = dynamic_cast<const ModelObject*>(object.get());
    if (!handle) {
        append(ScopeRun{{}, 0, {}, object});
        return;
    }
    if (!runs_.empty()) {
        ScopeRun& last = runs_.back();
        if (last.model.get() == &handle->model() && last.cls == handle->key().cls) {
            // Rows shared with another scope are copied before they grow.
            if (last.rows.use_count() > 1)
                last.rows = std::make_shared<std::vector<uint32_t>>(*last.rows);
            last.rows->push_back(handle->key().row);
            ++count_;
            ++ends_.back();
            return;
        }
    }
    append(ScopeRun{Ref<Model>(&handle->model()),
                    handle->key().cls,
                    std::make_shared<std::vector<uint32_t>>(1, handle->key().row),
                    {}});
}

Ref<Object> Scope::item(int32_t index) const {
    if (index < 1 || static_cast<size_t>(index) > count_) throwError(err::SubscriptOutOfRange);
    const auto pos = static_cast<size_t>(index - 1);
    const size_t r =
        static_cast<size_t>(std::upper_bound(ends_.begin(), ends_.end(), pos) - ends_.begin());
    const ScopeRun& run = runs_[r];
    if (!run.model) return run.object;
    const size_t start = r == 0 ? 0 : ends_[r - 1];
    return Ref<Object>(run.model->object(ObjectKey{run.cls, (*run.rows)[pos - start]}));
}

}  // namespace tav::hostmodel
