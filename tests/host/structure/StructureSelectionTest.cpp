// Selections in the field's syntax against a plain reading of the file: each selection's atoms,
// in file order, are those a predicate over the records picks (chains, residue ranges and names,
// atom names, elements, altlocs, waters, filters on B-factor and occupancy); a bare residue
// number is that residue alone. (Malformed selections and filters on edited values: the
// structures script.)
#include <gtest/gtest.h>

#include <functional>

#include "StructureFiles.h"
#include "host/model/Model.h"
#include "host/model/Scope.h"
#include "host/model/ScopeRun.h"

namespace tav::structuretest {
namespace {

using hostmodel::Model;
using Pick = std::function<bool(const PdbAtom&)>;

std::vector<uint32_t> selected(Model& m, const std::string& selection) {
    std::vector<uint32_t> rows;
    const Ref<hostmodel::Scope> s = m.Select(selection);
    for (const hostmodel::ScopeRun& run : s->runs())
        rows.insert(rows.end(), run.rows->begin(), run.rows->end());
    return rows;
}

std::vector<uint32_t> picked(const std::vector<PdbAtom>& atoms, const Pick& pick) {
    std::vector<uint32_t> rows;
    for (uint32_t i = 0; i < atoms.size(); ++i)
        if (pick(atoms[i])) rows.push_back(i);
    return rows;
}

bool water(const PdbAtom& a) {
    return a.residue == "HOH";
}

struct Case {
    const char* selection;
    Pick pick;
};

void expectSelections(const std::string& file, const std::vector<Case>& cases) {
    const auto m = loaded(file);
    const std::vector<PdbAtom> atoms = pdbAtoms(readText(file));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selection);
        const std::vector<uint32_t> want = picked(atoms, c.pick);
        EXPECT_EQ(selected(*m, c.selection), want);
    }
}

TEST(StructureSelection, PicksWhatAPlainReadingOfTheRecordsPicks) {
    expectSelections(
        ubiquitin(),
        {
            {"", [](const PdbAtom&) { return true; }},
            {"*", [](const PdbAtom&) { return true; }},
            {"//A/10-12/CA",
             [](const PdbAtom& a) { return a.seq >= 10 && a.seq <= 12 && a.name == "CA"; }},
            {"//A/10", [](const PdbAtom& a) { return a.seq == 10; }},
            {"A/10/N", [](const PdbAtom& a) { return a.seq == 10 && a.name == "N"; }},
            {"//A/70-", [](const PdbAtom& a) { return a.seq >= 70; }},
            {"//A/-5", [](const PdbAtom& a) { return a.seq <= 5; }},
            {"//B/", [](const PdbAtom&) { return false; }},
            {"/2//", [](const PdbAtom&) { return false; }},
            {"/1/*/5-8/[N,O]",
             [](const PdbAtom& a) {
                 return a.seq >= 5 && a.seq <= 8 && (a.element == "N" || a.element == "O");
             }},
            {"//A/(GLY,ALA)/CA",
             [](const PdbAtom& a) {
                 return (a.residue == "GLY" || a.residue == "ALA") && a.name == "CA";
             }},
            {"//A/1-3/!CA", [](const PdbAtom& a) { return a.seq <= 3 && a.name != "CA"; }},
            {"//A/(HOH)", water},
            {";solvent", water},
            {";polymer", [](const PdbAtom& a) { return !water(a); }},
            {";b>30", [](const PdbAtom& a) { return a.b > 30; }},
            {"(HOH);b<20;b>15", [](const PdbAtom& a) { return water(a) && a.b < 20 && a.b > 15; }},
            {"//A/*/[S]", [](const PdbAtom& a) { return a.element == "S"; }},
        });
}

TEST(StructureSelection, AltlocsAndOccupanciesAreTheFilesOwn) {
    const auto file = kBiopython / "disordered.pdb";
    TAV_NEED(file, kBiopythonPackage);
    expectSelections(file.string(),
                     {
                         {"//*/*/*:A", [](const PdbAtom& a) { return a.altLoc == "A"; }},
                         {"//*/*/*:B", [](const PdbAtom& a) { return a.altLoc == "B"; }},
                         {";q<1", [](const PdbAtom& a) { return a.occupancy < 1; }},
                         {";q=1", [](const PdbAtom& a) { return a.occupancy == 1; }},
                     });
}

}  // namespace
}  // namespace tav::structuretest
