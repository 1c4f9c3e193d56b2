#include "automation/server/FileRegistry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "automation/objects/DispatchTypes.h"
#include "automation/objects/TextFile.h"
#include "automation/server/ThreadEnvironment.h"
#include "automation/values/AutomationError.h"
#include "automation/values/Excerpt.h"
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
// Temporary files are made beside the registry from this pattern, one of its own per writer.
constexpr std::string_view kTempPattern = ".XXXXXX";
constexpr std::string_view kConfigVariable = "XDG_CONFIG_HOME";
constexpr std::string_view kHomeVariable = "HOME";
constexpr std::string_view kHomeConfigFolder = ".config";
constexpr std::string_view kReasonSeparator = ": ";
constexpr mode_t kFileMode = 0644;

std::string folded(std::string_view key) {
    std::string out(key);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

[[noreturn]] void cannotAccess(const std::string& path, std::string_view why = {}) {
    std::string description = std::string(err::TextPathFileAccess) + std::string(kReasonSeparator) + path;
    if (!why.empty()) description += std::string(kReasonSeparator) + std::string(why);
    throw AutomationError(err::PathFileAccess, std::string(kSource), std::move(description));
}

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

// Takes the advisory lock for as long as it lives: every writer, in this process or another,
// opens the lock file of its own and waits for the others.
class FileRegistry::Lock {
public:
    explicit Lock(const std::string& registry) {
        const std::filesystem::path target = ThreadEnvironment::resolve(registry);
        std::error_code ec;
        if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
        const std::string lockPath = target.string() + std::string(kLockSuffix);
        fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kFileMode);
        if (fd_ < 0) cannotAccess(lockPath, std::generic_category().message(errno));
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd_);
            cannotAccess(lockPath, std::generic_category().message(error));
        }
    }
    ~Lock() { ::close(fd_); }  // closing lets go of the lock
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    int fd_ = -1;
};

std::string FileRegistry::defaultPath() {
    if (const auto p = ThreadEnvironment::get(kPathVariable); p && !p->empty()) return *p;
    std::filesystem::path base;
    if (const auto x = ThreadEnvironment::get(kConfigVariable); x && !x->empty())
        base = *x;
    else if (const auto h = ThreadEnvironment::get(kHomeVariable); h && !h->empty())
        base = std::filesystem::path(*h) / kHomeConfigFolder;
    else
        base = std::filesystem::temp_directory_path();
    return (base / kConfigFolder / kFileName).string();
}

FileRegistry::FileRegistry(std::string path) : path_(path.empty() ? defaultPath() : std::move(path)) { load(); }

void FileRegistry::load() {
    std::string text;
    try {
        text = TextFile::read(ThreadEnvironment::resolve(path_));
    } catch (const TextFile::Refused& e) {
        if (e.missing()) return;  // no file yet: an empty registry
        throw AutomationError(err::InvalidFileFormat, std::string(kSource),
                              path_ + std::string(kReasonSeparator) + e.what());
    }
    parse(text);
}

void FileRegistry::update(const std::function<void(FileRegistry&)>& change, std::string path) {
    FileRegistry reg(path.empty() ? defaultPath() : std::move(path), Unread{});
    const Lock lock(reg.path_);
    reg.load();
    change(reg);
    reg.write();
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
            if (findKey(key)) refuse(path_, lineNo, "key [" + excerpt(key) + "] given twice");
            current = &addKey(key);
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
    const auto it = index_.find(folded(key));
    return it == index_.end() ? nullptr : &keys_[it->second];
}

FileRegistry::Key& FileRegistry::addKey(std::string_view key) {
    index_.emplace(folded(key), keys_.size());
    keys_.push_back(Key{std::string(key), {}});
    return keys_.back();
}

void FileRegistry::reindex() {
    index_.clear();
    for (size_t i = 0; i < keys_.size(); ++i) index_.emplace(folded(keys_[i].path), i);
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
    if (!k) k = &addKey(key);
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
    if (keys_.size() == before) return false;
    reindex();
    return true;
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
    const Lock lock(path_);
    write();
}

void FileRegistry::write() const {
    const std::filesystem::path target = ThreadEnvironment::resolve(path_);
    std::string temp = target.string() + std::string(kTempPattern);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) cannotAccess(temp, std::generic_category().message(errno));
    const std::string content = text();
    // The registry keeps the permissions it has (a new one is readable by all, as config is).
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : kFileMode;
    bool written = ::fchmod(fd, mode) == 0;
    for (size_t done = 0; written && done < content.size();) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        written = n > 0;
        if (written) done += static_cast<size_t>(n);
    }
    // On disk before it takes the registry's place: a crash leaves the old file or the new one.
    written = written && ::fsync(fd) == 0;
    const int error = errno;
    written = ::close(fd) == 0 && written;
    if (!written) {
        ::unlink(temp.c_str());
        cannotAccess(temp, std::generic_category().message(error));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp.c_str());
        cannotAccess(path_, std::generic_category().message(renameError));
    }
}

}  // namespace tav
