#include "host/model/Schema.h"

#include <map>
#include <memory>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/model/ModelText.h"

namespace tav::hostmodel {

namespace T = ModelText;

namespace {

// Shared with the accessors handed out, so that an accessor sees later changes of its
// declaration (a range set, a read failure) as the schema's other users do.
using Declarations = std::map<std::string, std::shared_ptr<PropertyDeclaration>, std::less<>>;

Declarations& declarations() {
    thread_local Declarations d;
    return d;
}

}  // namespace

ClassDesc Schema::describe() {
    using C = Schema;
    return ClassDesc(std::string(T::Schema), std::string(T::SchemaHelp))
        .add(method<&C::DefineProperty>(
            T::DefineProperty,
            {T::PropertyNameParam, T::TypeCodeParam, opt(T::FlagsParam), opt(T::MultiValuedParam)}))
        .add(method<&C::SetRange>(T::SetRange, {T::PropertyNameParam, T::MinParam, T::MaxParam}))
        .add(method<&C::SetWarning>(T::SetWarning, {T::PropertyNameParam, T::MessageParam}))
        .add(method<&C::FailRead>(T::FailRead, {T::PropertyNameParam, T::StatusParam}));
}

void Schema::DefineProperty(std::string_view PropertyName, int32_t TypeCode, int32_t Flags,
                            bool MultiValued) {
    PropertyDeclaration d;
    d.name = PropertyName;
    d.typeCode = TypeCode;
    d.flags = Flags;
    d.multiValued = MultiValued;
    define(std::move(d));
}

PropertyDeclaration& Schema::declared(std::string_view propertyName) {
    const auto it = declarations().find(propertyName);
    if (it == declarations().end())
        throw AutomationError(err::InvalidProcedureCall, std::string(T::Schema),
                              std::string(T::NoAccessor) + std::string(propertyName));
    return *it->second;
}

void Schema::SetRange(std::string_view PropertyName, const Variant& Min, const Variant& Max) {
    PropertyDeclaration& d = declared(PropertyName);
    d.hasRange = true;
    d.min = Min;
    d.max = Max;
}

void Schema::SetWarning(std::string_view PropertyName, std::string_view Message) {
    declared(PropertyName).warning = Message;
}

void Schema::FailRead(std::string_view PropertyName, int32_t Status) {
    declared(PropertyName).readStatus = Status;
}

std::shared_ptr<const PropertyDeclaration> Schema::find(std::string_view propertyName) {
    const auto it = declarations().find(propertyName);
    return it == declarations().end() ? nullptr : it->second;
}

// Declaring a name again changes its declaration in place: accessors already handed out follow.
void Schema::define(PropertyDeclaration declaration) {
    std::shared_ptr<PropertyDeclaration>& d = declarations()[declaration.name];
    if (d)
        *d = std::move(declaration);
    else
        d = std::make_shared<PropertyDeclaration>(std::move(declaration));
}

void Schema::clear() {
    declarations().clear();
}

}  // namespace tav::hostmodel
