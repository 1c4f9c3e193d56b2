#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVPropertyAccessor.h"
#include "host/model/PropertyDeclaration.h"

namespace tav::hostmodel {

class Scope;
class ValueList;

// Reads, validates and stores one declared property over a whole scope (handed out by
// Host.DMUtility). Reading and storing go class by class through the model's columns, not
// object by object; objects of a scope that are not model objects read as Empty and are left
// alone by a store.
//
// Validation: a value outside the declared range is refused (results 0, 0, 1 and the message
// "NAME must lie between MIN and MAX."); any other value passes (1, 0, 0) and leaves the
// declared warning as the message, if there is one.
class PropertyAccessor : public Dispatchable<PropertyAccessor>, public iTAVPropertyAccessor {
  public:
    static ClassDesc describe();
    explicit PropertyAccessor(std::shared_ptr<const PropertyDeclaration> declaration)
        : d_(std::move(declaration)) {}

    int32_t DataType() override { return d_->typeCode; }
    bool MultiValued() override { return d_->multiValued; }
    std::string Name() override { return d_->name; }
    int32_t Flags() override { return d_->flags; }
    IRef<iTAVValueList> Read(const IRef<iTAVScope>& scope, int32_t& status) override;
    void Store(const IRef<iTAVScope>& scope, int32_t& status, const Variant& value) override;
    void Validate(int32_t reserved, const IRef<iTAVScope>& scope, const Variant& value,
                  std::string& message, int32_t& result1, int32_t& result2, int32_t& result3,
                  int32_t& result4, int32_t& result5) override;

  private:
    bool inRange(const Variant& value) const;
    // Reads every run of the scope as plain numbers; false (out empty) when one can't be.
    template <class T, class Reader>
    bool readPlain(const Scope& s, std::vector<T>& out, Reader read) const;
    bool readCodes(const Scope& s, ValueList& list) const;

    std::shared_ptr<const PropertyDeclaration> d_;  // the schema's, as it changes
};

}  // namespace tav::hostmodel
