#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

// An object of a host model (an atom, a bond, ...) as the parts read it one by one.
class iTAVModelObject {
  public:
    virtual ~iTAVModelObject() = default;

    // The property's value as text, with a status code.
    virtual std::string ReadAsText(std::string_view propertyName, int32_t& status) = 0;
};

}  // namespace tav
