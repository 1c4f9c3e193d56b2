#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/script/ScriptPattern.h"
#include "host/script/ScriptValue.h"

namespace tav {

// A script read and checked line by line, ready to run: its commands, each with the
// expectations written after it.
struct Script {
    enum class Command : uint8_t { New, Init, Var, Show, Get, Let, Set, Call, Display, Store, Save, Load, Notices, Prompts, Answer };

    struct Expectation {
        enum class Kind : uint8_t { Exact, Prefix, Regex };
        int line = 0;
        Kind kind = Kind::Exact;
        std::string text;     // as written after "=> " or "=~ "
        std::string compare;  // the text compared (the prefix without " ...")
        std::shared_ptr<const ScriptPattern> pattern;  // Regex only
    };

    struct Statement {
        int line = 0;
        Command command = Command::Show;
        std::string name;  // the variable the command is about
        std::string word;  // new: the program id; save/load: the bag's variable
        // get/let/set/call: NAME.Member or NAME.Interface.Member
        std::string interfaceName;
        std::string member;
        std::vector<ScriptValue> values;  // arguments, then the value of var/let/set/display/store/answer
        std::string keepAs;               // "-> NAME"
        std::vector<Expectation> expectations;
    };

    std::vector<Statement> statements;

    // Reads a whole script. A line that cannot be read throws ScriptSyntaxError naming it
    // ("line N: ...").
    static Script parse(std::string_view text);
};

}  // namespace tav
