#include "automation/vectors/VectorOps.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <unordered_map>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/format/Format.h"
#include "automation/operators/Operators.h"
#include "automation/values/TypedLiteral.h"

namespace tav::vectors {

namespace {

constexpr std::string_view kArrow = "=>";
constexpr std::string_view kLocaleDirective = "# locale ";
constexpr std::string_view kErrPrefix = "Err:";

using Unary = std::function<Variant(const Variant&)>;
using Binary = Variant (*)(const Variant&, const Variant&);

const std::unordered_map<std::string_view, Binary>& binaryOps() {
    static const std::unordered_map<std::string_view, Binary> ops{
        {"Add", Add}, {"Sub", Sub}, {"Mul", Mul}, {"Div", Div},   {"Pow", Pow},
        {"Cat", Cat}, {"IDiv", IDiv}, {"Mod", Mod}, {"And", And}, {"Or", Or},
    };
    return ops;
}

const std::unordered_map<std::string_view, Unary>& unaryOps() {
    static const std::unordered_map<std::string_view, Unary> ops{
        {"Neg", [](const Variant& a) { return Neg(a); }},
        {"Not", [](const Variant& a) { return Not(a); }},
        {"CStr", [](const Variant& a) { return changeType(a, VarType::String); }},
        {"CDbl", [](const Variant& a) { return changeType(a, VarType::R8); }},
        {"CCur", [](const Variant& a) { return changeType(a, VarType::Currency); }},
        {"CSng", [](const Variant& a) { return changeType(a, VarType::R4); }},
        {"CLng", [](const Variant& a) { return changeType(a, VarType::I4); }},
        {"CInt", [](const Variant& a) { return changeType(a, VarType::I2); }},
        {"CBool", [](const Variant& a) { return changeType(a, VarType::Bool); }},
        {"CDate", [](const Variant& a) { return changeType(a, VarType::Date); }},
        {"IsNumeric", [](const Variant& a) { return Variant::Bool(IsNumeric(a)); }},
        {"IsDate", [](const Variant& a) { return Variant::Bool(IsDate(a)); }},
    };
    return ops;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return a == b;
}

}  // namespace

bool parseLine(std::string_view line, Case& out) {
    if (line.empty() || line.front() == '#' || trim(line).empty()) return false;
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (fields.size() < 3 || trim(fields[fields.size() - 2]) != kArrow) return false;
    out.op = std::string(fields[0]);
    out.args.assign(fields.begin() + 1, fields.end() - 2);
    out.expected = std::string(trim(fields.back()));
    return true;
}

std::optional<std::string> localeDirective(std::string_view line) {
    if (!line.starts_with(kLocaleDirective)) return std::nullopt;
    const std::string_view name = trim(line.substr(kLocaleDirective.size()));
    if (name.empty()) return std::nullopt;
    return std::string(name);
}

bool isOperation(std::string_view op, size_t arity) {
    if (arity == 2) return binaryOps().contains(op) || op == "Cmp" || op == "Format";
    return arity == 1 && unaryOps().contains(op);
}

std::string errorText(int32_t number) {
    if (number >= 0 && number <= 65535) return std::string(kErrPrefix) + std::to_string(number);
    char buf[24];
    std::snprintf(buf, sizeof buf, "Err:0x%08X", static_cast<uint32_t>(number));
    return buf;
}

std::string run(std::string_view op, std::span<const Variant> args) {
    try {
        if (auto it = binaryOps().find(op); it != binaryOps().end() && args.size() == 2)
            return literal::print(it->second(args[0], args[1]));
        if (auto it = unaryOps().find(op); it != unaryOps().end() && args.size() == 1)
            return literal::print(it->second(args[0]));
        if (op == "Cmp" && args.size() == 2) {
            switch (Cmp(args[0], args[1])) {
                case Comparison::LT: return "LT";
                case Comparison::EQ: return "EQ";
                case Comparison::GT: return "GT";
                case Comparison::Null: return "NULL";
            }
        }
        if (op == "Format" && args.size() == 2) {
            if (!args[1].isString()) return errorText(err::TypeMismatch);
            return literal::print(Format(args[0], args[1].str()));
        }
        return errorText(err::InvalidProcedureCall);
    } catch (const AutomationError& e) {
        return errorText(e.number());
    }
}

std::string run(const Case& c) {
    std::vector<Variant> values;
    try {
        for (const auto& a : c.args) values.push_back(literal::parse(a));
    } catch (const AutomationError& e) {
        return errorText(e.number());
    }
    return run(c.op, values);
}

std::string malformed(const Case& c) {
    if (!isOperation(c.op, c.args.size()))
        return "unknown operation '" + c.op + "' with " + std::to_string(c.args.size()) +
               " argument(s)";
    for (const auto& a : c.args) {
        try {
            literal::parse(a);
        } catch (const AutomationError& e) {
            return "argument '" + a + "': " + e.description();
        }
    }
    return {};
}

bool sameResult(std::string_view expected, std::string_view actual) {
    expected = trim(expected);
    actual = trim(actual);
    if (expected == actual) return true;
    if (expected.starts_with(kErrPrefix) || actual.starts_with(kErrPrefix)) return false;
    Variant e, a;
    try {
        e = literal::parse(expected);
        a = literal::parse(actual);
    } catch (const AutomationError&) {
        return false;
    }
    if (e.type() != a.type()) return false;
    switch (e.type()) {
        case VarType::R8: return sameDouble(e.r8(), a.r8());
        case VarType::Date: return sameDouble(e.date(), a.date());
        case VarType::R4: return sameDouble(e.r4(), a.r4());
        default: return literal::print(e) == literal::print(a);
    }
}

}  // namespace tav::vectors
