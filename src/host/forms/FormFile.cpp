#include "host/forms/FormFile.h"

#include <charconv>
#include <climits>

#include "automation/objects/TextFile.h"
#include "automation/server/ThreadEnvironment.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/Excerpt.h"
#include "automation/values/TypedLiteral.h"
#include "host/forms/FormText.h"
#include "host/forms/ModelForm.h"
#include "host/forms/ModelFormText.h"
#include "host/script/ScriptValue.h"

namespace tav {

namespace T = FormText;

namespace {

enum class Where : uint8_t { Top, UnderObject };
constexpr int kAny = INT_MAX;

// What a line holds after its keyword: words, then typed-literal values (or the rest of the
// line as text).
struct LineSpec {
    std::string_view keyword;
    Where where;
    int minWords, maxWords;
    int minValues, maxValues;
    bool restIsText;
    std::string_view usage;
};

constexpr LineSpec kLines[] = {
    {T::Object, Where::Top, 2, 2, 0, 0, false, "object NAME PROGID"},
    {T::Part, Where::Top, 2, 2, 0, 0, false, "part NAME PROGID"},
    {T::Control, Where::Top, 1, 2, 0, 2, false, "control NAME [KIND] [LABEL [GROUP]]"},
    {T::Command, Where::Top, 1, 1, 0, 0, true, "command NAME ok|fail:NUMBER:TEXT"},
    {T::Source, Where::Top, 2, 2, 0, 0, false, "source PART OBJECT"},
    {T::Bind, Where::Top, 4, kAny, 0, 0, false, "bind NAME PART PROPERTY CONTROL [GLUE...]"},
    {T::Edit, Where::Top, 1, 1, 1, 1, false, "edit CONTROL VALUE"},
    {T::Change, Where::Top, 1, 1, 1, 1, false, "change OBJECT.PROPERTY VALUE"},
    {T::Ui, Where::Top, 0, 0, 1, 1, false, "ui Str:\"FORM.ui\""},
    {T::Class, Where::UnderObject, 1, 1, 0, 0, false, "class NAME"},
    {T::Property, Where::UnderObject, 2, 2, 0, 1, false, "property NAME TYPE [VALUE]"},
    {T::Enum, Where::UnderObject, 1, kAny, 0, 0, false, "enum NAME ITEM=INTEGER..."},
    {T::Predefined, Where::UnderObject, 1, 1, 1, kAny, false, "predefined PROPERTY DISPLAY [TEXT VALUE]..."},
    {T::JobProperty, Where::UnderObject, 1, 1, 1, 1, false, "job-property KEY VALUE"},
    {T::State, Where::Top, 1, 1, 0, 1, false, "state NAME [Str:\"META FILE\"]"},
    {T::Type, Where::UnderObject, 1, 1, 0, 0, false, "type NAME"},
    {T::Float, Where::UnderObject, 3, 3, 0, 1, false, "float NAME TYPE PRECISION [VALUE]"},
    {T::Enumerated, Where::UnderObject, 2, kAny, 0, 1, false, "enumerated NAME ITEM=INTEGER... [VALUE]"},
    {T::Array, Where::UnderObject, 2, 2, 1, 1, false, "array NAME TYPE [VALUE, ...]"},
    // The model world of in-scope parts (ModelForm.h).
    {ModelFormText::Schema, Where::Top, 1, 1, 1, 3, false, "schema PROPERTY TYPECODE [FLAGS] [MULTIVALUED]"},
    {ModelFormText::Range, Where::Top, 1, 1, 2, 2, false, "range PROPERTY MIN MAX"},
    {ModelFormText::Warning, Where::Top, 1, 1, 1, 1, false, "warning PROPERTY TEXT"},
    {ModelFormText::Model, Where::Top, 1, 1, 0, 0, false, "model NAME"},
    {ModelFormText::Columns, Where::UnderObject, 1, kAny, 0, 0, false, "columns PROPERTY..."},
    {ModelFormText::Item, Where::UnderObject, 2, 2, 0, kAny, false, "item NAME CLASS [VALUE...]"},
    {ModelFormText::Structure, Where::Top, 1, 1, 1, 1, false, "structure NAME FILE"},
    {ModelFormText::Container, Where::Top, 1, kAny, 0, 1, false, "container NAME [ITEM...|STRUCTURE SELECTION]"},
    {ModelFormText::Select, Where::Top, 1, kAny, 0, 1, false, "select CONTAINER [ITEM...|STRUCTURE SELECTION]"},
    {ModelFormText::Idle, Where::Top, 1, 1, 0, 0, false, "idle CONTAINER"},
    {ModelFormText::Undo, Where::Top, 1, 1, 0, 0, false, "undo CONTAINER"},
    {ModelFormText::Redo, Where::Top, 1, 1, 0, 0, false, "redo CONTAINER"},
    {ModelFormText::Lock, Where::Top, 1, 1, 1, 1, false, "lock MODEL HOLDER"},
    {ModelFormText::Unlock, Where::Top, 1, 1, 0, 0, false, "unlock MODEL"},
    {ModelFormText::Save, Where::Top, 1, 1, 1, 1, false, "save STRUCTURE FILE"},
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view nextWord(std::string_view& text) {
    text = trim(text);
    size_t n = 0;
    while (n < text.size() && !isBlank(text[n])) ++n;
    const std::string_view w = text.substr(0, n);
    text.remove_prefix(n);
    return w;
}

// Whether the text at the front is a value rather than a word: typed literals have a tag and
// a colon, or are arrays and the few bare literal words.
bool startsValue(std::string_view text) {
    std::string_view probe = text;
    const std::string_view w = nextWord(probe);
    return w.find(':') != std::string_view::npos || w.starts_with("[") || w == "Empty" || w == "Null" ||
           w == "Nothing" || w == "Unallocated";
}

Variant value(std::string_view& text) {
    text = trim(text);
    const std::string_view start = text;
    try {
        Variant v = literal::parsePrefix(text);
        if (!text.empty() && !isBlank(text.front())) throw AutomationError(err::TypeMismatch, {}, "text after the value");
        return v;
    } catch (const AutomationError& e) {
        std::string_view w = start;
        throw FormSyntaxError(std::string(T::MalformedValue) + scriptvalue::excerpt(nextWord(w)) + ": " + e.description());
    }
}

void checkEnumItem(std::string_view item) {
    const size_t eq = item.find(T::Assign);
    int32_t n = 0;
    const std::string_view digits = eq == std::string_view::npos ? std::string_view() : item.substr(eq + 1);
    auto [p, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (eq == 0 || digits.empty() || ec != std::errc() || p != digits.data() + digits.size())
        throw FormSyntaxError(std::string(T::BadEnumItem) + excerpt(item));
}

FormFile::Line readLine(const LineSpec& spec, std::string_view rest, int number) {
    FormFile::Line line;
    line.number = number;
    line.keyword = spec.keyword;
    auto usage = [&] { return FormSyntaxError(std::string(T::ExpectedWords) + std::string(spec.usage)); };
    while (static_cast<int>(line.words.size()) < spec.maxWords && !trim(rest).empty() &&
           (static_cast<int>(line.words.size()) < spec.minWords || !startsValue(trim(rest))))
        line.words.emplace_back(nextWord(rest));
    if (static_cast<int>(line.words.size()) < spec.minWords) throw usage();
    if (spec.restIsText) {
        line.text = trim(rest);
        if (line.text.empty()) throw usage();
        return line;
    }
    while (!trim(rest).empty()) {
        if (static_cast<int>(line.values.size()) >= spec.maxValues) throw usage();
        line.values.push_back(value(rest));
    }
    if (static_cast<int>(line.values.size()) < spec.minValues) throw usage();
    if (spec.keyword == T::Enum || spec.keyword == T::Enumerated)
        for (size_t i = 1; i < line.words.size(); ++i) checkEnumItem(line.words[i]);
    if (spec.keyword == T::Predefined && line.values.size() % 2 == 0) throw FormSyntaxError(std::string(T::PairedValues));
    // A control's label and group are texts, as is the name of a Designer form.
    if (spec.keyword == T::Control || spec.keyword == T::Ui)
        for (const Variant& v : line.values)
            if (!v.isString()) throw FormSyntaxError(std::string(T::ExpectedText));
    return line;
}

const LineSpec* specOf(std::string_view keyword) {
    for (const LineSpec& s : kLines)
        if (s.keyword == keyword) return &s;
    return nullptr;
}

}  // namespace

FormFile FormFile::parse(std::string_view text, std::string path) {
    FormFile form;
    form.path = std::move(path);
    Line* object = nullptr;  // the block indented lines belong to
    Line* part = nullptr;
    std::string bagText;     // the part's bag lines, one text line per file line from the part's
    auto closePart = [&] {
        if (part) part->bag = bagtext::parse(bagText, form.path, static_cast<size_t>(part->number));
        part = nullptr;
        bagText.clear();
    };
    int number = 0;
    while (!text.empty()) {
        ++number;
        const size_t eol = text.find('\n');
        const std::string_view raw = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        const std::string_view line = trim(raw);
        if (part) bagText += '\n';
        if (line.empty() || line.front() == T::Comment) continue;
        try {
            const bool indented = isBlank(raw.front());
            if (indented && part) {
                bagText.pop_back();  // the bag line stands on this line of the file
                bagText += line;
                bagText += '\n';
                continue;
            }
            std::string_view rest = line;
            const std::string_view keyword = nextWord(rest);
            const LineSpec* spec = specOf(keyword);
            if (!spec) throw FormSyntaxError(std::string(T::UnknownKeyword) + excerpt(keyword));
            if (indented && !object) throw FormSyntaxError(std::string(T::NotInBlock));
            if (indented != (spec->where == Where::UnderObject))
                throw FormSyntaxError(std::string(keyword) + std::string(T::NotUnder) +
                                      std::string(indented ? T::AnObject : T::TopLevel));
            Line parsed = readLine(*spec, rest, number);
            if (indented) {
                if (ModelForm::belongsUnderBlock(keyword) != ModelForm::opensBlock(object->keyword))
                    throw FormSyntaxError(std::string(keyword) + std::string(T::NotUnder) + object->keyword);
                object->members.push_back(std::move(parsed));
                continue;
            }
            closePart();
            object = nullptr;
            const bool step = keyword == T::Edit || keyword == T::Change || ModelForm::isStep(keyword);
            std::vector<Line>& list = step ? form.edits : form.setup;
            list.push_back(std::move(parsed));
            if (keyword == T::Object || keyword == T::State || ModelForm::opensBlock(keyword)) object = &list.back();
            if (keyword == T::Part) {
                part = &list.back();
                bagText = '\n';  // the part's own line
            }
        } catch (const FormSyntaxError& e) {
            throw FormSyntaxError(form.path + ":" + std::to_string(number) + ": " + e.what());
        } catch (const AutomationError& e) {
            throw FormSyntaxError(e.description());  // a bag line: the text names file and line
        }
    }
    try {
        closePart();
    } catch (const AutomationError& e) {
        throw FormSyntaxError(e.description());
    }
    return form;
}

FormFile FormFile::read(const std::string& path) {
    std::string text;
    try {
        text = TextFile::read(ThreadEnvironment::resolve(path));
    } catch (const TextFile::Refused& e) {
        throw FormSyntaxError(path + ": " + e.what());
    }
    return parse(text, path);
}

FormFile::Line FormFile::parseEdit(std::string_view arg) {
    const size_t eq = arg.find(T::Assign);
    if (eq == std::string_view::npos || eq == 0) throw FormSyntaxError(std::string(T::BadEdit) + excerpt(arg));
    Line line;
    const std::string_view name = arg.substr(0, eq);
    line.keyword = name.find(T::MemberDot) == std::string_view::npos ? T::Edit : T::Change;
    line.words.emplace_back(name);
    std::string_view rest = arg.substr(eq + 1);
    try {
        line.values.push_back(value(rest));
    } catch (const FormSyntaxError& e) {
        throw FormSyntaxError(std::string(T::BadEdit) + excerpt(arg) + " (" + e.what() + ")");
    }
    return line;
}

}  // namespace tav
