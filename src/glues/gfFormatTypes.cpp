#include "glues/gfFormatTypes.h"

namespace tav {

const EnumDesc& enumDesc(gfFormatTypes) {
    static const EnumDesc e{"gfFormatTypes",
                            "The formats of the formatting glue.",
                            {{"gf_Custom", gf_Custom},
                             {"gf_DoubleFull", gf_DoubleFull},
                             {"gf_Double4SigFig", gf_Double4SigFig},
                             {"gf_FloatFullDecPlc", gf_FloatFullDecPlc},
                             {"gf_FloatVaryPrec", gf_FloatVaryPrec},
                             {"gf_GeneralNumber", gf_GeneralNumber},
                             {"gf_Scientific", gf_Scientific},
                             {"gf_Standard", gf_Standard},
                             {"gf_Currency", gf_Currency},
                             {"gf_Fixed", gf_Fixed},
                             {"gf_Percent", gf_Percent},
                             {"gf_GeneralDate", gf_GeneralDate},
                             {"gf_LongDate", gf_LongDate},
                             {"gf_MediumDate", gf_MediumDate},
                             {"gf_ShortDate", gf_ShortDate},
                             {"gf_LongTime", gf_LongTime},
                             {"gf_MediumTime", gf_MediumTime},
                             {"gf_ShortTime", gf_ShortTime},
                             {"gf_ConditionalScientific", gf_ConditionalScientific}}};
    return e;
}

}  // namespace tav
