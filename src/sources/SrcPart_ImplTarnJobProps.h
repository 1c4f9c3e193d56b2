#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVSourcePart.h"

namespace tav {

namespace SrcPart_ImplTarnJobPropsText {
inline constexpr std::string_view ClassName = "SrcPart_ImplTarnJobProps";
inline constexpr std::string_view ClassHelp =
    "Allows Tarn.Job's properties to be bound to UI.\r\n[-] Any underlying changes made to the "
    "Job, will not be "
    "shown.\r\n[-] does not provide a design time list of properties, as these may vary from one "
    "instance to the "
    "next.";
// The job's parameterised member that holds the properties it has no member of its own for.
inline constexpr std::string_view PropertiesMember = "Properties";
inline constexpr std::string_view Caption = "Job";
}  // namespace SrcPart_ImplTarnJobPropsText

// Binds the properties of a job: each one is the job's member of that name or, failing that,
// the entry of that name in the job's "Properties" member. Only writes made through this part
// are reported.
class SrcPart_ImplTarnJobProps : public Dispatchable<SrcPart_ImplTarnJobProps>,
                                 public iTAVSourcePart {
  public:
    static ClassDesc describe();

    // Never fails: a property the job does not have reads as Empty.
    Variant Value(std::string_view PropertyName) override;
    // Fails only when neither the member nor the "Properties" entry takes the value.
    void LetValue(std::string_view PropertyName, const Variant& NewValue) override;
    // Not supported: error 5.
    void SetValue(std::string_view PropertyName, const Variant& NewValue) override;
    void SetNotifier(const IRef<iTAVBindingNotifier>& Notifier) override { notifier_ = Notifier; }
    IRef<iTAVBindingNotifier> Notifier() override { return notifier_; }
    // The object must be a job (error 13); the notifier hears about the change on both sides.
    void SetSourceObject(const Ref<Object>& SourceObject) override;
    Ref<Object> SourceObject() override { return job_; }
    SafeArray ListPropertyNames() override;
    std::string Caption() override { return std::string(SrcPart_ImplTarnJobPropsText::Caption); }

  private:
    // The notifier, which this part expects to have been given (error 91 otherwise).
    IRef<iTAVBindingNotifier> notifier() const;

    IRef<iTAVBindingNotifier> notifier_;
    Ref<Object> job_;
};

}  // namespace tav
