#pragma once
#include "host/model/ChangeBatch.h"

namespace tav::hostmodel {

class Operation;

// The operations open on this thread, newest last: a model's changes go to the newest. The
// thread's models and operation managers meet here, as they would in one host process.
namespace ChangeJournal {

// Whether changes are being recorded now (an operation is open, and no undo or redo is
// putting values back).
bool recording() noexcept;
void record(ChangeBatch change);

void opened(Operation& op);
// The operation leaves the open list; returns the open operation started before it, into
// which its changes go, or nullptr when it stands alone.
Operation* closed(Operation& op) noexcept;

// Suspends recording while undo and redo put values back.
class Replaying {
  public:
    Replaying() noexcept;
    ~Replaying();
    Replaying(const Replaying&) = delete;
    Replaying& operator=(const Replaying&) = delete;
};

}  // namespace ChangeJournal
}  // namespace tav::hostmodel
