#pragma once
#include <string>

#include "automation/locale/Locale.h"

namespace tav {

// The process-wide table of locale records, one per name, made on first use from the regional
// data and kept for the life of the process: threads share the records read-only, so a record
// never moves or changes once a thread may see it. Lookups and insertions are guarded.
class LocaleRegistry {
  public:
    // The record of a resolved name (LocaleName.h): `canonical` "de-DE", `icuId` "de_DE".
    static const Locale& find(const std::string& canonical, const std::string& icuId);
    // Keeps a record made elsewhere (the environment's mix of locales) and gives it an id.
    static const Locale& adopt(Locale loc);
};

}  // namespace tav
