#include "glues/GluPart_Formating.h"

#include <limits>

#include "automation/conversions/Conversions.h"
#include "automation/format/Format.h"
#include "glues/CondScientificFormat.h"
#include "contracts/StringResources.h"
#include "util/DBugLifeTimes.h"
#include "util/Utils.h"

namespace tav {

namespace T = GluPart_FormatingText;

namespace {

// Calls f(piece, index) for each "|" piece of the format list until f returns true; returns
// the number of pieces visited.
template <class F>
int32_t eachListedFormat(F&& f) {
    std::string_view rest = resources::FormatList;
    for (int32_t index = 0;; ++index) {
        const size_t bar = rest.find(resources::ListSeparator);
        if (f(rest.substr(0, bar), index) || bar == std::string_view::npos) return index + 1;
        rest.remove_prefix(bar + resources::ListSeparator.size());
    }
}

}  // namespace

std::string_view GluPart_Formating::formatStringOf(int32_t formatType) {
    // The type travels as a 16-bit index into the list.
    if (formatType < std::numeric_limits<int16_t>::min() ||
        formatType > std::numeric_limits<int16_t>::max())
        throwOverflow();
    if (formatType == gf_Custom) return {};
    std::string_view found;
    bool inList = false;
    eachListedFormat([&](std::string_view piece, int32_t index) {
        if (index != formatType) return false;
        found = piece;
        inList = true;
        return true;
    });
    if (!inList) throwError(err::SubscriptOutOfRange);
    return found;
}

gfFormatTypes GluPart_Formating::formatTypeOf(std::string_view formatString) {
    int32_t type = gf_Custom;
    eachListedFormat([&](std::string_view piece, int32_t index) {
        if (piece != formatString) return false;
        type = index;
        return true;
    });
    return static_cast<gfFormatTypes>(type);
}

bool GluPart_Formating::isNumericType(int32_t formatType) {
    return (formatType >= gf_DoubleFull && formatType <= gf_Percent) ||
           formatType == gf_ConditionalScientific;
}

ClassDesc GluPart_Formating::describe() {
    using C = GluPart_Formating;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::FormatString, &C::SetFormatString>(T::FormatString))
        .add(property<&C::FormatType, &C::SetFormatType>(T::FormatType))
        .add(property<&C::StoreAsNumber, &C::SetStoreAsNumber>(T::StoreAsNumber,
                                                               T::StoreAsNumberHelp))
        .implements<iTAVGluePart>()
        .implements<Persistable>()
        .enumeration(enumDesc(gfFormatTypes{}));
}

GluPart_Formating::GluPart_Formating() : formatString_(formatStringOf(T::DefaultFormatType)) {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}
GluPart_Formating::~GluPart_Formating() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}

void GluPart_Formating::SetFormatString(std::string_view strNewValue) {
    formatString_ = strNewValue;
    PropertyChanged(T::FormatString);
    const gfFormatTypes type = formatTypeOf(formatString_);
    if (type != formatType_) SetFormatType(type);
}

void GluPart_Formating::SetFormatType(gfFormatTypes eNewValue) {
    formatType_ = eNewValue;
    PropertyChanged(T::FormatType);
    if (eNewValue != gf_Custom) {
        const std::string_view listed = formatStringOf(eNewValue);
        if (listed != formatString_) SetFormatString(listed);
    }
    SetStoreAsNumber(isNumericType(eNewValue));
}

void GluPart_Formating::SetStoreAsNumber(bool bNewValue) {
    storeAsNumber_ = bNewValue;
    PropertyChanged(T::StoreAsNumber);
}

void GluPart_Formating::TransformForDisplay(Variant& TheValue) {
    if (formatType_ == gf_ConditionalScientific) {
        TheValue = Variant(CondScientificFormat::Text(TheValue));
    } else if (!formatString_.empty()) {
        TheValue = Format(TheValue, formatString_, CondScientificFormat::FirstDayOfWeek,
                          CondScientificFormat::FirstWeekOfYear);
    }
}

void GluPart_Formating::InvTransformForStorage(Variant& TheValue) {
    if (storeAsNumber_) TheValue = Utils::CNum(TheValue);
}

void GluPart_Formating::InitProperties() {
    formatType_ = T::DefaultFormatType;
    formatString_ = formatStringOf(formatType_);
    storeAsNumber_ = T::DefaultStoreAsNumber;
}

void GluPart_Formating::ReadProperties(const Ref<PropertyBag>& PropBag) {
    // Each default follows from the type just read, so a bag that keeps only the type is whole.
    formatType_ = static_cast<gfFormatTypes>(
        CLng(PropBag->ReadProperty(T::FormatType, Variant::I4(T::DefaultFormatType))));
    formatString_ =
        CStr(PropBag->ReadProperty(T::FormatString, Variant(formatStringOf(formatType_))));
    storeAsNumber_ =
        CBool(PropBag->ReadProperty(T::StoreAsNumber, Variant::Bool(isNumericType(formatType_))));
}

void GluPart_Formating::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::FormatType, Variant::I4(formatType_),
                           Variant::I4(T::DefaultFormatType));
    PropBag->WriteProperty(T::FormatString, Variant(formatString_),
                           Variant(formatStringOf(formatType_)));
    PropBag->WriteProperty(T::StoreAsNumber, Variant::Bool(storeAsNumber_),
                           Variant::Bool(isNumericType(formatType_)));
}

}  // namespace tav
