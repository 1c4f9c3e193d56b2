#pragma once
#include <string>
#include <string_view>

namespace tav {

// The host's converter of a number to the text of the nearest fraction.
class iTAVRationalConverter {
  public:
    // What a part creates, once per conversion.
    static constexpr std::string_view ProgId = "Host.RationalConverter";

    virtual ~iTAVRationalConverter() = default;
    virtual std::string Convert(double value) = 0;
};

}  // namespace tav
