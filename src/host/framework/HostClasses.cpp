#include "host/framework/HostClasses.h"

#include "automation/server/ClassRegistry.h"
#include "automation/objects/PropertyBag.h"
#include "host/controls/CheckBox.h"
#include "host/controls/ComboBox.h"
#include "host/controls/CommandButton.h"
#include "host/controls/Label.h"
#include "host/controls/OptionButton.h"
#include "host/controls/TextBox.h"
#include "host/framework/BindingNotifier.h"
#include "host/framework/Form.h"
#include "host/objects/AutoObject.h"
#include "host/objects/Job.h"
#include "host/objects/NotifyingObject.h"
#include "host/objects/PredefinedObject.h"
#include "host/model/Container.h"
#include "host/model/DMUtility.h"
#include "host/model/Model.h"
#include "host/model/OperationManager.h"
#include "host/model/RationalConverter.h"
#include "host/model/Schema.h"
#include "host/model/Scope.h"
#include "host/model/ScopeEvents.h"
#include "host/model/ScopeManager.h"
#include "host/model/ValueList.h"
#include "registry/LibraryClasses.h"
#include "host/objects/System.h"

namespace tav::hostclasses {

void registerIn(ClassRegistry& registry) {
    for (ClassEntry e : {entry<PropertyBag>(), entry<AutoObject>(), entry<NotifyingObject>(),
                         entry<PredefinedObject>(), entry<Job>(), entry<BindingNotifier>(), entry<TextBox>(),
                         entry<CheckBox>(), entry<OptionButton>(), entry<CommandButton>(), entry<ComboBox>(),
                         entry<Label>(), entry<Form>(),
                         // The model world of the in-scope source part.
                         entry<hostmodel::Model>(), entry<hostmodel::Schema>(), entry<hostmodel::DMUtility>(),
                         entry<hostmodel::ValueList>(), entry<hostmodel::RationalConverter>(),
                         entry<hostmodel::Scope>(), entry<hostmodel::ScopeManager>(), entry<hostmodel::Container>(),
                         entry<hostmodel::OperationManager>(), entry<hostmodel::ScopeEvents>()})
        registry.add(std::move(e));
    // The process around the library.
    registry.add(entry<System>());
}

void ensureRegistered() {
    static const bool done = [] {
        registerIn(classRegistry());
        return true;
    }();
    (void)done;
}

}  // namespace tav::hostclasses
