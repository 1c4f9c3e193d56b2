// Editing and saving structures: an edit of every selected atom through the in-scope part is
// undone exactly; a saved file differs from the original only in the edited fields (PDB columns,
// mmCIF cells), and not at all when nothing is edited or the edit was undone; the file read is
// not overwritten once it changed on disk; the other format is written from the atoms and says
// what it cannot keep; a value the format can't hold is refused and nothing is written.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>

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

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

std::string copyOf(const TempDir& dir, const std::string& from, const std::string& name) {
    writeText(dir.file(name), readText(from));
    return dir.file(name);
}

TEST(StructureSaving, AnEditOfEverySelectedAtomIsUndoneExactly) {
    const auto m = makeRef<Model>();
    m->LoadStructure(ubiquitin());
    const std::vector<std::string> before = everything(*m);
    Panel panel(*m, "//A/10-20", "BFactor");
    panel.store("BFactor", Variant("55.5"));
    EXPECT_EQ(m->ChangedAtoms(), m->Select("//A/10-20")->count());
    panel.host->operationManager().Undo();
    EXPECT_EQ(everything(*m), before);
    EXPECT_EQ(m->ChangedAtoms(), 0);
    panel.host->operationManager().Redo();
    EXPECT_EQ(panel.part->Value("BFactor").r8(), 55.5);
}

// Lines of the saved PDB differ only for the edited atoms, and there only in the B-factor's
// columns 61-66.
TEST(StructureSaving, APdbFileDiffersOnlyInTheEditedColumns) {
    TempDir dir;
    const auto m = makeRef<Model>();
    m->LoadStructure(ubiquitin());
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
    const auto m = makeRef<Model>();
    m->LoadStructure(cif.string());
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
        const auto m = makeRef<Model>();
        m->LoadStructure(c.file.string());
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
    const std::string file = copyOf(dir, ubiquitin(), "1ubi.pdb.gz");
    const auto m = makeRef<Model>();
    m->LoadStructure(file);
    Panel panel(*m, "//A/1/CA", "BFactor");
    panel.store("BFactor", Variant::R8(1.5));
    m->SaveStructure(file);
    EXPECT_EQ(m->ChangedAtoms(), 0);
    // Undone after the save, the atom differs from the file as it is now.
    panel.host->operationManager().Undo();
    EXPECT_EQ(m->ChangedAtoms(), 1);
    m->SaveStructure(file);
    EXPECT_EQ(readText(file), readText(ubiquitin()));
    const auto again = makeRef<Model>();
    again->LoadStructure(file);
    EXPECT_EQ(everything(*again), everything(*m));
}

TEST(StructureSaving, AFileChangedOnDiskIsNotOverwritten) {
    TempDir dir;
    const std::string file = copyOf(dir, ubiquitin(), "1ubi.pdb");
    const auto m = makeRef<Model>();
    m->LoadStructure(file);
    Panel panel(*m, "//A/1/CA", "BFactor");
    panel.store("BFactor", Variant::R8(1.5));
    const std::string changed = readText(file) + "REMARK 999 SOMEBODY ELSE\n";
    writeText(file, changed);
    for (const std::string& target : {file, dir.file("elsewhere.pdb")}) {
        const Raised e = raised([&] { m->SaveStructure(target); });
        EXPECT_EQ(e.number, 5);
        EXPECT_NE(e.description.find("changed on disk"), std::string::npos) << e.description;
    }
    EXPECT_EQ(readText(file), changed);
    EXPECT_FALSE(std::filesystem::exists(dir.file("elsewhere.pdb")));
}

TEST(StructureSaving, TheOtherFormatIsWrittenFromTheAtomsAndSaysWhatItCannotKeep) {
    TempDir dir;
    const auto m = makeRef<Model>();
    m->LoadStructure(ubiquitin());
    Panel panel(*m, "//A/1/CA", "BFactor");
    panel.store("BFactor", Variant::R8(3.25));
    m->SaveStructure(dir.file("1ubi.cif"));
    EXPECT_NE(m->SaveNotes().find("written as mmCIF"), std::string::npos);
    EXPECT_NE(m->SaveNotes().find("not kept: HEADER, TITLE"), std::string::npos) << m->SaveNotes();
    const auto cif = makeRef<Model>();
    EXPECT_EQ(cif->LoadStructure(dir.file("1ubi.cif")), 683);
    for (const char* property : {"Name", "Element", "BFactor", "X"})
        EXPECT_EQ(printed(*cif, "Atom", property), printed(*m, "Atom", property)) << property;
    // Back to PDB: the atoms again, with the edit.
    cif->SaveStructure(dir.file("again.pdb"));
    const auto pdb = makeRef<Model>();
    pdb->LoadStructure(dir.file("again.pdb"));
    EXPECT_EQ(printed(*pdb, "Atom", "BFactor"), printed(*m, "Atom", "BFactor"));
    // A chain name PDB can't hold, in a new file or in the file's own columns.
    cif->classAt(*cif->findClass("Chain")).column("Name").set(0, Variant("ABC"));
    EXPECT_NE(raised([&] {
                  cif->SaveStructure(dir.file("long.pdb"));
              }).description.find("at most two characters: ABC"),
              std::string::npos);
    m->classAt(*m->findClass("Chain")).column("Name").set(0, Variant("ABC"));
    EXPECT_NE(raised([&] {
                  m->SaveStructure(dir.file("long.pdb"));
              }).description.find("the chain name Str:\"ABC\" does not fit the PDB columns 21-22"),
              std::string::npos);
}

TEST(StructureSaving, AValueTheLayoutCannotHoldIsRefusedAndNothingIsWritten) {
    struct Case {
        const char* property;
        Variant value;
        const char* message;
    };
    const Case cases[] = {
        {"BFactor", Variant::R8(12345.6),
         "the B-factor R8:12345.6 does not fit the PDB columns 61-66"},
        {"X", Variant::R8(-12345.678),
         "the x coordinate R8:-12345.678 does not fit the PDB columns 31-38"},
        {"Charge", Variant::I4(12), "the charge I4:12 does not fit the PDB columns 79-80"},
        {"Element", Variant("ABC"), "the element Str:\"ABC\" does not fit"},
        {"Name", Variant("CA1234"), "the name Str:\"CA1234\" does not fit"},
        {"Occupancy", Variant("much"), "the occupancy is not a number: Str:\"much\""},
        {"Y", Variant::R8(std::numeric_limits<double>::quiet_NaN()),
         "the y coordinate is not a number"},
        {"Serial", Variant::I4(99999999), "the serial I4:99999999 does not fit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.property);
        TempDir dir;
        const auto m = makeRef<Model>();
        m->LoadStructure(ubiquitin());
        m->classAt(*m->findClass("Atom")).column(c.property).set(0, c.value);
        const Raised e = raised([&] { m->SaveStructure(dir.file("out.pdb")); });
        EXPECT_EQ(e.number, 5);
        EXPECT_NE(e.description.find("atom 1 ("), std::string::npos) << e.description;
        EXPECT_NE(e.description.find(c.message), std::string::npos) << e.description;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.pdb")));
    }
}

TEST(StructureSaving, HybridSerialsAndResidueNumbersRoundTrip) {
    TempDir dir;
    const auto m = makeRef<Model>();
    m->LoadStructure(ubiquitin());
    auto& atoms = m->classAt(*m->findClass("Atom"));
    auto& residues = m->classAt(*m->findClass("Residue"));
    atoms.column("Serial").set(0, Variant::I4(123456));
    residues.column("SeqNum").set(0, Variant::I4(10001));
    atoms.column("Charge").set(1, Variant::I4(-2));
    atoms.column("Name").set(2, Variant("HG"));  // names of two-letter elements start in column 13
    m->SaveStructure(dir.file("out.pdb"));
    const auto again = makeRef<Model>();
    again->LoadStructure(dir.file("out.pdb"));
    EXPECT_EQ(everything(*again), everything(*m));
    const auto saved = lines(readText(dir.file("out.pdb")));
    const std::vector<PdbAtom> atomsRead = pdbAtoms(readText(dir.file("out.pdb")));
    EXPECT_EQ(saved[atomsRead[0].line].substr(6, 5), "A0I3K");
    EXPECT_EQ(saved[atomsRead[1].line].substr(78, 2), "2-");
}

TEST(StructureSaving, LegacyColumnsKeepTheirIdentifiers) {
    TempDir dir;
    std::string legacy;
    for (const std::string& l : lines(readText(ubiquitin()))) {
        std::string line = l;
        line.resize(72, ' ');
        legacy += line + "1UBI   1\n";
    }
    writeText(dir.file("legacy.pdb"), legacy);
    const auto m = makeRef<Model>();
    m->LoadStructure(dir.file("legacy.pdb"));
    auto& atoms = m->classAt(*m->findClass("Atom"));
    atoms.column("BFactor").set(0, Variant::R8(5));
    m->SaveStructure(dir.file("out.pdb"));
    EXPECT_EQ(lines(readText(dir.file("out.pdb"))).back().substr(72), "1UBI   1");
    atoms.column("Element").set(0, Variant("C"));
    const Raised e = raised([&] { m->SaveStructure(dir.file("out.pdb")); });
    EXPECT_NE(e.description.find("columns 73-80 of this file hold an identifier"),
              std::string::npos)
        << e.description;
}

}  // namespace
}  // namespace tav::structuretest
