#pragma once
#include <span>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"

namespace tav {

namespace SystemText {
inline constexpr std::string_view ClassName = "System";
inline constexpr std::string_view ClassHelp =
    "The process around the library, for tests: folders, files, environment variables, the current "
    "directory, the thread's locale, loaded libraries and the registry.";
inline constexpr std::string_view TempDir = "TempDir";
inline constexpr std::string_view MakeDir = "MakeDir";
inline constexpr std::string_view WriteText = "WriteText";
inline constexpr std::string_view ReadText = "ReadText";
inline constexpr std::string_view CopyFile = "CopyFile";
inline constexpr std::string_view Exists = "Exists";
inline constexpr std::string_view SetEnv = "SetEnv";
inline constexpr std::string_view GetEnv = "GetEnv";
inline constexpr std::string_view CurrentDir = "CurrentDir";
inline constexpr std::string_view Path = "Path";
inline constexpr std::string_view Symlink = "Symlink";
inline constexpr std::string_view LibraryPath = "LibraryPath";
inline constexpr std::string_view SetRegValue = "SetRegValue";
inline constexpr std::string_view Locale = "Locale";
inline constexpr std::string_view PathParam = "Path";
inline constexpr std::string_view TextParam = "Text";
inline constexpr std::string_view FromParam = "From";
inline constexpr std::string_view ToParam = "To";
inline constexpr std::string_view NameParam = "Name";
inline constexpr std::string_view ValueParam = "Value";
inline constexpr std::string_view PartsParam = "Parts";
inline constexpr std::string_view TargetParam = "Target";
inline constexpr std::string_view LinkParam = "Link";
inline constexpr std::string_view FileNameParam = "FileName";
inline constexpr std::string_view KeyParam = "Key";
inline constexpr std::string_view ValueNameParam = "ValueName";
inline constexpr std::string_view DataParam = "Data";
// Temporary folders are made from this pattern in the system's temporary folder.
inline constexpr std::string_view TempPattern = "tavparts-XXXXXX";
// Errors: 75 (53 for a file or library that is not there) with this source.
inline constexpr std::string_view ErrSource = "System";
inline constexpr std::string_view CannotMake = "Cannot make ";
inline constexpr std::string_view CannotWrite = "Cannot write ";
inline constexpr std::string_view CannotRead = "Cannot read ";
inline constexpr std::string_view CannotCopy = "Cannot copy ";
inline constexpr std::string_view CannotLink = "Cannot link ";
inline constexpr std::string_view CannotSetEnv = "Cannot set the environment variable ";
inline constexpr std::string_view NotInNames = "=";
inline constexpr std::string_view CannotChangeTo = "Cannot change to ";
inline constexpr std::string_view NotLoaded = "No library of that name is loaded: ";
inline constexpr std::string_view Reason = ": ";
}  // namespace SystemText

// The process the library runs in, as tests drive it (Host.System): folders and files,
// environment variables, the current directory, the libraries the process has loaded, and
// the file registry. Environment variables and the current directory are the calling thread's
// view of them (ThreadEnvironment.h): a script that sets them never moves the ground under a
// script on another thread, and relative paths are taken from the thread's current directory.
// Folders from TempDir are removed when the process ends.
class System : public Dispatchable<System> {
public:
    static ClassDesc describe();

    // A new empty folder.
    std::string TempDir();
    // Makes the folder and its parents.
    void MakeDir(std::string_view Path);
    void WriteText(std::string_view Path, std::string_view Text);
    std::string ReadText(std::string_view Path);
    void CopyFile(std::string_view From, std::string_view To);
    bool Exists(std::string_view Path);
    // Empty (or omitted) unsets the variable.
    void SetEnv(std::string_view Name, const Variant& Value);
    // Empty when the variable is not set.
    Variant GetEnv(std::string_view Name);
    std::string CurrentDir();
    void SetCurrentDir(std::string_view Path);
    // The calling thread's locale by its BCP 47 name; a name the library does not know fails with
    // error 5 and changes nothing.
    std::string GetLocale();
    void SetLocale(std::string_view Name);
    // The parts joined into one path with "/".
    std::string Path(std::span<Variant> Parts);
    // Makes Link a symbolic link to Target.
    void Symlink(std::string_view Target, std::string_view Link);
    // The full path of a library the process has loaded, by its file name.
    std::string LibraryPath(std::string_view FileName);
    // Writes a value into the file registry ($TAVPARTS_REGISTRY, ...): Key below the class
    // root, ValueName "" for the key's default value.
    void SetRegValue(std::string_view Key, std::string_view ValueName, std::string_view Data);
};

}  // namespace tav
