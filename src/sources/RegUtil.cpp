#include "sources/RegUtil.h"

#include <array>
#include <optional>
#include <unordered_map>
#include <utility>

#include "automation/server/FileRegistry.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "contracts/RegisteredClasses.h"

namespace tav::RegUtil {

namespace {

constexpr std::array<std::pair<int32_t, std::string_view>, 10> kErrorTexts = {{
    {0, "NO ERROR!"},
    {1, "Bad DB. System Registry Access Error"},
    {2, "Bad Key. System Registry Access Error"},
    {3, "Cant Open. Registry Access Error"},
    {4, "Cant Read Registry, Access Error"},
    {5, "Cant Write to Registry, Access Error"},
    {6, "Out of Memmory, Registry Access Error"},
    {7, "Invalid Parameter, Registry Access Error"},
    {8, "Access Denied, Registry Access Error"},
    {259, "No More items to enumerate, Registry Access Error/warning"},
}};

// The keys this thread has open, by handle: their paths below the class root.
struct OpenKeys {
    std::unordered_map<int32_t, std::string> paths;
    int32_t next = 1;
};
thread_local OpenKeys tOpen;

std::optional<std::string> pathOf(int32_t hKey) {
    if (hKey == HKEY_CLASSES_ROOT) return std::string();
    const auto it = tOpen.paths.find(hKey);
    if (it == tOpen.paths.end()) return std::nullopt;
    return it->second;
}

std::string errorSource() { return std::string(library::kModuleName) + std::string(Text::SourceSuffix); }

[[noreturn]] void raise(std::string message) {
    throw AutomationError(err::InvalidProcedureCall, errorSource(), std::move(message));
}

// The registry as it is now; nothing when its file cannot be read.
std::optional<FileRegistry> registry() {
    try {
        return FileRegistry();
    } catch (const AutomationError&) {
        return std::nullopt;
    }
}

}  // namespace

std::string RegErrorText(int32_t code) {
    for (const auto& [number, text] : kErrorTexts)
        if (number == code) return std::string(text);
    return std::string(Text::UnknownHead) + std::to_string(code) + std::string(Text::UnknownTail);
}

int32_t OpenKey(int32_t hKey, std::string_view strSubKey, int32_t /*access*/, int32_t& hSubKey) {
    const std::optional<std::string> parent = pathOf(hKey);
    if (!parent) return ErrorInvalidHandle;
    std::string path = *parent;
    if (!path.empty() && !strSubKey.empty()) path += Text::Separator;
    path += strSubKey;
    const std::optional<FileRegistry> reg = registry();
    if (!reg) return ErrorBadDb;
    if (!path.empty() && !reg->keyExists(path)) return ErrorNotFound;
    hSubKey = tOpen.next++;
    tOpen.paths.emplace(hSubKey, std::move(path));
    return ErrorSuccess;
}

int32_t CloseKey(int32_t hKey) {
    if (hKey == HKEY_CLASSES_ROOT) return ErrorSuccess;
    return tOpen.paths.erase(hKey) ? ErrorSuccess : ErrorInvalidHandle;
}

int32_t QueryRegValue(int32_t hKey, std::string_view strValueName, std::string& value) {
    value.clear();
    const std::optional<std::string> path = pathOf(hKey);
    if (!path) return ErrorInvalidHandle;
    const std::optional<FileRegistry> reg = registry();
    if (!reg) return ErrorBadDb;
    const std::optional<std::string> data = reg->value(*path, strValueName);
    if (!data) return ErrorNotFound;
    // The value and its terminating zero must fit the buffer.
    if (data->size() + 1 > ValueBufferBytes) return ErrorMoreData;
    value = *data;
    return ErrorSuccess;
}

std::string GetRegValue(int32_t hKey, std::string_view strSubKeyPath) {
    if (strSubKeyPath.empty() || strSubKeyPath.front() != Text::Separator)
        raise(std::string(Text::NoLeadingSeparator));
    const std::string_view rest = strSubKeyPath.substr(1);
    const size_t next = rest.find(Text::Separator);
    if (next == std::string_view::npos) {
        std::string value;
        const int32_t code = QueryRegValue(hKey, rest, value);
        if (code != ErrorSuccess) raise(RegErrorText(code) + std::string(Text::LineBreak) + std::string(rest));
        return value;
    }
    const std::string_view segment = rest.substr(0, next);
    int32_t hSubKey = 0;
    const int32_t opened = OpenKey(hKey, segment, KeyReadAccess, hSubKey);
    if (opened != ErrorSuccess) raise(RegErrorText(opened));
    std::string value;
    try {
        value = GetRegValue(hSubKey, rest.substr(next));
    } catch (...) {
        CloseKey(hSubKey);  // the failure of the read is the one to report
        throw;
    }
    const int32_t closed = CloseKey(hSubKey);
    if (closed != ErrorSuccess) raise(RegErrorText(closed) + std::string(Text::LineBreak) + std::string(segment));
    return value;
}

}  // namespace tav::RegUtil
