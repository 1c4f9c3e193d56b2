// Reading structure files into the model: the same entry as PDB and as mmCIF gives the same
// columns; what the library reads agrees with a plain reading of the records (hybrid-36 serials,
// altlocs, NMR models, the legacy layout with identifiers in columns 73-80); the ribosome with
// multi-character chain names loads, selects and saves.
#include <gtest/gtest.h>

#include "StructureFiles.h"
#include "automation/values/TypedLiteral.h"
#include "host/model/Model.h"
#include "host/model/ModelObject.h"
#include "host/model/Scope.h"

namespace tav::structuretest {
namespace {

using hostmodel::Model;

Ref<hostmodel::ModelObject> modelObject(const Ref<Object>& o) {
    return Ref<hostmodel::ModelObject>(dynamic_cast<hostmodel::ModelObject*>(o.get()));
}

void expectSameAsLines(const Model& m, const std::vector<PdbAtom>& atoms) {
    const auto names = column(m, "Atom", "Name");
    const auto altLocs = column(m, "Atom", "AltLoc");
    const auto serials = column(m, "Atom", "Serial");
    const auto bs = column(m, "Atom", "BFactor");
    const auto occupancies = column(m, "Atom", "Occupancy");
    const auto xs = column(m, "Atom", "X");
    const auto charges = column(m, "Atom", "Charge");
    ASSERT_EQ(names.size(), atoms.size());
    for (size_t i = 0; i < atoms.size(); ++i) {
        SCOPED_TRACE("atom " + std::to_string(i + 1));
        EXPECT_EQ(names[i].str(), atoms[i].name);
        EXPECT_EQ(altLocs[i].str(), atoms[i].altLoc);
        EXPECT_EQ(serials[i].i4(), atoms[i].serial);
        EXPECT_EQ(bs[i].r8(), atoms[i].b);
        EXPECT_EQ(occupancies[i].r8(), atoms[i].occupancy);
        EXPECT_EQ(xs[i].r8(), atoms[i].x);
        EXPECT_EQ(charges[i].i4(), atoms[i].charge);
    }
}

TEST(StructureReading, PdbAndMmcifOfOneEntryGiveEqualColumns) {
    // (1LCD's two files order and number their waters differently: no pair.)
    for (const char* entry : {"1A8O", "2XHE", "2BEG"}) {
        SCOPED_TRACE(entry);
        const auto pdb = kBiopython / (std::string(entry) + ".pdb.gz");
        const auto cif = kBiopython / (std::string(entry) + ".cif.gz");
        TAV_NEED(pdb, kBiopythonPackage);
        TAV_NEED(cif, kBiopythonPackage);
        const auto fromPdb = makeRef<Model>();
        const auto fromCif = makeRef<Model>();
        const int32_t atoms = fromPdb->LoadStructure(pdb.string());
        EXPECT_EQ(fromCif->LoadStructure(cif.string()), atoms);
        EXPECT_EQ(fromPdb->Count(), fromCif->Count());
        // Serial numbers differ by design: PDB counts TER records, mmCIF does not.
        for (const auto& [cls, property] :
             std::vector<std::pair<std::string, std::string>>{{"Atom", "Name"},
                                                              {"Atom", "Element"},
                                                              {"Atom", "AltLoc"},
                                                              {"Atom", "Charge"},
                                                              {"Atom", "BFactor"},
                                                              {"Atom", "Occupancy"},
                                                              {"Atom", "X"},
                                                              {"Atom", "Y"},
                                                              {"Atom", "Z"},
                                                              {"Residue", "Name"},
                                                              {"Residue", "SeqNum"},
                                                              {"Residue", "InsCode"},
                                                              {"Chain", "Name"}}) {
            SCOPED_TRACE(cls + "." + property);
            const auto a = column(*fromPdb, cls, property), b = column(*fromCif, cls, property);
            ASSERT_EQ(a.size(), b.size());
            size_t differ = 0;
            for (size_t i = 0; i < a.size(); ++i)
                differ += literal::print(a[i]) != literal::print(b[i]);
            EXPECT_EQ(differ, 0u);
        }
    }
}

TEST(StructureReading, AtomsAgreeWithALineByLineReading) {
    struct Case {
        std::filesystem::path file;
        const char* package;
    };
    const Case cases[] = {
        {ubiquitin(), ""},
        {kBiopython / "disordered.pdb", kBiopythonPackage},  // altlocs
        {kBiopython / "occupancy.pdb", kBiopythonPackage},   // partial occupancies
        {kBiopython / "2BEG.pdb.gz", kBiopythonPackage},     // ten NMR models: the first
        {kBiopython / "1LCD.pdb.gz", kBiopythonPackage},     // NMR, DNA and protein
        {kPrody / "pdb1tw7_step3_charmm2namd_doubled_h36.pdb", kProdyPackage},  // hybrid-36
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.string());
        TAV_NEED(c.file, c.package);
        const auto m = makeRef<Model>();
        const std::vector<PdbAtom> atoms = pdbAtoms(readText(c.file.string()));
        EXPECT_EQ(m->LoadStructure(c.file.string()), static_cast<int32_t>(atoms.size()));
        expectSameAsLines(*m, atoms);
    }
}

TEST(StructureReading, ObjectsLinkAtomsToResiduesToChainsInFileOrder) {
    const auto m = makeRef<Model>();
    m->LoadStructure(ubiquitin());
    const std::vector<PdbAtom> atoms = pdbAtoms(readText(ubiquitin()));
    const Ref<hostmodel::Scope> all = m->Select("");
    ASSERT_EQ(all->count(), static_cast<int32_t>(atoms.size()));
    for (int32_t i : {1, 200, all->count()}) {
        const auto atom = modelObject(all->item(i));
        const auto residue = modelObject(atom->Parent());
        const auto chain = modelObject(residue->Parent());
        const PdbAtom& a = atoms[static_cast<size_t>(i - 1)];
        EXPECT_EQ(atom->ClassName(), "Atom");
        EXPECT_EQ(atom->Name(), a.name);
        EXPECT_EQ(residue->ClassName(), "Residue");
        EXPECT_EQ(residue->Value("Name").str(), a.residue);
        EXPECT_EQ(residue->Value("SeqNum").i4(), a.seq);
        EXPECT_EQ(chain->Value("Name").str(), a.chain);
        EXPECT_FALSE(chain->Parent());
    }
}

// The legacy layout: an identifier and a line number in columns 73-80, no element or charge.
TEST(StructureReading, LegacyIdentifiersInColumns73To80AreNotElementsOrCharges) {
    TempDir dir;
    std::string text = readText(ubiquitin()), legacy;
    size_t n = 0;
    for (size_t pos = 0; pos < text.size();) {
        const size_t eol = text.find('\n', pos);
        std::string line = text.substr(pos, eol - pos);
        line.resize(72, ' ');
        char id[16];
        std::snprintf(id, sizeof id, "1UBI%4zu", ++n % 10000);
        legacy += line + id + "\n";
        pos = eol + 1;
    }
    writeText(dir.file("legacy.pdb"), legacy);
    const auto m = makeRef<Model>();
    ASSERT_EQ(m->LoadStructure(dir.file("legacy.pdb")), 683);
    const auto elements = column(*m, "Atom", "Element");
    const auto charges = column(*m, "Atom", "Charge");
    const std::vector<PdbAtom> atoms = pdbAtoms(text);
    for (size_t i = 0; i < atoms.size(); ++i) {
        EXPECT_EQ(elements[i].str(), atoms[i].element) << i;  // as gemmi infers it from the name
        EXPECT_EQ(charges[i].i4(), 0) << i;
    }
}

// Bytes beyond ASCII in a residue name load (gemmi's residue tables can't be asked about them),
// and refuse the other format, whose residue names are ASCII.
TEST(StructureReading, ResidueNamesBeyondAsciiLoad) {
    TempDir dir;
    writeText(dir.file("odd.pdb"),
              "ATOM      1  CA  \xC3\xA9" "A A   1      11.104   6.134  -6.504  1.00  0.00           C\n"
              "ATOM      2  CA  ALA A   2      11.639   6.071  -5.147  1.00  0.00           C\n");
    const auto m = makeRef<Model>();
    EXPECT_EQ(m->LoadStructure(dir.file("odd.pdb")), 2);
    EXPECT_EQ(column(*m, "Residue", "Name")[0].str(), "\xC3\xA9" "A");
    const Raised e = raised([&] { m->SaveStructure(dir.file("odd.cif")); });
    EXPECT_NE(e.description.find("a residue name of the other format is ASCII"), std::string::npos) << e.description;
}

TEST(StructureReading, TheRibosomeLoadsSelectsAndSaves) {
    const auto cif = kPrody / "mmcif_6zu5.cif";
    TAV_NEED(cif, kProdyPackage);
#ifndef NDEBUG
    GTEST_SKIP() << "the 165 000-atom ribosome is read in optimised builds only";
#endif
    TempDir dir;
    const auto m = makeRef<Model>();
    EXPECT_EQ(m->LoadStructure(cif.string()), 165175);
    bool longName = false;
    for (const Variant& name : column(*m, "Chain", "Name")) longName |= name.str().size() > 1;
    EXPECT_TRUE(longName);
    const Ref<hostmodel::Scope> magnesium = m->Select("(MG)");
    EXPECT_EQ(magnesium->count(), 179);
    const auto atom = modelObject(magnesium->item(1));
    atom->SetValue("BFactor", Variant::R8(12.5));
    m->SaveStructure(dir.file("6zu5.cif"));
    const auto again = makeRef<Model>();
    again->LoadStructure(dir.file("6zu5.cif"));
    EXPECT_EQ(everything(*again), everything(*m));
}

}  // namespace
}  // namespace tav::structuretest
