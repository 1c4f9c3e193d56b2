#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"

namespace tav {

namespace DataDirectoryProviderText {
inline constexpr std::string_view ClassName = "DataDirectoryProvider";
inline constexpr std::string_view ClassHelp = "The host's data-directory provider: where the host keeps its data.";
inline constexpr std::string_view DataDirectory = "DataDirectory";
inline constexpr std::string_view DataDirectoryHelp = "The host's data directory (the core folder).";
inline constexpr std::string_view Variable = "TAVPARTS_DATA_DIR";
inline constexpr std::string_view NotSet = "The data directory is not configured: TAVPARTS_DATA_DIR is not set.";
}  // namespace DataDirectoryProviderText

// The host's data-directory provider (Host.DataDirectoryProvider). Its first property is the
// data directory, taken from the environment variable TAVPARTS_DATA_DIR; unset it fails with
// error 5.
class DataDirectoryProvider : public Dispatchable<DataDirectoryProvider> {
public:
    static ClassDesc describe();

    std::string DataDirectory() const;
};

}  // namespace tav
