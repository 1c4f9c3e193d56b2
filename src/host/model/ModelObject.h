#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVModelObject.h"
#include "host/model/Model.h"

namespace tav::hostmodel {

// One object of a model (Host.ModelObject): a handle on its class and row, made by the model
// when asked for. Its property values are Empty until set; setting one is an undoable change.
// DisplayCandidate (true unless cleared) and the periodic and symmetry parents (objects of the
// same model) are what the scope manager's crack processors look at. Parent is the object that
// owns it in a structure read from a file (an atom's residue, a residue's chain), or Nothing.
class ModelObject : public Dispatchable<ModelObject>, public iTAVModelObject {
  public:
    static ClassDesc describe();
    ~ModelObject() override;

    std::string ClassName() const;
    std::string Name() const;
    Ref<Model> ModelOf() const { return model_; }
    Variant Value(std::string_view PropertyName) const;
    void SetValue(std::string_view PropertyName, const Variant& NewValue);
    bool DisplayCandidate() const;
    void SetDisplayCandidate(bool NewValue);
    Ref<Object> PeriodicParent() const { return parent(ParentKind::Periodic); }
    void SetPeriodicParent(const Ref<Object>& NewValue) {
        setParent(ParentKind::Periodic, NewValue);
    }
    Ref<Object> SymmetryParent() const { return parent(ParentKind::Symmetry); }
    void SetSymmetryParent(const Ref<Object>& NewValue) {
        setParent(ParentKind::Symmetry, NewValue);
    }
    Ref<Object> Parent() const;
    // The value as text (Empty and Null give empty text); status 0.
    std::string ReadAsText(std::string_view PropertyName, int32_t& status) override;

    Model& model() const noexcept { return *model_; }
    ObjectKey key() const noexcept { return key_; }

  private:
    friend class Model;
    ModelObject(Ref<Model> model, ObjectKey key) : model_(std::move(model)), key_(key) {}
    Ref<Object> parent(ParentKind kind) const;
    void setParent(ParentKind kind, const Ref<Object>& parent);

    Ref<Model> model_;
    ObjectKey key_;
};

}  // namespace tav::hostmodel
