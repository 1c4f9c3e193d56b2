#include "automation/objects/PropertyBagText.h"

#include <bit>
#include <unordered_map>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/Excerpt.h"
#include "automation/values/SafeArray.h"
#include "automation/values/TypedLiteral.h"

namespace tav::bagtext {

namespace {

constexpr std::string_view kSource = "PropertyBag";
constexpr std::string_view kSeparator = " = ";
constexpr std::string_view kBareKeyPunctuation = "_.-$";
constexpr std::string_view kStringTag = "Str:";
constexpr char kComment = '#';
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isBareKeyChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           kBareKeyPunctuation.find(c) != std::string_view::npos;
}

bool isBareKey(std::string_view key) {
    if (key.empty()) return false;
    for (char c : key)
        if (!isBareKeyChar(c)) return false;
    return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

[[noreturn]] void refuse(std::string_view origin, size_t line, std::string_view what) {
    throw AutomationError(err::InvalidFileFormat, std::string(kSource),
                          std::string(origin) + ":" + std::to_string(line) + ": " + std::string(what));
}

// Reads the key at the front of a line, leaving the rest.
std::string readKey(std::string_view& rest, std::string_view origin, size_t line) {
    if (!rest.empty() && rest.front() == '"') {
        // A quoted key reads exactly like the body of a string literal.
        std::string probe = std::string(kStringTag) + std::string(rest);
        std::string_view p = probe;
        Variant key;
        try {
            key = literal::parsePrefix(p);
        } catch (const AutomationError& e) {
            refuse(origin, line, "expected a quoted key: " + e.description());
        }
        rest.remove_prefix(rest.size() - p.size());
        return std::string(key.str());
    }
    size_t n = 0;
    while (n < rest.size() && isBareKeyChar(rest[n])) ++n;
    if (n == 0) refuse(origin, line, "expected a key (letters, digits, \"_.-$\", or a quoted key)");
    std::string key(rest.substr(0, n));
    rest.remove_prefix(n);
    return key;
}

bool sameTyped(const Variant& a, const Variant& b);

bool sameArrays(const SafeArray& a, const SafeArray& b) {
    if (a.allocated() != b.allocated() || a.elementType() != b.elementType()) return false;
    if (a.bounds().size() != b.bounds().size() || a.size() != b.size()) return false;
    for (size_t d = 0; d < a.bounds().size(); ++d)
        if (a.bounds()[d].lower != b.bounds()[d].lower || a.bounds()[d].count != b.bounds()[d].count) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!sameTyped(a.data()[i], b.data()[i])) return false;
    return true;
}

bool sameTyped(const Variant& a, const Variant& b) {
    if (a.type() != b.type()) return false;
    switch (a.type()) {
        case VarType::Empty: case VarType::Null: return true;
        case VarType::I2: return a.i2() == b.i2();
        case VarType::I4: return a.i4() == b.i4();
        case VarType::UI1: return a.ui1() == b.ui1();
        case VarType::Bool: return a.boolean() == b.boolean();
        case VarType::Error: return a.error() == b.error();
        case VarType::Currency: return a.currency() == b.currency();
        case VarType::R4: return std::bit_cast<uint32_t>(a.r4()) == std::bit_cast<uint32_t>(b.r4());
        case VarType::R8: case VarType::Date: return std::bit_cast<uint64_t>(a.r8()) == std::bit_cast<uint64_t>(b.r8());
        case VarType::String: return a.str() == b.str();
        case VarType::Object: return a.object() == nullptr && b.object() == nullptr;
        case VarType::Array: return sameArrays(a.array(), b.array());
        default: return false;
    }
}

}  // namespace

bool roundTrips(const Variant& v) {
    if (v.isObject()) return v.object() == nullptr;
    try {
        return sameTyped(literal::parse(literal::print(v)), v);
    } catch (const AutomationError&) {
        return false;
    }
}

std::string format(const Entries& entries) {
    std::string out(kHeader);
    out += '\n';
    for (const auto& [key, value] : entries) {
        out += isBareKey(key) ? key : literal::quote(key);
        out += kSeparator;
        out += literal::print(value);
        out += '\n';
    }
    return out;
}

Entries parse(std::string_view text, std::string_view origin, size_t firstLineNo) {
    Entries entries;
    std::unordered_map<std::string, size_t> firstLine;
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
    size_t lineNo = firstLineNo - 1;
    while (!text.empty()) {
        ++lineNo;
        const size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trim(line);
        if (line.empty() || line.front() == kComment) continue;

        std::string key = readKey(line, origin, lineNo);
        line = trim(line);
        if (line.empty() || line.front() != '=') refuse(origin, lineNo, "expected '=' after the key '" + excerpt(key) + "'");
        line = trim(line.substr(1));
        if (line.empty()) refuse(origin, lineNo, "expected a typed literal after '='");
        Variant value;
        try {
            value = literal::parse(line);
        } catch (const AutomationError& e) {
            refuse(origin, lineNo, "expected a typed literal value: " + e.description());
        }
        auto [it, fresh] = firstLine.emplace(key, lineNo);
        if (!fresh)
            refuse(origin, lineNo, "key '" + excerpt(key) + "' given twice (first on line " + std::to_string(it->second) + ")");
        entries.emplace_back(std::move(key), std::move(value));
    }
    return entries;
}

}  // namespace tav::bagtext
