#include "host/model/ChangeJournal.h"

#include <algorithm>
#include <vector>

#include "host/model/Operation.h"

namespace tav::hostmodel::ChangeJournal {

namespace {

struct Journal {
    std::vector<Operation*> open;
    int replaying = 0;
};

Journal& journal() {
    thread_local Journal j;
    return j;
}

}  // namespace

bool recording() noexcept {
    const Journal& j = journal();
    return !j.open.empty() && j.replaying == 0;
}

void record(ChangeBatch change) {
    Journal& j = journal();
    if (!j.open.empty() && j.replaying == 0) j.open.back()->add(std::move(change));
}

void opened(Operation& op) {
    journal().open.push_back(&op);
}

Operation* closed(Operation& op) noexcept {
    std::vector<Operation*>& open = journal().open;
    const auto it = std::find(open.begin(), open.end(), &op);
    if (it == open.end()) return nullptr;
    Operation* outer = it == open.begin() ? nullptr : *(it - 1);
    open.erase(it);
    return outer;
}

Replaying::Replaying() noexcept {
    ++journal().replaying;
}
Replaying::~Replaying() {
    --journal().replaying;
}

}  // namespace tav::hostmodel::ChangeJournal
