#include "host/objects/System.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <system_error>
#include <vector>

#include "automation/conversions/Conversions.h"
#include "automation/locale/Locale.h"
#include "automation/objects/TextFile.h"
#include "automation/server/FileRegistry.h"
#include "automation/server/ThreadEnvironment.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/Excerpt.h"
#include "sources/LoadedModules.h"

namespace tav {

namespace T = SystemText;
namespace fs = std::filesystem;

namespace {

// A path a script gives, as the thread means it (from its own current directory).
fs::path at(std::string_view path) { return ThreadEnvironment::resolve(fs::path(path)); }

[[noreturn]] void fail(int32_t number, std::string_view what, std::string_view path, std::string_view why = {}) {
    std::string description = std::string(what) + excerpt(path);
    if (!why.empty()) description += std::string(T::Reason) + std::string(why);
    throw AutomationError(number, std::string(T::ErrSource), std::move(description));
}

// The temporary folders made in this process, removed when it ends.
class TempFolders {
public:
    ~TempFolders() {
        for (const std::string& f : folders_) {
            std::error_code ec;
            fs::remove_all(f, ec);
        }
    }
    void add(std::string folder) {
        const std::lock_guard lock(mutex_);
        folders_.push_back(std::move(folder));
    }

private:
    std::mutex mutex_;
    std::vector<std::string> folders_;
};

TempFolders& tempFolders() {
    static TempFolders folders;
    return folders;
}

}  // namespace

ClassDesc System::describe() {
    using C = System;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(method<&C::TempDir>(T::TempDir))
        .add(method<&C::MakeDir>(T::MakeDir, {T::PathParam}))
        .add(method<&C::WriteText>(T::WriteText, {T::PathParam, T::TextParam}))
        .add(method<&C::ReadText>(T::ReadText, {T::PathParam}))
        .add(method<&C::CopyFile>(T::CopyFile, {T::FromParam, T::ToParam}))
        .add(method<&C::Exists>(T::Exists, {T::PathParam}))
        .add(method<&C::SetEnv>(T::SetEnv, {T::NameParam, opt(T::ValueParam)}))
        .add(method<&C::GetEnv>(T::GetEnv, {T::NameParam}))
        .add(property<&C::CurrentDir, &C::SetCurrentDir>(T::CurrentDir))
        .add(property<&C::GetLocale, &C::SetLocale>(T::Locale))
        .add(method<&C::Path>(T::Path, {T::PartsParam}))
        .add(method<&C::Symlink>(T::Symlink, {T::TargetParam, T::LinkParam}))
        .add(method<&C::LibraryPath>(T::LibraryPath, {T::FileNameParam}))
        .add(method<&C::SetRegValue>(T::SetRegValue, {T::KeyParam, T::ValueNameParam, T::DataParam}));
}

std::string System::TempDir() {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / T::TempPattern).string();
    if (!::mkdtemp(pattern.data())) fail(err::PathFileAccess, T::CannotMake, pattern);
    tempFolders().add(pattern);
    return pattern;
}

void System::MakeDir(std::string_view Path) {
    std::error_code ec;
    fs::create_directories(at(Path), ec);
    if (ec) fail(err::PathFileAccess, T::CannotMake, Path, ec.message());
}

void System::WriteText(std::string_view Path, std::string_view Text) {
    std::ofstream out{at(Path), std::ios::binary | std::ios::trunc};
    out << Text;
    out.close();
    if (!out) fail(err::PathFileAccess, T::CannotWrite, Path);
}

std::string System::ReadText(std::string_view Path) {
    try {
        return TextFile::read(at(Path));
    } catch (const TextFile::Refused& e) {
        if (e.missing()) fail(err::FileNotFound, T::CannotRead, Path);
        fail(err::PathFileAccess, T::CannotRead, Path, e.what());
    }
}

void System::CopyFile(std::string_view From, std::string_view To) {
    std::error_code ec;
    fs::copy_file(at(From), at(To), fs::copy_options::overwrite_existing, ec);
    if (ec) fail(err::PathFileAccess, T::CannotCopy, From, ec.message());
}

bool System::Exists(std::string_view Path) {
    std::error_code ec;
    return fs::exists(at(Path), ec);
}

void System::SetEnv(std::string_view Name, const Variant& Value) {
    // What the environment itself would refuse.
    if (Name.empty() || Name.find_first_of(T::NotInNames) != std::string_view::npos)
        fail(err::InvalidProcedureCall, T::CannotSetEnv, Name);
    if (isMissing(Value) || Value.isEmpty()) {
        ThreadEnvironment::set(Name, std::nullopt);
        return;
    }
    const std::string value = CStr(Value);
    ThreadEnvironment::set(Name, value);
}

Variant System::GetEnv(std::string_view Name) {
    const std::optional<std::string> value = ThreadEnvironment::get(Name);
    return value ? Variant(std::string_view(*value)) : Variant();
}

std::string System::CurrentDir() { return ThreadEnvironment::currentDirectory().string(); }

void System::SetCurrentDir(std::string_view Path) {
    if (const std::error_code ec = ThreadEnvironment::setCurrentDirectory(fs::path(Path)))
        fail(err::PathFileAccess, T::CannotChangeTo, Path, ec.message());
}

std::string System::GetLocale() {
    return Locale::current().name;
}

void System::SetLocale(std::string_view Name) {
    Locale::setCurrent(Locale::named(Name));
}

std::string System::Path(std::span<Variant> Parts) {
    fs::path out;
    for (const Variant& part : Parts) out /= CStr(part);
    return out.string();
}

void System::Symlink(std::string_view Target, std::string_view Link) {
    std::error_code ec;
    // The target is kept as given: a relative one is taken from the link's folder.
    fs::create_symlink(fs::path(Target), at(Link), ec);
    if (ec) fail(err::PathFileAccess, T::CannotLink, Link, ec.message());
}

std::string System::LibraryPath(std::string_view FileName) {
    const std::optional<std::string> path = LoadedModules::find(FileName);
    if (!path) fail(err::FileNotFound, T::NotLoaded, FileName);
    return *path;
}

void System::SetRegValue(std::string_view Key, std::string_view ValueName, std::string_view Data) {
    FileRegistry::update([&](FileRegistry& registry) { registry.setValue(Key, ValueName, Data); });
}

}  // namespace tav
