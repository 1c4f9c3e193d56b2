#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVContainerRoot.h"

namespace tav {

// The host's command object: named commands that succeed ("ok") or fail with a given error
// ("fail:NUMBER:TEXT", raised with source "Commands"), each counting its runs (failed runs
// included). Names compare without regard to case; running an unknown name is error 5.
class CommandRegistry : public Dispatchable<CommandRegistry>, public iTAVCommandObject {
public:
    static ClassDesc describe();

    // Adds a command or changes the behaviour of one (its count stays).
    void AddCommand(std::string_view Name, std::string_view Behaviour);
    // How often the command ran; 0 for a name that is no command.
    int32_t CommandRuns(std::string_view Name) const;
    void RunCommand(std::string_view CommandName) override;

private:
    struct Command {
        std::string name;
        bool fails = false;
        int32_t number = 0;
        std::string text;
        int32_t runs = 0;
    };
    Command* find(std::string_view name);
    const Command* find(std::string_view name) const;

    std::vector<Command> commands_;
};

}  // namespace tav
