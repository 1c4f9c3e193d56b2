// Editing and saving structures: an edit of every selected atom through the in-scope part is
// undone exactly; a saved file differs from the original only in the edited fields (PDB columns,
// mmCIF cells), and not at all when nothing is edited or the edit was undone; the other format
// is written from the atoms; a value the format can't hold is refused and nothing is written.
// (A file changed on disk, and what the other format can't keep: the structures script.)
#include <gtest/gtest.h>

#include <limits>

#include "StructureFiles.h"
#include "host/framework/HostClasses.h"
#include "host/model/Container.h"
#include "host/model/Model.h"
#include "host/model/ModelObject.h"
#include "host/model/Scope.h"
#include "scope/SrcPart_InScopeIsdObjS.h"

namespace tav::structuretest {
namespace {

using hostmodel::Model;

// A panel bound to one property of the atoms a selection picks, storing at once.
struct Panel {
    Ref<hostmodel::Container> host = makeRef<hostmodel::Container>();
    Ref<SrcPart_InScopeIsdObjS> part = makeRef<SrcPart_InScopeIsdObjS>();

    Panel(Model& m, const std::string& selection, const char* property) {
        hostclasses::ensureRegistered();
        part->InitProperties();
        part->SetProcessScopeDelay(false);
        part->PropertiesFunnel()->AddPropertyFunnel(
            property, property, funneledPropertyResolveBy::ScalarCompareAll, "#VT_NULL#");
        host->scopeManager().SelectScope(m.Select(selection));
        part->SetSourceObject(host);
    }
    void store(const char* property, const Variant& v) { part->LetValue(property, v); }
};

// Lines of the saved PDB differ only for the edited atoms, and there only in the B-factor's
// columns 61-66.
TEST(StructureSaving, APdbFileDiffersOnlyInTheEditedColumns) {
    TempDir dir;
    const auto m = loaded(ubiquitin());
    Panel panel(*m, "//A/10-12", "BFactor");
    panel.store("BFactor", Variant::R8(7.25));
    m->SaveStructure(dir.file("edited.pdb"));
    const auto was = lines(readText(ubiquitin())), now = lines(readText(dir.file("edited.pdb")));
    ASSERT_EQ(was.size(), now.size());
    std::vector<size_t> edited;
    for (const PdbAtom& a : pdbAtoms(readText(ubiquitin())))
        if (a.seq >= 10 && a.seq <= 12) edited.push_back(a.line);
    std::vector<size_t> differing;
    for (size_t i = 0; i < was.size(); ++i) {
        if (was[i] == now[i]) continue;
        differing.push_back(i);
        ASSERT_EQ(was[i].size(), now[i].size());
        for (size_t c = 0; c < was[i].size(); ++c) {
            const bool inB = c >= 60 && c < 66;
            EXPECT_TRUE(was[i][c] == now[i][c] || inB) << "line " << i << " column " << c + 1;
        }
        EXPECT_EQ(now[i].substr(60, 6), "  7.25");
    }
    EXPECT_EQ(differing, edited);
}

// Rows of the saved mmCIF differ only in the B_iso_or_equiv cell of the edited atoms.
TEST(StructureSaving, AnMmcifFileDiffersOnlyInTheEditedCells) {
    const auto cif = kBiopython / "1A8O.cif.gz";
    TAV_NEED(cif, kBiopythonPackage);
    TempDir dir;
    const auto m = loaded(cif.string());
    const int32_t chosen = m->Select("//A/160-165/CA")->count();
    ASSERT_GT(chosen, 0);
    Panel panel(*m, "//A/160-165/CA", "BFactor");
    panel.store("BFactor", Variant::R8(61.5));
    m->SaveStructure(dir.file("edited.cif"));
    const auto was = lines(readText(cif.string())), now = lines(readText(dir.file("edited.cif")));
    ASSERT_EQ(was.size(), now.size());
    int differing = 0;
    for (size_t i = 0; i < was.size(); ++i) {
        if (was[i] == now[i]) continue;
        ++differing;
        const auto a = words(was[i]), b = words(now[i]);
        ASSERT_EQ(a.size(), b.size());
        int cells = 0;
        for (size_t w = 0; w < a.size(); ++w)
            if (a[w] != b[w]) {
                ++cells;
                EXPECT_EQ(b[w], "61.50");  // the decimals the column had
            }
        EXPECT_EQ(cells, 1) << now[i];
    }
    EXPECT_EQ(differing, chosen);
}

TEST(StructureSaving, NothingEditedOrAnEditUndoneWritesTheSameBytes) {
    struct Case {
        std::filesystem::path file;
        const char* package;
        const char* saveAs;
    };
    const Case cases[] = {
        {ubiquitin(), "", "same.pdb"},
        {kBiopython / "1A8O.cif.gz", kBiopythonPackage, "same.cif"},
        {kPrody / "pdb1tw7_step3_charmm2namd_doubled_h36.pdb", kProdyPackage, "h36.pdb"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.string());
        TAV_NEED(c.file, c.package);
        TempDir dir;
        const auto m = loaded(c.file.string());
        m->SaveStructure(dir.file(c.saveAs));
        EXPECT_EQ(readText(dir.file(c.saveAs)), readText(c.file.string()));
        Panel panel(*m, "//*/*/CA", "Occupancy");
        panel.store("Occupancy", Variant::R8(0.5));
        panel.host->operationManager().Undo();
        m->SaveStructure(dir.file(c.saveAs));
        EXPECT_EQ(readText(dir.file(c.saveAs)), readText(c.file.string()));
        EXPECT_EQ(m->SaveNotes(), "");
    }
}

TEST(StructureSaving, SavingIntoTheFileReadMakesItTheOriginal) {
    TempDir dir;
    const std::string file = dir.file("1ubi.pdb.gz");
    writeText(file, readText(ubiquitin()));
    const auto m = loaded(file);
    Panel panel(*m, "//A/1/CA", "BFactor");
    panel.store("BFactor", Variant::R8(1.5));
    m->SaveStructure(file);
    EXPECT_EQ(m->ChangedAtoms(), 0);
    // Undone after the save, the atom differs from the file as it is now.
    panel.host->operationManager().Undo();
    EXPECT_EQ(m->ChangedAtoms(), 1);
    m->SaveStructure(file);
    EXPECT_EQ(readText(file), readText(ubiquitin()));
    expectReadsBack(file, *m);
}

TEST(StructureSaving, TheOtherFormatKeepsTheAtomsAndRefusesWhatPdbCannotHold) {
    TempDir dir;
    const auto m = loaded(ubiquitin());
    Panel panel(*m, "//A/1/CA", "BFactor");
    panel.store("BFactor", Variant::R8(3.25));
    m->SaveStructure(dir.file("1ubi.cif"));
    const auto cif = loaded(dir.file("1ubi.cif"));
    for (const char* property : {"Name", "Element", "BFactor", "X"})
        EXPECT_EQ(printed(*cif, "Atom", property), printed(*m, "Atom", property)) << property;
    // Back to PDB: the atoms again, with the edit.
    cif->SaveStructure(dir.file("again.pdb"));
    EXPECT_EQ(printed(*loaded(dir.file("again.pdb")), "Atom", "BFactor"),
              printed(*m, "Atom", "BFactor"));
    // A chain name PDB can't hold, in a new file or in the file's own columns.
    setValue(*cif, "Chain", "Name", 0, Variant("ABC"));
    expectRefused(raised([&] { cif->SaveStructure(dir.file("long.pdb")); }),
                  "at most two characters: ABC", dir.file("long.pdb"));
    setValue(*m, "Chain", "Name", 0, Variant("ABC"));
    expectRefused(raised([&] { m->SaveStructure(dir.file("long.pdb")); }),
                  "the chain name Str:\"ABC\" does not fit the PDB columns 21-22",
                  dir.file("long.pdb"));
}

// Saving in the other format writes a file that reads back with every atom, or is refused:
// an altloc, insertion code or chain name that mmCIF can't write bare (a blank, a quote, a
// comment, null or frame mark) is quoted, so the tables keep their number of values and the
// atoms their codes; a residue without a number is written ? and read so; a unit cell gemmi
// can't take is refused (findings of the structure fuzz target).
TEST(StructureSaving, TheOtherFormatReadsBackWithEveryAtomOrIsRefused) {
    const std::string record =
        "ATOM      1  CA  MET A   1      26.381  25.361   2.894  1.00  9.58           C\n";
    const auto with = [&](size_t column, char c) {
        return std::string(record).replace(column, 1, 1, c);
    };
    std::string codes;
    for (char c : std::string_view("#'\"?._;$[\t")) codes += with(16, c).replace(26, 1, 1, c);
    struct Case {
        const char* what;
        std::string pdb;
        const char* refusal;  // none: the mmCIF written reads back
    };
    const Case cases[] = {
        {"altlocs and insertion codes", codes, nullptr},
        {"a chain named $", with(21, '$'), nullptr},
        {"a residue without a number", std::string(record).replace(22, 4, "    "), nullptr},
        {"a flat unit cell",
         "CRYST1   50.840   42.770   28.950   0.00  90.00  90.00 P 21 21 21\n" + record,
         "the unit cell can't be written: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        writeText(dir.file("a.pdb"), c.pdb);
        const auto m = makeRef<Model>();
        const int32_t atoms = m->LoadStructure(dir.file("a.pdb"));
        const Raised e = raised([&] { m->SaveStructure(dir.file("a.cif")); });
        if (c.refusal) {
            expectRefused(e, c.refusal, dir.file("a.cif"));
            continue;
        }
        ASSERT_EQ(e.description, "");
        const auto cif = makeRef<Model>();
        ASSERT_EQ(cif->LoadStructure(dir.file("a.cif")), atoms);
        for (const char* property : {"AltLoc", "Name"})
            EXPECT_EQ(printed(*cif, "Atom", property), printed(*m, "Atom", property));
        for (const char* property : {"InsCode", "SeqNum"})
            EXPECT_EQ(printed(*cif, "Residue", property), printed(*m, "Residue", property));
        EXPECT_EQ(printed(*cif, "Chain", "Name"), printed(*m, "Chain", "Name"));
    }
}

// A small mmCIF file: a methionine's first atoms and a water.
const std::string kSmallCif = R"(data_SMALL
loop_
_atom_site.group_PDB
_atom_site.id
_atom_site.type_symbol
_atom_site.label_atom_id
_atom_site.label_alt_id
_atom_site.label_comp_id
_atom_site.label_asym_id
_atom_site.label_seq_id
_atom_site.pdbx_PDB_ins_code
_atom_site.Cartn_x
_atom_site.Cartn_y
_atom_site.Cartn_z
_atom_site.occupancy
_atom_site.B_iso_or_equiv
_atom_site.pdbx_formal_charge
_atom_site.auth_seq_id
_atom_site.auth_comp_id
_atom_site.auth_asym_id
_atom_site.auth_atom_id
ATOM 1 N N . MET A 1 ? 27.340 24.430 2.614 1.00 9.67 ? 1 MET A N
ATOM 2 C CA . MET A 1 ? 26.266 25.413 2.842 1.00 10.38 ? 1 MET A CA
HETATM 3 O O . HOH B . ? 45.802 20.796 19.825 1.00 17.71 ? 77 HOH A O
#
)";

std::string replaced(std::string text, const std::string& what, const std::string& with) {
    const size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? text : text.replace(at, what.size(), with);
}

// PDB atom records: one whose columns 73-80 hold a segment, no element and a charge, and
// ubiquitin in the legacy layout (an identifier and line numbers in columns 73-80).
const std::string kSegmentPdb =
    "ATOM      1  CA  MET A   1      26.381  25.361   2.894  1.00  9.58      SEG1 11-\n";

// An edit of one field of one object is written where reading the file finds it, so that the
// file reads back as the model holds the structure, or is refused naming the atom (and nothing
// is written): never saved as if written when the file has no place that reads as the value.
TEST(StructureSaving, AnEditReadsBackFromTheFileOrIsRefusedNamingTheAtom) {
    const std::string pdb = readText(ubiquitin());
    std::string noElements;  // columns 67-80 cut off
    for (const std::string& l : lines(pdb)) noElements += l.substr(0, 66) + "\n";
    const std::string oldInsCode = replaced(kSmallCif, "? 77 HOH A O\n", "? 77A HOH A O\n");
    struct Case {
        const char* what;
        std::string file;
        const char* name;
        const char* cls;
        const char* property;
        uint32_t row;
        Variant value;
        const char* expected;  // in the message of a refusal, or in the file written
        bool refused;
    };
    const Case cases[] = {
        // Values the PDB columns can't hold.
        {"B too large", pdb, "a.pdb", "Atom", "BFactor", 0, Variant::R8(12345.6),
         "atom 1 (N): the B-factor R8:12345.6 does not fit the PDB columns 61-66", true},
        {"x too large", pdb, "a.pdb", "Atom", "X", 0, Variant::R8(-12345.678),
         "the x coordinate R8:-12345.678 does not fit the PDB columns 31-38", true},
        {"charge", pdb, "a.pdb", "Atom", "Charge", 0, Variant::I4(12),
         "the charge I4:12 does not fit the PDB columns 79-80", true},
        {"long element", pdb, "a.pdb", "Atom", "Element", 0, Variant("ABC"),
         "the element Str:\"ABC\" does not fit", true},
        {"long name", pdb, "a.pdb", "Atom", "Name", 0, Variant("CA1234"),
         "the name Str:\"CA1234\" does not fit", true},
        {"no number", pdb, "a.pdb", "Atom", "Occupancy", 0, Variant("much"),
         "the occupancy is not a number: Str:\"much\"", true},
        {"NaN", pdb, "a.pdb", "Atom", "Y", 0, Variant::R8(std::numeric_limits<double>::quiet_NaN()),
         "the y coordinate is not a number", true},
        {"serial", pdb, "a.pdb", "Atom", "Serial", 0, Variant::I4(99999999),
         "the serial I4:99999999 does not fit", true},
        // ... and values they would read otherwise: trimmed, or as the element the name implies.
        {"blanks", pdb, "a.pdb", "Atom", "Name", 1, Variant(" CA"),
         "atom 2 ( CA): the name has blanks at its ends, which the PDB columns don't keep", true},
        {"blank altloc", pdb, "a.pdb", "Atom", "AltLoc", 1, Variant(" "),
         "the altloc has blanks at its ends", true},
        {"element without a letter", pdb, "a.pdb", "Atom", "Element", 0, Variant("1"),
         "the element has no letter, and PDB columns 77-78 without one read as the element the "
         "name implies: Str:\"1\"",
         true},
        {"no element", pdb, "a.pdb", "Atom", "Element", 0, Variant(""), "has no letter", true},
        // A record without an element: a new name implies another, so the atom's is written.
        {"name implying another element", noElements, "a.pdb", "Atom", "Name", 1, Variant("NA"),
         "ATOM      2 NA   MET A   1      26.381  25.361   2.894  1.00  9.58           C\n", false},
        {"name implying the same element", noElements, "a.pdb", "Atom", "Name", 1, Variant("CB"),
         "ATOM      2  CB  MET A   1      26.381  25.361   2.894  1.00  9.58\n", false},
        // A legacy file has no place for it: the element follows the name.
        {"legacy: another element", legacyUbiquitin(), "a.pdb", "Atom", "Name", 1, Variant("NA"),
         "atom 2 (NA): the name Str:\"NA\" would make the element read as NA, not C: this file "
         "gives the atom no element of its own",
         true},
        {"legacy: the same element", legacyUbiquitin(), "a.pdb", "Atom", "Name", 1, Variant("CB"),
         "ATOM      2  CB  MET A   1      26.381  25.361   2.894  1.00  9.58      1UBI 271", false},
        // No charge would leave digits and blanks in columns 77-80 under a segment: the legacy
        // layout, in which the whole file would be read.
        {"charge into the legacy layout", kSegmentPdb, "a.pdb", "Atom", "Charge", 0, Variant::I4(0),
         "atom 1 (CA): the charge I4:0 would make columns 73-80 read as an identifier and line "
         "numbers",
         true},
        {"another charge", kSegmentPdb, "a.pdb", "Atom", "Charge", 0, Variant::I4(2), "SEG1 12+\n",
         false},
        // mmCIF: a field whose column the _atom_site loop lacks, though the loop has a tag of
        // that name in another category (a finding of the structure fuzz target).
        {"B of another category", replaced(kSmallCif, "_atom_site.B_", "_atom_site/B_"), "a.cif",
         "Atom", "BFactor", 0, Variant::R8(12.5),
         "atom 1 (N): the B-factor can't be written: _atom_site has no column b_iso_or_equiv",
         true},
        {"B of the anisotropic table",
         replaced(kSmallCif, "_atom_site.B_", "_atom_site_anisotrop.B_"), "a.cif", "Atom",
         "BFactor", 2, Variant::R8(12.5), "atom 3 (O): the B-factor can't be written", true},
        {"no element column",
         replaced(kSmallCif, "_atom_site.type_symbol", "_atom_site_x.type_symbol"), "a.cif", "Atom",
         "Element", 1, Variant("N"),
         "atom 2 (CA): the element can't be written: _atom_site has no column type_symbol", true},
        {"no column, no edit", replaced(kSmallCif, "_atom_site.B_", "_atom_site/B_"), "a.cif",
         "Atom", "Occupancy", 0, Variant::R8(0.5), "N . MET A 1 ? 27.340 24.430 2.614 0.50 9.67",
         false},
        // Text beyond printable ASCII is quoted, as gemmi reads it only so.
        {"not ASCII", kSmallCif, "a.cif", "Atom", "Name", 2, Variant("O\xc3\xa9"),
         "HETATM 3 O 'O\xc3\xa9' . HOH", false},
        // A vertical tab is a character of a quoted value, not a blank between values.
        {"vertical tab", replaced(kSmallCif, "ATOM 1 N N .", "ATOM 1 N 'N'\vx' ."), "a.cif", "Atom",
         "BFactor", 0, Variant::R8(12.5), "1.00 12.50 ? 1 MET A N\n", false},
        // Old files write the insertion code after the residue number (77A): both go there.
        {"number with its code", oldInsCode, "a.cif", "Residue", "SeqNum", 1, Variant::I4(16),
         "17.71 ? 16A HOH A O\n", false},
        {"code after the number", oldInsCode, "a.cif", "Residue", "InsCode", 1, Variant("B"),
         "17.71 ? 77B HOH A O\n", false},
        {"no code after the number", oldInsCode, "a.cif", "Residue", "InsCode", 1, Variant(""),
         "17.71 ? 77 HOH A O\n", false},
        {"a code that reads as a number", oldInsCode, "a.cif", "Residue", "InsCode", 1,
         Variant("7"),
         "atom 3 (O): the insertion code can't be written after the residue number, where this "
         "file's auth_seq_id keeps it: Str:\"7\"",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        writeText(dir.file(c.name), c.file);
        const auto m = loaded(dir.file(c.name));
        setValue(*m, c.cls, c.property, c.row, c.value);
        const std::string out = dir.file(std::string("out-") + c.name);
        const Raised e = raised([&] { m->SaveStructure(out); });
        if (c.refused) {
            expectRefused(e, c.expected, out);
            continue;
        }
        ASSERT_EQ(e.description, "");
        EXPECT_NE(readText(out).find(c.expected), std::string::npos);
        expectReadsBack(out, *m);
    }
}

TEST(StructureSaving, HybridSerialsAndResidueNumbersRoundTrip) {
    TempDir dir;
    const auto m = loaded(ubiquitin());
    setValue(*m, "Atom", "Serial", 0, Variant::I4(123456));
    setValue(*m, "Residue", "SeqNum", 0, Variant::I4(10001));
    setValue(*m, "Atom", "Charge", 1, Variant::I4(-2));
    // Names of two-letter elements start in column 13.
    setValue(*m, "Atom", "Name", 2, Variant("HG"));
    m->SaveStructure(dir.file("out.pdb"));
    expectReadsBack(dir.file("out.pdb"), *m);
    const auto saved = lines(readText(dir.file("out.pdb")));
    const std::vector<PdbAtom> atomsRead = pdbAtoms(readText(dir.file("out.pdb")));
    EXPECT_EQ(saved[atomsRead[0].line].substr(6, 5), "A0I3K");
    EXPECT_EQ(saved[atomsRead[1].line].substr(78, 2), "2-");
}

TEST(StructureSaving, LegacyColumnsKeepTheirIdentifiers) {
    TempDir dir;
    writeText(dir.file("legacy.pdb"), legacyUbiquitin());
    const auto m = loaded(dir.file("legacy.pdb"));
    setValue(*m, "Atom", "BFactor", 0, Variant::R8(5));
    m->SaveStructure(dir.file("out.pdb"));
    EXPECT_EQ(lines(readText(dir.file("out.pdb"))).back().substr(72), "1UBI 955");
    setValue(*m, "Atom", "Element", 0, Variant("C"));
    expectRefused(raised([&] { m->SaveStructure(dir.file("out.pdb")); }),
                  "columns 73-80 of this file hold an identifier");
}

}  // namespace
}  // namespace tav::structuretest
