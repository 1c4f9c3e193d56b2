#include "host/framework/CycleFailure.h"

#include "host/framework/FrameworkText.h"

namespace tav {

std::string_view cycleName(Cycle c) {
    switch (c) {
        case Cycle::Display:
            return FrameworkText::CycleDisplay;
        case Cycle::Storage:
            return FrameworkText::CycleStorage;
        case Cycle::WakeUp:
            return FrameworkText::CycleWakeUp;
    }
    return {};
}

}  // namespace tav
