#pragma once
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Object.h"

namespace tav {

// An automation object whose properties are defined at run time (Host.AutoObject):
// DefineProperty(name, typeName, initialValue) with the types Variant, I2, I4, R4, R8, Str,
// Bool, Date, Object or an enumeration made with DefineEnum(enumName, item1, value1, ...).
// Defined properties are members like any other: reached by name, coerced to their type, and
// described by the type information (enumerations included). ClassName is the class name
// the object reports (TypeName), which source parts check.
class AutoObject : public Object {
public:
    static const ClassDesc& table();
    AutoObject() : AutoObject(table()) {}

    std::string_view typeName() const override { return className_; }
    const ClassDesc* classDesc() const override { return desc_.get(); }
    std::shared_ptr<const ClassDesc> sharedClassDesc() const override { return desc_.shared(); }

    // Error 5 for a name that is no identifier or a member already, or an unknown type; the
    // initial value (default: the type's zero, or Empty) converted to the type.
    void DefineProperty(std::string_view Name, std::string_view TypeName, const Variant& InitialValue);
    // Items and values alternate; values are Longs. Error 5 for an enumeration defined already.
    void DefineEnum(std::string_view EnumName, std::span<Variant> ItemsAndValues);
    std::string ClassName() const { return className_; }
    void SetClassName(std::string_view NewValue) { className_ = NewValue; }

protected:
    explicit AutoObject(const ClassDesc& base);
    // The members every such object has, under another class name.
    static ClassDesc describeAs(std::string_view name, std::string_view help);
    // A defined property took a new value through a let or set.
    virtual void propertyChanged(DispId /*id*/) {}
    [[noreturn]] void fail(std::string_view message, std::string_view subject) const;

private:
    static Variant getThunk(Object& self, const CallArgs& a);
    static Variant putThunk(Object& self, const CallArgs& a);

    DynamicClassDesc desc_;
    std::vector<Variant> values_;
    std::string className_;
};

}  // namespace tav
