#include "host/structure/StructurePatch.h"

#include "automation/conversions/Conversions.h"
#include "host/structure/CifCells.h"
#include "host/structure/FieldFormat.h"
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

// The _atom_site cells of a file, patched where their atom's field changed.
class CifPatcher : public CifCells::Visitor {
  public:
    CifPatcher(const StructurePatch::Source& source, const EditedFields& edits)
        : source_(source), edits_(edits), records_(source.records), out_(source.text) {}

    // Only the category's first loop is the table gemmi read.
    void loop(const std::vector<std::string>& tags) override {
        active_ = !looped_;
        looped_ = true;
        if (active_) fieldOfTag_ = fieldsOf(tags);
    }

    void cell(uint64_t row, size_t tag, size_t begin, size_t end) override {
        if (!active_) return;
        rows_ = std::max(rows_, row + 1);
        patch(row, tag, begin, end);
    }

    void item(const std::string& tag, size_t begin, size_t end) override {
        items_.push_back({tag, begin, end});
    }

    // Without a loop, the category's single items are its one row.
    std::string finish() {
        if (!looped_ && !items_.empty()) {
            std::vector<std::string> tags;
            for (const Item& i : items_) tags.push_back(i.tag);
            fieldOfTag_ = fieldsOf(tags);
            rows_ = 1;
            for (size_t t = 0; t < items_.size(); ++t) patch(0, t, items_[t].begin, items_[t].end);
        }
        if (rows_ != source_.recordCount)
            throw StructureFileError(std::string(T::AtomSiteMismatch));
        return out_.finish();
    }

  private:
    struct Item {
        std::string tag;
        size_t begin, end;
    };

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
            if (!found && edits_.anyChanged(f))
                throw StructureFileError("the " + std::string(f.what) +
                                         std::string(T::NoCifColumn) + std::string(f.cifTags[0]));
        }
        return out;
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
        if (!edits_.changed(f, *atom_)) return;
        std::string text;
        try {
            text = FieldFormat::cif(f, edits_.value(f, *atom_),
                                    source_.text.substr(begin, end - begin));
        } catch (const StructureFileError& e) {
            failAt(edits_, *atom_, e.message());
        }
        out_.replace(begin, end, text);
    }

    const StructurePatch::Source& source_;
    const EditedFields& edits_;
    RecordRows records_;
    Splicer out_;
    std::vector<int> fieldOfTag_;
    std::vector<Item> items_;
    bool looped_ = false, active_ = false, rowKnown_ = false;
    uint64_t rows_ = 0, row_ = 0;
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
    RecordRows rows(source.records);
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
        for (const StructureField& f : kStructureFields) {
            if (!edits.changed(f, *atom)) continue;
            std::string text;
            try {
                if (source.legacyColumns && legacyField(f))
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
        }
        out.replace(line.begin, line.begin + line.text.size(), patched);
    }
    if (ordinal != source.recordCount) throw StructureFileError(std::string(T::AtomSiteMismatch));
    return out.finish();
}

std::string cif(const Source& source, const EditedFields& edits) {
    CifPatcher patcher(source, edits);
    CifCells::walk(source.text, patcher);
    return patcher.finish();
}

}  // namespace StructurePatch
}  // namespace tav::structure
