#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Registry reads by path, over the platform's registry (the file registry, FileRegistry.h):
// keys are opened by handle, as the system registry's are, and the errors speak its codes.
namespace tav::RegUtil {

namespace Text {
inline constexpr std::string_view SourceSuffix = "(Resitry-Utilities)";
inline constexpr std::string_view NoLeadingSeparator = "GetRegValue - String SubKey String didnt start with \\";
inline constexpr std::string_view LineBreak = "\r\n";
inline constexpr char Separator = '\\';
inline constexpr std::string_view UnknownHead = "Unknown System Registry Access Error (No:";
inline constexpr std::string_view UnknownTail = ")";
}  // namespace Text

// The root key of the class registrations.
inline constexpr int32_t HKEY_CLASSES_ROOT = static_cast<int32_t>(0x80000000u);
// What a read opens a key for: query values, enumerate sub-keys, notify.
inline constexpr int32_t KeyReadAccess = 0x19;
// Values are read into a buffer of this many bytes, their terminating zero included.
inline constexpr size_t ValueBufferBytes = 1024;

// The codes the functions below return.
inline constexpr int32_t ErrorSuccess = 0;
inline constexpr int32_t ErrorBadDb = 1;         // the registry cannot be read
inline constexpr int32_t ErrorNotFound = 2;      // no such key or value
inline constexpr int32_t ErrorInvalidHandle = 6;
inline constexpr int32_t ErrorMoreData = 234;    // the value does not fit the buffer

// Reads the value at a path of keys below `hKey`: "\KEY\KEY\NAME", the last segment naming the
// value ("" for the key's default value, as in "\KEY\"). A path without the leading "\" or a
// key or value that cannot be read raises error 5 with the library's title +
// "(Resitry-Utilities)" as source and RegErrorText of the code (a value's failure adds CR LF and
// the value name, a key's failure to close CR LF and the key name).
std::string GetRegValue(int32_t hKey, std::string_view strSubKeyPath);
// One value of an open key; on failure `value` is empty. Returns the code.
int32_t QueryRegValue(int32_t hKey, std::string_view strValueName, std::string& value);
std::string RegErrorText(int32_t code);

// Opening and closing keys: the code, and the new handle in `hSubKey`.
int32_t OpenKey(int32_t hKey, std::string_view strSubKey, int32_t access, int32_t& hSubKey);
int32_t CloseKey(int32_t hKey);

}  // namespace tav::RegUtil
