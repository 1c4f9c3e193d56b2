#pragma once
#include <cstdint>

#include "automation/objects/DispatchTypes.h"

namespace tav {

// The formats a designer can pick for the formatting glue; each value is the index of its
// format string in string resource 107. gf_Custom means the user's own format string.
enum gfFormatTypes : int32_t {
    gf_Custom = 0,
    gf_DoubleFull = 1,
    gf_Double4SigFig = 2,
    gf_FloatFullDecPlc = 3,
    gf_FloatVaryPrec = 4,
    gf_GeneralNumber = 5,
    gf_Scientific = 6,
    gf_Standard = 7,
    gf_Currency = 8,
    gf_Fixed = 9,
    gf_Percent = 10,
    gf_GeneralDate = 11,
    gf_LongDate = 12,
    gf_MediumDate = 13,
    gf_ShortDate = 14,
    gf_LongTime = 15,
    gf_MediumTime = 16,
    gf_ShortTime = 17,
    gf_ConditionalScientific = 18,
};

// The enumeration as the type library lists it.
const EnumDesc& enumDesc(gfFormatTypes);

}  // namespace tav
