#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "host/model/PropertyDeclaration.h"

namespace tav::hostmodel {

// The property accessors' declarations (Host.Schema): one set per thread, which every
// DMUtility of the thread hands accessors from, as one host process has one schema. Every
// Host.Schema object edits that one set, and every accessor follows it, even one handed out
// before the change. A name not declared has no accessor.
class Schema : public Dispatchable<Schema> {
  public:
    static ClassDesc describe();

    // Declares (or declares again) a property: its data type code, flags and whether it holds
    // value lists.
    void DefineProperty(std::string_view PropertyName, int32_t TypeCode, int32_t Flags,
                        bool MultiValued);
    // Validation refuses a value outside min..max.
    void SetRange(std::string_view PropertyName, const Variant& Min, const Variant& Max);
    // Validation passes but leaves this message.
    void SetWarning(std::string_view PropertyName, std::string_view Message);
    // Reads of the property give this status code and no values (0: read again).
    void FailRead(std::string_view PropertyName, int32_t Status);

    // --- from C++ ---
    // The declaration as it is now and will be (shared); nullptr for a name not declared.
    static std::shared_ptr<const PropertyDeclaration> find(std::string_view propertyName);
    static void define(PropertyDeclaration declaration);
    // Forgets every declaration of the thread.
    static void clear();

  private:
    static PropertyDeclaration& declared(std::string_view propertyName);
};

}  // namespace tav::hostmodel
