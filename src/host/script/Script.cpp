#include "host/script/Script.h"

#include <array>

#include "host/script/ScriptText.h"

namespace tav {

namespace T = ScriptText;

namespace {

using Command = Script::Command;

// What follows a command word.
enum class Shape : uint8_t {
    NameWord,   // NAME WORD
    Name,       // NAME
    NameValue,  // NAME VALUE
    Nothing,
    Text,       // a Str: literal
    Call,       // TARGET [ARG ...] [-> NAME]
    Assign,     // TARGET [ARG ...] VALUE
};

struct CommandSpec {
    std::string_view word;
    Command command;
    Shape shape;
};

constexpr std::array<CommandSpec, 15> kCommands = {{
    {T::New, Command::New, Shape::NameWord},
    {T::Init, Command::Init, Shape::Name},
    {T::Var, Command::Var, Shape::NameValue},
    {T::Show, Command::Show, Shape::Name},
    {T::Get, Command::Get, Shape::Call},
    {T::Let, Command::Let, Shape::Assign},
    {T::Set, Command::Set, Shape::Assign},
    {T::Call, Command::Call, Shape::Call},
    {T::Display, Command::Display, Shape::NameValue},
    {T::Store, Command::Store, Shape::NameValue},
    {T::Save, Command::Save, Shape::NameWord},
    {T::Load, Command::Load, Shape::NameWord},
    {T::Notices, Command::Notices, Shape::Name},
    {T::Prompts, Command::Prompts, Shape::Nothing},
    {T::Answer, Command::Answer, Shape::Text},
}};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && (isBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::string_view nextWord(std::string_view& text) {
    text = trim(text);
    size_t n = 0;
    while (n < text.size() && !isBlank(text[n])) ++n;
    const std::string_view word = text.substr(0, n);
    text.remove_prefix(n);
    return word;
}

[[noreturn]] void fail(std::string_view why, std::string_view what = {}) {
    throw ScriptSyntaxError(std::string(why) + std::string(what));
}

std::string name(std::string_view& text) {
    const std::string_view w = nextWord(text);
    if (!scriptvalue::isName(w)) fail(T::ExpectedName, w.empty() ? std::string() : ": " + scriptvalue::excerpt(w));
    return std::string(w);
}

void end(std::string_view text) {
    text = trim(text);
    if (!text.empty()) fail(T::TrailingText, scriptvalue::excerpt(text));
}

// NAME.Member or NAME.Interface.Member.
void target(std::string_view& text, Script::Statement& s) {
    const std::string_view w = nextWord(text);
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t dot; (dot = w.find(T::MemberDot, start)) != std::string_view::npos; start = dot + 1)
        parts.push_back(w.substr(start, dot - start));
    parts.push_back(w.substr(start));
    if (parts.size() < 2 || parts.size() > 3) fail(T::ExpectedTarget);
    for (std::string_view p : parts)
        if (!scriptvalue::isName(p)) fail(T::ExpectedTarget);
    s.name = parts.front();
    if (parts.size() == 3) s.interfaceName = parts[1];
    s.member = parts.back();
}

void statementBody(Shape shape, std::string_view rest, Script::Statement& s) {
    switch (shape) {
        case Shape::NameWord: {
            s.name = name(rest);
            const std::string_view w = nextWord(rest);
            if (w.empty()) fail(T::ExpectedWord);
            s.word = w;
            return end(rest);
        }
        case Shape::Name:
            s.name = name(rest);
            return end(rest);
        case Shape::NameValue:
            s.name = name(rest);
            s.values.push_back(scriptvalue::parse(rest));
            return end(rest);
        case Shape::Nothing:
            return end(rest);
        case Shape::Text: {
            ScriptValue v = scriptvalue::parse(rest);
            if (v.kind != ScriptValue::Kind::Literal || !v.literal.isString()) fail(T::ExpectedString);
            s.values.push_back(std::move(v));
            return end(rest);
        }
        case Shape::Call:
        case Shape::Assign:
            target(rest, s);
            if (shape == Shape::Assign) {
                std::string_view after = rest;
                if (nextWord(after) == T::AssignSign) rest = after;
            }
            while (!(rest = trim(rest)).empty()) {
                if (shape == Shape::Call && rest.starts_with(T::Keep)) {
                    rest.remove_prefix(T::Keep.size());
                    std::string_view keep = nextWord(rest);
                    if (!keep.empty() && (keep.front() == T::ObjectRef || keep.front() == T::CopyRef ||
                                          keep.front() == T::ByRef))
                        keep.remove_prefix(1);
                    if (!scriptvalue::isName(keep)) fail(T::ExpectedName);
                    s.keepAs = keep;
                    return end(rest);
                }
                s.values.push_back(scriptvalue::parse(rest));
            }
            if (shape == Shape::Assign && s.values.empty()) fail(T::ExpectedValue);
            return;
    }
}

Script::Expectation expectation(std::string_view line, int number) {
    Script::Expectation e;
    e.line = number;
    const bool regex = line.starts_with(T::ExpectRegex);
    e.text = trim(line.substr(T::ExpectExact.size()));
    e.compare = e.text;
    if (regex) {
        e.kind = Script::Expectation::Kind::Regex;
        try {
            e.pattern = std::make_shared<const ScriptPattern>(e.text);
        } catch (const ScriptSyntaxError& why) {
            fail(T::BadRegex, scriptvalue::excerpt(e.text) + " (" + why.what() + ")");
        }
    } else if (e.text.ends_with(T::PrefixMark)) {
        e.kind = Script::Expectation::Kind::Prefix;
        e.compare.resize(e.compare.size() - T::PrefixMark.size());
    }
    return e;
}

}  // namespace

Script Script::parse(std::string_view text) {
    Script script;
    int number = 0;
    while (!text.empty() || number == 0) {
        ++number;
        const size_t eol = text.find('\n');
        const std::string_view line = trim(text.substr(0, eol));
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        if (line.empty() || line.front() == T::Comment) continue;
        try {
            if (line.starts_with(T::ExpectExact) || line.starts_with(T::ExpectRegex)) {
                if (script.statements.empty()) fail(T::LoneExpectation);
                script.statements.back().expectations.push_back(expectation(line, number));
                continue;
            }
            std::string_view rest = line;
            const std::string_view word = nextWord(rest);
            const CommandSpec* spec = nullptr;
            for (const CommandSpec& c : kCommands)
                if (c.word == word) spec = &c;
            if (!spec) fail(T::UnknownCommand, "'" + scriptvalue::excerpt(word) + "'");
            Statement s;
            s.line = number;
            s.command = spec->command;
            statementBody(spec->shape, rest, s);
            script.statements.push_back(std::move(s));
        } catch (const ScriptSyntaxError& e) {
            throw ScriptSyntaxError("line " + std::to_string(number) + ": " + e.what());
        }
    }
    return script;
}

}  // namespace tav
