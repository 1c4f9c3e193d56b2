#include "glues/GluPart_FireOrvaneCmd.h"

#include "automation/conversions/Conversions.h"
#include "contracts/iTAVControlFinder.h"
#include "contracts/iTAVParentBinding.h"
#include "util/DBugLifeTimes.h"

namespace tav {

namespace T = GluPart_FireOrvaneCmdText;

namespace {

[[noreturn]] void wakeUpFailed(std::string_view description) {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::ClassName),
                          std::string(description));
}

}  // namespace

ClassDesc GluPart_FireOrvaneCmd::describe() {
    using C = GluPart_FireOrvaneCmd;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::CommandName, &C::SetCommandName>(T::CommandName))
        .implements<iTAVGluePart>()
        .implements<Persistable>();
}

GluPart_FireOrvaneCmd::GluPart_FireOrvaneCmd() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}
GluPart_FireOrvaneCmd::~GluPart_FireOrvaneCmd() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}

void GluPart_FireOrvaneCmd::SetCommandName(std::string_view strNewValue) {
    commandName_ = strNewValue;
    PropertyChanged(T::CommandName);
}

void GluPart_FireOrvaneCmd::WakeUp(const IRef<iTAVBindingItem>& pBindingItem) {
    if (containerRoot_) return;
    if (!pBindingItem) wakeUpFailed(T::NoBindingItem);
    IRef<iTAVParentBinding> parent = pBindingItem->Parent();
    if (!parent) wakeUpFailed(T::NoParent);
    if (parent->DesignTime()) return;
    IRef<iTAVControlFinder> finder = parent->ControlFinder();
    if (!finder) wakeUpFailed(T::NoControlFinder);
    Ref<Object> root = finder->FindControl(Variant(iTAVControlFinder::kContainerRoot));
    if (!root) wakeUpFailed(T::NoContainerRoot);
    containerRoot_ = query<iTAVContainerRoot>(root.get());
}

void GluPart_FireOrvaneCmd::TransformForDisplay(Variant& /*TheValue*/) {}

void GluPart_FireOrvaneCmd::fire(const Variant& value) {
    if (value.isNull() || !CBool(value)) return;
    if (!containerRoot_) throwError(err::ObjectNotSet);
    IRef<iTAVCommandObject> commands = containerRoot_->CommandObject();
    if (!commands) throwError(err::ObjectNotSet);
    commands->RunCommand(commandName_);
}

void GluPart_FireOrvaneCmd::InvTransformForStorage(Variant& TheValue) {
    try {
        fire(TheValue);
    } catch (const AutomationError& e) {
        std::string source =
            std::string(T::ClassName) + std::string(T::SourceSeparator) + e.source();
        std::string description = std::string(T::CommandFailedOpen) + commandName_ +
                                  std::string(T::CommandFailedClose) + std::string(T::LineBreak) +
                                  e.description();
        throw AutomationError(e.number(), std::move(source), std::move(description));
    }
}

void GluPart_FireOrvaneCmd::TearDown() {
    containerRoot_.reset();
}

void GluPart_FireOrvaneCmd::OnBindingError(const IRef<iTAVBindingItem>& /*pBindingItem*/,
                                           int32_t /*ErrCtx*/) {}

void GluPart_FireOrvaneCmd::InitProperties() {
    commandName_ = T::DefaultCommandName;
}

void GluPart_FireOrvaneCmd::ReadProperties(const Ref<PropertyBag>& PropBag) {
    commandName_ = CStr(PropBag->ReadProperty(T::CommandName, Variant(T::DefaultCommandName)));
}

void GluPart_FireOrvaneCmd::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::CommandName, Variant(commandName_), Variant(T::DefaultCommandName));
}

}  // namespace tav
