#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tav {

// The system registry of this platform: a text file of keys (backslash paths below the
// class root, compared without regard to ASCII case) holding named string values, in the
// shape of a registry export:
//
//   # TAVParts registry
//   [CLSID\{...}\InprocServer32]
//   @ = "/usr/lib/libTAVParts.so"
//   ThreadingModel = "Apartment"
//
// "@" is a key's default value (value name ""). Values are quoted with the escapes of string
// literals. The file is TAVPARTS_REGISTRY when that variable is set, otherwise
// $XDG_CONFIG_HOME/tavparts/registry, otherwise ~/.config/tavparts/registry (as the calling
// thread sees its environment; a relative path is taken from its current directory). A
// missing file is an empty registry; a malformed one is refused with error 321 naming file,
// line and why.
//
// Several threads and processes may write at once: a change is a read, modify and write of
// the whole file under an advisory lock (update()), so no writer loses another's entries, and
// the new text replaces the file in one step (a reader sees the old file or the new one).
class FileRegistry {
public:
    static constexpr std::string_view kPathVariable = "TAVPARTS_REGISTRY";
    // The lock file beside the registry: locking the registry file itself would not do, as
    // every write puts a new file in its place.
    static constexpr std::string_view kLockSuffix = ".lock";
    static std::string defaultPath();

    // Reads the registry at `path` (the default path when empty), lets `change` modify it and
    // writes it, all under the lock: changes of other writers that came first are kept. Errors
    // of reading (a malformed file) and of `change` leave the file as it was.
    static void update(const std::function<void(FileRegistry&)>& change, std::string path = {});

    // Loads the registry at `path` (the default path when empty).
    explicit FileRegistry(std::string path = {});
    // A registry read from `text`, as if it were the file at `path` (which it names in errors).
    static FileRegistry fromText(std::string_view text, std::string path);

    const std::string& path() const { return path_; }
    std::optional<std::string> value(std::string_view key, std::string_view name = {}) const;
    bool hasKey(std::string_view key) const;
    // Whether the key is there: it holds values, or keys lie below it.
    bool keyExists(std::string_view key) const;
    void setValue(std::string_view key, std::string_view name, std::string_view data);
    // Removes a key with its values and every key below it; false when there was none.
    bool deleteTree(std::string_view key);
    // The file's text, as save() writes it.
    std::string text() const;
    // Writes the file under the lock, through a temporary file of its own that is flushed to
    // disk and then renamed over the registry; creates the folder when needed. Error 75 when it
    // cannot be written. A registry read earlier overwrites changes made since: to change
    // entries, use update().
    void save() const;

private:
    struct Value {
        std::string name;
        std::string data;
    };
    struct Key {
        std::string path;
        std::vector<Value> values;
    };
    struct Unread {};
    class Lock;
    FileRegistry(std::string path, Unread) : path_(std::move(path)) {}
    const Key* findKey(std::string_view key) const;
    Key& addKey(std::string_view key);
    void reindex();
    void load();
    void parse(std::string_view text);
    void write() const;

    std::string path_;
    std::vector<Key> keys_;
    // Position of each key in keys_, by its path folded to lower case.
    std::unordered_map<std::string, size_t> index_;
};

}  // namespace tav
