// The host's combo box, and stand-ins for source objects with enumerated, Boolean, text and
// predefined-string properties, for the tests of the combo glues and their loader.
#pragma once
#include <string>
#include <vector>

#include "../glues/GlueFakes.h"
#include "automation/conversions/Conversions.h"
#include "automation/objects/Dispatchable.h"
#include "host/controls/ComboBox.h"
#include "contracts/iTAVPerPropertyBrowsing.h"

namespace tav::fakes {

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
