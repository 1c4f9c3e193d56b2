#pragma once
#include <functional>
#include <iosfwd>
#include <map>
#include <unordered_map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "automation/values/Object.h"
#include "host/forms/FormFile.h"
#include "host/forms/ModelForm.h"
#include "host/framework/Form.h"

namespace tav {

// Runs a form file (tavparts run): builds the form line by line, displays every binding, then
// applies the edits one by one, printing after each step what every control shows, the source
// values the bindings read, the host commands' run counts, and the failures of the step.
class FormRunner {
public:
    static constexpr int ExitOk = 0;
    static constexpr int ExitLoadFailed = 1;
    static constexpr int ExitUnreadable = 2;

    // Makes the control of a control line; without one, or when it makes Nothing, the runner
    // makes the host's stand-in of that kind (a window makes real widgets instead).
    using ControlMaker = std::function<Ref<Object>(const FormFile::Line&)>;
    // Loads the Designer form a ui line names (its path taken from the form file's folder);
    // without one such a line fails.
    using DesignerLoader = std::function<void(const std::string& uiPath)>;
    // Sets a runner up before it loads a form (runFile).
    using Preparation = std::function<void(FormRunner&)>;

    explicit FormRunner(std::ostream& out);
    void setControlMaker(ControlMaker maker) { makeControl_ = std::move(maker); }
    void setDesignerLoader(DesignerLoader loader) { loadDesigner_ = std::move(loader); }

    // Builds the form; a line that fails throws FormLoadError ("PATH:N: Err:...").
    void load(const FormFile& file);
    // Displays every binding and prints the first step.
    void start();
    // One edit (a user's value in a control, or a program's change of a property), then its step.
    void apply(const FormFile::Line& edit);
    // The same edit without printing; an error of the edit itself (a value the control or the
    // object refuses) is thrown, failures of cycles stay with the form.
    void perform(const FormFile::Line& edit);

    Form& form() const { return *form_; }
    // The object, part or control of that name (Nothing when there is none).
    Ref<Object> named(std::string_view name) const;

    // Reads, loads and runs a form file; edits given here replace the file's.
    static int runFile(const std::string& path, const std::vector<std::string>& edits, std::ostream& out,
                       std::ostream& err, const Preparation& prepare = {});

private:
    struct Named {
        std::string name;
        std::string keyword;  // object, part or control
        Ref<Object> object;
    };
    struct Row {
        std::string kind, name, value;
    };
    // A failure on an indented line, which names that line rather than its block's.
    struct MemberFailure {
        int line;
        std::string message;
    };
    using Handler = void (FormRunner::*)(const FormFile::Line&);
    struct KeywordHandler {
        std::string_view keyword;
        Handler handle;
    };
    static const KeywordHandler kHandlers[];

    // Runs a line by its keyword.
    void dispatch(const FormFile::Line& line);
    void addObject(const FormFile::Line& line);
    void addPart(const FormFile::Line& line);
    void addControl(const FormFile::Line& line);
    void addDesigner(const FormFile::Line& line);
    void addCommand(const FormFile::Line& line);
    void setSource(const FormFile::Line& line);
    void addBinding(const FormFile::Line& line);
    void edit(const FormFile::Line& line);
    void change(const FormFile::Line& line);
    void defineMember(Object& object, const FormFile::Line& line);
    // A state object (FormRunnerState.cpp).
    void addState(const FormFile::Line& line);
    void defineStateMember(Object& state, const FormFile::Line& line);
    std::string metaFilePath(std::string_view file) const;
    // A source value as a row shows it: a state array as its elements.
    static Variant shownValue(const Variant& value);

    void name(std::string name, std::string_view keyword, Ref<Object> object);
    Object& find(std::string_view name, std::string_view keyword) const;
    std::vector<Row> rows();
    void printStep(const std::string& title, std::vector<std::string> extraFailures);

    std::ostream& out_;
    ControlMaker makeControl_;
    DesignerLoader loadDesigner_;
    bool designer_ = false;
    Ref<Form> form_ = makeRef<Form>();
    std::string path_;
    std::vector<Named> named_;
    std::unordered_map<std::string, size_t> namedIndex_;  // name -> its place in named_
    std::map<std::string, std::string> objectOfPart_;  // part name -> the name of its source object
    std::vector<std::string> commands_;
    std::map<std::string, std::string> previous_;  // row key -> value at the last step
    ModelForm model_;
};

class FormLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tav
