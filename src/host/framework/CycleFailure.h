#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

// The kinds of work the framework does on a binding.
enum class Cycle : uint8_t { Display, Storage, WakeUp };

// How a cycle ended: it went through, a glue stopped it (the stop-cycle error), or it failed.
enum class CycleOutcome : uint8_t { Done, Stopped, Failed };

// A failure of a binding's cycle: the error that ended it, as the framework reports it.
struct CycleFailure {
    std::string binding;
    Cycle cycle = Cycle::Display;
    int32_t number = 0;
    std::string source;
    std::string description;
};

struct CycleResult {
    CycleOutcome outcome = CycleOutcome::Done;
    CycleFailure failure;  // filled when the outcome is Failed
};

// "display", "storage", "wake-up".
std::string_view cycleName(Cycle c);

}  // namespace tav
