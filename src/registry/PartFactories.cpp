#include "registry/PartFactories.h"

#include <vector>

// The includes of the built parts go here, one per class.
#include "glues/GluPart_AntiFlicker.h"
#include "glues/GluPart_FireOrvaneCmd.h"
#include "glues/GluPart_Formating.h"
#include "glues/GluPart_OptnValu.h"
#include "glues/GluPart_OptnValuS.h"
#include "glues/GluPart_ScaleProp.h"
#include "sources/SrcPart_AxCls.h"
#include "sources/SrcPart_ImplTarnJobProps.h"
#include "sources/SrcPart_iDisp.h"
#include "expr/ExprEvaluator.h"
#include "expr/FunctionLib.h"
#include "expr/GluPart_Expr1Param.h"
#include "expr/GluPart_ExprInvMultiParam.h"
#include "expr/GluPart_ExprMultiParam.h"
#include "scope/FunneledProperties.h"
#include "scope/FunneledPropertyHolder.h"
#include "scope/SrcPart_InScopeIsdObjS.h"
#include "direct/GluDrct_TypeListIntoVbCombo.h"
#include "sources/SrcPart_1UnivState.h"
#include "glues/GluPart_StateFloatFormatting.h"
#include "direct/GluDrct_StateEnumIntoVbCombo.h"
#include "direct/GluDrct_StateArrayIndexer.h"

namespace tav {

std::span<const PartFactory> partFactories() {
    // One line per built class: factory<ClassName>(),
    static const std::vector<PartFactory> kFactories = {
        factory<SrcPart_ImplTarnJobProps>(),
        factory<SrcPart_AxCls>(),
        factory<SrcPart_iDisp>(),
        factory<GluPart_FireOrvaneCmd>(),
        factory<GluPart_OptnValuS>(),
        factory<GluPart_Formating>(),
        factory<GluPart_ScaleProp>(),
        factory<GluPart_OptnValu>(),
        factory<GluPart_AntiFlicker>(),
        factory<FunctionLib>(),
        factory<ExprEvaluator>(),
        factory<GluPart_ExprInvMultiParam>(),
        factory<GluPart_Expr1Param>(),
        factory<GluPart_ExprMultiParam>(),
        factory<FunneledPropertyHolder>(),
        factory<FunneledProperties>(),
        factory<GluDrct_TypeListIntoVbCombo>(),
        factory<SrcPart_1UnivState>(),
        factory<GluPart_StateFloatFormatting>(),
        factory<GluDrct_StateEnumIntoVbCombo>(),
        factory<GluDrct_StateArrayIndexer>(),
        factory<SrcPart_InScopeIsdObjS>(),
    };
    return kFactories;
}

const PartFactory* findPartFactory(std::string_view className) {
    for (const PartFactory& f : partFactories())
        if (f.describe().name() == className) return &f;
    return nullptr;
}

}  // namespace tav
