#pragma once
#include <optional>
#include <string>
#include <string_view>
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
// $XDG_CONFIG_HOME/tavparts/registry, otherwise ~/.config/tavparts/registry. A missing file
// is an empty registry; a malformed one is refused with error 321 naming file and line.
class FileRegistry {
public:
    static constexpr std::string_view kPathVariable = "TAVPARTS_REGISTRY";
    static std::string defaultPath();

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
    // Writes the file (through a temporary file, so a reader never sees half of it); creates
    // the folder when needed. Error 75 when it cannot be written.
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
    FileRegistry(std::string path, Unread) : path_(std::move(path)) {}
    const Key* findKey(std::string_view key) const;
    void parse(std::string_view text);

    std::string path_;
    std::vector<Key> keys_;
};

}  // namespace tav
