#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVDocumentRoot.h"
#include "host/model/ModelClass.h"

namespace tav::structure {
class StructureDocument;
}

namespace tav::hostmodel {

class ModelObject;
class Scope;
struct ChangeBatch;

// A 3D-model document (Host.Model), the root of its objects: atoms, bonds, residues, ... of
// named classes, kept class by class in columns (ModelClass), never one heap object per
// atom. A ModelObject is a handle made when asked for; while one lives, asking again for the
// same object gives the same handle, so objects compare by identity as callers expect.
//
// Every change of a property value is undoable: while an operation of an operation manager
// is open, the old values go into it (ChangeJournal.h).
//
// A model can hold a structure read from a PDB or mmCIF file (host/structure/): its chains,
// residues and atoms, which selections pick from and which are saved back into the file.
class Model : public Dispatchable<Model>, public iTAVDocumentRoot {
  public:
    static ClassDesc describe();
    Model();
    ~Model() override;

    // --- by name ---
    Ref<ModelObject> AddObject(std::string_view ClassName, std::string_view Name);
    // Objects of every class.
    int32_t Count() const;
    void Lock(std::string_view HolderName);
    void Unlock();
    const std::string& LockHolder() const noexcept { return lockHolder_; }
    bool Locked() const noexcept { return locked_; }
    void LockState(std::string& holderName, bool& locked) override;
    // Structure files: reads one into objects of the classes Chain, Residue and Atom (the atom
    // count); the atoms a selection picks; writes the structure back; the atoms whose values
    // differ from the file's; what the last save could not keep.
    int32_t LoadStructure(std::string_view Path);
    Ref<Scope> Select(std::string_view Selection);
    void SaveStructure(std::string_view Path);
    int32_t ChangedAtoms() const;
    const std::string& SaveNotes() const noexcept { return saveNotes_; }

    // --- from C++ ---
    // The class of that name, made on first use.
    uint32_t classIdOf(std::string_view className);
    std::optional<uint32_t> findClass(std::string_view className) const;
    const ModelClass& classAt(uint32_t cls) const { return *classes_[cls]; }
    ModelClass& classAt(uint32_t cls) { return *classes_[cls]; }
    uint32_t classCount() const noexcept { return static_cast<uint32_t>(classes_.size()); }
    // A new object of the class; its row.
    uint32_t addObject(uint32_t cls, std::string_view name) { return classes_[cls]->add(name); }
    // The handle of an object.
    Ref<ModelObject> object(ObjectKey key);

    Variant value(ObjectKey key, std::string_view property) const;
    // Undoable changes: one object, or one value into many objects of a class.
    void setValue(ObjectKey key, std::string_view property, const Variant& v);
    void store(uint32_t cls, const std::shared_ptr<const std::vector<uint32_t>>& rows,
               std::string_view property, const Variant& v);
    // Appends the values of the rows, in order.
    void read(uint32_t cls, std::span<const uint32_t> rows, std::string_view property,
              std::vector<Variant>& out) const;
    // The values as plain numbers; false unless every row holds a Double (or a Long).
    bool readDoubles(uint32_t cls, std::span<const uint32_t> rows, std::string_view property,
                     std::vector<double>& out) const;
    bool readLongs(uint32_t cls, std::span<const uint32_t> rows, std::string_view property,
                   std::vector<int32_t>& out) const;
    // As codes into the property's dictionary of texts (which `table` must be, or becomes).
    bool readCodes(uint32_t cls, std::span<const uint32_t> rows, std::string_view property,
                   std::vector<uint32_t>& out, std::shared_ptr<const TextDictionary>& table) const;
    // Puts a recorded change's old values back, or its new value again.
    void undo(const ChangeBatch& change);
    void redo(const ChangeBatch& change);

    // The memory the model's objects take, in bytes.
    size_t bytes() const;

  private:
    friend class ModelObject;
    // The structure read from a file; error 5 without one.
    const structure::StructureDocument& structure() const;
    void forget(const ModelObject& handle) noexcept;
    void change(uint32_t cls, std::shared_ptr<const std::vector<uint32_t>> rows,
                std::string_view property, const Variant& v);

    std::vector<std::unique_ptr<ModelClass>> classes_;
    std::unordered_map<uint64_t, ModelObject*>
        handles_;  // the living handles; each holds the model
    std::string lockHolder_;
    bool locked_ = false;
    std::unique_ptr<structure::StructureDocument> structure_;
    std::string saveNotes_;
};

}  // namespace tav::hostmodel
