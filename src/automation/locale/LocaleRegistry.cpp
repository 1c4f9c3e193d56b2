#include "automation/locale/LocaleRegistry.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "automation/locale/LocaleCollator.h"
#include "automation/locale/PlatformOverrides.h"
#include "automation/locale/RegionalData.h"

namespace tav {

namespace {

// Ids of registry records start above the built-in en-US record's.
constexpr uint32_t FirstRegistryId = 2;

struct Entry {
    std::unique_ptr<LocaleCollator> collator;
    Locale locale;
};

struct Table {
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<Entry>, std::less<>> byName;
    std::vector<std::unique_ptr<Entry>> adopted;
    uint32_t nextId = FirstRegistryId;
};

// Never destroyed: threads may still read records while the process exits.
Table& table() {
    static Table* const t = new Table;
    return *t;
}

}  // namespace

const Locale& LocaleRegistry::find(const std::string& canonical, const std::string& icuId) {
    Table& t = table();
    const std::lock_guard lock(t.mutex);
    if (auto it = t.byName.find(canonical); it != t.byName.end()) return it->second->locale;
    auto entry = std::make_unique<Entry>();
    entry->locale = regionaldata::build(icuId, canonical);
    if (!platformoverrides::keepsDefaultOrder(canonical)) entry->collator = LocaleCollator::open(icuId.c_str());
    entry->locale.collator = entry->collator.get();
    entry->locale.id = t.nextId++;
    const Locale& kept = entry->locale;
    t.byName.emplace(canonical, std::move(entry));
    return kept;
}

const Locale& LocaleRegistry::adopt(Locale loc) {
    Table& t = table();
    const std::lock_guard lock(t.mutex);
    auto entry = std::make_unique<Entry>();
    entry->locale = std::move(loc);
    entry->locale.id = t.nextId++;
    const Locale& kept = entry->locale;
    t.adopted.push_back(std::move(entry));
    return kept;
}

}  // namespace tav
