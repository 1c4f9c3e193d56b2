#include "host/model/OperationManager.h"

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/model/ChangeJournal.h"
#include "host/model/ModelText.h"
#include "host/model/Operation.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc OperationManager::describe() {
    using C = OperationManager;
    return ClassDesc(std::string(T::OperationManager), std::string(T::OperationManagerHelp))
        .add(property<&C::StateA, &C::SetStateA>(T::StateA))
        .add(property<&C::StateB, &C::SetStateB>(T::StateB))
        .add(method<&C::StartOperation>(T::StartOperation,
                                        {T::ShortParam, T::LongParam, T::FlagsParam}))
        .add(property<&C::Operations>(T::Operations))
        .add(method<&C::Undo>(T::Undo))
        .add(method<&C::Redo>(T::Redo))
        .add(property<&C::UndoCount>(T::UndoCount))
        .add(property<&C::RedoCount>(T::RedoCount));
}

Ref<Object> OperationManager::StartOperation(std::string_view shortText, std::string_view longText,
                                             int32_t flags) {
    started_.record(std::string(shortText) + std::string(T::OperationFieldSeparator) +
                    std::string(longText) + std::string(T::OperationFieldSeparator) +
                    std::to_string(flags));
    return Ref<Object>(makeRef<Operation>(Ref<OperationManager>(this), shortText, longText, flags));
}

void OperationManager::commit(OperationRecord record) {
    if (record.flags & NoUndo) {
        undo_.clear();
        redo_.clear();
        return;
    }
    undo_.push_back(std::move(record));
    redo_.clear();
}

void OperationManager::Undo() {
    if (undo_.empty())
        throw AutomationError(err::InvalidProcedureCall, std::string(T::OperationManager),
                              std::string(T::NothingToUndo));
    OperationRecord record = std::move(undo_.back());
    undo_.pop_back();
    {
        ChangeJournal::Replaying replaying;
        for (auto it = record.changes.rbegin(); it != record.changes.rend(); ++it)
            it->model->undo(*it);
    }
    redo_.push_back(std::move(record));
}

void OperationManager::Redo() {
    if (redo_.empty())
        throw AutomationError(err::InvalidProcedureCall, std::string(T::OperationManager),
                              std::string(T::NothingToRedo));
    OperationRecord record = std::move(redo_.back());
    redo_.pop_back();
    {
        ChangeJournal::Replaying replaying;
        for (const ChangeBatch& c : record.changes) c.model->redo(c);
    }
    undo_.push_back(std::move(record));
}

size_t OperationManager::historyBytes() const {
    size_t n = 0;
    for (const auto* list : {&undo_, &redo_})
        for (const OperationRecord& r : *list)
            for (const ChangeBatch& c : r.changes) n += c.bytes();
    return n;
}

}  // namespace tav::hostmodel
