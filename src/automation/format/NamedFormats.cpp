#include "automation/format/NamedFormats.h"

#include <array>

namespace tav {

namespace {

using Kind = CompiledFormat::Kind;
using Field = DateSection::Field;

// Number layouts of the named number formats (the currency's is the locale's).
constexpr std::string_view kFixedLayout = "0.00";
constexpr std::string_view kStandardLayout = "#,##0.00";
constexpr std::string_view kPercentLayout = "0.00%";
constexpr std::string_view kScientificLayout = "0.00E+00";
// Date layouts that have no picture of their own in the locale.
constexpr std::string_view kMediumDateLayout = "dd-mmm-yy";
constexpr std::string_view kMediumTimeLayout = "hh:nn AMPM";
constexpr std::string_view kShortTimeLayout = "hh:nn";

CompiledFormat kindOnly(Kind kind) {
    CompiledFormat f;
    f.kind = kind;
    return f;
}

CompiledFormat twoState(std::string_view nonZero, std::string_view zero) {
    CompiledFormat f = kindOnly(Kind::TwoState);
    f.twoState = {std::string(nonZero), std::string(zero)};
    return f;
}

CompiledFormat dateField(Field field) {
    CompiledFormat f = kindOnly(Kind::Date);
    f.date.push_back(DateSection::single(field));
    return f;
}

struct NamedFormat {
    std::string_view name;
    CompiledFormat (*build)();
};

const std::array<NamedFormat, 16> kNamedFormats{{
    {"General Number", [] { return kindOnly(Kind::GeneralNumber); }},
    {"Currency", [] { return kindOnly(Kind::Currency); }},
    {"Fixed", [] { return compileCustomFormat(kFixedLayout); }},
    {"Standard", [] { return compileCustomFormat(kStandardLayout); }},
    {"Percent", [] { return compileCustomFormat(kPercentLayout); }},
    {"Scientific", [] { return compileCustomFormat(kScientificLayout); }},
    {"Yes/No", [] { return twoState("Yes", "No"); }},
    {"True/False", [] { return twoState("True", "False"); }},
    {"On/Off", [] { return twoState("On", "Off"); }},
    {"General Date", [] { return dateField(Field::GeneralDate); }},
    {"Long Date", [] { return dateField(Field::LongDate); }},
    {"Medium Date", [] { return compileCustomFormat(kMediumDateLayout); }},
    {"Short Date", [] { return dateField(Field::ShortDate); }},
    {"Long Time", [] { return dateField(Field::Time); }},
    {"Medium Time", [] { return compileCustomFormat(kMediumTimeLayout); }},
    {"Short Time", [] { return compileCustomFormat(kShortTimeLayout); }},
}};

}  // namespace

std::optional<CompiledFormat> namedFormat(std::string_view name) {
    for (const NamedFormat& n : kNamedFormats)
        if (equalsIgnoringCase(n.name, name)) return n.build();
    return std::nullopt;
}

}  // namespace tav
