// Structure files (PDB or mmCIF, the format from the content), read into a model as
// Host.Model.LoadStructure reads them: what can't be read is error 5 from "Model" and leaves
// the model empty; what is read selects every atom. Then one field of one atom (its own, its
// residue's or its chain's), both picked by the input's hash, is edited and saved:
// - in the file's own format, the save is refused as error 5 naming the atom, writing nothing,
//   or the file reads back with every atom's every value as the model holds it, and differs
//   from the input only where the field stands (PDB: the field's columns of the records that
//   changed; mmCIF: an atom's field of one cell, within one line);
// - in the other format, the save is refused as error 5, writing nothing, or the file reads
//   back with as many atoms.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "FuzzInput.h"
#include "ScratchFolder.h"
#include "automation/values/TypedLiteral.h"
#include "host/model/Model.h"
#include "host/model/Scope.h"

namespace {

using namespace tav;
using hostmodel::Model;

enum class Level { Chain, Residue, Atom };
constexpr std::array<const char*, 3> kClasses = {"Chain", "Residue", "Atom"};

// The fields, with their PDB columns (counted from 0), whether one mmCIF cell holds them, and
// values to write: most of them fit both formats, a few only one (the other refuses them).
struct Field {
    Level level;
    const char* property;
    size_t column, width;
    bool oneCifCell;
    std::vector<Variant> values;
};

const std::vector<Field>& fields() {
    using V = Variant;
    // clang-format off
    static const std::vector<Field> all = {
        {Level::Atom, "Name", 12, 4, false, {V("CB"), V("O5'"), V("HG21"), V("C A"), V("NAME5")}},
        {Level::Atom, "Element", 76, 2, true, {V("N"), V("FE"), V("Se"), V(""), V("1")}},
        {Level::Atom, "AltLoc", 16, 1, true, {V(""), V("B"), V(" ")}},
        {Level::Atom, "Serial", 6, 5, true, {V::I4(4242), V::I4(123456), V::I4(-7)}},
        {Level::Atom, "Charge", 78, 2, true, {V::I4(0), V::I4(-2), V::I4(3)}},
        {Level::Atom, "BFactor", 60, 6, true, {V::R8(12.5), V::R8(0), V::R8(-1.25)}},
        {Level::Atom, "Occupancy", 54, 6, true, {V::R8(0.25), V::R8(1)}},
        {Level::Atom, "X", 30, 8, true, {V::R8(-12.125), V::R8(1234.5)}},
        {Level::Atom, "Y", 38, 8, true, {V::R8(0)}},
        {Level::Atom, "Z", 46, 8, true, {V::R8(99.875)}},
        {Level::Residue, "Name", 17, 3, false, {V("ALA"), V("HOH"), V("A")}},
        {Level::Residue, "SeqNum", 22, 4, false, {V::I4(42), V::I4(-7), V::I4(10001)}},
        {Level::Residue, "InsCode", 26, 1, false, {V(""), V("B")}},
        {Level::Chain, "Name", 20, 2, false, {V("B"), V("AB"), V("")}},
    };
    // clang-format on
    return all;
}

uint64_t hashOf(const uint8_t* data, size_t size) {
    uint64_t h = 14695981039346656037ull;  // FNV-1a
    for (size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 1099511628211ull;
    return h;
}

hostmodel::ModelClass& classOf(Model& m, Level level) {
    return m.classAt(*m.findClass(kClasses[static_cast<size_t>(level)]));
}

// Every value of every field of each atom (its residue's and chain's through its links), printed.
std::vector<std::string> atomValues(Model& m) {
    auto& atoms = classOf(m, Level::Atom);
    auto& residues = classOf(m, Level::Residue);
    auto& chains = classOf(m, Level::Chain);
    std::vector<std::string> out;
    for (uint32_t a = 0; a < atoms.size(); ++a) {
        const uint32_t r = atoms.ownerRows()[a], c = residues.ownerRows()[r];
        for (const Field& f : fields()) {
            auto& cls = f.level == Level::Atom      ? atoms
                        : f.level == Level::Residue ? residues
                                                    : chains;
            const uint32_t row = f.level == Level::Atom ? a : f.level == Level::Residue ? r : c;
            const hostmodel::Column* column = cls.findColumn(f.property);
            out.push_back(literal::print(column ? column->get(row) : Variant()));
        }
    }
    return out;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        out.push_back(text.substr(0, nl));
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    }
    return out;
}

// PDB: the lines are the same but in the field's columns (and the element's, which a new name
// may need written); a line grows only by the blanks up to them.
bool onlyColumnsDiffer(std::string_view was, std::string_view now, const Field& f) {
    const auto a = linesOf(was), b = linesOf(now);
    if (a.size() != b.size()) return false;
    const bool name = f.level == Level::Atom && std::string_view(f.property) == "Name";
    constexpr size_t kElement = 76, kElementEnd = 78;
    for (size_t i = 0; i < a.size(); ++i) {
        std::string_view x = a[i], y = b[i];
        const bool crX = !x.empty() && x.back() == '\r', crY = !y.empty() && y.back() == '\r';
        if (crX != crY) return false;
        if (crX) x.remove_suffix(1), y.remove_suffix(1);
        if (x == y) continue;
        const size_t end = name ? kElementEnd : f.column + f.width;
        if (y.size() > std::max(x.size(), end)) return false;
        for (size_t c = 0; c < std::max(x.size(), y.size()); ++c) {
            const char cx = c < x.size() ? x[c] : ' ', cy = c < y.size() ? y[c] : ' ';
            const bool inField = (c >= f.column && c < f.column + f.width) ||
                                 (name && c >= kElement && c < kElementEnd);
            if (cx != cy && !inField) return false;
        }
    }
    return true;
}

// mmCIF, one cell: what differs is within one line of each text (or replaces a text field).
bool oneCellDiffers(std::string_view was, std::string_view now) {
    size_t p = 0;
    while (p < was.size() && p < now.size() && was[p] == now[p]) ++p;
    size_t s = 0;
    while (s < was.size() - p && s < now.size() - p &&
           was[was.size() - 1 - s] == now[now.size() - 1 - s])
        ++s;
    const std::string_view before = was.substr(p, was.size() - p - s);
    const std::string_view after = now.substr(p, now.size() - p - s);
    if (after.find('\n') != std::string_view::npos) return false;
    if (before.find('\n') == std::string_view::npos) return true;
    const size_t lineStart = was.rfind('\n', p == 0 ? 0 : p - 1);
    const size_t first = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    return first < was.size() && was[first] == ';';
}

// The format as the library tells it: mmCIF when the first word (after blanks and comment
// lines) starts a data block.
bool isCif(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '#') {
            while (i < text.size() && text[i] != '\n') ++i;
        } else if (std::string_view(" \t\r\n\v\f").find(text[i]) != std::string_view::npos) {
            ++i;
        } else {
            break;
        }
    }
    const std::string_view word = text.substr(i, 5);
    return word.size() == 5 && (word[0] | 0x20) == 'd' && (word[1] | 0x20) == 'a' &&
           (word[2] | 0x20) == 't' && (word[3] | 0x20) == 'a' && word[4] == '_';
}

// A save either is refused (error 5 from "Model", the file not written) or succeeds.
bool saved(Model& m, const std::string& path, bool namesAtom) {
    std::filesystem::remove(path);
    try {
        m.SaveStructure(path);
        return true;
    } catch (const AutomationError& e) {
        fuzz::check(e.number() == 5 && e.source() == "Model" && !std::filesystem::exists(path));
        fuzz::check(!namesAtom || e.description().find(": atom ") != std::string::npos);
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::ScratchFolder folder("tav-structure-fuzz");
    const std::filesystem::path& scratch = folder.path();
    const std::string in = (scratch / "in").string(), out = (scratch / "out").string();
    std::ofstream(in, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const auto model = makeRef<Model>();
    int32_t atoms = 0;
    try {
        atoms = model->LoadStructure(in);
    } catch (const AutomationError& e) {
        fuzz::check(e.number() == 5 && e.source() == "Model" && model->Count() == 0);
        return 0;
    }
    fuzz::check(atoms > 0 && model->Select("*")->count() == atoms);

    const uint64_t h = hashOf(data, size);
    const Field& f = fields()[h % fields().size()];
    const Variant& value = f.values[(h >> 8) % f.values.size()];
    const auto atom = static_cast<uint32_t>((h >> 16) % static_cast<uint64_t>(atoms));
    const uint32_t residue = classOf(*model, Level::Atom).ownerRows()[atom];
    const uint32_t row = f.level == Level::Atom ? atom
                         : f.level == Level::Residue
                             ? residue
                             : classOf(*model, Level::Residue).ownerRows()[residue];
    classOf(*model, f.level).column(f.property).set(row, value);

    // Gzip data is compared with what it inflates to, which the save in its format tells.
    const bool gz = size > 1 && data[0] == 0x1f && data[1] == 0x8b;
    std::optional<bool> cif;
    if (!gz) cif = isCif(fuzz::text(data, size));
    if (saved(*model, out, true)) {
        const auto again = makeRef<Model>();
        fuzz::check(again->LoadStructure(out) == atoms);
        fuzz::check(atomValues(*again) == atomValues(*model));
        const std::string now = readFile(out);
        if (!gz && !*cif) fuzz::check(onlyColumnsDiffer(fuzz::text(data, size), now, f));
        if (!gz && *cif && f.oneCifCell) fuzz::check(oneCellDiffers(fuzz::text(data, size), now));
        cif = isCif(now);
    }
    if (!cif) return 0;
    const std::string other = out + (*cif ? ".pdb" : ".cif");
    if (saved(*model, other, false)) {
        const auto again = makeRef<Model>();
        try {
            fuzz::check(again->LoadStructure(other) == atoms);
        } catch (const AutomationError& e) {
            std::fprintf(stderr, "written, but can't be read: %s\n", e.description().c_str());
            fuzz::violated();
        }
    }
    return 0;
}
