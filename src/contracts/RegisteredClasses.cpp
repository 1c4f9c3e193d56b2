#include "contracts/RegisteredClasses.h"

namespace tav::library {

namespace {

// FunneledPropertyHolder is creatable by clients too (a designer builds holders itself).
constexpr RegisteredClass kClasses[] = {
    {"SrcPart_ImplTarnJobProps", Guid("{A9667EC9-AFF9-40FE-91C2-5225A99262E0}"), Guid("{E7FF5E09-B5B4-4993-8936-ACA32C6F7E18}"), true, false, {Fw::Source}},
    {"SrcPart_AxCls", Guid("{D6FEA52E-01D6-43A5-AF0E-21D36331941E}"), Guid("{704293BD-53F8-4754-9402-F87DBD84DE39}"), true, true, {Fw::Source}},
    {"SrcPart_iDisp", Guid("{342235D9-CE8E-434A-8BA7-3BD952810E27}"), Guid("{E3A95BC8-14D1-4E56-B57E-938449C657BB}"), true, true, {Fw::Source}},
    {"SrcPart_1UnivState", Guid("{6AD55FE2-9D82-4BBF-A4A9-302F737475FD}"), Guid("{A8B68BB8-C80D-42F2-8671-7468C0DDDA13}"), true, true, {Fw::Source, Fw::Browsing}},
    {"GluDrct_TypeListIntoVbCombo", Guid("{9C0C2234-3D11-4D62-AAFD-2F321586F68E}"), Guid("{67698CCF-2067-493B-9152-F941A5845482}"), true, true, {Fw::Direct}},
    {"GluPart_FireOrvaneCmd", Guid("{AD5DE51D-6915-449E-A06E-585EF07E28AA}"), Guid("{74D2616F-1FD4-4B83-A919-133DE74091BB}"), true, true, {Fw::Glue}},
    {"GluPart_OptnValuS", Guid("{CC8F01F9-0E28-46A9-867E-65141A411E11}"), Guid("{18734408-2D02-49F4-9B85-ED147EC80DCE}"), true, true, {Fw::Glue}},
    {"GluPart_ScaleProp", Guid("{093C7750-7F38-45F7-98AB-D37C1ED008DD}"), Guid("{F2E95938-7127-487E-805F-A166BE27B57E}"), true, true, {Fw::Glue}},
    {"GluDrct_StateEnumIntoVbCombo", Guid("{FF967FFF-1D72-4B9A-B6EA-F098F7F89848}"), Guid("{28403D7D-B932-46D8-ADA3-4733EE5F32D0}"), true, true, {Fw::Direct}},
    {"GluPart_OptnValu", Guid("{00FC59B2-7F1B-4933-8D49-1CC4C4DF6F97}"), Guid("{CF2B9FB3-199F-4690-9646-97F205FFD483}"), true, true, {Fw::Glue}},
    {"FunctionLib", Guid("{78C67C18-1432-4EC1-99E8-9204CBEF0495}"), Guid("{51295B70-B78E-4282-AE6F-6F7774972F74}"), false, false, {}},
    {"ExprEvaluator", Guid("{AE5251DE-E34E-432B-9855-8A3049248CB6}"), Guid("{62ADA557-9F7A-493F-B027-5EB7B2573DF6}"), false, false, {}},
    {"GluPart_ExprInvMultiParam", Guid("{5E363EB4-A59B-4FE2-9689-800BE8068CB5}"), Guid("{633792BD-095A-4476-A560-2FDF1E25A184}"), true, true, {Fw::Glue, Fw::Browsing}},
    {"GluPart_Expr1Param", Guid("{304883E9-A0C8-4844-8156-6EFA8ACD604A}"), Guid("{464A8359-3425-42D6-B11C-E1C1135E44E0}"), true, true, {Fw::Glue, Fw::Browsing}},
    {"GluPart_ExprMultiParam", Guid("{C95D29F0-346A-4D32-8DEE-9767418E15BB}"), Guid("{7F9D705E-5ABF-4CCD-87D7-7B5904964B1E}"), true, true, {Fw::Glue, Fw::Browsing}},
    {"GluPart_StateFloatFormatting", Guid("{9C744F03-1EB7-4E51-BD75-F2AF67BF7E0F}"), Guid("{C47BB5DE-1236-440E-BEEF-15E6F0D75C11}"), true, true, {Fw::Glue}},
    {"FunneledPropertyHolder", Guid("{730FDA4D-6EC0-4B02-8E2D-E128D2A3EC80}"), Guid("{C8D09F85-B76A-4019-AF6B-B453D49A61B5}"), true, false, {}},
    {"FunneledProperties", Guid("{A57E01B8-6D9C-4AF2-B6A5-56008F957302}"), Guid("{CBFBD4EE-D044-4FE7-BB46-D8403C901678}"), true, false, {}},
    {"GluPart_Formating", Guid("{A47143FD-B402-438A-8DD6-6D17F03423C8}"), Guid("{6FFBE10E-42E3-4230-95FA-5FC01D598902}"), true, true, {Fw::Glue}},
    {"GluPart_AntiFlicker", Guid("{90622C91-D36B-45FA-833C-D420BC293FAD}"), Guid("{4B9EBD2A-7F62-4396-A4A7-FD49C33151B3}"), true, true, {Fw::Glue}},
    {"SrcPart_InScopeIsdObjS", Guid("{CA1CEB57-4E92-4BA8-85F0-6E3D6AB094E5}"), Guid("{211233D6-7EBF-43E1-BEFC-EED2CF2BCC60}"), true, true, {Fw::Browsing, Fw::Source}, true},
    {"GluDrct_StateArrayIndexer", Guid("{C7F910B9-DC79-47EF-B1F8-EB0BAF03778D}"), Guid("{AB0EC129-AC06-4C8E-B2D0-4E5ED8A95441}"), true, true, {Fw::Glue}},
};

}  // namespace

std::string_view interfaceName(Fw f) {
    switch (f) {
        case Fw::Source: return "iTAVSourcePart";
        case Fw::Browsing: return "iTAVPerPropertyBrowsing";
        case Fw::Direct: return "iTAVGlueDirect";
        case Fw::Glue: return "iTAVGluePart";
        case Fw::None: break;
    }
    return {};
}

std::span<const RegisteredClass> classes() { return kClasses; }

const RegisteredClass* findClass(std::string_view name) {
    for (const RegisteredClass& c : kClasses)
        if (c.name == name) return &c;
    return nullptr;
}

std::string progIdOf(std::string_view className) { return std::string(kName) + "." + std::string(className); }

}  // namespace tav::library
