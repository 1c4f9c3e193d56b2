#pragma once
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "automation/objects/Interfaces.h"
#include "contracts/iQvState.h"

// The start-up of the host's state system, once per thread on first need: finds the host's
// data directory (through its data-directory provider) and install folder (through the
// registry entry of the host executable, or the running host itself), asks the user for
// another path while expected folders or files are missing, points the XML parser at its
// international files and starts the parser library from the install folder. Then it offers
// the state folder and state objects made from state meta files.
namespace tav::ContainerInits {

namespace Text {
// The host's install folder and its registration.
inline constexpr std::string_view HostExecutable = "Orvane";
inline constexpr std::string_view ParserLibrary = "libxerces-c-3.2.so";
inline constexpr std::string_view HostClassId = "{8E4B2F61-7A3C-4D59-B1E8-2C6F0D9A5B37}";
inline constexpr std::string_view RegistryPathHead = "\\CLSID\\";
inline constexpr std::string_view RegistryPathTail = "\\LocalServer32\\";
// The host's classes the start-up creates, by program id.
inline constexpr std::string_view DataDirectoryProviderProgId = "Host.DataDirectoryProvider";
inline constexpr std::string_view StateProgId = "Host.State";
// The folders of the data directory.
inline constexpr std::string_view IntlFolder = "/IntlFiles/Win32";
inline constexpr std::string_view StateFolder = "/Components/State";
inline constexpr std::string_view SystemFolder = "/Components/System";
inline constexpr char PathSeparator = '/';
inline constexpr std::string_view MetaFileExtension = ".xml";
inline constexpr char HiddenMark = '.';
// Prompts.
inline constexpr std::string_view LineBreak = "\r\n";
inline constexpr std::string_view Tab = "\t";
inline constexpr std::string_view MissingIntlFolder = "Cant find (XML Initialisation Dir): ";
inline constexpr std::string_view MissingStateFolder = "Cant find (State XML Files Dir): ";
inline constexpr std::string_view MissingSystemFolder = "Cant find (State DTDs Dir): ";
inline constexpr std::string_view DataDirectoryTitle = "Enter Path of Data Directory (AKA Core-Folder)";
inline constexpr std::string_view EnterPathOf = "Enter Path of ";
inline constexpr std::string_view MissingParser = "Cant find (XML Parser DLL ): ";
inline constexpr std::string_view NoModulePath = "Failed to find path of ";
inline constexpr std::string_view NoInstallPath = "Unable to lookup Orvane's main install path:";
// The parser start-up.
inline constexpr std::string_view IntlVariable = "XML4C2INTLDIR";
inline constexpr std::string_view ParserTitleSuffix = ":Error in InitiateXMLParser";
inline constexpr std::string_view SetEnvFailed = "Failed to set Environment Variable: ";
inline constexpr std::string_view Equals = " = ";
inline constexpr std::string_view LoadFailed = "Failed to Load XML DLL: ";
inline constexpr std::string_view InitFailed = "Failed to initialise XML DLL. ErrNo:";
inline constexpr std::string_view LibraryNotLoaded = "File not found: ";
inline constexpr std::string_view EntryPointMissing = "Can't find DLL entry point ";
inline constexpr std::string_view EntryPointIn = " in ";
inline constexpr std::string_view InitRaised = "The XML parser's initialisation raised an exception.";
// XMLPlatformUtils::Initialize(const char* locale, const char* nlsHome, PanicHandler*,
// MemoryManager*) and the default of its first parameter, by their decorated export names.
inline constexpr const char* InitializeSymbol =
    "_ZN11xercesc_3_216XMLPlatformUtils10InitializeEPKcS2_PNS_12PanicHandlerEPNS_13MemoryManagerE";
inline constexpr const char* DefaultLocaleSymbol = "_ZN11xercesc_3_26XMLUni22fgXercescDefaultLocaleE";
inline constexpr const char* DefaultLocale = "en_US";
}  // namespace Text

// Paths are read into buffers of this many characters (the terminating zero included).
inline constexpr size_t PathBufferChars = 350;
// The flag state objects are asked to load meta files with.
inline constexpr int32_t MetaFileLoadFlag = 1;
// System error codes of the parser start-up: none, one the platform leaves behind harmlessly,
// the library is not loaded, its entry point is missing, its initialisation failed.
inline constexpr int32_t ErrorNone = 0;
inline constexpr int32_t ErrorHarmless = 6;
inline constexpr int32_t ErrorModuleNotFound = 126;
inline constexpr int32_t ErrorProcNotFound = 127;
inline constexpr int32_t ErrorInitRaised = 1;

// Runs the start-up on the thread's first call and returns whether it succeeded; later calls
// return that answer at once (a start-up the user gave up stays failed for the thread's life).
// Never raises: what goes wrong is shown in message and input boxes.
bool ContainerInit();
// Data directory + "/Components/State" and "/Components/System"; empty when the start-up failed.
std::string StateDir();
std::string SystemDir();
// The system folder this thread's start-up found, as an absolute path, when the start-up has
// already run and succeeded; empty otherwise. Never runs the start-up itself.
std::string StartedSystemDir();
// A new state object loaded from a meta file: a bare file name is looked for in the state
// folder, a name with a "/" is used as given (a relative one from this thread's current
// directory). The load reads State.dtd from the system folder by its full path; the current
// directory never changes. Nothing when the start-up failed; the load's errors pass to the
// caller.
IRef<iQvState> CreateStateFromMetaFile(std::string_view strFileName);
// Sets XML4C2INTLDIR (for this thread, and for the process the first time), loads the parser
// library from the install folder and runs its platform initialisation; failures are shown in
// message boxes.
void InitiateXMLParser();
// Every start and end of the XML parser library in the process runs under this lock: the
// library counts its starts without a lock of its own, and no parser may be built on one
// thread while another thread's start is still under way.
std::mutex& ParserStartLock();

}  // namespace tav::ContainerInits
