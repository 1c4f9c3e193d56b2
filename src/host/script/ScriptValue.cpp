#include "host/script/ScriptValue.h"

#include "automation/AutomationError.h"
#include "automation/TypedLiteral.h"
#include "host/script/ScriptText.h"

namespace tav::scriptvalue {

namespace T = ScriptText;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

void skipBlanks(std::string_view& text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
}

std::string_view takeWord(std::string_view& text) {
    size_t n = 0;
    while (n < text.size() && !isBlank(text[n])) ++n;
    const std::string_view word = text.substr(0, n);
    text.remove_prefix(n);
    return word;
}

}  // namespace

std::string excerpt(std::string_view word) {
    constexpr size_t kLongest = 40;
    constexpr std::string_view kCut = "...";
    return word.size() <= kLongest ? std::string(word) : std::string(word.substr(0, kLongest)) + std::string(kCut);
}

bool isName(std::string_view word) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (word.empty() || !letter(word.front())) return false;
    for (char c : word)
        if (!letter(c) && !digit(c)) return false;
    return true;
}

ScriptValue parse(std::string_view& text) {
    skipBlanks(text);
    if (text.empty()) throw ScriptSyntaxError(std::string(T::ExpectedValue));
    ScriptValue v;
    const char first = text.front();
    if (first == T::ObjectRef || first == T::CopyRef || first == T::ByRef) {
        std::string_view rest = text.substr(1);
        const std::string_view name = takeWord(rest);
        if (!isName(name)) throw ScriptSyntaxError(std::string(T::ExpectedName) + ": " + excerpt(takeWord(text)));
        v.kind = first == T::ObjectRef ? ScriptValue::Kind::ObjectVar
                 : first == T::CopyRef ? ScriptValue::Kind::CopyVar
                                       : ScriptValue::Kind::RefVar;
        v.variable = name;
        text = rest;
        return v;
    }
    std::string_view probe = text;
    if (takeWord(probe) == T::Missing) {
        v.kind = ScriptValue::Kind::Missing;
        text = probe;
        return v;
    }
    const std::string_view start = text;
    try {
        v.literal = literal::parsePrefix(text);
    } catch (const AutomationError& e) {
        std::string_view word = start;
        throw ScriptSyntaxError(std::string(T::MalformedValue) + excerpt(takeWord(word)) + " (" + e.description() + ")");
    }
    if (!text.empty() && !isBlank(text.front())) {
        std::string_view word = start;
        throw ScriptSyntaxError(std::string(T::MalformedValue) + excerpt(takeWord(word)));
    }
    return v;
}

}  // namespace tav::scriptvalue
