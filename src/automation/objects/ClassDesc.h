#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/DispatchTypes.h"
#include "automation/values/Guid.h"
#include "automation/values/Variant.h"

// The member table of a dispatchable class: the one declaration that call by name (Invoke.h),
// type information (TLIApplication.h) and the type-library listing all read.
//
//   ClassDesc      a class: its name and help, its default interface "_Name", the framework
//                  interfaces it implements, the enumerations it contributes to the library
//                  and its event interface.
//   InterfaceDesc  a set of members with a case-insensitive name index.
//   MemberDesc     one member: dispatch id, name, type (a property's type or a method's
//                  result), parameters, help, hidden flag, and one thunk per invoke kind it
//                  supports (a read/write property is one member with a get and a let thunk).
//
// Tables are normally written with the builders of Dispatchable.h; objects whose members are
// defined at run time keep a DynamicClassDesc, return it from Object::classDesc() and
// Object::sharedClassDesc(), and add runtimeProperty() members and owned enumerations to it:
//
//   class AutoThing : public Object {
//       DynamicClassDesc desc_{baseTable()};  // the fixed members (DefineProperty, ...)
//       std::vector<Variant> values_;
//       static Variant get(Object& self, const CallArgs& a) {
//           return static_cast<AutoThing&>(self).values_[a.data];
//       }
//       void DefineProperty(std::string_view name) {
//           values_.emplace_back();
//           desc_.edit().add(runtimeProperty(std::string(name), TypeDesc::of(VarType::Variant),
//                                            values_.size() - 1, &get, &let));
//       }
//   };
namespace tav {

class Object;

// What a thunk receives: the coerced arguments in declaration order (for a let or set the
// value comes last), and the variable-length tail for a parameter-array parameter.
struct CallArgs {
    DispId id = DispIdUnknown;
    intptr_t data = 0;                     // the member's user data (run-time defined members)
    std::span<Variant* const> fixed;       // one per declared parameter (+ the value of a let/set)
    std::span<Variant> rest;               // the parameter array, by reference
};

// Runs one kind of one member on an object. The object is the one the table belongs to.
using Thunk = Variant (*)(Object& self, const CallArgs& args);

struct ParamDesc {
    enum Flags : uint8_t { None = 0, Optional = 1, ByRef = 2, ParamArray = 4, HasDefault = 8 };
    std::string name;
    TypeDesc type;
    uint8_t flags = None;
    Variant defaultValue;  // meaningful with HasDefault

    bool optional() const { return flags & Optional; }
    bool byRef() const { return flags & ByRef; }
    bool paramArray() const { return flags & ParamArray; }
    bool hasDefault() const { return flags & HasDefault; }
};

struct MemberDesc {
    DispId id = DispIdUnknown;  // assigned by the interface when left unknown
    std::string name;
    TypeDesc type;  // a property's type, a method's result (void for a Sub)
    std::vector<ParamDesc> params;
    std::string help;
    bool hidden = false;
    std::array<Thunk, kInvokeKinds> thunks{};
    intptr_t data = 0;

    // Derived by the interface when the member is added: the parameter count when every
    // parameter is required, by value and of a scalar or Variant type (then calls take a short
    // path), else NotPlain; and those parameters' types.
    static constexpr uint8_t NotPlain = 0xFF;
    static constexpr size_t MaxPlainParams = 4;
    uint8_t plainArity = NotPlain;
    std::array<VarType, MaxPlainParams> plainTypes{};
    // A method of one Double that returns a Double, callable on plain doubles (the expression
    // evaluator binds these when it compiles an expression); nullptr for every other member.
    using RealFunction = double (*)(Object& self, double value);
    RealFunction realFunction = nullptr;

    Thunk thunk(InvokeKind k) const { return thunks[kindSlot(k)]; }
    bool supports(InvokeKind k) const { return thunk(k) != nullptr; }
    bool isProperty() const { return !supports(InvokeKind::Method); }

    // Fluent adjustments used in tables.
    MemberDesc&& withHelp(std::string text) && { help = std::move(text); return std::move(*this); }
    MemberDesc&& withId(DispId d) && { id = d; return std::move(*this); }
    MemberDesc&& withType(TypeDesc t) && { type = t; return std::move(*this); }
    MemberDesc&& hide() && { hidden = true; return std::move(*this); }

    // Sets plainArity and plainTypes from the parameters.
    void derivePlainSignature();
};

class InterfaceDesc {
public:
    InterfaceDesc() = default;
    InterfaceDesc(std::string name, std::string help, Guid iid = {});

    const std::string& name() const { return name_; }
    const std::string& help() const { return help_; }
    const Guid& iid() const { return iid_; }
    const std::vector<MemberDesc>& members() const { return members_; }

    // Adds a member, giving it the next free dispatch id unless it has one. A second member
    // of the same name or id is a programming error (std::logic_error).
    InterfaceDesc& add(MemberDesc member);

    const MemberDesc* find(std::string_view memberName) const;  // case-insensitive
    const MemberDesc* findById(DispId id) const noexcept;

private:
    void index(uint32_t memberIndex);
    void rebuildIndex();

    std::string name_;
    std::string help_;
    Guid iid_;
    std::vector<MemberDesc> members_;
    std::vector<std::vector<uint64_t>> folded_;  // names folded to lower case, as zero-padded words
    // Open-addressed name index: (folded hash, member index + 1), 0 = free slot.
    std::vector<std::pair<uint32_t, uint32_t>> slots_;
    DispId nextId_ = 1;
};

class ClassDesc {
public:
    ClassDesc(std::string name, std::string help);

    const std::string& name() const { return name_; }
    const std::string& help() const { return defaultInterface_.help(); }
    const InterfaceDesc& defaultInterface() const { return defaultInterface_; }
    InterfaceDesc& defaultInterface() { return defaultInterface_; }
    const std::vector<const InterfaceDesc*>& implemented() const { return implemented_; }
    const std::vector<const EnumDesc*>& enumerations() const { return enums_; }
    const InterfaceDesc* eventInterface() const { return events_; }

    ClassDesc& add(MemberDesc member) {
        defaultInterface_.add(std::move(member));
        return *this;
    }
    // A framework interface the class implements; interfaces describe themselves with a
    // static describeInterface().
    ClassDesc& implements(const InterfaceDesc& iface);
    template <class I>
    ClassDesc& implements() {
        return implements(I::describeInterface());
    }
    // The same, for an object that is dispatch-based through that interface: its members are
    // also members of the default interface, so call by name reaches them without naming the
    // interface. A name the default interface has already keeps its own member.
    ClassDesc& exposes(const InterfaceDesc& iface);
    template <class I>
    ClassDesc& exposes() {
        return exposes(I::describeInterface());
    }
    // An enumeration this class brings into the type library.
    ClassDesc& enumeration(const EnumDesc& e);
    // An enumeration made at run time and owned by this table (and its copies).
    const EnumDesc& addOwnedEnumeration(EnumDesc e);
    ClassDesc& events(const InterfaceDesc& iface);

    // The default interface under its own name or a framework interface by name.
    const InterfaceDesc* findInterface(std::string_view interfaceName) const noexcept;
    const EnumDesc* findEnumeration(std::string_view enumName) const noexcept;

private:
    std::string name_;
    InterfaceDesc defaultInterface_;
    std::vector<const InterfaceDesc*> implemented_;
    std::vector<const EnumDesc*> enums_;
    std::vector<std::shared_ptr<const EnumDesc>> ownedEnums_;
    const InterfaceDesc* events_ = nullptr;
};

// A member defined at run time: one shared thunk per kind, told apart by `data` (e.g. the
// index of the property's value), which reaches the thunk as CallArgs::data.
MemberDesc runtimeProperty(std::string name, TypeDesc type, intptr_t data, Thunk get, Thunk let,
                           Thunk set = nullptr, std::string help = {});

// The table of an object whose members are defined at run time. Changes copy the table when
// type information handed out earlier still refers to it, so that information stays valid.
class DynamicClassDesc {
public:
    explicit DynamicClassDesc(const ClassDesc& base) : desc_(std::make_shared<ClassDesc>(base)) {}
    const ClassDesc* get() const noexcept { return desc_.get(); }
    std::shared_ptr<const ClassDesc> shared() const noexcept { return desc_; }
    ClassDesc& edit();

private:
    std::shared_ptr<ClassDesc> desc_;
};

}  // namespace tav
