#include "automation/server/FileRegistry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "automation/values/AutomationError.h"
#include "automation/objects/DispatchTypes.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/ErrorTexts.h"
#include "automation/values/TypedLiteral.h"

namespace tav {

namespace {

constexpr std::string_view kSource = "Registry";
constexpr std::string_view kHeader = "# TAVParts registry";
constexpr std::string_view kDefaultValueName = "@";
constexpr std::string_view kStringTag = "Str:";
constexpr std::string_view kConfigFolder = "tavparts";
constexpr std::string_view kFileName = "registry";
constexpr std::string_view kTempSuffix = ".tmp";

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

[[noreturn]] void refuse(const std::string& file, size_t line, std::string_view what) {
    throw AutomationError(err::InvalidFileFormat, std::string(kSource),
                          file + ":" + std::to_string(line) + ": " + std::string(what));
}

// Reads a quoted string at the front of `rest` (the escapes of string literals).
std::string readQuoted(std::string_view& rest, const std::string& file, size_t line) {
    std::string probe = std::string(kStringTag) + std::string(rest);
    std::string_view p = probe;
    try {
        Variant v = literal::parsePrefix(p);
        rest.remove_prefix(rest.size() - p.size());
        return std::string(v.str());
    } catch (const AutomationError& e) {
        refuse(file, line, "expected a quoted string: " + e.description());
    }
}

// Value names other than plain words are written quoted.
std::string writtenName(const std::string& name) {
    if (name.empty()) return std::string(kDefaultValueName);
    for (char c : name) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '_' || c == '.' || c == '-';
        if (!plain) return literal::quote(name);
    }
    return name;
}

// A key path below `parent`?
bool isBelow(std::string_view key, std::string_view parent) {
    return key.size() > parent.size() && key[parent.size()] == '\\' &&
           equalsNoCase(key.substr(0, parent.size()), parent);
}

}  // namespace

std::string FileRegistry::defaultPath() {
    if (const char* p = std::getenv(std::string(kPathVariable).c_str()); p && *p) return p;
    std::filesystem::path base;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
        base = x;
    else if (const char* h = std::getenv("HOME"); h && *h)
        base = std::filesystem::path(h) / ".config";
    else
        base = std::filesystem::temp_directory_path();
    return (base / kConfigFolder / kFileName).string();
}

FileRegistry::FileRegistry(std::string path) : path_(path.empty() ? defaultPath() : std::move(path)) {
    std::ifstream in(path_, std::ios::binary);
    if (!in) return;  // no file yet: an empty registry
    std::ostringstream text;
    text << in.rdbuf();
    parse(text.str());
}

FileRegistry FileRegistry::fromText(std::string_view text, std::string path) {
    FileRegistry r(std::move(path), Unread{});
    r.parse(text);
    return r;
}

void FileRegistry::parse(std::string_view text) {
    size_t lineNo = 0;
    Key* current = nullptr;
    while (!text.empty()) {
        ++lineNo;
        const size_t eol = text.find('\n');
        std::string_view line = trim(text.substr(0, eol));
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3) refuse(path_, lineNo, "expected '[KEY]'");
            const std::string_view key = line.substr(1, line.size() - 2);
            if (findKey(key)) refuse(path_, lineNo, "key [" + std::string(key) + "] given twice");
            keys_.push_back(Key{std::string(key), {}});
            current = &keys_.back();
            continue;
        }
        if (!current) refuse(path_, lineNo, "expected '[KEY]' before the first value");
        std::string name;
        if (line.substr(0, kDefaultValueName.size()) == kDefaultValueName) {
            line.remove_prefix(kDefaultValueName.size());
        } else if (line.front() == '"') {
            name = readQuoted(line, path_, lineNo);
        } else {
            const size_t end = line.find_first_of(" \t=");
            name = std::string(line.substr(0, end));
            line.remove_prefix(end == std::string_view::npos ? line.size() : end);
        }
        line = trim(line);
        if (line.empty() || line.front() != '=') refuse(path_, lineNo, "expected 'NAME = \"VALUE\"'");
        line = trim(line.substr(1));
        if (line.empty() || line.front() != '"') refuse(path_, lineNo, "expected a quoted value");
        std::string data = readQuoted(line, path_, lineNo);
        if (!trim(line).empty()) refuse(path_, lineNo, "unexpected text after the value");
        current->values.push_back(Value{std::move(name), std::move(data)});
    }
}

const FileRegistry::Key* FileRegistry::findKey(std::string_view key) const {
    for (const Key& k : keys_)
        if (equalsNoCase(k.path, key)) return &k;
    return nullptr;
}

std::optional<std::string> FileRegistry::value(std::string_view key, std::string_view name) const {
    const Key* k = findKey(key);
    if (!k) return std::nullopt;
    for (const Value& v : k->values)
        if (equalsNoCase(v.name, name)) return v.data;
    return std::nullopt;
}

bool FileRegistry::hasKey(std::string_view key) const { return findKey(key) != nullptr; }

bool FileRegistry::keyExists(std::string_view key) const {
    if (hasKey(key)) return true;
    for (const Key& k : keys_)
        if (isBelow(k.path, key)) return true;
    return false;
}

void FileRegistry::setValue(std::string_view key, std::string_view name, std::string_view data) {
    Key* k = const_cast<Key*>(findKey(key));
    if (!k) {
        keys_.push_back(Key{std::string(key), {}});
        k = &keys_.back();
    }
    for (Value& v : k->values) {
        if (equalsNoCase(v.name, name)) {
            v.data = data;
            return;
        }
    }
    k->values.push_back(Value{std::string(name), std::string(data)});
}

bool FileRegistry::deleteTree(std::string_view key) {
    const size_t before = keys_.size();
    std::erase_if(keys_, [&](const Key& k) { return equalsNoCase(k.path, key) || isBelow(k.path, key); });
    return keys_.size() != before;
}

std::string FileRegistry::text() const {
    std::ostringstream out;
    out << kHeader << '\n';
    for (const Key& k : keys_) {
        out << '[' << k.path << "]\n";
        for (const Value& v : k.values) {
            out << writtenName(v.name) << " = " << literal::quote(v.data) << '\n';
        }
    }
    return out.str();
}

void FileRegistry::save() const {
    const std::filesystem::path target(path_);
    std::error_code ec;
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    const std::string temp = path_ + std::string(kTempSuffix);
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file << text();
        file.close();
        if (!file)
            throw AutomationError(err::PathFileAccess, std::string(kSource),
                                  std::string(err::TextPathFileAccess) + ": " + temp);
    }
    std::filesystem::rename(temp, target, ec);
    if (ec)
        throw AutomationError(err::PathFileAccess, std::string(kSource),
                              std::string(err::TextPathFileAccess) + ": " + path_);
}

}  // namespace tav
