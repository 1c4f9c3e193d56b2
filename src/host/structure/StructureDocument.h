#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "automation/values/Object.h"
#include "host/structure/StructureBytes.h"
#include "host/structure/StructureLayout.h"
#include "host/structure/gemmi/AtomSite.h"

namespace tav::hostmodel {
class Model;
class Scope;
}  // namespace tav::hostmodel

namespace tav::structure {

// A structure file read into a model: its chains, residues and atoms are model objects of the
// classes Chain, Residue and Atom (filled column by column, linked atom -> residue -> chain by
// row), and the document remembers what saving needs to keep the file as it was: which file,
// its format, its stamp and a hash of its text, and where the atoms stand among its records.
// The text itself is read again when saving, and must not have changed meanwhile.
//
// Every failure is an automation error number 5 (source "Model") whose description names the
// file, line, selection or atom; a failed load leaves the model as it was.
class StructureDocument {
  public:
    // Reads the file (PDB or mmCIF, gzip-compressed or not, the format from the content).
    static std::unique_ptr<StructureDocument> load(hostmodel::Model& model,
                                                   const std::string& path);

    int32_t atomCount() const { return static_cast<int32_t>(layout_.atoms()); }
    // The atoms the selection picks, as a new scope, in file order.
    Ref<hostmodel::Scope> select(hostmodel::Model& model, const std::string& selection) const;
    // Atoms whose record a save would change.
    int32_t changedAtoms(const hostmodel::Model& model) const;
    // Writes the structure to `path`: patched into the file's own text in its format (.pdb,
    // .ent, .cif, .mmcif, with .gz compressed, any other name in the format read), or made
    // anew in the other format. Returns what the written file could not keep ("" when nothing).
    // After a save into the file it was read from, that file as written is the original.
    std::string save(hostmodel::Model& model, const std::string& path);

    size_t bytes() const;

  private:
    StructureDocument() = default;
    std::string patched(const hostmodel::Model& model) const;
    std::string inOtherFormat(const hostmodel::Model& model, StructureFormat format) const;
    std::string notes(const hostmodel::Model& model, bool otherFormat) const;

    std::string path_;
    bool gzipped_ = false;
    FileStamp stamp_;
    uint64_t hash_ = 0;
    StructureLayout layout_;
    // What the file gave besides the model's columns: format, model name, residue kinds and
    // flags, the records the atoms stand at, what else the file holds, the cell.
    AtomSite file_;
};

}  // namespace tav::structure
