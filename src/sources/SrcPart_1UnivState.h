#pragma once
#include <string>
#include <string_view>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "contracts/iQvState.h"
#include "contracts/iQvStateEvents.h"
#include "contracts/iTAVPerPropertyBrowsing.h"
#include "contracts/iTAVSourcePart.h"

namespace tav {

namespace SrcPart_1UnivStateText {
inline constexpr std::string_view ClassName = "SrcPart_1UnivState";
inline constexpr std::string_view ClassHelp =
    "Allows one universal state object to be bound to UI.\r\n[+]: Any programatic changes to property values "
    "will show on the UI.\r\n[+]: Re-loading the object from persistent storage will show on the UI.";
inline constexpr std::string_view StateTypeName = "StateTypeName";
inline constexpr std::string_view StateMetaFile = "StateMetaFile";
inline constexpr std::string_view StateMetaFileHelp =
    "The XML file in CoreFolder which defines the invariant structure of the state objects that will be used.";
inline constexpr std::string_view DefaultText = "";
inline constexpr std::string_view CaptionPrefix = "UnvSt:";
inline constexpr std::string_view NoProperty = "No property: ";
inline constexpr std::string_view InvalidStateType = "Invalid state type, expect: ";
}  // namespace SrcPart_1UnivStateText

// Binds one universal state object. It listens to the state: a change of one property (made by
// anyone, writes through this part included) reaches the notifier as that property's change,
// and a reload of the whole state as "source changed". At design time a chosen meta file gives
// a state object of that type and its type name, which run-time states must then have.
class SrcPart_1UnivState : public Dispatchable<SrcPart_1UnivState>,
                           public iTAVSourcePart,
                           public iTAVPerPropertyBrowsing,
                           public Persistable,
                           private iQvStateEvents {
public:
    static ClassDesc describe();
    SrcPart_1UnivState();
    ~SrcPart_1UnivState() override;

    std::string StateTypeName() const { return typeName_; }
    std::string StateMetaFile() const { return metaFile_; }
    // In design mode, a name makes a state object from that meta file first.
    void SetStateMetaFile(std::string_view strNewValue);

    // Without a notifier the part reads as at run time.
    Variant Value(std::string_view PropertyName) override;
    // The state's own PropertyChange tells the notifier.
    void LetValue(std::string_view PropertyName, const Variant& NewValue) override;
    // Sets the default member of the object the property holds.
    void SetValue(std::string_view PropertyName, const Variant& NewValue) override;
    void SetNotifier(const IRef<iTAVBindingNotifier>& Notifier) override { notifier_ = Notifier; }
    IRef<iTAVBindingNotifier> Notifier() override { return notifier_; }
    // At run time a state of another type than StateTypeName is refused and the old one kept.
    void SetSourceObject(const Ref<Object>& SourceObject) override;
    Ref<Object> SourceObject() override { return Ref<Object>(state_.object()); }
    // Error 9 for a state without properties.
    SafeArray ListPropertyNames() override;
    std::string Caption() override;

    Variant GetPredefinedValue(std::string_view PropertyName, std::string_view PreDefinedString) override;
    // For StateMetaFile: the meta files of the state folder.
    SafeArray GetPredefinedStrings(std::string_view PropertyName) override;
    std::string GetDisplayString(std::string_view PropertyName) override;
    std::string MapPropertyToControlProgId(std::string_view PropertyName) override;

    void InitProperties() override {}
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

private:
    void PropertyChange(const IRef<iQvState>& pState, const IRef<iQvStateProperty>& pStateProperty) override;
    void StateImport(const IRef<iQvState>& pState) override;

    // False without a notifier.
    bool designMode();
    void adoptMetaFile(std::string_view name);
    // Holds the state and listens to it (and to it only).
    void replaceState(IRef<iQvState> state);
    IRef<iQvState> heldState() const;

    IRef<iTAVBindingNotifier> notifier_;
    IRef<iQvState> state_;
    Connection events_;
    std::string typeName_{SrcPart_1UnivStateText::DefaultText};
    std::string metaFile_{SrcPart_1UnivStateText::DefaultText};
};

}  // namespace tav
