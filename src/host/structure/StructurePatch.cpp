#include "host/structure/StructurePatch.h"

#include <algorithm>
#include <array>

#include "automation/conversions/Conversions.h"
#include "automation/values/TypedLiteral.h"
#include "host/structure/CifCells.h"
#include "host/structure/FieldFormat.h"
#include "host/structure/gemmi/PdbColumns.h"
#include "host/structure/gemmi/PdbLines.h"

namespace tav::structure {

namespace {

namespace T = StructureText;

constexpr int kNoField = -1;

const StructureField& fieldOf(FieldId id) {
    for (const StructureField& f : kStructureFields)
        if (f.id == id) return f;
    return kStructureFields.front();
}

// "atom 12 (CA): " before a message about one of its fields.
[[noreturn]] void failAt(const EditedFields& edits, uint32_t atom, const std::string& message) {
    std::string name;
    const Variant v = edits.value(fieldOf(FieldId::AtomName), atom);
    if (v.isString()) name = std::string(v.str());
    throw StructureFileError(std::string(T::AtomWord) + std::to_string(atom + 1) + " (" + name +
                             ")" + std::string(T::PathSeparator) + message);
}

// The text with pieces replaced, in order.
class Splicer {
  public:
    explicit Splicer(std::string_view text) : text_(text) {
        out_.reserve(text.size() + text.size() / 64);
    }
    void replace(size_t begin, size_t end, std::string_view with) {
        out_.append(text_.substr(copied_, begin - copied_));
        out_.append(with);
        copied_ = end;
    }
    std::string finish() {
        out_.append(text_.substr(copied_));
        return std::move(out_);
    }

  private:
    std::string_view text_;
    std::string out_;
    size_t copied_ = 0;
};

bool legacyField(const StructureField& f) {
    return f.id == FieldId::Element || f.id == FieldId::Charge;
}

// A PDB record as the reader sees it: padded with blanks to its columns.
std::array<char, PdbColumns::Width + 1> padded(std::string_view line, bool legacy) {
    std::array<char, PdbColumns::Width + 1> record{};
    const size_t n = std::min(line.size(), legacy ? PdbColumns::LegacyWidth : PdbColumns::Width);
    std::fill(record.begin(), record.end() - 1, ' ');
    std::copy_n(line.data(), n, record.begin());
    return record;
}

// A patched PDB record must read as the model holds the atom: an element or charge written into
// columns 73-80 must not make them the legacy layout's (which the whole file would then be read
// in), and where the record gives no element of its own, the new name implies it, which must
// be the atom's. The file's own element is then written, unless the layout has no room for it.
void keepElement(std::string& patched, uint32_t atom, const StructurePatch::Source& source,
                 const EditedFields& edits, bool nameWritten, bool tailWritten) {
    const bool legacy = source.file.legacyColumns;
    const auto record = padded(patched, legacy);
    if (tailWritten && !legacy && PdbColumns::legacy(record.data())) {
        const StructureField& charge = fieldOf(FieldId::Charge);
        failAt(edits, atom,
               "the " + std::string(charge.what) + " " + literal::print(edits.value(charge, atom)) +
                   std::string(T::BecomesLegacy));
    }
    if (!nameWritten) return;
    const std::string_view read = PdbColumns::element(record.data(), legacy);
    const std::string element = edits.element(atom);
    if (read == element) return;
    const StructureField& e = fieldOf(FieldId::Element);
    if (!legacy && !edits.changed(e, atom)) {
        std::string text;
        try {
            text = FieldFormat::pdb(e, Variant(element), {});
        } catch (const StructureFileError& error) {
            failAt(edits, atom, error.message());
        }
        if (patched.size() < e.pdbColumn + e.pdbWidth)
            patched.resize(e.pdbColumn + e.pdbWidth, ' ');
        patched.replace(e.pdbColumn, e.pdbWidth, text);
        return;
    }
    const StructureField& name = fieldOf(FieldId::AtomName);
    failAt(edits, atom,
           "the " + std::string(name.what) + " " + literal::print(edits.value(name, atom)) +
               std::string(T::ElementFromName) + std::string(read) + std::string(T::ElementNot) +
               element + std::string(T::NoElementOfItsOwn));
}

// The _atom_site cells of a file, patched where their atom's field changed. The table gemmi
// read is the one item of the block that holds the x coordinates (a block holds a tag once):
// a loop, whose tags and number of values must be those read, or the category's single items.
class CifPatcher : public CifCells::Visitor {
  public:
    CifPatcher(const StructurePatch::Source& source, const EditedFields& edits)
        : source_(source), edits_(edits), records_(source.file.records), out_(source.text) {}

    void loop(const std::vector<std::string>& tags) override {
        active_ = false;
        if (looped_) return;
        std::vector<std::string> names;
        names.reserve(tags.size());
        for (const std::string& tag : tags)
            names.push_back(tag.rfind(kCategory, 0) == 0 ? tag.substr(kCategory.size())
                                                         : std::string());
        if (std::find(names.begin(), names.end(), kCoordinateTag) == names.end()) return;
        if (tags != source_.file.cifLoopTags) mismatch();
        looped_ = active_ = true;
        width_ = tags.size();
        fieldOfTag_ = fieldsOf(names);
    }

    void cell(uint64_t row, size_t tag, size_t begin, size_t end) override {
        if (!active_) return;
        ++values_;
        patch(row, tag, begin, end);
    }

    void item(const std::string& tag, size_t begin, size_t end) override {
        items_.push_back({tag.substr(kCategory.size()), begin, end});
    }

    // Without the loop, the category's single items are its one row.
    std::string finish() {
        if (looped_) {
            if (values_ != source_.file.recordCount * width_) mismatch();
            return out_.finish();
        }
        std::vector<std::string> names;
        for (const Item& i : items_) names.push_back(i.tag);
        if (source_.file.recordCount != 1 || !source_.file.cifLoopTags.empty() ||
            std::find(names.begin(), names.end(), kCoordinateTag) == names.end())
            mismatch();
        fieldOfTag_ = fieldsOf(names);
        for (size_t t = 0; t < items_.size(); ++t) patch(0, t, items_[t].begin, items_[t].end);
        return out_.finish();
    }

  private:
    struct Item {
        std::string tag;
        size_t begin, end;
    };

    [[noreturn]] static void mismatch() {
        throw StructureFileError(std::string(T::AtomSiteMismatch));
    }

    // Which field each tag writes; a changed field needs a tag to go to.
    std::vector<int> fieldsOf(const std::vector<std::string>& tags) const {
        std::vector<int> out(tags.size(), kNoField);
        for (size_t i = 0; i < kStructureFields.size(); ++i) {
            const StructureField& f = kStructureFields[i];
            bool found = false;
            for (size_t t = 0; t < tags.size(); ++t)
                for (std::string_view want : f.cifTags)
                    if (!want.empty() && tags[t] == want) {
                        out[t] = static_cast<int>(i);
                        found = true;
                    }
            if (!found && !f.cifFallback.empty())
                for (size_t t = 0; t < tags.size(); ++t)
                    if (tags[t] == f.cifFallback) {
                        out[t] = static_cast<int>(i);
                        found = true;
                    }
            if (found) continue;
            if (const auto atom = edits_.firstChanged(f))
                failAt(edits_, *atom,
                       "the " + std::string(f.what) + std::string(T::NoCifColumn) +
                           std::string(f.cifTags[0]));
        }
        return out;
    }

    // Old files write a residue's insertion code after its number in auth_seq_id (15A), where
    // it is read from when the row has none of its own: both are written there.
    bool insCodeInSeq(uint64_t row) const {
        const auto& rows = source_.file.insCodeInSeqRows;
        return std::binary_search(rows.begin(), rows.end(), row);
    }

    void patch(uint64_t row, size_t tag, size_t begin, size_t end) {
        if (fieldOfTag_[tag] == kNoField) return;
        if (row != row_ || !rowKnown_) {
            row_ = row;
            rowKnown_ = true;
            atom_ = records_.row(row);
        }
        if (!atom_ || !edits_.atomChanged(*atom_)) return;
        const StructureField& f = kStructureFields[static_cast<size_t>(fieldOfTag_[tag])];
        const bool residueId = f.id == FieldId::SeqNum || f.id == FieldId::InsCode;
        std::string text;
        try {
            if (residueId && insCodeInSeq(row)) {
                const StructureField& seq = fieldOf(FieldId::SeqNum);
                const StructureField& ins = fieldOf(FieldId::InsCode);
                if (f.id == FieldId::InsCode ||
                    (!edits_.changed(seq, *atom_) && !edits_.changed(ins, *atom_)))
                    return;
                text = FieldFormat::cifNumberWithInsCode(seq, edits_.value(seq, *atom_), ins,
                                                         edits_.value(ins, *atom_));
            } else {
                if (!edits_.changed(f, *atom_)) return;
                text = FieldFormat::cif(f, edits_.value(f, *atom_),
                                        source_.text.substr(begin, end - begin));
            }
        } catch (const StructureFileError& e) {
            failAt(edits_, *atom_, e.message());
        }
        out_.replace(begin, end, text);
    }

    static constexpr std::string_view kCategory = "_atom_site.";
    static constexpr std::string_view kCoordinateTag = "cartn_x";

    const StructurePatch::Source& source_;
    const EditedFields& edits_;
    RecordRows records_;
    Splicer out_;
    std::vector<int> fieldOfTag_;
    std::vector<Item> items_;
    bool looped_ = false, active_ = false, rowKnown_ = false;
    uint64_t values_ = 0, row_ = 0;
    size_t width_ = 0;
    std::optional<uint32_t> atom_;
};

}  // namespace

std::optional<uint32_t> RecordRows::row(uint64_t ordinal) {
    while (range_ < ranges_.size() && ordinal >= ranges_[range_].end) {
        before_ += static_cast<uint32_t>(ranges_[range_].end - ranges_[range_].begin);
        ++range_;
    }
    if (range_ == ranges_.size() || ordinal < ranges_[range_].begin) return std::nullopt;
    return before_ + static_cast<uint32_t>(ordinal - ranges_[range_].begin);
}

namespace StructurePatch {

std::string pdb(const Source& source, const EditedFields& edits) {
    Splicer out(source.text);
    RecordRows rows(source.file.records);
    PdbLines lines(source.text);
    PdbLine line;
    uint64_t ordinal = 0;
    while (lines.next(line)) {
        const PdbRecord record = line.record();
        if (record == PdbRecord::End) break;
        if (record != PdbRecord::Atom) continue;
        const std::optional<uint32_t> atom = rows.row(ordinal++);
        if (!atom || !edits.atomChanged(*atom)) continue;
        std::string patched(line.text);
        bool nameWritten = false, tailWritten = false;
        for (const StructureField& f : kStructureFields) {
            if (!edits.changed(f, *atom)) continue;
            std::string text;
            try {
                if (source.file.legacyColumns && legacyField(f))
                    throw StructureFileError("the " + std::string(f.what) +
                                             std::string(T::LegacyColumns));
                text = FieldFormat::pdb(
                    f, edits.value(f, *atom),
                    f.id == FieldId::AtomName ? edits.element(*atom) : std::string());
            } catch (const StructureFileError& e) {
                failAt(edits, *atom, e.message());
            }
            if (patched.size() < f.pdbColumn + f.pdbWidth)
                patched.resize(f.pdbColumn + f.pdbWidth, ' ');
            patched.replace(f.pdbColumn, f.pdbWidth, text);
            nameWritten = nameWritten || f.id == FieldId::AtomName;
            tailWritten = tailWritten || legacyField(f);
        }
        keepElement(patched, *atom, source, edits, nameWritten, tailWritten);
        out.replace(line.begin, line.begin + line.text.size(), patched);
    }
    if (ordinal != source.file.recordCount)
        throw StructureFileError(std::string(T::AtomSiteMismatch));
    return out.finish();
}

std::string cif(const Source& source, const EditedFields& edits) {
    CifPatcher patcher(source, edits);
    CifCells::walk(source.text, patcher);
    return patcher.finish();
}

}  // namespace StructurePatch
}  // namespace tav::structure
