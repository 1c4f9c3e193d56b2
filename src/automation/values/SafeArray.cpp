#include "automation/values/SafeArray.h"

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"

namespace tav {

namespace {
size_t elementCount(const std::vector<SafeArray::Bound>& bounds) {
    if (bounds.empty()) return 0;
    size_t n = 1;
    for (const auto& b : bounds) {
        if (b.count < 0) throwError(err::SubscriptOutOfRange);
        n *= static_cast<size_t>(b.count);
    }
    return n;
}
}  // namespace

SafeArray::SafeArray(std::vector<Bound> bounds, VarType elementType) : elementType_(elementType) {
    redim(std::move(bounds));
}

SafeArray SafeArray::vector(std::vector<Variant> items, int32_t lower, VarType elementType) {
    SafeArray a;
    a.elementType_ = elementType;
    a.bounds_ = {Bound{lower, static_cast<int32_t>(items.size())}};
    a.data_ = std::move(items);
    a.allocated_ = true;
    return a;
}

SafeArray SafeArray::unallocated(VarType elementType) {
    SafeArray a;
    a.elementType_ = elementType;
    return a;
}

void SafeArray::redim(std::vector<Bound> bounds) {
    const size_t n = elementCount(bounds);
    bounds_ = std::move(bounds);
    data_.assign(n, Variant());
    allocated_ = true;
}

void SafeArray::redimPreserve(int32_t newUpper) {
    if (!allocated_ || bounds_.empty()) throwError(err::SubscriptOutOfRange);
    Bound& last = bounds_.back();
    const int64_t newCount = int64_t(newUpper) - last.lower + 1;
    if (newCount < 0) throwError(err::SubscriptOutOfRange);
    // The last dimension varies slowest, so its elements are whole blocks at the end.
    size_t stride = 1;
    for (size_t d = 0; d + 1 < bounds_.size(); ++d) stride *= static_cast<size_t>(bounds_[d].count);
    last.count = static_cast<int32_t>(newCount);
    data_.resize(stride * static_cast<size_t>(newCount));
}

int32_t SafeArray::lbound(int dim) const {
    if (!allocated_ || dim < 1 || dim > dims()) throwError(err::SubscriptOutOfRange);
    return bounds_[dim - 1].lower;
}

int32_t SafeArray::ubound(int dim) const {
    if (!allocated_ || dim < 1 || dim > dims()) throwError(err::SubscriptOutOfRange);
    return bounds_[dim - 1].upper();
}

size_t SafeArray::offset(std::span<const int32_t> index) const {
    if (!allocated_ || index.size() != bounds_.size()) throwError(err::SubscriptOutOfRange);
    size_t off = 0;
    size_t stride = 1;
    for (size_t d = 0; d < bounds_.size(); ++d) {
        const int64_t i = int64_t(index[d]) - bounds_[d].lower;
        if (i < 0 || i >= bounds_[d].count) throwError(err::SubscriptOutOfRange);
        off += static_cast<size_t>(i) * stride;
        stride *= static_cast<size_t>(bounds_[d].count);
    }
    return off;
}

Variant& SafeArray::at(std::span<const int32_t> index) { return data_[offset(index)]; }
const Variant& SafeArray::at(std::span<const int32_t> index) const { return data_[offset(index)]; }

}  // namespace tav
