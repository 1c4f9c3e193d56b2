#include "host/model/ValueList.h"

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/model/ModelText.h"

namespace tav::hostmodel {

namespace T = ModelText;

namespace {

// Lists of a million values come and go with every read of a large scope. The buffers of the
// last list to go are kept for the next one (one per kind and thread), so that reading does not
// ask the system for fresh memory (and fault it in) each time.
template <class T>
std::vector<T>& spare() {
    thread_local std::vector<T> buffer;
    return buffer;
}

template <class T>
void takeSpare(std::vector<T>& v) {
    if (v.capacity() == 0) v.swap(spare<T>());
    v.clear();
}

template <class T>
void giveBack(std::vector<T>& v) {
    std::vector<T>& buffer = spare<T>();
    if (v.capacity() <= buffer.capacity()) return;
    v.clear();
    buffer.swap(v);
}

}  // namespace

ClassDesc ValueList::describe() {
    using C = ValueList;
    return ClassDesc(std::string(T::ValueList), std::string(T::ValueListHelp))
        .add(property<&C::Count>(T::Count))
        .add(property<&C::Item>(T::Item, {T::IndexParam}).withId(DispIdValue))
        .add(method<&C::Add>(T::Add, {T::ValueParam}));
}

int32_t ValueList::Count() {
    switch (form_) {
        case Form::Doubles:
            return static_cast<int32_t>(doubles_.size());
        case Form::Longs:
            return static_cast<int32_t>(longs_.size());
        case Form::Codes:
            return static_cast<int32_t>(codes_.size());
        case Form::Variants:
            break;
    }
    return static_cast<int32_t>(values_.size());
}

Variant ValueList::Item(int32_t index) {
    if (index < 1 || index > Count()) throwError(err::SubscriptOutOfRange);
    const auto i = static_cast<size_t>(index - 1);
    switch (form_) {
        case Form::Doubles:
            return Variant::R8(doubles_[i]);
        case Form::Longs:
            return Variant::I4(longs_[i]);
        case Form::Codes:
            return table_->text(codes_[i]);
        case Form::Variants:
            break;
    }
    return values_[i];
}

void ValueList::Add(const Variant& value) {
    toVariants();
    values_.push_back(value);
}

std::span<const Variant> ValueList::Values() {
    toVariants();
    return values_;
}

void ValueList::toVariants() {
    if (form_ == Form::Variants) return;
    values_.clear();
    values_.reserve(static_cast<size_t>(Count()));
    for (double d : doubles_) values_.push_back(Variant::R8(d));
    for (int32_t n : longs_) values_.push_back(Variant::I4(n));
    for (uint32_t c : codes_) values_.push_back(table_->text(c));
    doubles_ = {};
    longs_ = {};
    codes_ = {};
    table_.reset();
    form_ = Form::Variants;
}

std::vector<Variant>& ValueList::variants() {
    toVariants();
    if (values_.empty()) takeSpare(values_);
    return values_;
}

ValueList::~ValueList() {
    giveBack(values_);
    giveBack(doubles_);
    giveBack(longs_);
    giveBack(codes_);
}

void ValueList::clear() {
    values_.clear();
    doubles_.clear();
    longs_.clear();
    codes_.clear();
    table_.reset();
}

std::vector<double>& ValueList::doubles() {
    clear();
    takeSpare(doubles_);
    form_ = Form::Doubles;
    return doubles_;
}

std::vector<int32_t>& ValueList::longs() {
    clear();
    takeSpare(longs_);
    form_ = Form::Longs;
    return longs_;
}

std::vector<uint32_t>& ValueList::codes(std::shared_ptr<const TextDictionary> table) {
    clear();
    takeSpare(codes_);
    table_ = std::move(table);
    form_ = Form::Codes;
    return codes_;
}

}  // namespace tav::hostmodel
