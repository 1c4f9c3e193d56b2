#include "direct/EnumDataItem.h"

namespace tav {

std::string_view EnumDataItem::typeName() const { return ClassName; }

}  // namespace tav
