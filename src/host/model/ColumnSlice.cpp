#include "host/model/ColumnSlice.h"

namespace tav::hostmodel {

Variant ColumnSlice::value(size_t i) const {
    const auto pos = static_cast<uint32_t>(i);
    switch (kind) {
        case ColumnKind::Unset:
            return {};
        case ColumnKind::Double:
            return present.test(pos) ? Variant::R8(doubles[i]) : Variant();
        case ColumnKind::Long:
            return present.test(pos) ? Variant::I4(longs[i]) : Variant();
        case ColumnKind::Text:
            return present.test(pos) ? dictionary->text(codes[i]) : Variant();
        case ColumnKind::Any:
            return any[i];
    }
    return {};
}

size_t ColumnSlice::bytes() const {
    return doubles.capacity() * sizeof(double) + longs.capacity() * sizeof(int32_t) +
           codes.capacity() * sizeof(uint32_t) + any.capacity() * sizeof(Variant) + present.bytes();
}

}  // namespace tav::hostmodel
