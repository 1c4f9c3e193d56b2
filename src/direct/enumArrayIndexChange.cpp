#include "direct/enumArrayIndexChange.h"

namespace tav {

const EnumDesc& enumDesc(enumArrayIndexChange) {
    static const EnumDesc e{"enumArrayIndexChange",
                            "What setting the array indexer's ArrayIndex triggers.",
                            {{"do_nothing", do_nothing},
                             {"store_previous_value", store_previous_value},
                             {"redisplay_new_value", redisplay_new_value},
                             {"both_store_and_redisplay", both_store_and_redisplay}}};
    return e;
}

}  // namespace tav
