#pragma once
#include <string>
#include <string_view>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Dispatchable.h"
#include "automation/objects/MemberLookup.h"
#include "automation/objects/IPropertyNotifySink.h"
#include "contracts/Persistable.h"
#include "contracts/RegisteredClasses.h"
#include "contracts/iTAVSourcePart.h"

namespace tav {

namespace SrcPart_AxClsText {
inline constexpr std::string_view ClassName = "SrcPart_AxCls";
inline constexpr std::string_view ClassHelp =
    "Allows any creatable class that implements IDispatch and IPropertyNotifySink (a persistable "
    "class, for "
    "example) to be bound to UI. Changes made to the object by program code are shown; reloading "
    "the object "
    "from persistent storage may not be.";
inline constexpr std::string_view AxClsProgID = "AxClsProgID";
inline constexpr std::string_view AxClsTypeName = "AxClsTypeName";
inline constexpr std::string_view DefaultText = "";
inline constexpr std::string_view CaptionPrefix = "AxCls: ";

// Error sources begin with the library's application title; the two sources join it
// differently.
inline constexpr std::string_view AppTitle = library::kModuleName;
inline constexpr std::string_view ProgIdSourceSeparator = ".";
inline constexpr std::string_view ProgIdAtRunTime = "ProgId can only be set at design time";
inline constexpr std::string_view WrongClass =
    "Source object not consistant with design time settings";
inline constexpr std::string_view InvalidValue = "Value is invalid for property ";
}  // namespace SrcPart_AxClsText

// Binds an object that announces its own property changes through IPropertyNotifySink: values
// are read and written by name, and the object's change notifications (by member id) reach
// the notifier as property names. At design time it can make a sample object from
// AxClsProgID and remembers its class name, which run-time source objects must then have.
class SrcPart_AxCls : public Dispatchable<SrcPart_AxCls>,
                      public iTAVSourcePart,
                      public Persistable,
                      private IPropertyNotifySink {
  public:
    static ClassDesc describe();

    std::string AxClsProgID() const { return progId_; }
    // Design time only (error 5 otherwise): makes a sample object if none is bound yet.
    void SetAxClsProgID(std::string_view strNewValue);
    // The class name run-time source objects must have (empty: any); kept in the bag only.
    const std::string& AxClsTypeName() const { return typeName_; }

    Variant Value(std::string_view PropertyName) override;
    // Writes by name; the object's own notification tells the notifier.
    void LetValue(std::string_view PropertyName, const Variant& NewValue) override;
    void SetValue(std::string_view PropertyName, const Variant& NewValue) override;
    void SetNotifier(const IRef<iTAVBindingNotifier>& Notifier) override { notifier_ = Notifier; }
    IRef<iTAVBindingNotifier> Notifier() override { return notifier_; }
    void SetSourceObject(const Ref<Object>& SourceObject) override;
    Ref<Object> SourceObject() override { return sourceObject_; }
    // The names of the object's members as a designer sees them, indexed from 1.
    SafeArray ListPropertyNames() override;
    std::string Caption() override;

    void InitProperties() override {}
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

  private:
    void OnChanged(DispId id) override;

    // The notifier's design-mode flag; error 91 without a notifier.
    bool designMode() const;
    void createSampleObject(std::string_view progId);
    // Holds the object and listens to it (and to it only).
    void replaceSource(Ref<Object> obj);

    IRef<iTAVBindingNotifier> notifier_;
    Ref<Object> sourceObject_;
    MemberLookup reads_;  // the members Value reads, found once
    Connection changes_;
    std::string progId_{SrcPart_AxClsText::DefaultText};
    std::string typeName_{SrcPart_AxClsText::DefaultText};
};

}  // namespace tav
