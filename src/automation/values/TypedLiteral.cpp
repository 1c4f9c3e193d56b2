#include "automation/values/TypedLiteral.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/Excerpt.h"
#include "automation/values/SafeArray.h"

namespace tav::literal {

namespace {

constexpr std::string_view kNothing = "Nothing";
constexpr std::string_view kUnallocated = "Unallocated";
constexpr int kPlainExponentMin = -4;
constexpr int kPlainExponentMax = 15;

[[noreturn]] void malformed(std::string_view what, std::string_view text) {
    throw AutomationError(err::TypeMismatch, "literal",
                          std::string(what) + ": " + std::string(text.substr(0, 80)));
}

[[noreturn]] void outOfRange(std::string_view text) {
    throw AutomationError(err::Overflow, "literal", "number out of range: " + excerpt(text));
}

// Lays out the digits and exponent of a shortest scientific form ("d.ddde±x").
std::string layout(std::string_view sci) {
    std::string_view s = sci;
    std::string out;
    if (!s.empty() && s.front() == '-') {
        out += '-';
        s.remove_prefix(1);
    }
    const size_t e = s.find('e');
    std::string digits;
    for (char c : s.substr(0, e))
        if (c != '.') digits += c;
    int exp = 0;
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+'), s.data() + s.size(), exp);
    if (exp >= kPlainExponentMin && exp <= kPlainExponentMax) {
        if (exp < 0) {
            out += "0.";
            out.append(static_cast<size_t>(-exp - 1), '0');
            out += digits;
        } else if (static_cast<size_t>(exp) + 1 >= digits.size()) {
            out += digits;
            out.append(static_cast<size_t>(exp) + 1 - digits.size(), '0');
        } else {
            out += digits.substr(0, static_cast<size_t>(exp) + 1);
            out += '.';
            out += digits.substr(static_cast<size_t>(exp) + 1);
        }
        return out;
    }
    out += digits[0];
    if (digits.size() > 1) {
        out += '.';
        out += digits.substr(1);
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "e%c%02d", exp < 0 ? '-' : '+', std::abs(exp));
    return out + buf;
}

std::string hexBits(uint64_t bits) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%016llX", static_cast<unsigned long long>(bits));
    return buf;
}

std::string printDouble(double d) {
    if (!std::isfinite(d)) return hexBits(std::bit_cast<uint64_t>(d));
    return shortestDouble(d);
}

std::string printCurrency(int64_t cy) {
    const bool neg = cy < 0;
    const uint64_t mag = neg ? 0 - static_cast<uint64_t>(cy) : static_cast<uint64_t>(cy);
    std::string s = std::to_string(mag / 10000);
    uint64_t frac = mag % 10000;
    if (frac) {
        char buf[8];
        std::snprintf(buf, sizeof buf, ".%04llu", static_cast<unsigned long long>(frac));
        std::string f = buf;
        while (f.back() == '0') f.pop_back();
        s += f;
    }
    return neg ? "-" + s : s;
}

void printArray(std::string& out, const SafeArray& a) {
    if (!a.allocated()) {
        out += kUnallocated;
        return;
    }
    const auto& b = a.bounds();
    auto element = [&](std::span<const int32_t> idx) { out += print(a.at(idx)); };
    if (b.size() == 1) {
        out += '[';
        if (b[0].lower != 0) out += std::to_string(b[0].lower) + ": ";
        for (int32_t i = 0; i < b[0].count; ++i) {
            if (i) out += ", ";
            const int32_t idx[] = {b[0].lower + i};
            element(idx);
        }
        out += ']';
        return;
    }
    if (b.size() == 2) {
        out += '[';
        if (b[0].lower != 0) out += std::to_string(b[0].lower) + ": ";
        for (int32_t r = 0; r < b[0].count; ++r) {
            if (r) out += ", ";
            out += '[';
            for (int32_t c = 0; c < b[1].count; ++c) {
                if (c) out += ", ";
                const int32_t idx[] = {b[0].lower + r, b[1].lower + c};
                element(idx);
            }
            out += ']';
        }
        out += ']';
        return;
    }
    // Higher dimensions are printed flat in storage order; nothing in the library makes them.
    out += '[';
    for (size_t i = 0; i < a.data().size(); ++i) {
        if (i) out += ", ";
        out += print(a.data()[i]);
    }
    out += ']';
}

// ---- parsing ----

void skipBlanks(std::string_view& t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
}

bool isTokenEnd(char c) { return c == ' ' || c == '\t' || c == ',' || c == ']'; }

std::string_view takeToken(std::string_view& t) {
    size_t n = 0;
    while (n < t.size() && !isTokenEnd(t[n])) ++n;
    std::string_view tok = t.substr(0, n);
    t.remove_prefix(n);
    return tok;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string parseQuoted(std::string_view& t) {
    if (t.empty() || t.front() != '"') malformed("expected a quoted string", t);
    const std::string_view start = t;
    t.remove_prefix(1);
    std::string out;
    while (true) {
        if (t.empty()) malformed("unterminated string", start);
        const char c = t.front();
        t.remove_prefix(1);
        if (c == '"') return out;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (t.empty()) malformed("unterminated escape", start);
        const char e = t.front();
        t.remove_prefix(1);
        switch (e) {
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'n': out += '\n'; break;
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case 'x': {
                if (t.size() < 2 || hexValue(t[0]) < 0 || hexValue(t[1]) < 0)
                    malformed("\\x needs two hex digits", start);
                out += static_cast<char>(hexValue(t[0]) * 16 + hexValue(t[1]));
                t.remove_prefix(2);
                break;
            }
            case 'u': {
                uint32_t cp = 0;
                for (int i = 0; i < 4; ++i) {
                    if (t.empty() || hexValue(t.front()) < 0) malformed("\\u needs four hex digits", start);
                    cp = cp * 16 + static_cast<uint32_t>(hexValue(t.front()));
                    t.remove_prefix(1);
                }
                appendUtf8(out, cp);
                break;
            }
            default: malformed("unknown escape", start);
        }
    }
}

template <class Int>
Int parseInt(std::string_view body, std::string_view whole) {
    int64_t v = 0;
    const char* b = body.data();
    const char* e = b + body.size();
    if (b != e && *b == '+') ++b;
    auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc() || p != e || b == e) malformed("malformed integer", whole);
    if (v < std::numeric_limits<Int>::min() || v > std::numeric_limits<Int>::max())
        throw AutomationError(err::Overflow, "literal", "integer out of range: " + excerpt(whole));
    return static_cast<Int>(v);
}

double parseDouble(std::string_view body, std::string_view whole) {
    if (body.size() == 18 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
        uint64_t bits = 0;
        auto [p, ec] = std::from_chars(body.data() + 2, body.data() + body.size(), bits, 16);
        if (ec != std::errc() || p != body.data() + body.size()) malformed("malformed hex double", whole);
        return std::bit_cast<double>(bits);
    }
    const char* b = body.data();
    const char* e = b + body.size();
    if (b != e && *b == '+') ++b;
    double d = 0;
    auto [p, ec] = std::from_chars(b, e, d);
    if (p != e || b == e || (ec != std::errc() && ec != std::errc::result_out_of_range))
        malformed("malformed number", whole);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves d untouched on range errors; strtod gives the rounded value: a
        // tiny one rounds towards zero, a huge one would be infinite and is refused (the
        // infinities have their hex form).
        std::string s(b, e);
        d = std::strtod(s.c_str(), nullptr);
        if (std::isinf(d)) outOfRange(whole);
    }
    return d;
}

int64_t parseCurrency(std::string_view body, std::string_view whole) {
    bool neg = false;
    std::string_view s = body;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        neg = s.front() == '-';
        s.remove_prefix(1);
    }
    const size_t dot = s.find('.');
    std::string_view ip = s.substr(0, dot);
    std::string_view fp = dot == std::string_view::npos ? std::string_view() : s.substr(dot + 1);
    if (ip.empty() || fp.size() > 4 || (dot != std::string_view::npos && fp.empty()))
        malformed("malformed currency", whole);
    // Magnitudes up to 2^63 (the negative limit) in 1/10000 units.
    constexpr uint64_t kLimit = uint64_t(1) << 63;
    uint64_t v = 0;
    for (char c : ip) {
        if (c < '0' || c > '9') malformed("malformed currency", whole);
        if (v > kLimit / 10) v = kLimit + 1;
        else v = v * 10 + static_cast<uint64_t>(c - '0');
    }
    uint64_t frac = 0;
    for (size_t i = 0; i < 4; ++i) {
        const char c = i < fp.size() ? fp[i] : '0';
        if (c < '0' || c > '9') malformed("malformed currency", whole);
        frac = frac * 10 + static_cast<uint64_t>(c - '0');
    }
    const bool tooBig = v > (kLimit - frac) / 10000 || v * 10000 + frac > kLimit - (neg ? 0 : 1);
    if (tooBig)
        throw AutomationError(err::Overflow, "literal", "currency out of range: " + excerpt(whole));
    v = v * 10000 + frac;
    if (neg) return v == kLimit ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(v);
    return static_cast<int64_t>(v);
}

// Arrays nest at most this deep, so that no text can exhaust the stack.

Variant parseArray(std::string_view& t, int depth);

Variant parseScalarOrArray(std::string_view& t, int depth = 0) {
    skipBlanks(t);
    if (t.empty()) malformed("expected a value", t);
    if (t.front() == '[') return parseArray(t, depth + 1);
    const std::string_view whole = t;
    const size_t colon = t.find(':');
    const std::string_view head = t.substr(0, std::min(colon, t.size()));
    // Keywords without a body.
    for (auto [word, make] : {std::pair<std::string_view, Variant (*)()>{"Empty", [] { return Variant(); }},
                              {"Null", [] { return Variant::Null(); }},
                              {kNothing, [] { return Variant::Nothing(); }},
                              {kUnallocated, [] { return Variant(SafeArray::unallocated()); }}}) {
        if (t.substr(0, word.size()) == word && (t.size() == word.size() || isTokenEnd(t[word.size()]))) {
            t.remove_prefix(word.size());
            return make();
        }
    }
    if (colon == std::string_view::npos) malformed("expected a typed literal", whole);
    t.remove_prefix(colon + 1);
    if (head == "Str") return Variant(parseQuoted(t));
    const std::string_view body = takeToken(t);
    const std::string_view lit = whole.substr(0, colon + 1 + body.size());
    if (head == "I2") return Variant::I2(parseInt<int16_t>(body, lit));
    if (head == "I4") return Variant::I4(parseInt<int32_t>(body, lit));
    if (head == "UI1") return Variant::UI1(parseInt<uint8_t>(body, lit));
    if (head == "R8") return Variant::R8(parseDouble(body, lit));
    if (head == "Date") return Variant::Date(parseDouble(body, lit));
    if (head == "R4") {
        if (body.size() == 18 && body.substr(0, 2) == "0x")
            return Variant::R4(static_cast<float>(parseDouble(body, lit)));
        // Read the float nearest to the decimal text, not the float nearest to its double.
        const char* b = body.data() + (!body.empty() && body.front() == '+');
        const char* e = body.data() + body.size();
        float f = 0;
        auto [p, ec] = std::from_chars(b, e, f);
        if (p != e || b == e) malformed("malformed number", lit);
        if (ec == std::errc::result_out_of_range) {
            f = std::strtof(std::string(b, e).c_str(), nullptr);
            if (std::isinf(f)) outOfRange(lit);
        }
        return Variant::R4(f);
    }
    if (head == "CY") return Variant::Currency(parseCurrency(body, lit));
    if (head == "Bool") {
        if (body == "True") return Variant::Bool(true);
        if (body == "False") return Variant::Bool(false);
        malformed("expected Bool:True or Bool:False", lit);
    }
    if (head == "Error") {
        if (body.size() < 3 || body.substr(0, 2) != "0x") malformed("expected Error:0x…", lit);
        uint32_t code = 0;
        auto [p, ec] = std::from_chars(body.data() + 2, body.data() + body.size(), code, 16);
        if (ec != std::errc() || p != body.data() + body.size()) malformed("malformed error code", lit);
        return Variant::Error(static_cast<int32_t>(code));
    }
    malformed("unknown literal type", whole);
}

Variant parseArray(std::string_view& t, int depth) {
    const std::string_view whole = t;
    if (depth > MaxArrayNesting) malformed(NestedTooDeeply, whole.substr(0, 1));
    t.remove_prefix(1);  // '['
    skipBlanks(t);
    // "[L: a, b]" starts the (first) dimension at L.
    int32_t lower = 0;
    {
        size_t n = (!t.empty() && t.front() == '-') ? 1 : 0;
        const size_t digitsStart = n;
        while (n < t.size() && t[n] >= '0' && t[n] <= '9') ++n;
        if (n > digitsStart && n < t.size() && t[n] == ':') {
            lower = parseInt<int32_t>(t.substr(0, n), whole);
            t.remove_prefix(n + 1);
            skipBlanks(t);
        }
    }
    std::vector<Variant> items;
    if (!t.empty() && t.front() == ']') {
        t.remove_prefix(1);
        return Variant(SafeArray::vector({}, lower));
    }
    while (true) {
        items.push_back(parseScalarOrArray(t, depth));
        skipBlanks(t);
        if (t.empty()) malformed("unterminated array", whole);
        if (t.front() == ',') {
            t.remove_prefix(1);
            continue;
        }
        if (t.front() == ']') {
            t.remove_prefix(1);
            break;
        }
        malformed("expected ',' or ']' in array", whole);
    }
    // Rows of arrays make a two-dimensional array when every element is a row.
    const bool nested = std::all_of(items.begin(), items.end(), [](const Variant& v) {
        return v.isArray() && v.array().allocated() && v.array().dims() == 1 && v.array().lbound() == 0;
    });
    if (!nested) return Variant(SafeArray::vector(std::move(items), lower));
    const int32_t cols = items[0].array().bounds()[0].count;
    for (const auto& row : items)
        if (row.array().bounds()[0].count != cols) malformed("rows of different lengths", whole);
    const int32_t rows = static_cast<int32_t>(items.size());
    SafeArray a({{lower, rows}, {0, cols}});
    for (int32_t r = 0; r < rows; ++r)
        for (int32_t c = 0; c < cols; ++c) a.at({lower + r, c}) = items[r].array().at({c});
    return Variant(std::move(a));
}

}  // namespace

std::string shortestDouble(double d) {
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::scientific);
    return layout(std::string_view(buf, static_cast<size_t>(p - buf)));
}

std::string shortestFloat(float f) {
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::scientific);
    return layout(std::string_view(buf, static_cast<size_t>(p - buf)));
}

// The text with control characters, quotes and backslashes escaped, so that it stays on one line.
std::string escaped(std::string_view s) {
    std::string out;
    for (unsigned char c : s) {
        switch (c) {
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\x%02X", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out;
}

std::string quote(std::string_view s) { return "\"" + escaped(s) + "\""; }

std::string print(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty: return "Empty";
        case VarType::Null: return "Null";
        case VarType::I2: return "I2:" + std::to_string(v.i2());
        case VarType::I4: return "I4:" + std::to_string(v.i4());
        case VarType::UI1: return "UI1:" + std::to_string(v.ui1());
        case VarType::R4:
            return "R4:" + (std::isfinite(v.r4()) ? shortestFloat(v.r4())
                                                   : hexBits(std::bit_cast<uint64_t>(double(v.r4()))));
        case VarType::R8: return "R8:" + printDouble(v.r8());
        case VarType::Date: return "Date:" + printDouble(v.date());
        case VarType::Currency: return "CY:" + printCurrency(v.currency());
        case VarType::String: return "Str:" + quote(v.str());
        case VarType::Bool: return v.boolean() ? "Bool:True" : "Bool:False";
        case VarType::Error: {
            char buf[24];
            std::snprintf(buf, sizeof buf, "Error:0x%08X", static_cast<uint32_t>(v.error()));
            return buf;
        }
        case VarType::Object:
            if (!v.object()) return std::string(kNothing);
            return "Object:" + escaped(v.object()->typeName());
        case VarType::Array: {
            std::string out;
            printArray(out, v.array());
            return out;
        }
        default: return "?";
    }
}

Variant parsePrefix(std::string_view& text) { return parseScalarOrArray(text); }

Variant parse(std::string_view text) {
    std::string_view t = text;
    Variant v = parseScalarOrArray(t);
    skipBlanks(t);
    if (!t.empty()) malformed("unexpected text after the value", text);
    return v;
}

}  // namespace tav::literal
