#include "host/state/StateListing.h"

#include <algorithm>
#include <vector>

#include "automation/conversions/Conversions.h"
#include "automation/values/TypedLiteral.h"
#include "contracts/iQvEnumStateProperty.h"
#include "contracts/iQvFloatStateProperty.h"
#include "host/state/StateProperty.h"
#include "host/state/StateText.h"

namespace tav::StateListing {

namespace {

constexpr std::string_view kHead = "state ";
constexpr std::string_view kIndent = "  ";
constexpr std::string_view kGap = "  ";
constexpr std::string_view kPrecision = " precision ";
constexpr std::string_view kArray = " array";
constexpr std::string_view kItemValue = "=";
constexpr char kSpace = ' ';

std::string kindOf(iQvStateProperty& p) {
    const auto* own = dynamic_cast<StateProperty*>(&p);
    std::string kind = own ? own->Type() : std::string();
    if (auto* f = dynamic_cast<iQvFloatStateProperty*>(&p)) {
        kind += std::string(kPrecision) + std::to_string(f->Precision());
    } else if (auto* e = dynamic_cast<iQvEnumStateProperty*>(&p)) {
        for (int32_t i = StateText::FirstIndex; i <= e->ItemCount(); ++i) {
            const std::string name = CStr(e->ItemName(Variant::I4(i)));
            kind += kSpace + name + std::string(kItemValue) + std::to_string(e->ItemValue(name));
        }
    }
    if (p.IsArray()) kind += kArray;
    return kind;
}

}  // namespace

std::string text(iQvState& state) {
    struct Row {
        std::string name, kind, value;
    };
    std::vector<Row> rows;
    const IRef<iQvStateProperties> properties = state.Properties();
    for (int32_t i = StateText::FirstIndex; i <= properties->Count(); ++i) {
        const IRef<iQvStateProperty> p = properties->Item(Variant::I4(i));
        rows.push_back({p->Name(), kindOf(*p), literal::print(p->Value())});
    }
    size_t nameWidth = 0, kindWidth = 0;
    for (const Row& r : rows) {
        nameWidth = std::max(nameWidth, r.name.size());
        kindWidth = std::max(kindWidth, r.kind.size());
    }
    std::string out = std::string(kHead) + state.TypeName() + "\n";
    for (const Row& r : rows)
        out += std::string(kIndent) + r.name + std::string(nameWidth - r.name.size(), kSpace) + std::string(kGap) +
               r.kind + std::string(kindWidth - r.kind.size(), kSpace) + std::string(kGap) + r.value + "\n";
    return out;
}

}  // namespace tav::StateListing
