#include "host/structure/FieldFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "automation/conversions/Conversions.h"
#include "automation/values/AutomationError.h"
#include "automation/values/TypedLiteral.h"
#include "host/structure/gemmi/AtomSite.h"

namespace tav::structure::FieldFormat {

namespace {

namespace T = StructureText;

// Hybrid-36 (as gemmi writes it): decimal while the columns hold it, then base 36 from A000(0).
constexpr int kSerialDecimalLimit = 100000;
constexpr int kSeqDecimalLimit = 10000;
constexpr int kSeqDecimalFloor = -999;
constexpr int kSerialDecimalFloor = -9999;
constexpr int kBase36 = 36;
constexpr int kMaxCharge = 9;
constexpr int kPdbDecimalsCoordinate = 3;
constexpr int kPdbDecimalsValue = 2;
constexpr int kMaxCifDecimals = 12;
constexpr size_t kMaxCifWidth = 40;
constexpr char kNoText = '?';
constexpr char kNoAltLoc = '.';
constexpr char kInsCodeFirst = 'A', kInsCodeLast = '~';
constexpr std::string_view kBase36Digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kCifReserved[] = {"data_", "loop_", "save_", "global_", "stop_"};
constexpr std::string_view kCifSpecialStart = "_#$'\";[]";

[[noreturn]] void fail(const StructureField& f, std::string_view why, const Variant& v) {
    throw StructureFileError("the " + std::string(f.what) + std::string(why) + literal::print(v));
}

[[noreturn]] void doesNotFit(const StructureField& f, const Variant& v) {
    throw StructureFileError("the " + std::string(f.what) + " " + literal::print(v) +
                             std::string(T::DoesNotFit) + std::to_string(f.pdbColumn + 1) +
                             std::string(T::Columns) + std::to_string(f.pdbColumn + f.pdbWidth));
}

void requireValue(const StructureField& f, const Variant& v) {
    if (v.isEmpty() || v.isNull()) fail(f, T::NoValue, v);
}

double number(const StructureField& f, const Variant& v) {
    requireValue(f, v);
    double d = 0;
    try {
        d = CDbl(v);
    } catch (const AutomationError&) {
        fail(f, T::NotANumber, v);
    }
    if (!std::isfinite(d)) fail(f, T::NotANumber, v);
    return d;
}

int integer(const StructureField& f, const Variant& v) {
    requireValue(f, v);
    try {
        return CLng(v);
    } catch (const AutomationError&) {
        fail(f, T::NotAnInteger, v);
    }
}

std::string text(const StructureField& f, const Variant& v) {
    if (v.isEmpty() || v.isNull()) return {};
    std::string s;
    try {
        s = CStr(v);
    } catch (const AutomationError&) {
        fail(f, T::CifText, v);
    }
    for (unsigned char c : s)
        if (c < ' ' || c == 0x7f) fail(f, T::CifText, v);
    return s;
}

// PDB columns are read trimmed: blanks at a text's ends would not come back.
std::string pdbText(const StructureField& f, const Variant& v) {
    std::string s = text(f, v);
    if (!s.empty() && (s.front() == ' ' || s.back() == ' ')) fail(f, T::PdbBlanks, v);
    return s;
}

std::string base36(int value, size_t width) {
    std::string out(width, ' ');
    size_t i = width;
    do {
        out[--i] = kBase36Digits[static_cast<size_t>(value % kBase36)];
        value /= kBase36;
    } while (value != 0 && i != 0);
    return out;
}

int power36(int n) {
    int p = 1;
    while (n-- > 0) p *= kBase36;
    return p;
}

// Decimal from `floor` below `limit`, hybrid-36 (upper case) above it.
std::string hybrid36(const StructureField& f, const Variant& v, int n, int floor, int limit) {
    const auto width = static_cast<int>(f.pdbWidth);
    if (n >= floor && n < limit) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%*d", width, n);
        return buf;
    }
    const int offset = 10 * power36(width - 1);  // "A000..." follows the decimal "9999"
    const int top = power36(width) - 1 - offset + limit;
    if (n < floor || n > top) doesNotFit(f, v);
    return base36(n - limit + offset, f.pdbWidth);
}

// The number with that many decimals (no negative zero), or nothing when it needs more than
// `width` characters.
std::optional<std::string> decimal(double d, int decimals, size_t width) {
    if (d < 0 && d > -0.5 * std::pow(10.0, -decimals)) d = 0;
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::fixed, decimals);
    if (r.ec != std::errc() || static_cast<size_t>(r.ptr - buf) > width) return std::nullopt;
    return std::string(buf, r.ptr);
}

std::string fixed(const StructureField& f, const Variant& v, double d, int decimals) {
    const auto text = decimal(d, decimals, f.pdbWidth);
    if (!text) doesNotFit(f, v);
    return std::string(f.pdbWidth - text->size(), ' ') + *text;
}

std::string justified(const StructureField& f, const Variant& v, const std::string& s, bool right) {
    if (s.size() > f.pdbWidth) doesNotFit(f, v);
    const std::string pad(f.pdbWidth - s.size(), ' ');
    return right ? pad + s : s + pad;
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Columns 77-78 give the element only when they hold a letter.
std::string pdbElement(const StructureField& f, const Variant& v) {
    const std::string s = pdbText(f, v);
    bool letter = false;
    for (char c : s) letter = letter || isLetter(c);
    if (!letter) fail(f, T::PdbNoLetter, v);
    return justified(f, v, s, true);
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string atomName(const StructureField& f, const Variant& v, std::string_view element) {
    const std::string name = pdbText(f, v);
    const bool oneLetter =
        element.size() == 1 && !name.empty() && upper(element[0]) == upper(name[0]);
    return justified(f, v, oneLetter && name.size() < f.pdbWidth ? " " + name : name, false);
}

std::string charge(const StructureField& f, const Variant& v) {
    const int c = integer(f, v);
    if (c == 0) return std::string(f.pdbWidth, ' ');
    if (c < -kMaxCharge || c > kMaxCharge) doesNotFit(f, v);
    return std::string{static_cast<char>('0' + (c < 0 ? -c : c)), c < 0 ? '-' : '+'};
}

int decimalsOf(std::string_view original) {
    const size_t dot = original.find('.');
    if (dot == std::string_view::npos) return 0;
    int n = 0;
    for (size_t i = dot + 1; i < original.size() && original[i] >= '0' && original[i] <= '9'; ++i)
        ++n;
    return n;
}

std::string cifNumber(double d, std::string_view original) {
    const bool plain = original.find_first_of("eE?") == std::string_view::npos && !original.empty();
    if (plain) {
        const auto text = decimal(d, std::min(decimalsOf(original), kMaxCifDecimals), kMaxCifWidth);
        double back = 0;
        if (text &&
            std::from_chars(text->data(), text->data() + text->size(), back).ec == std::errc() &&
            back == d)
            return *text;
    }
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, d);
    return std::string(buf, r.ptr);
}

// gemmi reads an unquoted value of the printable ASCII characters only; a quoted one may hold
// any byte but a line end.
bool needsQuotes(const std::string& s) {
    if (s == "?" || s == ".") return true;
    if (kCifSpecialStart.find(s.front()) != std::string_view::npos) return true;
    for (unsigned char c : s)
        if (c <= ' ' || c > '~') return true;
    for (std::string_view word : kCifReserved) {
        if (s.size() < word.size()) continue;
        bool same = true;
        for (size_t i = 0; i < word.size(); ++i) same = same && (s[i] | 0x20) == word[i];
        if (same) return true;
    }
    return false;
}

std::string cifText(const StructureField& f, const Variant& v) {
    const std::string s = text(f, v);
    if (s.empty()) return std::string(1, f.id == FieldId::AltLoc ? kNoAltLoc : kNoText);
    if (!needsQuotes(s)) return s;
    if (s.find('\'') == std::string::npos) return "'" + s + "'";
    if (s.find('"') == std::string::npos) return "\"" + s + "\"";
    fail(f, T::CifText, v);
}

}  // namespace

std::string pdb(const StructureField& field, const Variant& value, std::string_view element) {
    switch (field.id) {
        case FieldId::AtomName:
            return atomName(field, value, element);
        case FieldId::Element:
            return pdbElement(field, value);
        case FieldId::ResidueName:
        case FieldId::ChainName:
            return justified(field, value, pdbText(field, value), true);
        case FieldId::AltLoc:
        case FieldId::InsCode:
            return justified(field, value, pdbText(field, value), false);
        case FieldId::Serial:
            return hybrid36(field, value, integer(field, value), kSerialDecimalFloor,
                            kSerialDecimalLimit);
        case FieldId::SeqNum:
            return hybrid36(field, value, integer(field, value), kSeqDecimalFloor,
                            kSeqDecimalLimit);
        case FieldId::Charge:
            return charge(field, value);
        case FieldId::BFactor:
        case FieldId::Occupancy:
            return fixed(field, value, number(field, value), kPdbDecimalsValue);
        case FieldId::X:
        case FieldId::Y:
        case FieldId::Z:
            return fixed(field, value, number(field, value), kPdbDecimalsCoordinate);
    }
    return {};
}

std::string cifNumberWithInsCode(const StructureField& seq, const Variant& number,
                                 const StructureField& insCode, const Variant& code) {
    const std::string digits = std::to_string(integer(seq, number));
    const std::string ins = text(insCode, code);
    // The reader takes a last character from 'A' on as the code, and the value stays unquoted.
    if (ins.size() > 1 || (ins.size() == 1 && (ins[0] < kInsCodeFirst || ins[0] > kInsCodeLast)))
        fail(insCode, T::InsCodeAfterNumber, code);
    return digits + ins;
}

std::string cif(const StructureField& field, const Variant& value, std::string_view original) {
    switch (field.type) {
        case FieldType::Text:
            return cifText(field, value);
        case FieldType::Long:
            return std::to_string(integer(field, value));
        case FieldType::Double:
            return cifNumber(number(field, value), original);
    }
    return {};
}

}  // namespace tav::structure::FieldFormat
