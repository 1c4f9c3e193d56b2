#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVValueList.h"
#include "host/model/TextDictionary.h"

namespace tav::hostmodel {

// A list of values (Host.ValueList): what an accessor reads, one value per object. A list read
// from a column of Doubles or Longs keeps the plain numbers, and one read from a column of texts
// keeps the texts' codes; it makes Variants of them only when someone asks for Variants.
class ValueList : public Dispatchable<ValueList>, public iTAVValueList {
  public:
    static ClassDesc describe();
    ValueList() = default;
    ~ValueList() override;

    int32_t Count() override;
    // 1-based; error 9 outside 1..Count.
    Variant Item(int32_t index) override;
    void Add(const Variant& value) override;
    std::span<const Variant> Values() override;
    std::span<const double> Doubles() override {
        return form_ == Form::Doubles ? doubles_ : std::span<const double>();
    }
    std::span<const int32_t> Longs() override {
        return form_ == Form::Longs ? longs_ : std::span<const int32_t>();
    }
    std::span<const uint32_t> Codes() override {
        return form_ == Form::Codes ? codes_ : std::span<const uint32_t>();
    }
    std::span<const Variant> CodeTable() override {
        return form_ == Form::Codes ? table_->texts() : std::span<const Variant>();
    }

    // Filling from C++: the storage of one form, which the list then has (empty, with the
    // capacity of an earlier list's buffer).
    std::vector<Variant>& variants();
    std::vector<double>& doubles();
    std::vector<int32_t>& longs();
    std::vector<uint32_t>& codes(std::shared_ptr<const TextDictionary> table);
    void setCodeTable(std::shared_ptr<const TextDictionary> table) { table_ = std::move(table); }

  private:
    enum class Form : uint8_t { Variants, Doubles, Longs, Codes };
    void toVariants();
    void clear();

    Form form_ = Form::Variants;
    std::vector<Variant> values_;
    std::vector<double> doubles_;
    std::vector<int32_t> longs_;
    std::vector<uint32_t> codes_;
    std::shared_ptr<const TextDictionary> table_;
};

}  // namespace tav::hostmodel
