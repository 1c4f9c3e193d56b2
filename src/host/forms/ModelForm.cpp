#include "host/forms/ModelForm.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "automation/conversions/Conversions.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/TypedLiteral.h"
#include "host/forms/ModelFormText.h"
#include "host/model/ModelObject.h"
#include "host/model/Schema.h"
#include "host/model/Scope.h"

namespace tav {

namespace T = ModelFormText;
using Line = FormFile::Line;

namespace {

constexpr std::array<std::string_view, 6> kSetup = {T::Schema, T::Range,     T::Warning,
                                                    T::Model,  T::Structure, T::Container};
constexpr std::array<std::string_view, 7> kSteps = {T::Select, T::Idle,   T::Undo, T::Redo,
                                                    T::Lock,   T::Unlock, T::Save};

bool among(std::string_view keyword, auto const& list) {
    return std::find(list.begin(), list.end(), keyword) != list.end();
}

[[noreturn]] void fail(std::string_view message, std::string_view subject) {
    throw AutomationError(err::InvalidProcedureCall, {},
                          std::string(message) + std::string(subject));
}

}  // namespace

bool ModelForm::handles(std::string_view keyword) {
    return among(keyword, kSetup) || isStep(keyword);
}
bool ModelForm::isStep(std::string_view keyword) {
    return among(keyword, kSteps);
}
bool ModelForm::opensBlock(std::string_view keyword) {
    return keyword == T::Model;
}
bool ModelForm::belongsUnderBlock(std::string_view keyword) {
    return keyword == T::Columns || keyword == T::Item;
}

Ref<Object> ModelForm::handle(const Line& line) {
    if (line.keyword == T::Model)
        addModel(line);
    else if (line.keyword == T::Structure)
        addStructure(line);
    else if (line.keyword == T::Container)
        return addContainer(line);
    else if (isStep(line.keyword))
        step(line);
    else
        declare(line);
    return {};
}

void ModelForm::declare(const Line& line) {
    hostmodel::Schema schema;
    const std::string& property = line.words[0];
    if (line.keyword == T::Schema) {
        schema.DefineProperty(property, CLng(line.values[0]),
                              line.values.size() > 1 ? CLng(line.values[1]) : 0,
                              line.values.size() > 2 && CBool(line.values[2]));
    } else if (line.keyword == T::Range) {
        schema.SetRange(property, line.values[0], line.values[1]);
    } else {
        schema.SetWarning(property, CStr(line.values[0]));
    }
}

void ModelForm::addModel(const Line& line) {
    if (models_.count(line.words[0])) fail(T::NameTaken, line.words[0]);
    NamedModel& named =
        models_.emplace(line.words[0], NamedModel{makeRef<hostmodel::Model>(), {}, false, 0, {}})
            .first->second;
    itemIndex_.reserve(itemIndex_.size() + line.members.size());
    items_.reserve(items_.size() + line.members.size());
    try {
        for (const Line& member : line.members) {
            if (member.keyword == T::Columns) {
                named.columns.insert(named.columns.end(), member.words.begin(), member.words.end());
                continue;
            }
            const std::string& name = member.words[0];
            const std::string where = "line " + std::to_string(member.number) + ": ";
            if (member.values.size() > named.columns.size())
                fail(where + std::string(T::TooManyValues), name);
            if (itemIndex_.count(name)) fail(where + std::string(T::NameTaken), name);
            Ref<hostmodel::ModelObject> object = named.model->AddObject(member.words[1], name);
            for (size_t i = 0; i < member.values.size(); ++i)
                object->SetValue(named.columns[i], member.values[i]);
            itemIndex_.emplace(name, items_.size());
            items_.push_back(Item{name, &named, Ref<Object>(object)});
        }
    } catch (...) {
        // A model that failed to load is no model of the form.
        while (!items_.empty() && items_.back().model == &named) {
            itemIndex_.erase(items_.back().name);
            items_.pop_back();
        }
        models_.erase(line.words[0]);
        throw;
    }
}

std::string ModelForm::besideForm(const std::string& file) const {
    const std::filesystem::path given(file);
    if (given.is_absolute() || formPath_.empty()) return file;
    return (std::filesystem::path(formPath_).parent_path() / given).string();
}

void ModelForm::addStructure(const Line& line) {
    if (models_.count(line.words[0])) fail(T::NameTaken, line.words[0]);
    if (!line.values[0].isString()) fail(T::ExpectedText, literal::print(line.values[0]));
    Ref<hostmodel::Model> model = makeRef<hostmodel::Model>();
    const int32_t atoms = model->LoadStructure(besideForm(std::string(line.values[0].str())));
    models_.emplace(line.words[0], NamedModel{std::move(model), {}, true, atoms, {}});
}

Ref<Object> ModelForm::addContainer(const Line& line) {
    Ref<hostmodel::Container> c = makeRef<hostmodel::Container>();
    c->scopeManager().SelectScope(scopeOf(line));
    containers_[line.words[0]] = c;
    return Ref<Object>(c);
}

IRef<iTAVScope> ModelForm::scopeOf(const Line& line) const {
    if (!line.values.empty()) {
        if (line.words.size() != 2) fail(T::ItemsAndSelection, line.words[0]);
        if (!line.values[0].isString()) fail(T::ExpectedText, literal::print(line.values[0]));
        return IRef<iTAVScope>(structure(line.words[1]).Select(line.values[0].str()));
    }
    Ref<hostmodel::Scope> scope = makeRef<hostmodel::Scope>();
    for (size_t i = 1; i < line.words.size(); ++i) scope->Add(item(line.words[i]).object);
    return scope;
}

void ModelForm::save(const Line& line) {
    NamedModel& n = named(line.words[0]);
    if (!n.structure) fail(T::NotAStructure, line.words[0]);
    if (!line.values[0].isString()) fail(T::ExpectedText, literal::print(line.values[0]));
    n.model->SaveStructure(line.values[0].str());
    n.saveNotes = n.model->SaveNotes();
}

void ModelForm::step(const Line& line) {
    const std::string& target = line.words[0];
    if (line.keyword == T::Lock) {
        model(target).Lock(CStr(line.values[0]));
        return;
    }
    if (line.keyword == T::Unlock) {
        model(target).Unlock();
        return;
    }
    if (line.keyword == T::Save) {
        save(line);
        return;
    }
    hostmodel::Container& c = container(target);
    hostmodel::ScopeManager& scopes = c.scopeManager();
    if (line.keyword == T::Select) {
        scopes.SelectScope(scopeOf(line));
        return;
    }
    if (line.keyword == T::Undo || line.keyword == T::Redo) {
        if (line.keyword == T::Undo)
            c.operationManager().Undo();
        else
            c.operationManager().Redo();
        // The objects changed under the selection: the host says so, and has time again.
        scopes.SelectScope(scopes.DefaultScope());
    }
    c.Idle(T::IdleCycle);
}

const ModelForm::Item& ModelForm::item(std::string_view name) const {
    const auto it = itemIndex_.find(std::string(name));
    if (it == itemIndex_.end()) fail(T::UnknownItem, name);
    return items_[it->second];
}

ModelForm::NamedModel& ModelForm::named(std::string_view name) {
    const auto it = models_.find(name);
    if (it == models_.end()) fail(T::UnknownModel, name);
    return it->second;
}

const ModelForm::NamedModel& ModelForm::named(std::string_view name) const {
    return const_cast<ModelForm*>(this)->named(name);
}

hostmodel::Model& ModelForm::structure(std::string_view name) const {
    const NamedModel& n = named(name);
    if (!n.structure) fail(T::NotAStructure, name);
    return *n.model;
}

hostmodel::Container& ModelForm::container(std::string_view name) const {
    const auto it = containers_.find(name);
    if (it == containers_.end()) fail(T::UnknownContainer, name);
    return *it->second;
}

std::vector<ModelForm::Row> ModelForm::rows() {
    std::vector<Row> out;
    // One row per item: its values in column order, as its line gives them.
    for (const Item& i : items_) {
        const auto* object = static_cast<const hostmodel::ModelObject*>(i.object.get());
        std::string values;
        for (const std::string& column : i.model->columns) {
            if (!values.empty()) values += T::ValueSeparator;
            values += literal::print(object->Value(column));
        }
        out.push_back({std::string(T::RowItem), i.name, std::move(values)});
    }
    for (const auto& [name, n] : models_) {
        if (!n.structure) continue;
        out.push_back({std::string(T::RowStructure), name,
                       literal::print(Variant(std::to_string(n.atoms) + std::string(T::AtomsWord) +
                                              std::to_string(n.model->ChangedAtoms()) +
                                              std::string(T::ChangedWord)))});
        if (!n.saveNotes.empty())
            out.push_back({std::string(T::RowSaved), name, literal::print(Variant(n.saveNotes))});
    }
    for (const auto& [name, c] : containers_) {
        hostmodel::OperationManager& om = c->operationManager();
        out.push_back({std::string(T::RowHistory), name,
                       std::to_string(om.UndoCount()) + std::string(T::HistoryUndo) +
                           std::to_string(om.RedoCount()) + std::string(T::HistoryRedo)});
        if (std::string messages = c->Messages(); !messages.empty())
            out.push_back({std::string(T::RowMessage), name, literal::print(Variant(messages))});
    }
    return out;
}

}  // namespace tav
