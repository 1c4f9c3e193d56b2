#include "host/script/NoticeLog.h"

#include "automation/objects/Interfaces.h"
#include "host/script/ScriptText.h"

namespace tav {

void NoticeLog::watch(Object* object) {
    const IRef<Persistable> p = tryQuery<Persistable>(object);
    if (!p) return;
    std::unique_ptr<Recorder>& r = recorders_[object];
    if (r && r->connection.connected()) return;
    r = std::make_unique<Recorder>();
    r->connection = p->propertyChanges().advise(*r);
}

std::string NoticeLog::take(Object* object) {
    std::string out;
    const auto it = recorders_.find(object);
    if (it == recorders_.end() || !it->second->connection.connected()) return out;
    for (const std::string& n : it->second->notices) {
        if (!out.empty()) out += ScriptText::ListSeparator;
        out += n;
    }
    it->second->notices.clear();
    return out;
}

}  // namespace tav
