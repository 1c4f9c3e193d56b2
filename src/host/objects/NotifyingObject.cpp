#include "host/objects/NotifyingObject.h"

#include "host/objects/ObjectText.h"

namespace tav {

const ClassDesc& NotifyingObject::table() {
    static const ClassDesc desc = describeAs(ObjectText::NotifyingObject, ObjectText::NotifyingObjectHelp);
    return desc;
}

}  // namespace tav
