#pragma once
#include <cstdint>
#include <string>

#include "automation/objects/Interfaces.h"
#include "contracts/iTAVScope.h"
#include "contracts/iTAVValueList.h"

namespace tav {

// Reads, validates and stores one property over every object of a scope (a host object,
// handed out by the model utility).
class iTAVPropertyAccessor {
  public:
    // Flag bit: stores need no check of the document's lock.
    static constexpr int32_t FlagNoLockCheck = 0x20;

    virtual ~iTAVPropertyAccessor() = default;

    // The property's data type code (0, 1, 6 integer; 2 text; 3 double; 4 single; 5 Boolean;
    // 7, 13, 15, 21, 22 object; 9 enumeration; 10 rational).
    virtual int32_t DataType() = 0;
    // The property holds a value list rather than one value.
    virtual bool MultiValued() = 0;
    virtual std::string Name() = 0;
    virtual int32_t Flags() = 0;
    // One value per object of the scope, in the scope's order.
    virtual IRef<iTAVValueList> Read(const IRef<iTAVScope>& scope, int32_t& status) = 0;
    virtual void Store(const IRef<iTAVScope>& scope, int32_t& status, const Variant& value) = 0;
    // Checks a value against the objects of the scope; the first three results tell whether
    // it may be stored, the message why not (or a warning).
    virtual void Validate(int32_t reserved, const IRef<iTAVScope>& scope, const Variant& value,
                          std::string& message, int32_t& result1, int32_t& result2,
                          int32_t& result3, int32_t& result4, int32_t& result5) = 0;
};

}  // namespace tav
