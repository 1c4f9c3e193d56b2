#include "host/forms/ModelForm.h"

#include <algorithm>
#include <array>

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

constexpr std::array<std::string_view, 5> kSetup = {T::Schema, T::Range, T::Warning, T::Model,
                                                    T::Container};
constexpr std::array<std::string_view, 6> kSteps = {T::Select, T::Idle, T::Undo,
                                                    T::Redo,   T::Lock, T::Unlock};

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
    NamedModel named{makeRef<hostmodel::Model>(), {}};
    for (const Line& member : line.members) {
        if (member.keyword == T::Columns) {
            named.columns.insert(named.columns.end(), member.words.begin(), member.words.end());
            continue;
        }
        const std::string& name = member.words[0];
        const std::string where = "line " + std::to_string(member.number) + ": ";
        if (member.values.size() > named.columns.size())
            fail(where + std::string(T::TooManyValues), name);
        if (std::any_of(items_.begin(), items_.end(),
                        [&](const Item& i) { return i.name == name; }))
            fail(where + std::string(T::NameTaken), name);
        Ref<hostmodel::ModelObject> object = named.model->AddObject(member.words[1], name);
        for (size_t i = 0; i < member.values.size(); ++i)
            object->SetValue(named.columns[i], member.values[i]);
        items_.push_back(Item{name, named.model, Ref<Object>(object)});
    }
    models_.emplace(line.words[0], std::move(named));
}

Ref<Object> ModelForm::addContainer(const Line& line) {
    Ref<hostmodel::Container> c = makeRef<hostmodel::Container>();
    c->scopeManager().SelectScope(scopeOf(line.words));
    containers_[line.words[0]] = c;
    return Ref<Object>(c);
}

// The items named after the first word, in order.
IRef<iTAVScope> ModelForm::scopeOf(const std::vector<std::string>& words) const {
    Ref<hostmodel::Scope> scope = makeRef<hostmodel::Scope>();
    for (size_t i = 1; i < words.size(); ++i) scope->Add(item(words[i]).object);
    return scope;
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
    hostmodel::Container& c = container(target);
    hostmodel::ScopeManager& scopes = c.scopeManager();
    if (line.keyword == T::Select) {
        scopes.SelectScope(scopeOf(line.words));
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
    for (const Item& i : items_)
        if (i.name == name) return i;
    fail(T::UnknownItem, name);
}

hostmodel::Model& ModelForm::model(std::string_view name) const {
    const auto it = models_.find(name);
    if (it == models_.end()) fail(T::UnknownModel, name);
    return *it->second.model;
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
        for (const auto& [name, named] : models_) {
            if (named.model != i.model) continue;
            for (const std::string& column : named.columns) {
                if (!values.empty()) values += T::ValueSeparator;
                values += literal::print(object->Value(column));
            }
        }
        out.push_back({std::string(T::RowItem), i.name, std::move(values)});
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
