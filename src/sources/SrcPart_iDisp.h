#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "automation/objects/MemberLookup.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVSourcePart.h"

namespace tav {

namespace SrcPart_iDispText {
inline constexpr std::string_view ClassName = "SrcPart_iDisp";
inline constexpr std::string_view ClassHelp =
    "Allows any COM object that implements IDispatch to be bound to UI. It makes no attempt to "
    "listen to "
    "changes in the Source-Object. SO ONLY USE THIS SOURCE PART IF NO OTHER SOURCE-PART CAN BE "
    "USER.";
inline constexpr std::string_view SharingName = "SharingName";
inline constexpr std::string_view SharingNameHelp =
    "Optionaly enter a meaning full name for the kind of Source-Object you'll use. Sharing between "
    "Bindings "
    "will only possibly occur where the sharing name is the same.";
inline constexpr std::string_view DefaultSharingName = "";
inline constexpr std::string_view CaptionPrefix = "iDisp:";
}  // namespace SrcPart_iDispText

// The source part of last resort: reads and writes any callable object's properties by name
// and reports only the writes that go through it (it does not listen to the object).
class SrcPart_iDisp : public Dispatchable<SrcPart_iDisp>,
                      public iTAVSourcePart,
                      public Persistable {
  public:
    static ClassDesc describe();

    std::string SharingName() const { return sharingName_; }
    void SetSharingName(std::string_view strNewValue);

    Variant Value(std::string_view PropertyName) override;
    // Writes by name, then tells the notifier (when there is one) that the property changed.
    void LetValue(std::string_view PropertyName, const Variant& NewValue) override;
    // Not supported: error 5.
    void SetValue(std::string_view PropertyName, const Variant& NewValue) override;
    void SetNotifier(const IRef<iTAVBindingNotifier>& Notifier) override { notifier_ = Notifier; }
    IRef<iTAVBindingNotifier> Notifier() override { return notifier_; }
    // Brackets the replacement with the notifier's about-to-change and changed calls.
    void SetSourceObject(const Ref<Object>& SourceObject) override;
    Ref<Object> SourceObject() override { return sourceObject_; }
    SafeArray ListPropertyNames() override;
    std::string Caption() override;

    void InitProperties() override {}
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

  private:
    IRef<iTAVBindingNotifier> notifier_;
    std::string sharingName_{SrcPart_iDispText::DefaultSharingName};
    Ref<Object> sourceObject_;
    MemberLookup reads_;  // the members Value reads, found once
};

}  // namespace tav
