#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Interfaces.h"
#include "contracts/iQvStateEvents.h"
#include "contracts/iQvStateProperties.h"
#include "contracts/iQvStateProperty.h"

namespace tav {

// A universal state object of the host: a type name and a fixed set of named, typed
// properties whose structure comes from a state meta file. A name HasProperty accepts also
// works with Property; the state raises PropertyChange whenever a property's value changes and
// StateImport when it is loaded anew.
class iQvState {
public:
    virtual ~iQvState() = default;

    virtual std::string TypeName() = 0;
    virtual IRef<iQvStateProperties> Properties() = 0;
    virtual bool HasProperty(std::string_view Name) = 0;
    // A name the state lacks is an error of the state's own.
    virtual IRef<iQvStateProperty> Property(std::string_view Name) = 0;
    // Replaces the state's structure and values by those of a meta file; a file that fails
    // to load leaves the state as it was.
    virtual void LoadMetaFile(std::string_view Path, int32_t Flag) = 0;

    // Where listeners connect to the state's events.
    virtual ConnectionPoint<iQvStateEvents>& stateEvents() = 0;
};

}  // namespace tav
