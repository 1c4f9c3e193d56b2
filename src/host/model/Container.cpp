#include "host/model/Container.h"

#include "host/model/ModelText.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc Container::describe() {
    using C = Container;
    return ClassDesc(std::string(T::Container), std::string(T::ContainerHelp))
        .add(property<&C::OperationManager>(T::OperationManager))
        .add(property<&C::ScopeManagerHolder>(T::ScopeManagerHolder))
        .add(property<&C::MessageSink>(T::MessageSink))
        .add(method<&C::Idle>(T::Idle, {T::CycleParam}))
        .add(property<&C::Messages>(T::Messages));
}

Container::Container() = default;

bool Container::Idle(int32_t Cycle) {
    bool answer = true;
    idle_.fire([&](iTAVHostContainerEvents& sink) { sink.Idle(Cycle, answer); });
    return answer;
}

}  // namespace tav::hostmodel
