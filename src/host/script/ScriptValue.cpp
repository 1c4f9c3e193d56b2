#include "host/script/ScriptValue.h"

#include "automation/values/Excerpt.h"

#include <algorithm>

#include "automation/values/AutomationError.h"
#include "automation/values/TypedLiteral.h"
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

bool isNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

ScriptValue parseArray(std::string_view& text, int depth);

// One element of an array: ends before the "," or "]" that follows it.
ScriptValue parseElement(std::string_view& text, int depth) {
    skipBlanks(text);
    if (text.empty()) throw ScriptSyntaxError(std::string(T::ExpectedValue));
    ScriptValue v;
    const char first = text.front();
    if (first == T::ByRef) throw ScriptSyntaxError(std::string(T::ByRefElement));
    if (first == T::ObjectRef || first == T::CopyRef) {
        size_t n = 1;
        while (n < text.size() && isNameChar(text[n])) ++n;
        const std::string_view name = text.substr(1, n - 1);
        if (!isName(name)) throw ScriptSyntaxError(std::string(T::ExpectedName));
        v.kind = first == T::ObjectRef ? ScriptValue::Kind::ObjectVar : ScriptValue::Kind::CopyVar;
        v.variable = name;
        text.remove_prefix(n);
        return v;
    }
    if (text.starts_with(T::Missing) && (text.size() == T::Missing.size() || !isNameChar(text[T::Missing.size()]))) {
        v.kind = ScriptValue::Kind::Missing;
        text.remove_prefix(T::Missing.size());
        return v;
    }
    if (first == T::ArrayOpen) return parseArray(text, depth + 1);
    v.literal = literal::parsePrefix(text);
    return v;
}

// "[" element { "," element } "]", or "[]". As in a literal, an array whose elements are all
// rows (arrays written in place) is two-dimensional and its rows have one length; any other is
// one-dimensional, its array elements nested arrays.
ScriptValue parseArray(std::string_view& text, int depth) {
    if (depth > literal::MaxArrayNesting) throw ScriptSyntaxError(std::string(literal::NestedTooDeeply));
    ScriptValue v;
    v.kind = ScriptValue::Kind::Array;
    text.remove_prefix(1);  // the "["
    skipBlanks(text);
    if (!text.empty() && text.front() == T::ArrayClose) {
        text.remove_prefix(1);
        return v;
    }
    for (;;) {
        v.elements.push_back(parseElement(text, depth));
        skipBlanks(text);
        if (text.empty()) throw ScriptSyntaxError(std::string(T::ExpectedValue));
        const char c = text.front();
        text.remove_prefix(1);
        if (c == T::ArrayClose) break;
        if (c != T::ArraySeparator) throw ScriptSyntaxError(std::string(T::ExpectedValue));
    }
    if (isTwoDimensional(v)) {
        for (const ScriptValue& row : v.elements)
            if (row.elements.size() != v.elements.front().elements.size())
                throw ScriptSyntaxError(std::string(T::RaggedRows));
    }
    return v;
}

}  // namespace

bool isTwoDimensional(const ScriptValue& array) {
    return !array.elements.empty() &&
           std::all_of(array.elements.begin(), array.elements.end(),
                       [](const ScriptValue& e) { return e.kind == ScriptValue::Kind::Array; });
}

std::string excerpt(std::string_view word, size_t longest) { return tav::excerpt(word, longest); }

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
        const std::string malformed =
            std::string(T::MalformedValue) + excerpt(takeWord(word)) + " (" + e.description() + ")";
        if (first != T::ArrayOpen) throw ScriptSyntaxError(malformed);
        // An array with variables or Missing among its elements; anything else keeps the
        // literal's own complaint.
        text = start;
        try {
            v = parseArray(text, 1);
        } catch (const ScriptSyntaxError&) {
            throw ScriptSyntaxError(malformed);
        } catch (const AutomationError&) {
            throw ScriptSyntaxError(malformed);
        }
    }
    if (!text.empty() && !isBlank(text.front())) {
        std::string_view word = start;
        throw ScriptSyntaxError(std::string(T::MalformedValue) + excerpt(takeWord(word)));
    }
    return v;
}

}  // namespace tav::scriptvalue
