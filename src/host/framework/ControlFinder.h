#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVControlFinder.h"
#include "host/framework/ContainerRoot.h"

namespace tav {

// Finds a form's objects by name (without regard to case): "<ContainerRoot>" gives the
// container root, other names the objects the form was given under a name; Nothing otherwise.
class ControlFinder : public Dispatchable<ControlFinder>, public iTAVControlFinder {
public:
    static ClassDesc describe();

    Ref<Object> FindControl(const Variant& Name) override;

    const Ref<ContainerRoot>& root() const { return root_; }
    void addNamed(std::string name, Ref<Object> object);

private:
    Ref<ContainerRoot> root_ = makeRef<ContainerRoot>();
    std::vector<std::pair<std::string, Ref<Object>>> named_;
};

}  // namespace tav
