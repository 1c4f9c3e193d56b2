#pragma once
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "automation/values/Object.h"
#include "host/forms/FormFile.h"
#include "host/model/Container.h"
#include "host/model/Model.h"

namespace tav {

// The model world of a form file (tavparts run): property declarations, models and their
// objects ("items"), host containers with their selection, and the steps that select, give
// idle time, undo, redo, lock and unlock. FormRunner hands it the lines that are its own and
// prints its rows with the form's:
//
//   schema Charge I4:3                  a property accessor: type code [flags] [multi-valued]
//   range Charge R8:-4 R8:4             its validation range
//   warning Label Str:"..."             its validation warning
//   model water                         a model; indented under it:
//       columns Charge Element            the properties that item lines give values for
//       item o1 Atom R8:-0.8 Str:"O"      an object: name, class, values in column order
//   structure crambin Str:"1crn.pdb"    a model read from a structure file (beside the form)
//   container host o1 h1                a host container and its first selection (items, or
//   container host crambin Str:"//A/5"  a structure's atoms that a selection picks)
//   select host o1 h2                   (step) a new selection, of items or of a structure
//   save crambin Str:"out.pdb"          (step) the structure written (a path from the current
//                                       folder)
//   idle host                           (step) an idle call, cycle 0
//   undo host / redo host               (step) the last operation undone or done again; the
//                                       host then announces its selection anew and idles
//   lock water Str:"Job 7" / unlock water   (step)
class ModelForm {
  public:
    struct Row {
        std::string kind, name, value;
    };

    // Whether the keyword is a line of this world, and whether it is a step (run after the load).
    static bool handles(std::string_view keyword);
    static bool isStep(std::string_view keyword);
    // Opens a block of indented lines; which indented lines belong under it.
    static bool opensBlock(std::string_view keyword);
    static bool belongsUnderBlock(std::string_view keyword);

    // The form file's path: structure files are found beside it.
    void setFormPath(std::string path) { formPath_ = std::move(path); }
    // Runs one of its lines; a container it makes is returned, for the form to name as an
    // object (a source part's source object).
    Ref<Object> handle(const FormFile::Line& line);
    // Every item's values, each structure's atom count and changed atoms (and what its last save
    // could not keep), each container's undo history and new messages.
    std::vector<Row> rows();

  private:
    struct NamedModel {
        Ref<hostmodel::Model> model;
        std::vector<std::string> columns;
        bool structure = false;
        int32_t atoms = 0;
        std::string saveNotes;
    };
    struct Item {
        std::string name;
        const NamedModel* model;
        Ref<Object> object;
    };

    void declare(const FormFile::Line& line);
    void addModel(const FormFile::Line& line);
    void addStructure(const FormFile::Line& line);
    Ref<Object> addContainer(const FormFile::Line& line);
    void step(const FormFile::Line& line);
    void save(const FormFile::Line& line);
    // The items named after the first word, or the atoms a selection picks in a structure.
    IRef<iTAVScope> scopeOf(const FormFile::Line& line) const;
    const Item& item(std::string_view name) const;
    NamedModel& named(std::string_view name);
    const NamedModel& named(std::string_view name) const;
    hostmodel::Model& model(std::string_view name) const { return *named(name).model; }
    hostmodel::Model& structure(std::string_view name) const;
    hostmodel::Container& container(std::string_view name) const;
    std::string besideForm(const std::string& file) const;

    std::string formPath_;
    std::vector<Item> items_;
    std::unordered_map<std::string, size_t> itemIndex_;
    std::map<std::string, NamedModel, std::less<>> models_;
    std::map<std::string, Ref<hostmodel::Container>, std::less<>> containers_;
};

}  // namespace tav
