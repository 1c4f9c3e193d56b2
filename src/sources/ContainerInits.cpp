#include "sources/ContainerInits.h"

#include <dlfcn.h>

#include <array>
#include <filesystem>
#include <mutex>
#include <optional>
#include <system_error>
#include <utility>

#include "automation/conversions/Conversions.h"
#include "automation/objects/Invoke.h"
#include "automation/objects/Prompts.h"
#include "automation/server/ThreadEnvironment.h"
#include "automation/values/AutomationError.h"
#include "contracts/ObjectCreation.h"
#include "contracts/RegisteredClasses.h"
#include "sources/LoadedModules.h"
#include "sources/RegUtil.h"

namespace tav::ContainerInits {

namespace T = Text;
namespace fs = std::filesystem;

namespace {

// The start-up's findings, once per thread.
struct ModuleState {
    bool attempted = false;
    bool succeeded = false;
    bool inHost = false;
    std::string savedDirectory;
    std::string dataDirectory;
    std::string installFolder;
};
thread_local ModuleState tState;

const std::string kTitle(library::kModuleName);

struct RequiredFolder {
    std::string_view folder;
    std::string_view missing;
};
constexpr std::array<RequiredFolder, 3> kDataFolders = {{
    {T::IntlFolder, T::MissingIntlFolder},
    {T::StateFolder, T::MissingStateFolder},
    {T::SystemFolder, T::MissingSystemFolder},
}};

using InitializeFn = void (*)(const char*, const char*, void*, void*);

// This thread's current directory, read as into a buffer of PathBufferChars: empty when it
// does not fit.
std::string currentDirectory() {
    std::string here = ThreadEnvironment::currentDirectory().string();
    return here.size() < PathBufferChars ? here : std::string();
}

std::string upToLastSeparator(const std::string& path) { return path.substr(0, path.rfind(T::PathSeparator)); }

// Whether the path is there as `kind`; an error other than "not there" is left in `ec`.
bool isThere(const std::string& path, fs::file_type kind, std::error_code& ec) {
    std::error_code own;
    const fs::file_status s = fs::status(ThreadEnvironment::resolve(path), own);
    if (own && own != std::errc::no_such_file_or_directory && own != std::errc::not_a_directory) ec = own;
    return s.type() == kind;
}

void appendError(std::string& problems, const std::error_code& ec) {
    if (ec) problems += ec.message() + std::string(T::LineBreak);
}

void validateDataDirectory(std::string& dataDirectory) {
    for (;;) {
        std::string problems;
        std::error_code ec;
        for (const RequiredFolder& f : kDataFolders) {
            const std::string path = dataDirectory + std::string(f.folder);
            if (!isThere(path, fs::file_type::directory, ec))
                problems += std::string(f.missing) + std::string(T::LineBreak) + std::string(T::Tab) + path +
                            std::string(T::LineBreak);
        }
        appendError(problems, ec);
        if (problems.empty()) return;
        dataDirectory = currentPrompts().inputBox(problems, T::DataDirectoryTitle, dataDirectory);
        if (dataDirectory.empty()) return;
    }
}

void validateInstallFolder(std::string& installFolder) {
    const std::string title = std::string(T::EnterPathOf) + std::string(T::HostExecutable);
    for (;;) {
        std::string problems;
        std::error_code ec;
        const std::string exe = installFolder + T::PathSeparator + std::string(T::HostExecutable);
        const std::string parser = installFolder + T::PathSeparator + std::string(T::ParserLibrary);
        if (!isThere(exe, fs::file_type::regular, ec))
            problems = title;
        else if (!isThere(parser, fs::file_type::regular, ec))
            problems += std::string(T::MissingParser) + std::string(T::LineBreak) + std::string(T::Tab) + parser +
                        std::string(T::LineBreak);
        appendError(problems, ec);
        if (problems.empty()) return;
        installFolder = currentPrompts().inputBox(problems, title, installFolder);
        if (installFolder.empty()) return;
    }
}

// The data directory the host's provider gives (its first property); nothing when it fails.
std::optional<std::string> providedDataDirectory() {
    try {
        const Ref<Object> provider = createObject(T::DataDirectoryProviderProgId);
        const ClassDesc* desc = provider ? provider->classDesc() : nullptr;
        if (!desc || desc->defaultInterface().members().empty()) return std::nullopt;
        const MemberDesc& first = desc->defaultInterface().members().front();
        return CStr(invokeMember(*provider, first, InvokeKind::PropertyGet, {}));
    } catch (const AutomationError&) {
        return std::nullopt;
    }
}

// Inside the host: the install folder is the host executable's.
bool initialiseInHost(ModuleState& s, const std::string& hostPath) {
    s.inHost = true;
    s.succeeded = true;
    if (hostPath.size() >= PathBufferChars) {
        s.succeeded = false;
        currentPrompts().messageBox(std::string(T::NoModulePath) + std::string(T::HostExecutable), msgbox::OKOnly,
                                    kTitle);
    } else {
        s.installFolder = upToLastSeparator(hostPath);
    }
    return s.succeeded;
}

bool initialise(ModuleState& s) {
    s.attempted = true;
    s.savedDirectory = currentDirectory();
    s.dataDirectory = s.savedDirectory;
    if (std::optional<std::string> provided = providedDataDirectory()) s.dataDirectory = std::move(*provided);
    if (!s.dataDirectory.empty() && s.dataDirectory.back() == T::PathSeparator) s.dataDirectory.pop_back();
    validateDataDirectory(s.dataDirectory);
    if (s.dataDirectory.empty()) return s.succeeded = false;

    if (const std::optional<std::string> host = LoadedModules::find(T::HostExecutable))
        return initialiseInHost(s, *host);

    const std::string key = std::string(T::RegistryPathHead) + std::string(T::HostClassId) +
                            std::string(T::RegistryPathTail);
    try {
        const std::string exe = RegUtil::GetRegValue(RegUtil::HKEY_CLASSES_ROOT, key);
        // A value without a folder leaves the install folder as it was.
        if (exe.find(T::PathSeparator) != std::string::npos) s.installFolder = upToLastSeparator(exe);
    } catch (const AutomationError& e) {
        currentPrompts().messageBox(std::string(T::NoInstallPath) + std::string(T::LineBreak) + e.description(),
                                    msgbox::OKOnly, kTitle);
        s.installFolder = s.savedDirectory;
    }
    validateInstallFolder(s.installFolder);
    if (s.installFolder.empty()) return s.succeeded = false;
    InitiateXMLParser();
    return s.succeeded = true;
}

}  // namespace

bool ContainerInit() {
    if (tState.attempted) return tState.succeeded;
    return initialise(tState);
}

std::string StateDir() { return ContainerInit() ? tState.dataDirectory + std::string(T::StateFolder) : std::string(); }

std::string SystemDir() {
    return ContainerInit() ? tState.dataDirectory + std::string(T::SystemFolder) : std::string();
}

std::string StartedSystemDir() {
    if (!tState.attempted || !tState.succeeded) return {};
    // A relative data directory was taken from the directory the start-up ran in.
    return (fs::path(tState.savedDirectory) / (tState.dataDirectory + std::string(T::SystemFolder))).string();
}

IRef<iQvState> CreateStateFromMetaFile(std::string_view strFileName) {
    if (!ContainerInit()) return {};
    const IRef<iQvState> state = query<iQvState>(createObject(T::StateProgId).get());
    std::string path(strFileName);
    if (path.find(T::PathSeparator) == std::string::npos) path = StateDir() + T::PathSeparator + path;
    // The load takes State.dtd from this thread's system folder (StartedSystemDir) by its full
    // path: no current directory changes under other threads.
    state->LoadMetaFile(path, MetaFileLoadFlag);
    return state;
}

std::mutex& ParserStartLock() {
    static std::mutex lock;
    return lock;
}

void InitiateXMLParser() {
    const std::string title = kTitle + std::string(T::ParserTitleSuffix);
    const int flags = msgbox::Critical + msgbox::OKOnly;
    const std::string intl = tState.dataDirectory + std::string(T::IntlFolder);
    if (!ThreadEnvironment::setForProcessOnce(T::IntlVariable, intl))
        currentPrompts().messageBox(std::string(T::SetEnvFailed) + std::string(T::IntlVariable) +
                                        std::string(T::Equals) + intl,
                                    flags, title);
    const std::string library = tState.installFolder + T::PathSeparator + std::string(T::ParserLibrary);
    void* handle = ::dlopen(ThreadEnvironment::resolve(library).c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (!handle) currentPrompts().messageBox(std::string(T::LoadFailed) + library, flags, title);

    // The entry is looked up by the library's file name, which finds the copy loaded above, or
    // one the process had already.
    const std::string fileName(T::ParserLibrary);
    void* bound = handle ? handle : ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_NOLOAD);
    int32_t code = ErrorNone;
    std::string pending;
    if (!bound) {
        code = ErrorModuleNotFound;
        pending = std::string(T::LibraryNotLoaded) + fileName;
    } else if (void* entry = ::dlsym(bound, T::InitializeSymbol)) {
        const void* locale = ::dlsym(bound, T::DefaultLocaleSymbol);
        const std::lock_guard started(ParserStartLock());
        try {
            reinterpret_cast<InitializeFn>(entry)(locale ? static_cast<const char*>(locale) : T::DefaultLocale,
                                                  nullptr, nullptr, nullptr);
        } catch (...) {
            code = ErrorInitRaised;
            pending = std::string(T::InitRaised);
        }
    } else {
        code = ErrorProcNotFound;
        pending = std::string(T::EntryPointMissing) + T::InitializeSymbol + std::string(T::EntryPointIn) + fileName;
    }
    if (code != ErrorNone && code != ErrorHarmless)
        currentPrompts().messageBox(std::string(T::InitFailed) + std::to_string(code) + std::string(T::LineBreak) +
                                        pending,
                                    flags, title);
}

}  // namespace tav::ContainerInits
