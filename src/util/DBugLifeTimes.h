#pragma once
#include <cstdint>
#include <string_view>

// Diagnostic hooks the classes call at creation and destruction. They do nothing in the
// shipped configuration and compile away.
namespace tav::DBugLifeTimes {

inline void TraceLifetime(std::string_view /*className*/, const void* /*instance*/) noexcept {}
inline void TraceMessage(std::string_view /*message*/) noexcept {}

}  // namespace tav::DBugLifeTimes
