#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Dispatchable.h"
#include "contracts/iQvState.h"
#include "host/state/StateProperties.h"

namespace tav {

// A universal state object (Host.State): a type name and named, typed properties, defined in
// code or loaded from a state meta file (StateMetaFile.h). It raises PropertyChange after every
// write of a property's value or of an element of its array, whoever writes, and StateImport
// after it was loaded anew (a meta file, or Import).
class State : public Dispatchable<State>, public iQvState {
public:
    static ClassDesc describe();
    State();
    ~State() override;

    // Definitions in code: a name given already, an unknown type or a value that is not the
    // type's fails (error 5 with source "State", or the conversion's error) and adds nothing.
    void DefineProperty(std::string_view Name, std::string_view TypeName, const Variant& Value);
    void DefineFloatProperty(std::string_view Name, std::string_view TypeName, int32_t Precision,
                             const Variant& Value);
    // The items come as name, value, name, value, ...; Value is the current item value.
    void DefineEnumProperty(std::string_view Name, const Variant& Value, std::span<Variant> ItemsAndValues);
    // Values: a one-dimensional array (any bounds), the elements from 1.
    void DefineArrayProperty(std::string_view Name, std::string_view TypeName, const Variant& Values);

    std::string TypeName() override { return typeName_; }
    void SetTypeName(std::string_view NewValue) { typeName_ = NewValue; }
    bool HasProperty(std::string_view Name) override;
    // Error 5 "Property not found: NAME" (source "State") for a name the state lacks.
    IRef<iQvStateProperty> Property(std::string_view Name) override;
    IRef<iQvStateProperties> Properties() override { return IRef<iQvStateProperties>(properties_); }
    // The flag is accepted as the host's callers give it (1); every load validates.
    void LoadMetaFile(std::string_view Path, int32_t Flag) override;
    // As if the state had been reloaded from storage: raises StateImport.
    void Import();

    ConnectionPoint<iQvStateEvents>& stateEvents() override { return events_; }

    // A property of this state took a new value.
    void propertyChanged(StateProperty& property);

private:
    void define(Ref<StateProperty> property);

    std::string typeName_;
    Ref<StateProperties> properties_;
    ConnectionPoint<iQvStateEvents> events_;
};

}  // namespace tav
