#pragma once
#include <cstdint>

#include "automation/objects/DispatchTypes.h"

namespace tav {

// What moving the array indexer's ArrayIndex makes the framework do. The values act as two
// bits: store_previous_value sends the binding's store request before the index changes,
// redisplay_new_value its redisplay request after.
enum enumArrayIndexChange : int32_t {
    do_nothing = 0,
    store_previous_value = 1,
    redisplay_new_value = 2,
    both_store_and_redisplay = 3,
};

// The enumeration as the type library lists it.
const EnumDesc& enumDesc(enumArrayIndexChange);

}  // namespace tav
