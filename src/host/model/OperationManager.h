#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVOperationManager.h"
#include "host/model/OperationRecord.h"
#include "host/model/TextLog.h"

namespace tav::hostmodel {

// The host's operation manager (Host.OperationManager): undoable operations and their history.
// An operation records the old value of every object it changes; Undo puts the newest
// operation's old values back, Redo its new values again. StateA and StateB are the host's two
// busy questions, answered as they are set.
//
// Flags of an operation: 0 keeps it for undo and redo; NoUndo commits its changes for good
// and forgets the history, whose old values no longer fit the model.
class OperationManager : public Dispatchable<OperationManager>, public iTAVOperationManager {
  public:
    static constexpr int32_t NoUndo = 1;

    static ClassDesc describe();

    bool StateA() override { return stateA_; }
    void SetStateA(bool NewValue) { stateA_ = NewValue; }
    bool StateB() override { return stateB_; }
    void SetStateB(bool NewValue) { stateB_ = NewValue; }
    Ref<Object> StartOperation(std::string_view shortText, std::string_view longText,
                               int32_t flags) override;
    // "short/long/flags" of each operation started since the last read, joined by "|".
    std::string Operations() { return started_.take(); }
    // Error 5 when there is nothing to undo (or redo).
    void Undo();
    void Redo();
    int32_t UndoCount() const { return static_cast<int32_t>(undo_.size()); }
    int32_t RedoCount() const { return static_cast<int32_t>(redo_.size()); }

    // An operation ended.
    void commit(OperationRecord record);
    // The memory the history takes, in bytes.
    size_t historyBytes() const;

  private:
    bool stateA_ = false;
    bool stateB_ = false;
    TextLog started_;
    std::vector<OperationRecord> undo_;
    std::vector<OperationRecord> redo_;
};

}  // namespace tav::hostmodel
