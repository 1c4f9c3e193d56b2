#pragma once
#include <cstdint>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "contracts/iQvStateArray.h"
#include "contracts/iTAVBindingItem.h"
#include "contracts/iTAVGluePart.h"
#include "direct/enumArrayIndexChange.h"

namespace tav {

namespace GluDrct_StateArrayIndexerText {
inline constexpr std::string_view ClassName = "GluDrct_StateArrayIndexer";
inline constexpr std::string_view ClassHelp =
    "Binds a single item from a state-array, at ArrayIndex.\nThis glue will ignore any previous glue but may be "
    "folowed by say a formatting glue.\nOK to set ArrayIndex in code.\nDont share one instance into many bindings.";
inline constexpr std::string_view ArrayIndex = "ArrayIndex";
inline constexpr std::string_view ArrayIndexHelp = "Index into state-array. Set at design time or in code.";
inline constexpr std::string_view WhenIndexChanges = "WhenIndexChanges";
inline constexpr std::string_view WhenIndexChangesHelp =
    "Controls behaviour when setting ArrayIndex in code. Not relvent for when ArrayIndex fixed. ";
inline constexpr int32_t DefaultArrayIndex = 1;
inline constexpr enumArrayIndexChange DefaultWhenIndexChanges = do_nothing;
inline constexpr std::string_view OutOfBounds = "ArrayIndex out of bounds:";
inline constexpr std::string_view UnknownProperty = "Unknown source-property:";
inline constexpr std::string_view NotAnArray = "Source-property not an array:";
}  // namespace GluDrct_StateArrayIndexerText

// Binds one element of an array-valued state property: display shows the element at
// ArrayIndex whatever came before it in the chain; storage writes the element itself and then
// stops the cycle, so the framework never writes the whole property. Code may move ArrayIndex;
// WhenIndexChanges decides whether the old element is stored first and the new one shown
// after. One instance serves one binding.
class GluDrct_StateArrayIndexer : public Dispatchable<GluDrct_StateArrayIndexer>,
                                  public iTAVGluePart,
                                  public Persistable {
public:
    static ClassDesc describe();
    GluDrct_StateArrayIndexer();
    ~GluDrct_StateArrayIndexer() override;

    int32_t ArrayIndex() const { return index_; }
    // Refuses 0 and less, and beyond the array's count while awake (error 5, nothing asked).
    // Asleep, there is no binding to store or redisplay: only the index changes.
    void SetArrayIndex(int32_t nNewValue);
    enumArrayIndexChange WhenIndexChanges() const { return whenIndexChanges_; }
    void SetWhenIndexChanges(enumArrayIndexChange eNewValue);

    void WakeUp(const IRef<iTAVBindingItem>& pBindingItem) override;
    void TransformForDisplay(Variant& TheValue) override;
    // Writes the element, then always stops the storage cycle.
    void InvTransformForStorage(Variant& TheValue) override;
    void TearDown() override;
    void OnBindingError(const IRef<iTAVBindingItem>&, int32_t) override {}

    void InitProperties() override;
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

private:
    [[noreturn]] static void refuse(std::string description);
    iQvStateArray& array() const;

    int32_t index_ = GluDrct_StateArrayIndexerText::DefaultArrayIndex;
    enumArrayIndexChange whenIndexChanges_ = GluDrct_StateArrayIndexerText::DefaultWhenIndexChanges;
    IRef<iTAVBindingItem> item_;
    IRef<iQvStateArray> array_;
};

}  // namespace tav
