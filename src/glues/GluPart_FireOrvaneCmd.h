#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVContainerRoot.h"
#include "contracts/iTAVGluePart.h"

namespace tav {

namespace GluPart_FireOrvaneCmdText {
inline constexpr std::string_view ClassName = "GluPart_FireOrvaneCmd";
inline constexpr std::string_view ClassHelp =
    "Fires the host command named by CommandName when a true value is stored (bind it to a command "
    "button).";
inline constexpr std::string_view CommandName = "CommandName";
inline constexpr std::string_view DefaultCommandName = "";

// WakeUp failures (error 5, source ClassName).
inline constexpr std::string_view NoBindingItem = "Expected pBindingItem to be set.";
inline constexpr std::string_view NoParent = "Expected pBindingItem.Parent to be set.";
inline constexpr std::string_view NoControlFinder =
    "Expected pBindingItem.Parent.ControlFinder to be set.";
inline constexpr std::string_view NoContainerRoot = "Could not locate Container Root.";

// A failed command keeps its number; its source and description get this context.
inline constexpr std::string_view SourceSeparator = "/";
inline constexpr std::string_view CommandFailedOpen = "Error executing command:'";
inline constexpr std::string_view CommandFailedClose = "'";
inline constexpr std::string_view LineBreak = "\r\n";
}  // namespace GluPart_FireOrvaneCmdText

// Runs a host command when a true value is stored, typically from a command button: a click
// stores true and fires CommandName through the container root's command object. The value
// itself goes on to storage unchanged.
class GluPart_FireOrvaneCmd : public Dispatchable<GluPart_FireOrvaneCmd>,
                              public iTAVGluePart,
                              public Persistable {
  public:
    static ClassDesc describe();
    GluPart_FireOrvaneCmd();
    ~GluPart_FireOrvaneCmd() override;

    std::string CommandName() const { return commandName_; }
    void SetCommandName(std::string_view strNewValue);

    // Finds the container root through the form's control finder, once; at design time it
    // looks nothing up.
    void WakeUp(const IRef<iTAVBindingItem>& pBindingItem) override;
    void TransformForDisplay(Variant& TheValue) override;
    // Fires the command when TheValue is true (Null counts as false); every failure comes back
    // with the command's name in its description.
    void InvTransformForStorage(Variant& TheValue) override;
    void TearDown() override;
    void OnBindingError(const IRef<iTAVBindingItem>& pBindingItem, int32_t ErrCtx) override;

    void InitProperties() override;
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

  private:
    void fire(const Variant& value);

    std::string commandName_{GluPart_FireOrvaneCmdText::DefaultCommandName};
    IRef<iTAVContainerRoot> containerRoot_;
};

}  // namespace tav
