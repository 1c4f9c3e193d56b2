#include "host/state/DataDirectoryProvider.h"

#include <optional>

#include "automation/server/ThreadEnvironment.h"

namespace tav {

namespace T = DataDirectoryProviderText;

ClassDesc DataDirectoryProvider::describe() {
    using C = DataDirectoryProvider;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::DataDirectory>(T::DataDirectory, T::DataDirectoryHelp));
}

std::string DataDirectoryProvider::DataDirectory() const {
    std::optional<std::string> dir = ThreadEnvironment::get(T::Variable);
    // Set but empty is a data directory too (an empty one), as the provider gives it.
    if (!dir)
        throw AutomationError(err::InvalidProcedureCall, std::string(T::ClassName), std::string(T::NotSet));
    return std::move(*dir);
}

}  // namespace tav
