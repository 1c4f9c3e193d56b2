#pragma once
#include <vector>

#include "automation/values/Object.h"
#include "automation/values/Variant.h"

namespace tav {

// The enumerator behind a for-each loop (what a collection's NewEnum member hands out). It
// walks a snapshot taken when it was made, so changing the collection meanwhile is safe.
class VariantEnumerator : public Object {
public:
    explicit VariantEnumerator(std::vector<Variant> items) : items_(std::move(items)) {}

    // The next item, or false at the end.
    bool next(Variant& out) {
        if (pos_ >= items_.size()) return false;
        out = items_[pos_++];
        return true;
    }
    void skip(size_t n) { pos_ = n > items_.size() - pos_ ? items_.size() : pos_ + n; }
    void reset() { pos_ = 0; }
    Ref<VariantEnumerator> clone() const {
        Ref<VariantEnumerator> c = makeRef<VariantEnumerator>(items_);
        c->pos_ = pos_;
        return c;
    }
    std::string_view typeName() const override { return "IEnumVARIANT"; }

private:
    std::vector<Variant> items_;
    size_t pos_ = 0;
};

}  // namespace tav
