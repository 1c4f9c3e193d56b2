#include "host/model/Column.h"

#include <algorithm>

#include "automation/values/TypedLiteral.h"

namespace tav::hostmodel {

namespace {

ColumnKind kindOf(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty:
            return ColumnKind::Unset;
        case VarType::R8:
            return ColumnKind::Double;
        case VarType::I4:
            return ColumnKind::Long;
        case VarType::String:
            return ColumnKind::Text;
        default:
            return ColumnKind::Any;
    }
}

uint32_t rowsToHold(std::span<const uint32_t> rows) {
    uint32_t top = 0;
    for (uint32_t r : rows) top = std::max(top, r + 1);
    return top;
}

template <class T>
T at(const std::vector<T>& v, uint32_t row) {
    return row < v.size() ? v[row] : T{};
}

// The same type and the same value (a text by its characters, an object by identity).
bool sameValue(const Variant& a, const Variant& b) {
    if (a.type() != b.type()) return false;
    switch (a.type()) {
        case VarType::Empty:
        case VarType::Null:
            return true;
        case VarType::R8:
            return a.r8() == b.r8();
        case VarType::I4:
            return a.i4() == b.i4();
        case VarType::String:
            return a.str() == b.str();
        case VarType::Object:
            return a.object() == b.object();
        default:
            return literal::print(a) == literal::print(b);
    }
}

}  // namespace

Variant Column::get(uint32_t row) const {
    switch (kind_) {
        case ColumnKind::Unset:
            return {};
        case ColumnKind::Double:
            return present_.test(row) ? Variant::R8(doubles_[row]) : Variant();
        case ColumnKind::Long:
            return present_.test(row) ? Variant::I4(longs_[row]) : Variant();
        case ColumnKind::Text:
            return present_.test(row) ? dictionary_->text(codes_[row]) : Variant();
        case ColumnKind::Any:
            return row < any_.size() ? any_[row] : Variant();
    }
    return {};
}

void Column::grow(uint32_t rows) {
    switch (kind_) {
        case ColumnKind::Unset:
            return;
        case ColumnKind::Double:
            if (doubles_.size() < rows) doubles_.resize(rows);
            break;
        case ColumnKind::Long:
            if (longs_.size() < rows) longs_.resize(rows);
            break;
        case ColumnKind::Text:
            if (codes_.size() < rows) codes_.resize(rows);
            break;
        case ColumnKind::Any:
            if (any_.size() < rows) any_.resize(rows);
            return;
    }
    present_.reserveRows(rows);
}

void Column::becomeAny() {
    if (kind_ == ColumnKind::Any) return;
    const size_t n = std::max({doubles_.size(), longs_.size(), codes_.size()});
    std::vector<Variant> values(n);
    for (size_t i = 0; i < n; ++i) values[i] = get(static_cast<uint32_t>(i));
    doubles_ = {};
    longs_ = {};
    codes_ = {};
    dictionary_.reset();
    present_ = {};
    any_ = std::move(values);
    kind_ = ColumnKind::Any;
}

void Column::prepareFor(ColumnKind k, const Variant& v) {
    if (kind_ == ColumnKind::Unset) {
        kind_ = k;
        if (k == ColumnKind::Text) dictionary_ = std::make_shared<TextDictionary>();
        return;
    }
    if (kind_ != k) {
        becomeAny();
        return;
    }
    if (k == ColumnKind::Text && dictionary_->size() >= MaxDictionary &&
        !dictionary_->contains(v.str()))
        becomeAny();
}

void Column::clear(uint32_t row) {
    if (kind_ == ColumnKind::Any) {
        if (row < any_.size()) any_[row].clear();
    } else {
        present_.set(row, false);
    }
}

void Column::set(uint32_t row, const Variant& v) {
    const ColumnKind k = kindOf(v);
    if (k == ColumnKind::Unset) {
        clear(row);
        return;
    }
    prepareFor(k, v);
    grow(row + 1);
    switch (kind_) {
        case ColumnKind::Double:
            doubles_[row] = v.r8();
            break;
        case ColumnKind::Long:
            longs_[row] = v.i4();
            break;
        case ColumnKind::Text:
            codes_[row] = dictionary_->codeOf(v);
            break;
        case ColumnKind::Any:
            any_[row] = v;
            return;
        case ColumnKind::Unset:
            return;
    }
    present_.set(row, true);
}

void Column::fill(std::span<const uint32_t> rows, const Variant& v) {
    const ColumnKind k = kindOf(v);
    if (k == ColumnKind::Unset) {
        for (uint32_t r : rows) clear(r);
        return;
    }
    prepareFor(k, v);
    grow(rowsToHold(rows));
    switch (kind_) {
        case ColumnKind::Double: {
            const double d = v.r8();
            for (uint32_t r : rows) doubles_[r] = d;
            break;
        }
        case ColumnKind::Long: {
            const int32_t n = v.i4();
            for (uint32_t r : rows) longs_[r] = n;
            break;
        }
        case ColumnKind::Text: {
            const uint32_t code = dictionary_->codeOf(v);
            for (uint32_t r : rows) codes_[r] = code;
            break;
        }
        case ColumnKind::Any:
            for (uint32_t r : rows) any_[r] = v;
            return;
        case ColumnKind::Unset:
            return;
    }
    for (uint32_t r : rows) present_.set(r, true);
}

void Column::read(std::span<const uint32_t> rows, std::vector<Variant>& out) const {
    // The rows start Empty; only those that hold a value are written.
    const size_t base = out.size();
    out.resize(base + rows.size());
    Variant* dst = out.data() + base;
    const size_t n = rows.size();
    switch (kind_) {
        case ColumnKind::Unset:
            return;
        case ColumnKind::Double:
            for (size_t i = 0; i < n; ++i)
                if (present_.test(rows[i])) dst[i].assignR8(doubles_[rows[i]]);
            return;
        case ColumnKind::Long:
            for (size_t i = 0; i < n; ++i)
                if (present_.test(rows[i])) dst[i].assignI4(longs_[rows[i]]);
            return;
        case ColumnKind::Text:
            for (size_t i = 0; i < n; ++i)
                if (present_.test(rows[i])) dst[i] = dictionary_->text(codes_[rows[i]]);
            return;
        case ColumnKind::Any:
            for (size_t i = 0; i < n; ++i) dst[i] = at(any_, rows[i]);
            return;
    }
}

template <class T>
bool Column::readPlain(ColumnKind kind, const std::vector<T>& values,
                       std::span<const uint32_t> rows, std::vector<T>& out) const {
    if (kind_ != kind) return false;
    const size_t base = out.size();
    out.resize(base + rows.size());
    T* dst = out.data() + base;
    for (size_t i = 0; i < rows.size(); ++i) {
        const uint32_t r = rows[i];
        if (!present_.test(r)) {
            out.resize(base);
            return false;
        }
        dst[i] = values[r];
    }
    return true;
}

bool Column::readDoubles(std::span<const uint32_t> rows, std::vector<double>& out) const {
    return readPlain(ColumnKind::Double, doubles_, rows, out);
}

bool Column::readLongs(std::span<const uint32_t> rows, std::vector<int32_t>& out) const {
    return readPlain(ColumnKind::Long, longs_, rows, out);
}

bool Column::readCodes(std::span<const uint32_t> rows, std::vector<uint32_t>& out,
                       std::shared_ptr<const TextDictionary>& table) const {
    if (kind_ != ColumnKind::Text || (table && table != dictionary_)) return false;
    if (!readPlain(ColumnKind::Text, codes_, rows, out)) return false;
    table = dictionary_;
    return true;
}

void Column::adopt(std::vector<double> values) {
    kind_ = ColumnKind::Double;
    present_.fillRows(static_cast<uint32_t>(values.size()));
    doubles_ = std::move(values);
}

void Column::adopt(std::vector<int32_t> values) {
    kind_ = ColumnKind::Long;
    present_.fillRows(static_cast<uint32_t>(values.size()));
    longs_ = std::move(values);
}

void Column::adoptTexts(std::vector<uint32_t> codes, std::span<const std::string> texts) {
    kind_ = ColumnKind::Text;
    dictionary_ = std::make_shared<TextDictionary>();
    for (const std::string& t : texts) dictionary_->codeOf(Variant(t));
    present_.fillRows(static_cast<uint32_t>(codes.size()));
    codes_ = std::move(codes);
}

template <class T>
void markPlain(const std::vector<T>& mine, const RowBits& minePresent, const std::vector<T>& theirs,
               const RowBits& theirPresent, uint32_t rows, RowBits& out) {
    for (uint32_t r = 0; r < rows; ++r) {
        const bool has = minePresent.test(r);
        if (has != theirPresent.test(r) || (has && at(mine, r) != at(theirs, r))) out.set(r, true);
    }
}

void Column::markDifferences(const Column& other, uint32_t rows, RowBits& out) const {
    if (kind_ == other.kind_) {
        switch (kind_) {
            case ColumnKind::Unset:
                return;
            case ColumnKind::Double:
                markPlain(doubles_, present_, other.doubles_, other.present_, rows, out);
                return;
            case ColumnKind::Long:
                markPlain(longs_, present_, other.longs_, other.present_, rows, out);
                return;
            case ColumnKind::Text:
                if (dictionary_ == other.dictionary_) {
                    markPlain(codes_, present_, other.codes_, other.present_, rows, out);
                    return;
                }
                break;
            case ColumnKind::Any:
                break;
        }
    }
    for (uint32_t r = 0; r < rows; ++r)
        if (!sameValue(get(r), other.get(r))) out.set(r, true);
}

ColumnSlice Column::gather(std::span<const uint32_t> rows) const {
    ColumnSlice s;
    s.kind = kind_;
    const size_t n = rows.size();
    auto presence = [&] {
        s.present.reserveRows(static_cast<uint32_t>(n));
        for (size_t i = 0; i < n; ++i)
            if (present_.test(rows[i])) s.present.set(static_cast<uint32_t>(i), true);
    };
    switch (kind_) {
        case ColumnKind::Unset:
            break;
        case ColumnKind::Double:
            s.doubles.resize(n);
            for (size_t i = 0; i < n; ++i) s.doubles[i] = at(doubles_, rows[i]);
            presence();
            break;
        case ColumnKind::Long:
            s.longs.resize(n);
            for (size_t i = 0; i < n; ++i) s.longs[i] = at(longs_, rows[i]);
            presence();
            break;
        case ColumnKind::Text:
            s.codes.resize(n);
            for (size_t i = 0; i < n; ++i) s.codes[i] = at(codes_, rows[i]);
            s.dictionary = dictionary_;
            presence();
            break;
        case ColumnKind::Any:
            s.any.reserve(n);
            for (uint32_t r : rows) s.any.push_back(at(any_, r));
            break;
    }
    return s;
}

template <class T>
void Column::restorePlain(std::vector<T>& values, const std::vector<T>& old,
                          std::span<const uint32_t> rows, const RowBits& had) {
    for (size_t i = 0; i < rows.size(); ++i) {
        const uint32_t r = rows[i];
        const bool has = had.test(static_cast<uint32_t>(i));
        present_.set(r, has);
        if (has) values[r] = old[i];
    }
}

void Column::restore(std::span<const uint32_t> rows, const ColumnSlice& slice) {
    const bool sameForm =
        slice.kind == kind_ && (kind_ != ColumnKind::Text || slice.dictionary == dictionary_);
    if (!sameForm || kind_ == ColumnKind::Any || kind_ == ColumnKind::Unset) {
        for (size_t i = 0; i < rows.size(); ++i) set(rows[i], slice.value(i));
        return;
    }
    grow(rowsToHold(rows));
    switch (kind_) {
        case ColumnKind::Double:
            restorePlain(doubles_, slice.doubles, rows, slice.present);
            return;
        case ColumnKind::Long:
            restorePlain(longs_, slice.longs, rows, slice.present);
            return;
        case ColumnKind::Text:
            restorePlain(codes_, slice.codes, rows, slice.present);
            return;
        default:
            return;
    }
}

size_t Column::bytes() const {
    return sizeof(Column) + doubles_.capacity() * sizeof(double) +
           longs_.capacity() * sizeof(int32_t) + codes_.capacity() * sizeof(uint32_t) +
           any_.capacity() * sizeof(Variant) + present_.bytes() +
           (dictionary_ ? dictionary_->bytes() : 0);
}

}  // namespace tav::hostmodel
