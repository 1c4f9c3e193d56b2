#include "host/forms/FormRunner.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "automation/values/AutomationError.h"
#include "automation/objects/Invoke.h"
#include "automation/objects/PropertyBag.h"
#include "automation/values/Excerpt.h"
#include "automation/values/TypedLiteral.h"
#include "contracts/Persistable.h"
#include "contracts/iQvState.h"
#include "host/controls/Control.h"
#include "host/forms/FormText.h"
#include "host/framework/ErrorLine.h"
#include "host/state/StateClasses.h"
#include "registry/LibraryClasses.h"

namespace tav {

namespace T = FormText;
using Line = FormFile::Line;

namespace {

constexpr std::string_view kErrPrefix = "tavparts run: ";
// The members of the host's sample objects that object lines call.
constexpr std::string_view kClassName = "ClassName";
constexpr std::string_view kDefineProperty = "DefineProperty";
constexpr std::string_view kDefineEnum = "DefineEnum";
constexpr std::string_view kDefinePredefined = "DefinePredefined";
constexpr std::string_view kDefineJobProperty = "DefineJobProperty";

std::string titleOf(const Line& edit) {
    std::string title = edit.keyword;
    for (const std::string& w : edit.words) title += " " + w;
    for (const Variant& v : edit.values) title += " " + literal::print(v);
    return title;
}

}  // namespace

const FormRunner::KeywordHandler FormRunner::kHandlers[] = {
    {T::Object, &FormRunner::addObject},   {T::Part, &FormRunner::addPart},       {T::Control, &FormRunner::addControl},
    {T::Command, &FormRunner::addCommand}, {T::Source, &FormRunner::setSource},   {T::Bind, &FormRunner::addBinding},
    {T::Edit, &FormRunner::edit},          {T::Change, &FormRunner::change},
    {T::State, &FormRunner::addState},     {T::Ui, &FormRunner::addDesigner},
};

FormRunner::FormRunner(std::ostream& out) : out_(out) { stateclasses::ensureRegistered(); }

void FormRunner::name(std::string name, std::string_view keyword, Ref<Object> object) {
    if (named(name)) throw FormLoadError(std::string(T::NameTaken) + excerpt(name));
    namedIndex_.emplace(name, named_.size());
    named_.push_back(Named{std::move(name), std::string(keyword), std::move(object)});
}

Ref<Object> FormRunner::named(std::string_view name) const {
    const auto it = namedIndex_.find(std::string(name));
    return it == namedIndex_.end() ? Ref<Object>() : named_[it->second].object;
}

Object& FormRunner::find(std::string_view name, std::string_view keyword) const {
    const auto it = namedIndex_.find(std::string(name));
    if (it != namedIndex_.end() && named_[it->second].keyword == keyword) return *named_[it->second].object;
    throw FormLoadError(std::string(T::UnknownName) + std::string(keyword) + " " + excerpt(name));
}

void FormRunner::load(const FormFile& file) {
    path_ = file.path;
    model_.setFormPath(path_);
    for (const Line& line : file.setup) {
        try {
            dispatch(line);
        } catch (const AutomationError& e) {
            throw FormLoadError(path_ + ":" + std::to_string(line.number) + ": " + errorLine(e));
        } catch (const FormLoadError& e) {
            throw FormLoadError(path_ + ":" + std::to_string(line.number) + ": " + e.what());
        } catch (const MemberFailure& e) {
            throw FormLoadError(path_ + ":" + std::to_string(e.line) + ": " + e.message);
        }
    }
}

void FormRunner::dispatch(const Line& line) {
    for (const KeywordHandler& h : kHandlers)
        if (h.keyword == line.keyword) (this->*h.handle)(line);
    // The model world's lines; a host container becomes an object a part can be given.
    if (ModelForm::handles(line.keyword))
        if (Ref<Object> container = model_.handle(line)) name(line.words[0], T::Object, std::move(container));
}

void FormRunner::defineMember(Object& object, const Line& line) {
    if (line.keyword == T::Type || line.keyword == T::Float || line.keyword == T::Enumerated || line.keyword == T::Array)
        throw MemberFailure{line.number, line.keyword + std::string(T::NotUnder) + std::string(T::AnObject)};
    std::vector<Variant> args;
    std::string_view member;
    if (line.keyword == T::Class) {
        args.emplace_back(line.words[0]);
        invoke(object, kClassName, InvokeKind::PropertyLet, args);
        return;
    }
    if (line.keyword == T::Property) {
        member = kDefineProperty;
        args = {Variant(line.words[0]), Variant(line.words[1]), line.values.empty() ? missingArg() : line.values[0]};
    } else if (line.keyword == T::Enum) {
        member = kDefineEnum;
        args.emplace_back(line.words[0]);
        for (size_t i = 1; i < line.words.size(); ++i) {
            const std::string& item = line.words[i];
            const size_t eq = item.find(T::Assign);
            args.emplace_back(item.substr(0, eq));
            args.push_back(Variant::I4(std::stoi(item.substr(eq + 1))));
        }
    } else {
        member = line.keyword == T::Predefined ? kDefinePredefined : kDefineJobProperty;
        args.emplace_back(line.words[0]);
        args.insert(args.end(), line.values.begin(), line.values.end());
    }
    invoke(object, member, InvokeKind::Method, args);
}

void FormRunner::addObject(const Line& line) {
    Ref<Object> object = createObject(line.words[1]);
    for (const Line& member : line.members) {
        try {
            defineMember(*object, member);
        } catch (const AutomationError& e) {
            throw MemberFailure{member.number, errorLine(e)};
        }
    }
    name(line.words[0], T::Object, std::move(object));
}

void FormRunner::addPart(const Line& line) {
    Ref<Object> part = createObject(line.words[1]);
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    for (const auto& [key, value] : line.bag) bag->write(key, value);
    // A form file is a saved form: its parts are loaded from their bags.
    query<Persistable>(part.get())->ReadProperties(bag);
    name(line.words[0], T::Part, std::move(part));
}

void FormRunner::addControl(const Line& line) {
    Ref<Object> control = makeControl_ ? makeControl_(line) : Ref<Object>();
    if (!control) {
        if (line.words.size() < 2) throw FormLoadError(std::string(T::NoKind) + line.words[0]);
        control = createObject(std::string(T::ControlProgIdPrefix) + line.words[1]);
    }
    query<Control>(control.get());
    form_->finder()->addNamed(line.words[0], control);
    name(line.words[0], T::Control, std::move(control));
}

void FormRunner::addDesigner(const Line& line) {
    // A relative path is the form file's neighbour.
    const std::filesystem::path ui(line.values[0].str());
    const std::string path = ui.is_absolute() ? ui.string() : (std::filesystem::path(path_).parent_path() / ui).string();
    if (!loadDesigner_) throw FormLoadError(std::string(T::NoDesigner) + path);
    if (designer_) throw FormLoadError(std::string(T::SecondDesigner));
    loadDesigner_(path);
    designer_ = true;
}

void FormRunner::addCommand(const Line& line) {
    form_->AddCommand(line.words[0], line.text);
    commands_.push_back(line.words[0]);
}

void FormRunner::setSource(const Line& line) {
    form_->setSource(Ref<Object>(&find(line.words[0], T::Part)), Ref<Object>(&find(line.words[1], T::Object)));
    objectOfPart_[line.words[0]] = line.words[1];
}

void FormRunner::addBinding(const Line& line) {
    std::vector<Ref<Object>> glues;
    for (size_t i = 4; i < line.words.size(); ++i) glues.emplace_back(&find(line.words[i], T::Part));
    form_->addBinding(line.words[0], Ref<Object>(&find(line.words[1], T::Part)), line.words[2],
                      Ref<Object>(&find(line.words[3], T::Control)), glues);
}

void FormRunner::edit(const Line& line) {
    Object& control = find(line.words[0], T::Control);
    query<Control>(&control)->Show(line.values[0]);
    // The user's value goes to the sources of every binding on the control.
    for (const Ref<Binding>& b : form_->bindings())
        if (b->control().get() == &control) form_->store(*b);
}

void FormRunner::change(const Line& line) {
    const std::string& target = line.words[0];
    const size_t dot = target.find(T::MemberDot);
    if (dot == std::string::npos) throw FormLoadError(std::string(T::BadEdit) + target);
    // Objects, states and parts: a state's properties are reached through the state.
    const Ref<Object> held = named(target.substr(0, dot));
    Object& object = held ? *held : find(target.substr(0, dot), T::Object);
    if (const IRef<iQvState> state = tryQuery<iQvState>(&object)) {
        state->Property(target.substr(dot + 1))->LetValue(line.values[0]);
        return;
    }
    Variant args[] = {line.values[0]};
    invoke(object, target.substr(dot + 1), args[0].isObject() ? InvokeKind::PropertySet : InvokeKind::PropertyLet,
           args);
}

std::vector<FormRunner::Row> FormRunner::rows() {
    std::vector<Row> out;
    for (const Named& n : named_)
        if (n.keyword == T::Control)
            out.push_back({std::string(T::RowControl), n.name, literal::print(query<Control>(n.object.get())->CurrentValue())});
    for (const Ref<Binding>& b : form_->bindings()) {
        std::string owner;
        for (const Named& n : named_)
            if (n.object.get() == b->SourcePart().object()) owner = n.name;
        if (const auto it = objectOfPart_.find(owner); it != objectOfPart_.end()) owner = it->second;
        for (const std::string& p : b->properties()) {
            const std::string label = owner + T::MemberDot + p;
            if (std::any_of(out.begin(), out.end(), [&](const Row& r) { return r.name == label; })) continue;
            std::string value;
            try {
                value = literal::print(shownValue(b->SourcePart()->Value(p)));
            } catch (const AutomationError& e) {
                value = errorLine(e);
            }
            out.push_back({std::string(T::RowSource), label, std::move(value)});
        }
    }
    for (ModelForm::Row& r : model_.rows()) out.push_back({std::move(r.kind), std::move(r.name), std::move(r.value)});
    for (const std::string& c : commands_) {
        const int32_t runs = form_->CommandRuns(c);
        out.push_back({std::string(T::RowCommand), c,
                       std::string(T::Ran) + std::to_string(runs) + std::string(runs == 1 ? T::Time : T::Times)});
    }
    return out;
}

void FormRunner::printStep(const std::string& title, std::vector<std::string> extraFailures) {
    out_ << title << '\n';
    const std::vector<Row> step = rows();
    size_t width = 0;
    for (const Row& r : step) width = std::max(width, r.kind.size() + 1 + r.name.size());
    for (const Row& r : step) {
        const std::string key = r.kind + " " + r.name;
        const auto before = previous_.find(key);
        const bool changed = before != previous_.end() && before->second != r.value;
        out_ << T::Indent << (changed ? T::Changed : T::Unchanged) << key << std::string(width - key.size(), ' ')
             << T::Equals << r.value << '\n';
        previous_[key] = r.value;
    }
    for (const CycleFailure& f : form_->takeFailures())
        extraFailures.push_back(f.binding + " " + std::string(cycleName(f.cycle)) + " " +
                                errorLine(f.number, f.source, f.description));
    for (const std::string& f : extraFailures) out_ << T::Indent << T::RowFailure << ' ' << f << '\n';
}

void FormRunner::start() {
    for (const Ref<Binding>& b : form_->bindings()) form_->display(*b);
    printStep(std::string(T::StepLoad) + path_, {});
}

void FormRunner::perform(const Line& edit) { dispatch(edit); }

void FormRunner::apply(const Line& edit) {
    std::vector<std::string> failures;
    try {
        perform(edit);
    } catch (const AutomationError& e) {
        failures.push_back(edit.keyword + " " + errorLine(e));
    }
    printStep(titleOf(edit), std::move(failures));
}

int FormRunner::runFile(const std::string& path, const std::vector<std::string>& edits, std::ostream& out,
                        std::ostream& err, const Preparation& prepare) {
    FormFile file;
    try {
        file = FormFile::read(path);
        if (!edits.empty()) {
            file.edits.clear();
            for (const std::string& e : edits) file.edits.push_back(FormFile::parseEdit(e));
        }
    } catch (const FormSyntaxError& e) {
        err << kErrPrefix << e.what() << '\n';
        return ExitUnreadable;
    }
    FormRunner runner(out);
    if (prepare) prepare(runner);
    try {
        runner.load(file);
        runner.start();
        for (const Line& e : file.edits) {
            try {
                runner.apply(e);
            } catch (const FormLoadError& x) {
                throw FormLoadError((e.number ? path + ":" + std::to_string(e.number) + ": " : titleOf(e) + ": ") + x.what());
            }
        }
    } catch (const FormLoadError& e) {
        err << kErrPrefix << e.what() << '\n';
        return ExitLoadFailed;
    }
    return ExitOk;
}

}  // namespace tav
