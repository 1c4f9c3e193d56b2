#include "host/model/Operation.h"

#include "host/model/ChangeJournal.h"
#include "host/model/ModelText.h"
#include "host/model/OperationManager.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc Operation::describe() {
    using C = Operation;
    return ClassDesc(std::string(T::Operation), std::string(T::OperationHelp))
        .add(property<&C::ShortText>(T::ShortText))
        .add(property<&C::LongText>(T::LongText))
        .add(property<&C::Flags>(T::Flags));
}

Operation::Operation(Ref<OperationManager> manager, std::string_view shortText,
                     std::string_view longText, int32_t flags)
    : manager_(std::move(manager)),
      record_{std::string(shortText), std::string(longText), flags, {}} {
    ChangeJournal::opened(*this);
}

Operation::~Operation() {
    if (Operation* outer = ChangeJournal::closed(*this)) {
        for (ChangeBatch& c : record_.changes) outer->add(std::move(c));
        return;
    }
    manager_->commit(std::move(record_));
}

}  // namespace tav::hostmodel
