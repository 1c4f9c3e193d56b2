#include "automation/Locale.h"

namespace tav {

const Locale& Locale::enUS() {
    static const Locale loc;
    return loc;
}

const Locale& Locale::current() { return enUS(); }

}  // namespace tav
