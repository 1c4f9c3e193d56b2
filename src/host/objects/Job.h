#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/objects/AutoObject.h"

namespace tav {

// A job of the host's job management (Host.Job): members defined like an AutoObject's, plus
// properties kept in a table of its own and reached by key through the parameterised member
// Properties(key). Keys compare exactly; an unknown key is error 5.
class Job : public AutoObject {
public:
    static const ClassDesc& table();
    Job() : AutoObject(table()) {}

    Variant Properties(std::string_view Key) const;
    void SetProperties(std::string_view Key, const Variant& NewValue);
    // Adds a key, or gives an existing one a new value.
    void DefineJobProperty(std::string_view Key, const Variant& Value);

private:
    Variant* find(std::string_view key);

    std::vector<std::pair<std::string, Variant>> properties_;
};

}  // namespace tav
