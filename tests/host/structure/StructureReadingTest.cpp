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
        const std::vector<std::pair<std::string, std::vector<std::string>>> compared = {
            {"Atom",
             {"Name", "Element", "AltLoc", "Charge", "BFactor", "Occupancy", "X", "Y", "Z"}},
            {"Residue", {"Name", "SeqNum", "InsCode"}},
            {"Chain", {"Name"}}};
        for (const auto& [cls, properties] : compared)
            for (const std::string& property : properties) {
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

// The legacy layout: an identifier and a line number in columns 73-80, no element or charge.
TEST(StructureReading, LegacyIdentifiersInColumns73To80AreNotElementsOrCharges) {
    TempDir dir;
    writeText(dir.file("legacy.pdb"), legacyUbiquitin());
    const auto m = makeRef<Model>();
    ASSERT_EQ(m->LoadStructure(dir.file("legacy.pdb")), 683);
    const auto elements = column(*m, "Atom", "Element");
    const auto charges = column(*m, "Atom", "Charge");
    const std::vector<PdbAtom> atoms = pdbAtoms(readText(ubiquitin()));
    for (size_t i = 0; i < atoms.size(); ++i) {
        EXPECT_EQ(elements[i].str(), atoms[i].element) << i;  // as gemmi infers it from the name
        EXPECT_EQ(charges[i].i4(), 0) << i;
    }
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
    expectReadsBack(dir.file("6zu5.cif"), *m);
}

}  // namespace
}  // namespace tav::structuretest
