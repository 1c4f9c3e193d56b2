#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "automation/values/Variant.h"

namespace tav {

// An n-dimensional array of Variants, each dimension with its own lower bound. An array that
// was never given storage ("unallocated") fails with error 9 when its bounds are read; an
// allocated array may be empty (bounds 0 to -1).
class SafeArray {
public:
    struct Bound {
        int32_t lower;
        int32_t count;
        int32_t upper() const { return lower + count - 1; }
    };

    SafeArray() = default;  // unallocated
    explicit SafeArray(std::vector<Bound> bounds, VarType elementType = VarType::Variant);
    // A one-dimensional array from lower bound `lower`.
    static SafeArray vector(std::vector<Variant> items, int32_t lower = 0,
                            VarType elementType = VarType::Variant);
    static SafeArray unallocated(VarType elementType = VarType::Variant);

    bool allocated() const noexcept { return allocated_; }
    VarType elementType() const noexcept { return elementType_; }
    int dims() const noexcept { return static_cast<int>(bounds_.size()); }
    // Bounds of dimension `dim` (1-based, as LBound/UBound take it); error 9 when the array
    // is unallocated or the dimension does not exist.
    int32_t lbound(int dim = 1) const;
    int32_t ubound(int dim = 1) const;
    const std::vector<Bound>& bounds() const noexcept { return bounds_; }
    size_t size() const noexcept { return data_.size(); }

    // Element by index list (one index per dimension); error 9 when out of range.
    Variant& at(std::span<const int32_t> index);
    const Variant& at(std::span<const int32_t> index) const;
    Variant& at(std::initializer_list<int32_t> index) { return at(std::span(index.begin(), index.size())); }
    const Variant& at(std::initializer_list<int32_t> index) const {
        return at(std::span(index.begin(), index.size()));
    }

    // The elements in storage order (first dimension varies fastest, as in a SAFEARRAY).
    std::vector<Variant>& data() noexcept { return data_; }
    const std::vector<Variant>& data() const noexcept { return data_; }

    // Re-dimensions the array, dropping the old content (ReDim without Preserve).
    void redim(std::vector<Bound> bounds);
    // Grows or shrinks the last dimension keeping the content (ReDim Preserve).
    void redimPreserve(int32_t newUpperOfLastDim);

    friend bool operator==(const SafeArray&, const SafeArray&) = delete;

private:
    size_t offset(std::span<const int32_t> index) const;

    std::vector<Bound> bounds_;
    std::vector<Variant> data_;
    VarType elementType_ = VarType::Variant;
    bool allocated_ = false;
};

}  // namespace tav
