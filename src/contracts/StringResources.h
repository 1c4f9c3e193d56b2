#pragma once
#include <cstdint>
#include <string_view>

// The library's string resources, by their resource ids.
namespace tav::resources {

// 107: the named formats of the formatting glue, "|"-separated. The first piece is empty so
// that piece i belongs to format type i (type 0 is the user's own format string).
inline constexpr int32_t FormatListId = 107;
inline constexpr std::string_view FormatList =
    "|0.000000e-0|0.000e-0|#,##0.000000|#,##0.0#######|General "
    "Number|Scientific|Standard|Currency|Fixed|"
    "Percent|General Date|Long Date|Medium Date|Short Date|Long Time|Medium Time|Short Time|"
    "ConditionalScientific";

// 108: atom property names, "|"-separated. Carried with the library; no part reads it.
inline constexpr int32_t AtomPropertyNamesId = 108;
inline constexpr std::string_view AtomPropertyNames = "|Charge|Mass|X|Y|Z|Element|Name|Radius";

inline constexpr std::string_view ListSeparator = "|";

}  // namespace tav::resources
