#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVScope.h"
#include "host/model/ScopeRun.h"

namespace tav::hostmodel {

// A scope (Host.Scope): objects in the order they were added. Model objects are kept as rows
// of their class, run by run, so a scope of a million atoms is a list of row numbers and
// filtering it by class or model shares those lists. An infinite scope (a periodic structure
// seen without end) refuses to be filtered directly; the crack processors make finite ones.
class Scope : public Dispatchable<Scope>, public iTAVScope {
  public:
    static ClassDesc describe();

    // Any object; Nothing is error 91.
    void Add(const Ref<Object>& NewObject);
    IRef<iTAVScopeContents> Contents() override;
    bool Infinite() const noexcept { return infinite_; }
    void SetInfinite(bool NewValue) { infinite_ = NewValue; }

    // --- from C++ ---
    // The scope as a Scope: itself, or a copy of another host's scope made from its contents.
    static Ref<Scope> from(const IRef<iTAVScope>& scope);
    // Rows of one class of a model, shared as they are.
    void addRows(const Ref<Model>& model, uint32_t cls,
                 std::shared_ptr<std::vector<uint32_t>> rows);
    void addObject(const Ref<Object>& object);
    const std::vector<ScopeRun>& runs() const noexcept { return runs_; }
    int32_t count() const noexcept { return static_cast<int32_t>(count_); }
    // 1-based; error 9 outside 1..count.
    Ref<Object> item(int32_t index) const;

  private:
    void append(ScopeRun run);

    std::vector<ScopeRun> runs_;
    std::vector<size_t> ends_;  // where each run ends, counted from the first object
    size_t count_ = 0;
    bool infinite_ = false;
};

}  // namespace tav::hostmodel
