// Reading the atoms of a PDB file with gemmi's field rules (pdb.hpp), in file order.
#include <gemmi/atof.hpp>
#include <gemmi/pdb.hpp>
#include <gemmi/polyheur.hpp>

#include <charconv>
#include <cmath>
#include <cstring>
#include <map>

#include "host/structure/gemmi/AtomSiteBuilder.h"
#include "host/structure/gemmi/PdbColumns.h"
#include "host/structure/gemmi/PdbLines.h"
#include "host/structure/gemmi/Residues.h"
#include "host/structure/gemmi/StructureFileText.h"
#include "host/structure/gemmi/StructureReaders.h"

namespace tav::structure::readers {

namespace {

namespace T = StructureFileText;
namespace pdb = gemmi::pdb_impl;

// Columns, counted from 0 as gemmi does.
constexpr size_t kColumns = PdbColumns::Width;
constexpr size_t kLegacyColumns = PdbColumns::LegacyWidth;
constexpr size_t kCoordinatesEnd = 54;
constexpr size_t kSerial = 6, kName = 12, kAltLoc = 16, kResName = 17, kChain = 20, kSeq = 22;
constexpr size_t kX = 30, kY = 38, kZ = 46, kOcc = 54, kB = 60, kSegment = 72;
constexpr size_t kChargeDigit = 78, kChargeSign = 79;
constexpr size_t kCoordWidth = 8, kValueWidth = 6, kSegmentWidth = 4;
// What an atom record lacks gets gemmi's values.
constexpr double kDefaultOccupancy = 1.0;
constexpr double kDefaultB = 20.0;
// The record names kept for telling what a file in the other format cannot hold.
constexpr size_t kMaxContentNames = 100;
constexpr size_t kRecordNameWidth = 6;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
using PdbColumns::trimmed;

std::string lineMessage(uint64_t line, const std::string& what) {
    return std::string(T::Line) + std::to_string(line) + T::Colon + what;
}

// Thrown when a modern reading meets a line of the legacy layout: the file is read again.
struct LegacyLayout {};

enum class Number : uint8_t { Blank, Read, Bad };

Number readNumber(const char* p, size_t n, double& out) {
    const std::string_view s = trimmed(p, n);
    if (s.empty()) return Number::Blank;
    const char* e = s.data() + s.size();
    const auto r = gemmi::fast_from_chars(s.data(), e, out);  // exact, and fast
    return r.ec == std::errc() && r.ptr == e && std::isfinite(out) ? Number::Read : Number::Bad;
}

// A residue as gemmi tells residues apart: name, number, insertion code, segment.
struct ResidueKey {
    std::string_view name;
    int seq = 0;
    char icode = ' ';
    std::string_view segment;
};

class PdbReader {
  public:
    PdbReader(std::string_view text, bool legacy) : text_(text), legacy_(legacy) {}

    AtomSite read() {
        site_.format = StructureFormat::Pdb;
        site_.legacyColumns = legacy_;
        const size_t lines = text_.size() / kColumns + 1;
        b_.reserve(lines);
        PdbLines lines_(text_);
        PdbLine line;
        enum class State { Before, In, After } state = State::Before;
        std::string modelName = T::FirstModel;
        while (lines_.next(line)) {
            const PdbRecord record = line.record();
            if (record == PdbRecord::End) break;
            switch (record) {
                case PdbRecord::Atom: {
                    const uint64_t ordinal = site_.recordCount++;
                    if (state == State::After) {
                        site_.otherModels = true;
                        continue;
                    }
                    if (state == State::Before) {
                        state = State::In;
                        site_.modelName = modelName;
                        site_.records.push_back({ordinal, ordinal});
                    }
                    readAtom(line);
                    site_.records.back().end = ordinal + 1;
                    break;
                }
                case PdbRecord::Model:
                    if (state == State::In) state = State::After;
                    if (state == State::Before) modelName = modelNumber(line);
                    break;
                case PdbRecord::EndModel:
                    if (state == State::In) state = State::After;
                    break;
                case PdbRecord::Ter:
                    if (state == State::In) terminate();
                    break;
                default:
                    other(line);
                    break;
            }
        }
        if (site_.atomCount() == 0) throw StructureFileError(std::string(T::NoAtoms));
        finish();
        return std::move(site_);
    }

  private:
    // The line padded with blanks to its columns (72 in the legacy layout).
    void pad(const PdbLine& line) {
        const size_t width = legacy_ ? kLegacyColumns : kColumns;
        const size_t n = std::min(line.text.size(), width);
        std::memcpy(buf_, line.text.data(), n);
        std::memset(buf_ + n, ' ', kColumns - n);
        buf_[kColumns] = '\0';
    }

    std::string modelNumber(const PdbLine& line) {
        pad(line);
        return std::to_string(pdb::read_int(buf_ + 10, 4));
    }

    double coordinate(const PdbLine& line, size_t column, const char* what) {
        double v = 0;
        if (readNumber(buf_ + column, kCoordWidth, v) != Number::Read)
            throw StructureFileError(lineMessage(
                line.number, std::string(what) + T::NotANumber +
                                 std::string(trimmed(buf_ + column, kCoordWidth)) + T::Quote));
        return v;
    }

    double value(const PdbLine& line, size_t column, double blank, const char* what) {
        double v = 0;
        switch (readNumber(buf_ + column, kValueWidth, v)) {
            case Number::Blank:
                return blank;
            case Number::Read:
                return v;
            case Number::Bad:
                break;
        }
        throw StructureFileError(lineMessage(
            line.number, std::string(what) + T::NotANumber +
                             std::string(trimmed(buf_ + column, kValueWidth)) + T::Quote));
    }

    // gemmi's rule: "2+" (or "+2"), blank for none.
    int charge(const PdbLine& line) {
        if (legacy_) return 0;
        char digit = buf_[kChargeDigit], sign = buf_[kChargeSign];
        if (digit == ' ' && sign == ' ') return 0;
        if (isDigit(sign)) std::swap(digit, sign);
        if (!isDigit(digit)) return 0;
        if (sign != '+' && sign != '-' && sign != ' ')
            throw StructureFileError(lineMessage(
                line.number,
                std::string(T::BadCharge) + std::string(buf_ + kChargeDigit, 2) + T::Quote));
        return (digit - '0') * (sign == '-' ? -1 : 1);
    }

    void readAtom(const PdbLine& line) {
        if (line.text.size() < kCoordinatesEnd)
            throw StructureFileError(lineMessage(line.number, std::string(T::ShortAtomLine)));
        pad(line);
        if (!legacy_ && PdbColumns::legacy(buf_)) throw LegacyLayout{};
        const std::string_view chain = trimmed(buf_ + kChain, 2);
        const gemmi::SeqId seq = pdb::read_seq_id(buf_ + kSeq);
        ResidueKey key{trimmed(buf_ + kResName, 3), seq.num.value, seq.icode,
                       legacy_ ? std::string_view() : trimmed(buf_ + kSegment, kSegmentWidth)};
        if (chains_.empty() || chain != chains_.back().name) startChain(chain);
        if (residueStarts_.size() == chains_.back().firstResidue || !sameResidue(key))
            startResidue(key);

        b_.atomNames.add(trimmed(buf_ + kName, 4));
        b_.altLocs.add(buf_[kAltLoc] == ' ' ? std::string_view()
                                            : std::string_view(buf_ + kAltLoc, 1));
        b_.elements.add(PdbColumns::element(buf_, legacy_));
        site_.serials.push_back(pdb::read_serial(buf_ + kSerial));
        site_.charges.push_back(charge(line));
        site_.xs.push_back(coordinate(line, kX, T::X));
        site_.ys.push_back(coordinate(line, kY, T::Y));
        site_.zs.push_back(coordinate(line, kZ, T::Z));
        site_.occupancies.push_back(value(line, kOcc, kDefaultOccupancy, T::Occupancy));
        site_.bFactors.push_back(value(line, kB, kDefaultB, T::BFactor));
        site_.atomResidues.push_back(static_cast<uint32_t>(residueStarts_.size() - 1));
    }

    bool sameResidue(const ResidueKey& key) const {
        return key.name == lastName_ && key.seq == lastSeq_ && key.icode == lastIcode_ &&
               key.segment == lastSegment_;
    }

    void startChain(std::string_view name) {
        Chain c;
        c.name = std::string(name);
        c.firstResidue = residueStarts_.size();
        // Another part of a chain whose first part was a polymer holds ligands and waters.
        const auto first = firstPart_.find(c.name);
        c.afterTer = first != firstPart_.end() &&
                     residueKinds_[chains_[first->second].firstResidue] == EntityKind::Polymer;
        if (first == firstPart_.end()) firstPart_.emplace(c.name, chains_.size());
        b_.chainNames.add(name);
        chains_.push_back(std::move(c));
    }

    void startResidue(const ResidueKey& key) {
        lastSeq_ = key.seq;
        lastIcode_ = key.icode;
        lastName_ = std::string(key.name);
        lastSegment_ = std::string(key.segment);
        residueStarts_.push_back(static_cast<uint32_t>(site_.atomCount()));
        b_.residueNames.add(key.name);
        b_.insCodes.add(key.icode == ' ' ? std::string_view() : std::string_view(&lastIcode_, 1));
        site_.seqNums.push_back(key.seq);
        site_.residueChains.push_back(static_cast<uint32_t>(chains_.size() - 1));
        site_.hetFlags.push_back(static_cast<char>(buf_[0] & ~0x20));
        const bool water = isWater(key.name);
        residueKinds_.push_back(!chains_.back().afterTer ? EntityKind::Unknown
                                : water                  ? EntityKind::Water
                                                         : EntityKind::NonPolymer);
    }

    // TER ends the polymer of the current chain: what came before is polymer, what follows
    // (in this part of the chain) ligands and waters.
    void terminate() {
        if (chains_.empty() || chains_.back().afterTer) return;
        for (size_t r = chains_.back().firstResidue; r < residueKinds_.size(); ++r)
            residueKinds_[r] = EntityKind::Polymer;
        chains_.back().afterTer = true;
    }

    void other(const PdbLine& line) {
        const std::string name(
            trimmed(line.text.data(), std::min(line.text.size(), kRecordNameWidth)));
        if (name == T::Cryst1) {
            crystal(line);  // kept in either format
            return;
        }
        if (name.empty() || site_.otherContent.size() >= kMaxContentNames) return;
        for (const std::string& n : site_.otherContent)
            if (n == name) return;
        site_.otherContent.push_back(name);
    }

    void crystal(const PdbLine& line) {
        pad(line);
        Crystal& c = site_.crystal;
        c.known = true;
        c.a = pdb::read_double(buf_ + 6, 9);
        c.b = pdb::read_double(buf_ + 15, 9);
        c.c = pdb::read_double(buf_ + 24, 9);
        c.alpha = pdb::read_double(buf_ + 33, 7);
        c.beta = pdb::read_double(buf_ + 40, 7);
        c.gamma = pdb::read_double(buf_ + 47, 7);
        c.spaceGroup = std::string(trimmed(buf_ + 55, 11));
    }

    // Chains without TER get their residues' kinds as gemmi's entity set-up guesses them.
    void guessKinds() {
        const size_t residues = residueStarts_.size();
        for (size_t c = 0; c < chains_.size(); ++c) {
            const size_t first = chains_[c].firstResidue;
            const size_t last = c + 1 < chains_.size() ? chains_[c + 1].firstResidue : residues;
            bool unknown = false;
            for (size_t r = first; r < last; ++r)
                unknown |= residueKinds_[r] == EntityKind::Unknown;
            if (!unknown) continue;
            gemmi::Chain chain(chains_[c].name);
            for (size_t r = first; r < last; ++r) {
                gemmi::Residue res(gemmi::ResidueId{
                    gemmi::SeqId(site_.seqNums[r], ' '), {}, forTables(site_.residueNames.at(r))});
                res.entity_type = static_cast<gemmi::EntityType>(residueKinds_[r]);
                const uint32_t end = r + 1 < residues ? residueStarts_[r + 1]
                                                      : static_cast<uint32_t>(site_.atomCount());
                for (uint32_t a = residueStarts_[r]; a < end; ++a) {
                    gemmi::Atom atom;
                    atom.name = site_.atomNames.at(a);
                    atom.element = gemmi::Element(site_.elements.at(a));
                    const std::string& alt = site_.altLocs.at(a);
                    atom.altloc = alt.empty() ? '\0' : alt[0];
                    res.atoms.push_back(std::move(atom));
                }
                chain.residues.push_back(std::move(res));
            }
            gemmi::add_entity_types(chain, false);
            for (size_t r = first; r < last; ++r)
                residueKinds_[r] = static_cast<EntityKind>(chain.residues[r - first].entity_type);
        }
    }

    void finish() {
        b_.finishColumns();
        guessKinds();
        site_.entityKinds = std::move(residueKinds_);
    }

    struct Chain {
        std::string name;
        size_t firstResidue = 0;
        bool afterTer = false;
    };

    std::string_view text_;
    bool legacy_;
    char buf_[kColumns + 1] = {};
    AtomSiteBuilder b_;
    AtomSite& site_ = b_.site;
    std::vector<Chain> chains_;
    std::map<std::string, size_t> firstPart_;  // chain name -> its first part
    std::vector<uint32_t> residueStarts_;      // the first atom of each residue
    std::vector<EntityKind> residueKinds_;
    std::string lastName_, lastSegment_;
    int lastSeq_ = 0;
    char lastIcode_ = ' ';
};

}  // namespace

AtomSite readPdb(std::string_view text) {
    try {
        return PdbReader(text, false).read();
    } catch (const LegacyLayout&) {
        return PdbReader(text, true).read();
    }
}

}  // namespace tav::structure::readers
