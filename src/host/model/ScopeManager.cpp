#include "host/model/ScopeManager.h"

#include "automation/values/AutomationError.h"
#include "host/model/ModelText.h"
#include "host/model/Scope.h"
#include "host/model/ScopeProcessors.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc ScopeManager::describe() {
    using C = ScopeManager;
    return ClassDesc(std::string(T::ScopeManager), std::string(T::ScopeManagerHelp))
        .add(property<&C::DefaultScope>(T::DefaultScope))
        .add(method<&C::SelectScope>(T::SelectScope, {T::ScopeParam}))
        .add(method<&C::ProcessScope>(T::ProcessScope, {T::ScopeParam, T::ProcessorNameParam}))
        .add(property<&C::Processed>(T::Processed))
        .add(method<&C::FailProcessor>(
            T::FailProcessor, {T::ProcessorNameParam, T::NumberParam, T::DescriptionParam}));
}

ScopeManager::ScopeManager() : default_(makeRef<Scope>()) {}

void ScopeManager::SelectScope(const IRef<iTAVScope>& Scope) {
    default_ = Scope;
    const IRef<iTAVScope> active = default_;  // a handler may select another meanwhile
    events_.fire([&](iTAVScopeManagerEvents& sink) { sink.DefaultScopeChanged(active); });
}

IRef<iTAVScope> ScopeManager::ProcessScope(const IRef<iTAVScope>& pScope,
                                           std::string_view processorName) {
    processed_.record(std::string(processorName));
    if (const auto it = failures_.find(processorName); it != failures_.end())
        throw AutomationError(it->second.number, std::string(T::ScopeManager),
                              it->second.description);
    if (!pScope) return {};
    return ScopeProcessors::process(*Scope::from(pScope), processorName);
}

void ScopeManager::FailProcessor(std::string_view processorName, int32_t number,
                                 std::string_view description) {
    if (number == 0)
        failures_.erase(std::string(processorName));
    else
        failures_[std::string(processorName)] = Failure{number, std::string(description)};
}

}  // namespace tav::hostmodel
