// Reading the atoms of an mmCIF file: gemmi parses the text, the _atom_site rows are read
// column by column in file order (as gemmi's make_structure reads them).
#include <gemmi/cif.hpp>
#include <gemmi/enumstr.hpp>
#include <gemmi/numb.hpp>
#include <gemmi/seqid.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

#include "host/structure/gemmi/AtomSiteBuilder.h"
#include "host/structure/gemmi/Residues.h"
#include "host/structure/gemmi/StructureFileText.h"
#include "host/structure/gemmi/StructureReaders.h"

namespace tav::structure::readers {

namespace {

namespace T = StructureFileText;
namespace cif = gemmi::cif;

// What a row lacks gets gemmi's values.
constexpr double kDefaultOccupancy = 1.0;
constexpr double kDefaultB = 50.0;
// A residue without a number (? or ., as gemmi writes one whose PDB columns 23-26 are blank)
// has gemmi's "none", as the PDB reader gives it.
constexpr int kNoSeqNum = gemmi::SeqId::OptionalNum::None;

// The first tag decides between a loop and single items, and must be there.
enum Tag : int {
    kX,
    kY,
    kZ,
    kId,
    kGroupPdb,
    kSymbol,
    kLabelAtomId,
    kAltId,
    kLabelCompId,
    kLabelAsymId,
    kLabelEntityId,
    kInsCode,
    kOcc,
    kBiso,
    kCharge,
    kAuthSeqId,
    kAuthCompId,
    kAuthAsymId,
    kAuthAtomId,
    kModelNum,
};
// The others are optional here: the ones the reading needs are checked one by one, to say
// which is missing.
const std::vector<std::string> kTags = {"Cartn_x",
                                        "?Cartn_y",
                                        "?Cartn_z",
                                        "?id",
                                        "?group_PDB",
                                        "?type_symbol",
                                        "?label_atom_id",
                                        "?label_alt_id",
                                        "?label_comp_id",
                                        "?label_asym_id",
                                        "?label_entity_id",
                                        "?pdbx_PDB_ins_code",
                                        "?occupancy",
                                        "?B_iso_or_equiv",
                                        "?pdbx_formal_charge",
                                        "?auth_seq_id",
                                        "?auth_comp_id",
                                        "?auth_asym_id",
                                        "?auth_atom_id",
                                        "?pdbx_PDB_model_num"};

// A cell's text: quotes and text-field markers taken away, "" for ? and . (no value).
std::string_view text(const std::string& raw) {
    if (cif::is_null(raw) || raw.empty()) return {};
    if (raw.front() == '"' || raw.front() == '\'')
        return std::string_view(raw).substr(1, raw.size() - 2);
    if (raw.front() == ';' && raw.size() > 2 && raw[raw.size() - 2] == '\n') {
        const bool crlf = raw.size() > 3 && raw[raw.size() - 3] == '\r';
        return std::string_view(raw).substr(1, raw.size() - (crlf ? 4 : 3));
    }
    return raw;
}

std::string rowMessage(size_t row, const std::string& what) {
    return std::string(T::Row) + std::to_string(row + 1) + T::Colon + what;
}

class CifReader {
  public:
    explicit CifReader(cif::Block& block) : block_(block) {}

    AtomSite read() {
        site_.format = StructureFormat::Mmcif;
        const auto categories = block_.get_mmcif_category_names();
        if (std::find(categories.begin(), categories.end(), T::AtomSite) == categories.end())
            throw StructureFileError(T::NoAtomSite);
        cif::Table table = block_.find(T::AtomSite, kTags);
        if (!table.ok()) throw StructureFileError(std::string(T::MissingTag) + kTags[kX]);
        if (table.length() == 0) throw StructureFileError(T::NoAtoms);
        if (table.loop_item)
            for (const std::string& tag : table.loop_item->loop.tags)
                site_.cifLoopTags.push_back(gemmi::to_lower(tag));
        for (int tag : {kY, kZ, kAuthSeqId}) require(table, tag);
        asym_ = table.first_of(kAuthAsymId, kLabelAsymId);
        comp_ = table.first_of(kAuthCompId, kLabelCompId);
        atom_ = table.first_of(kAuthAtomId, kLabelAtomId);
        for (int tag : {asym_, comp_, atom_}) require(table, tag);
        entityKinds();
        b_.reserve(table.length());
        const bool models = table.has_column(kModelNum);
        const std::string firstModel = models ? table[0][kModelNum] : std::string(T::FirstModel);
        site_.modelName = std::string(text(firstModel));
        if (site_.modelName.empty()) site_.modelName = T::FirstModel;
        size_t ordinal = 0;
        for (auto row : table) {
            const size_t r = ordinal++;
            if (models && row[kModelNum] != firstModel) {
                site_.otherModels = true;
                continue;
            }
            if (site_.records.empty() || site_.records.back().end != r)
                site_.records.push_back({r, r});
            readAtom(row, r);
            site_.records.back().end = r + 1;
        }
        site_.recordCount = table.length();
        otherContent();
        crystal();
        finish();
        return std::move(site_);
    }

  private:
    void require(const cif::Table& table, int tag) {
        if (!table.has_column(tag))
            throw StructureFileError(std::string(T::MissingTag) + kTags[tag].substr(1));
    }

    // _entity.type by entity id.
    void entityKinds() {
        for (auto row : block_.find(T::Entity, {"id", "type"}))
            entities_[row.str(0)] =
                static_cast<EntityKind>(gemmi::entity_type_from_string(row.str(1)));
    }

    double number(const cif::Table::Row& row, int tag, size_t r, const char* what) {
        const double d = cif::as_number(row[tag]);
        if (!std::isfinite(d))
            throw StructureFileError(
                rowMessage(r, std::string(what) + T::NotANumber + row[tag] + T::Quote));
        return d;
    }

    double value(const cif::Table::Row& row, int tag, size_t r, double missing, const char* what) {
        if (!row.has2(tag)) return missing;
        return number(row, tag, r, what);
    }

    int integer(std::string_view s, size_t r, const char* what) {
        int n = 0;
        const char* b = s.data() + (!s.empty() && s.front() == '+' ? 1 : 0);
        const auto res = std::from_chars(b, s.data() + s.size(), n);
        if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size())
            throw StructureFileError(
                rowMessage(r, std::string(what) + T::NotANumber + std::string(s) + T::Quote));
        return n;
    }

    // Ids are serial numbers in every file seen, but the dictionary allows any text: one that
    // is not a number reads as 0, as in gemmi.
    static int serial(const cif::Table::Row& row) {
        if (!row.has2(kId)) return 0;
        const std::string_view s = text(row[kId]);
        int n = 0;
        const auto res = std::from_chars(s.data(), s.data() + s.size(), n);
        return res.ec == std::errc() && res.ptr == s.data() + s.size() ? n : 0;
    }

    void readAtom(const cif::Table::Row& row, size_t r) {
        const std::string_view chain = text(row[asym_]);
        const std::string_view comp = text(row[comp_]);
        std::string_view seq = text(row[kAuthSeqId]);
        std::string_view icode = row.has(kInsCode) ? text(row[kInsCode]) : std::string_view();
        // Old files write the insertion code after the number (15A).
        if (!seq.empty() && seq.back() >= 'A' && icode.empty()) {
            icode = seq.substr(seq.size() - 1);
            seq.remove_suffix(1);
            site_.insCodeInSeqRows.push_back(r);
        }
        const int seqNum = row.has2(kAuthSeqId) ? integer(seq, r, T::SeqNum) : kNoSeqNum;
        if (!chainOpen_ || chain != lastChain_) {
            b_.chainNames.add(chain);
            lastChain_ = std::string(chain);
            chainOpen_ = true;
            residueOpen_ = false;
        }
        if (!residueOpen_ || comp != lastComp_ || seqNum != lastSeq_ || icode != lastIcode_)
            startResidue(row, comp, seqNum, icode);

        b_.atomNames.add(text(row[atom_]));
        b_.elements.add(row.has(kSymbol) ? text(row[kSymbol]) : std::string_view());
        b_.altLocs.add(row.has(kAltId) ? text(row[kAltId]) : std::string_view());
        site_.serials.push_back(serial(row));
        site_.charges.push_back(row.has2(kCharge) ? integer(text(row[kCharge]), r, T::Charge) : 0);
        site_.xs.push_back(number(row, kX, r, T::X));
        site_.ys.push_back(number(row, kY, r, T::Y));
        site_.zs.push_back(number(row, kZ, r, T::Z));
        site_.occupancies.push_back(value(row, kOcc, r, kDefaultOccupancy, T::Occupancy));
        site_.bFactors.push_back(value(row, kBiso, r, kDefaultB, T::BFactor));
        site_.atomResidues.push_back(static_cast<uint32_t>(site_.seqNums.size() - 1));
    }

    void startResidue(const cif::Table::Row& row, std::string_view comp, int seqNum,
                      std::string_view icode) {
        residueOpen_ = true;
        lastComp_ = std::string(comp);
        lastSeq_ = seqNum;
        lastIcode_ = std::string(icode);
        b_.residueNames.add(comp);
        b_.insCodes.add(icode);
        site_.seqNums.push_back(seqNum);
        site_.residueChains.push_back(static_cast<uint32_t>(b_.chainNames.size() - 1));
        char het = 0;
        if (row.has2(kGroupPdb) && !text(row[kGroupPdb]).empty()) {
            const char c = static_cast<char>(text(row[kGroupPdb]).front() & ~0x20);
            if (c == 'A' || c == 'H') het = c;
        }
        site_.hetFlags.push_back(het);
        EntityKind kind = EntityKind::Unknown;
        if (row.has2(kLabelEntityId)) {
            const auto it = entities_.find(std::string(text(row[kLabelEntityId])));
            if (it != entities_.end()) kind = it->second;
        }
        site_.entityKinds.push_back(kind);
        subchains_.emplace_back(row.has(kLabelAsymId) ? text(row[kLabelAsymId])
                                                      : std::string_view());
    }

    // Residues of no known entity: by their subchain (label_asym_id), as gemmi guesses.
    void guessKinds() {
        const size_t n = site_.seqNums.size();
        for (size_t first = 0; first < n;) {
            size_t last = first + 1;
            while (last < n && site_.residueChains[last] == site_.residueChains[first] &&
                   subchains_[last] == subchains_[first])
                ++last;
            EntityKind kind = site_.entityKinds[first];
            if (kind == EntityKind::Unknown) {
                kind = isWater(site_.residueNames.at(first)) ? EntityKind::Water
                       : last - first > 1                    ? EntityKind::Polymer
                                                             : EntityKind::NonPolymer;
                for (size_t r = first; r < last; ++r)
                    if (site_.entityKinds[r] == EntityKind::Unknown) site_.entityKinds[r] = kind;
            }
            first = last;
        }
    }

    void otherContent() {
        for (const std::string& category : block_.get_mmcif_category_names())
            if (category != T::AtomSite && category != T::Cell && category != T::Symmetry)
                site_.otherContent.push_back(category);
    }

    void crystal() {
        Crystal& c = site_.crystal;
        cif::Table cell = block_.find(T::Cell, {"length_a", "length_b", "length_c", "angle_alpha",
                                                "angle_beta", "angle_gamma"});
        if (cell.ok() && cell.length() == 1) {
            const auto row = cell.one();
            c.known = true;
            double* fields[] = {&c.a, &c.b, &c.c, &c.alpha, &c.beta, &c.gamma};
            for (int i = 0; i < 6; ++i) {
                const double d = cif::as_number(row[i]);
                if (!std::isnan(d)) *fields[i] = d;
            }
        }
        if (const std::string* sg = block_.find_value(T::SpaceGroupTag))
            c.spaceGroup = cif::as_string(*sg);
    }

    void finish() {
        b_.finishColumns();
        guessKinds();
    }

    cif::Block& block_;
    AtomSiteBuilder b_;
    AtomSite& site_ = b_.site;
    int asym_ = kAuthAsymId, comp_ = kAuthCompId, atom_ = kAuthAtomId;
    std::map<std::string, EntityKind> entities_;
    std::vector<std::string> subchains_;
    bool chainOpen_ = false, residueOpen_ = false;
    std::string lastChain_, lastComp_, lastIcode_;
    int lastSeq_ = 0;
};

}  // namespace

AtomSite readMmcif(std::string_view text, const std::string& name) {
    cif::Document doc;
    try {
        doc = cif::read_memory(text.data(), text.size(), name.c_str());
    } catch (const std::exception& e) {
        // The parser names the place as "NAME:LINE:COLUMN: what"; the caller names the file.
        const std::string what = e.what();
        const std::string place = name + ":";
        throw StructureFileError(what.rfind(place, 0) == 0 ? T::Line + what.substr(place.size())
                                                           : what);
    }
    if (doc.blocks.empty()) throw StructureFileError(T::NoBlock);
    return CifReader(doc.blocks.front()).read();
}

StructureFormat detectFormat(std::string_view text) {
    // As gemmi's coor_format_from_content: the first word after blanks and comment lines.
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') {
            ++i;
        } else if (c == '#') {
            while (i < text.size() && text[i] != '\n') ++i;
        } else {
            break;
        }
    }
    const std::string_view rest = text.substr(i);
    if (!rest.empty() && rest.front() == '{') throw StructureFileError(T::Mmjson);
    if (rest.size() > 4 && (rest[0] | 0x20) == 'd' && (rest[1] | 0x20) == 'a' &&
        (rest[2] | 0x20) == 't' && (rest[3] | 0x20) == 'a' && rest[4] == '_')
        return StructureFormat::Mmcif;
    return StructureFormat::Pdb;
}

}  // namespace tav::structure::readers
