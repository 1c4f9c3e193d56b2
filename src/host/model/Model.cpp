#include "host/model/Model.h"

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/model/ChangeBatch.h"
#include "host/model/ChangeJournal.h"
#include "host/model/ModelObject.h"
#include "host/model/ModelText.h"
#include "host/model/Scope.h"
#include "host/structure/StructureDocument.h"
#include "host/structure/StructureText.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc Model::describe() {
    using C = Model;
    return ClassDesc(std::string(T::Model), std::string(T::ModelHelp))
        .add(method<&C::AddObject>(T::AddObject, {T::ClassNameParam, T::NameParam}))
        .add(property<&C::Count>(T::Count))
        .add(method<&C::Lock>(T::Lock, {T::HolderNameParam}))
        .add(method<&C::Unlock>(T::Unlock))
        .add(property<&C::LockHolder>(T::LockHolder))
        .add(property<&C::Locked>(T::Locked))
        .add(method<&C::LoadStructure>(T::LoadStructure, {T::PathParam}))
        .add(method<&C::Select>(T::Select, {T::SelectionParam}))
        .add(method<&C::SaveStructure>(T::SaveStructure, {T::PathParam}))
        .add(property<&C::ChangedAtoms>(T::ChangedAtoms))
        .add(property<&C::SaveNotes>(T::SaveNotes));
}

Model::Model() = default;
Model::~Model() = default;

Ref<ModelObject> Model::AddObject(std::string_view ClassName, std::string_view Name) {
    const uint32_t cls = classIdOf(ClassName);
    return object(ObjectKey{cls, addObject(cls, Name)});
}

int32_t Model::Count() const {
    size_t n = 0;
    for (const auto& c : classes_) n += c->size();
    return static_cast<int32_t>(n);
}

void Model::Lock(std::string_view HolderName) {
    lockHolder_ = HolderName;
    locked_ = true;
}

void Model::Unlock() {
    lockHolder_.clear();
    locked_ = false;
}

void Model::LockState(std::string& holderName, bool& locked) {
    holderName = lockHolder_;
    locked = locked_;
}

int32_t Model::LoadStructure(std::string_view Path) {
    if (structure_)
        throw AutomationError(err::InvalidProcedureCall, std::string(T::Model),
                              std::string(structure::StructureText::AlreadyLoaded));
    structure_ = structure::StructureDocument::load(*this, std::string(Path));
    return structure_->atomCount();
}

const structure::StructureDocument& Model::structure() const {
    if (!structure_)
        throw AutomationError(err::InvalidProcedureCall, std::string(T::Model),
                              std::string(structure::StructureText::NoStructure));
    return *structure_;
}

Ref<Scope> Model::Select(std::string_view Selection) {
    return structure().select(*this, std::string(Selection));
}

void Model::SaveStructure(std::string_view Path) {
    structure();
    saveNotes_ = structure_->save(*this, std::string(Path));
}

int32_t Model::ChangedAtoms() const {
    return structure().changedAtoms(*this);
}

uint32_t Model::classIdOf(std::string_view className) {
    if (const auto found = findClass(className)) return *found;
    classes_.push_back(std::make_unique<ModelClass>(std::string(className)));
    return classCount() - 1;
}

std::optional<uint32_t> Model::findClass(std::string_view className) const {
    for (uint32_t i = 0; i < classes_.size(); ++i)
        if (classes_[i]->name() == className) return i;
    return std::nullopt;
}

Ref<ModelObject> Model::object(ObjectKey key) {
    const auto it = handles_.find(key.packed());
    if (it != handles_.end()) return Ref<ModelObject>(it->second);
    Ref<ModelObject> handle(new ModelObject(Ref<Model>(this), key));
    handles_.emplace(key.packed(), handle.get());
    return handle;
}

void Model::forget(const ModelObject& handle) noexcept {
    const auto it = handles_.find(handle.key().packed());
    if (it != handles_.end() && it->second == &handle) handles_.erase(it);
}

Variant Model::value(ObjectKey key, std::string_view property) const {
    const Column* c = classes_[key.cls]->findColumn(property);
    return c ? c->get(key.row) : Variant();
}

void Model::change(uint32_t cls, std::shared_ptr<const std::vector<uint32_t>> rows,
                   std::string_view property, const Variant& v) {
    Column& column = classes_[cls]->column(property);
    if (ChangeJournal::recording()) {
        ChangeBatch change{Ref<Model>(this),     cls, std::string(property), rows,
                           column.gather(*rows), v};
        column.fill(*rows, v);
        ChangeJournal::record(std::move(change));
        return;
    }
    column.fill(*rows, v);
}

void Model::setValue(ObjectKey key, std::string_view property, const Variant& v) {
    if (!ChangeJournal::recording()) {
        classes_[key.cls]->column(property).set(key.row, v);
        return;
    }
    change(key.cls, std::make_shared<const std::vector<uint32_t>>(1, key.row), property, v);
}

void Model::store(uint32_t cls, const std::shared_ptr<const std::vector<uint32_t>>& rows,
                  std::string_view property, const Variant& v) {
    change(cls, rows, property, v);
}

void Model::read(uint32_t cls, std::span<const uint32_t> rows, std::string_view property,
                 std::vector<Variant>& out) const {
    if (const Column* c = classes_[cls]->findColumn(property))
        c->read(rows, out);
    else
        out.resize(out.size() + rows.size());
}

bool Model::readDoubles(uint32_t cls, std::span<const uint32_t> rows, std::string_view property,
                        std::vector<double>& out) const {
    const Column* c = classes_[cls]->findColumn(property);
    return c && c->readDoubles(rows, out);
}

bool Model::readLongs(uint32_t cls, std::span<const uint32_t> rows, std::string_view property,
                      std::vector<int32_t>& out) const {
    const Column* c = classes_[cls]->findColumn(property);
    return c && c->readLongs(rows, out);
}

bool Model::readCodes(uint32_t cls, std::span<const uint32_t> rows, std::string_view property,
                      std::vector<uint32_t>& out,
                      std::shared_ptr<const TextDictionary>& table) const {
    const Column* c = classes_[cls]->findColumn(property);
    return c && c->readCodes(rows, out, table);
}

void Model::undo(const ChangeBatch& change) {
    classes_[change.cls]->column(change.property).restore(*change.rows, change.before);
}

void Model::redo(const ChangeBatch& change) {
    classes_[change.cls]->column(change.property).fill(*change.rows, change.after);
}

size_t Model::bytes() const {
    size_t n = sizeof(Model) + classes_.capacity() * sizeof(void*);
    for (const auto& c : classes_) n += c->bytes();
    return n + (structure_ ? structure_->bytes() : 0);
}

}  // namespace tav::hostmodel
