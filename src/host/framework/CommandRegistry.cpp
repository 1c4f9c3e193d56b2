#include "host/framework/CommandRegistry.h"

#include <charconv>

#include "host/framework/FrameworkText.h"

namespace tav {

namespace T = FrameworkText;

namespace {

[[noreturn]] void badBehaviour(std::string_view behaviour) {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::CommandsSource),
                          std::string(T::BadBehaviour) + std::string(behaviour));
}

// An error number in decimal (a minus sign allowed) or as 0x and hex digits, as error lines
// print them.
bool parseNumber(std::string_view s, int32_t& out) {
    constexpr std::string_view kHexPrefix = "0x";
    constexpr int kHex = 16;
    if (s.starts_with(kHexPrefix)) {
        uint32_t bits = 0;
        s.remove_prefix(kHexPrefix.size());
        auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), bits, kHex);
        out = static_cast<int32_t>(bits);
        return !s.empty() && ec == std::errc() && p == s.data() + s.size();
    }
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return !s.empty() && ec == std::errc() && p == s.data() + s.size();
}

}  // namespace

ClassDesc CommandRegistry::describe() {
    using C = CommandRegistry;
    return ClassDesc(std::string(T::Commands), std::string(T::CommandsHelp))
        .add(method<&C::AddCommand>(T::AddCommand, {T::NameParam, T::BehaviourParam}))
        .add(property<&C::CommandRuns>(T::CommandRuns, {T::NameParam}))
        .exposes<iTAVCommandObject>();
}

CommandRegistry::Command* CommandRegistry::find(std::string_view name) {
    for (Command& c : commands_)
        if (equalsNoCase(c.name, name)) return &c;
    return nullptr;
}

const CommandRegistry::Command* CommandRegistry::find(std::string_view name) const {
    return const_cast<CommandRegistry*>(this)->find(name);
}

void CommandRegistry::AddCommand(std::string_view Name, std::string_view Behaviour) {
    Command parsed;
    parsed.name = Name;
    if (Behaviour != T::BehaviourOk) {
        const size_t colon1 = Behaviour.find(T::BehaviourSeparator);
        const size_t colon2 = colon1 == std::string_view::npos ? colon1 : Behaviour.find(T::BehaviourSeparator, colon1 + 1);
        if (colon2 == std::string_view::npos || Behaviour.substr(0, colon1) != T::BehaviourFail ||
            !parseNumber(Behaviour.substr(colon1 + 1, colon2 - colon1 - 1), parsed.number))
            badBehaviour(Behaviour);
        parsed.fails = true;
        parsed.text = Behaviour.substr(colon2 + 1);
    }
    if (Command* existing = find(Name)) {
        parsed.runs = existing->runs;
        *existing = std::move(parsed);
    } else {
        commands_.push_back(std::move(parsed));
    }
}

int32_t CommandRegistry::CommandRuns(std::string_view Name) const {
    const Command* c = find(Name);
    return c ? c->runs : 0;
}

void CommandRegistry::RunCommand(std::string_view CommandName) {
    Command* c = find(CommandName);
    if (!c)
        throw AutomationError(err::InvalidProcedureCall, std::string(T::CommandsSource),
                              std::string(T::UnknownCommand) + std::string(CommandName));
    ++c->runs;
    if (c->fails) throw AutomationError(c->number, std::string(T::CommandsSource), c->text);
}

}  // namespace tav
