// The heap a program holds now (glibc's mallinfo2: in-use chunks plus mapped blocks), for
// measuring what a structure takes.
#pragma once
#include <malloc.h>

#include <cstddef>

namespace tav::bench {

inline size_t heapInUse() {
    const struct mallinfo2 mi = mallinfo2();
    return mi.uordblks + mi.hblkhd;
}

}  // namespace tav::bench
