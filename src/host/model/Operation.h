#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "host/model/OperationRecord.h"

namespace tav::hostmodel {

class OperationManager;

// An undoable operation while it is open (Host.Operation, handed out by StartOperation): the
// model changes made meanwhile belong to it. Releasing the last reference commits it, into
// the operation that was open when it started (nested operations are one for undo), or else
// into its manager's undo history.
class Operation : public Dispatchable<Operation> {
  public:
    static ClassDesc describe();
    Operation(Ref<OperationManager> manager, std::string_view shortText, std::string_view longText,
              int32_t flags);
    ~Operation() override;

    const std::string& ShortText() const noexcept { return record_.shortText; }
    const std::string& LongText() const noexcept { return record_.longText; }
    int32_t Flags() const noexcept { return record_.flags; }

    void add(ChangeBatch change) { record_.changes.push_back(std::move(change)); }

  private:
    Ref<OperationManager> manager_;
    OperationRecord record_;
};

}  // namespace tav::hostmodel
