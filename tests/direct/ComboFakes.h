// Stand-ins for a combo box and for source objects with enumerated, Boolean, text and
// predefined-string properties, for the tests of the combo glues and their loader.
#pragma once
#include <string>
#include <vector>

#include "../glues/GlueFakes.h"
#include "automation/Conversions.h"
#include "automation/Dispatchable.h"
#include "contracts/iTAVComboBox.h"
#include "contracts/iTAVPerPropertyBrowsing.h"

namespace tav::fakes {

// A list of texts, a selection and a text, as the host's combo box keeps them.
class FakeCombo : public Object, public iTAVComboBox {
public:
    void Clear() override {
        items.clear();
        index = -1;
        text.clear();
    }
    void AddItem(std::string_view Item, const Variant& Index) override {
        const auto at = isMissing(Index) ? items.size() : static_cast<size_t>(CInt(Index));
        if (at > items.size()) throwError(err::InvalidProcedureCall);
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), std::string(Item));
    }
    void RemoveItem(int16_t Index) override { items.erase(items.begin() + at(Index)); }
    int16_t ListCount() const override { return static_cast<int16_t>(items.size()); }
    std::string List(int16_t Index) const override { return items[static_cast<size_t>(at(Index))]; }
    int16_t ListIndex() const override { return index; }
    std::string Text() const override { return text; }

    void select(std::string_view t) {
        text = t;
        index = -1;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == t) index = static_cast<int16_t>(i);
    }
    // The entries joined by "|".
    std::string joined() const {
        std::string out;
        for (const std::string& s : items) out += (out.empty() ? "" : "|") + s;
        return out;
    }

    std::vector<std::string> items;
    int16_t index = -1;
    std::string text;

private:
    std::ptrdiff_t at(int16_t i) const {
        if (i < 0 || static_cast<size_t>(i) >= items.size()) throwError(err::InvalidProcedureCall);
        return i;
    }
};

enum Shade : int32_t { gf_A = 0, gf_B = 1, gf_C = 2 };
inline const EnumDesc& enumDesc(Shade) {
    static const EnumDesc e{"Shade", "Three shades.", {{"gf_A", gf_A}, {"gf_B", gf_B}, {"gf_C", gf_C}}};
    return e;
}

// A source object with one property of each kind the glue tells apart.
class FakeSource : public Dispatchable<FakeSource> {
public:
    static ClassDesc describe() {
        using C = FakeSource;
        return ClassDesc("FakeSource", "")
            .add(property<&C::GetShade, &C::SetShade>("Shade"))
            .add(property<&C::GetFlag, &C::SetFlag>("Flag"))
            .add(property<&C::GetName, &C::SetName>("Name"));
    }
    Shade GetShade() const { return shade; }
    void SetShade(Shade v) { shade = v; }
    bool GetFlag() const { return flag; }
    void SetFlag(bool v) { flag = v; }
    std::string GetName() const { return name; }
    void SetName(std::string_view v) { name = v; }

    Shade shade = gf_A;
    bool flag = false;
    std::string name;
};

// A source object that offers predefined strings for its Shade property (and none for Flag).
class FakeBrowsable : public Dispatchable<FakeBrowsable>, public iTAVPerPropertyBrowsing {
public:
    static ClassDesc describe() {
        using C = FakeBrowsable;
        return ClassDesc("FakeBrowsable", "")
            .add(property<&C::GetShade, &C::SetShade>("Shade"))
            .add(property<&C::GetFlag, &C::SetFlag>("Flag"))
            .implements<iTAVPerPropertyBrowsing>();
    }
    int32_t GetShade() const { return shade; }
    void SetShade(int32_t v) { shade = v; }
    bool GetFlag() const { return flag; }
    void SetFlag(bool v) { flag = v; }

    Variant GetPredefinedValue(std::string_view, std::string_view PreDefinedString) override {
        for (size_t i = 0; i < texts.size(); ++i)
            if (texts[i] == PreDefinedString) return Variant::I4(static_cast<int32_t>(i) * 10);
        return Variant();
    }
    SafeArray GetPredefinedStrings(std::string_view PropertyName) override {
        if (PropertyName != "Shade") return SafeArray::unallocated();
        std::vector<Variant> v;
        for (const std::string& t : texts) v.emplace_back(std::string_view(t));
        return SafeArray::vector(std::move(v));
    }
    std::string GetDisplayString(std::string_view) override { return display; }
    std::string MapPropertyToControlProgId(std::string_view) override { return {}; }

    int32_t shade = 10;
    bool flag = true;
    std::vector<std::string> texts{"Low", "Mid", "High"};
    std::string display = "Mid";
};

}  // namespace tav::fakes
