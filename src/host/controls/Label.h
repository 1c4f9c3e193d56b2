#pragma once
#include "host/controls/TextBox.h"

namespace tav {

// A label: shows a value as text, as a text box does, but its user cannot change it, so no
// storage starts from it (Host.Label). By name its Value can only be read.
class Label : public TextBox {
public:
    static ClassDesc describe();
    static const ClassDesc& table() {
        static const ClassDesc desc = describe();
        return desc;
    }
    const ClassDesc* classDesc() const override { return &table(); }
};

}  // namespace tav
