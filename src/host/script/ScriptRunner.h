#pragma once
#include <iosfwd>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/Prompts.h"
#include "automation/objects/ScriptedPrompts.h"
#include "automation/values/Variant.h"
#include "host/script/NoticeLog.h"
#include "host/script/Script.h"

namespace tav {

struct MemberDesc;
class Object;

// Runs scripts (tavparts script): every command prints exactly one line (a value, "ok", or an
// error line), expectations compare it, and the run ends with "N passed, N failed". Message
// and input boxes are scripted while it runs (prompts, answer); the host's classes are there
// to be created by program id.
class ScriptRunner {
public:
    // Exit statuses of a script run.
    static constexpr int ExitPassed = 0;
    static constexpr int ExitFailed = 1;
    static constexpr int ExitUnreadable = 2;

    struct Result {
        int passed = 0;
        int failed = 0;
    };

    // quiet: print only failures and the closing line.
    explicit ScriptRunner(std::ostream& out, bool quiet = false);

    Result run(const Script& script);
    // One command's line.
    std::string execute(const Script::Statement& s);

    // Reads and runs a script text; a script that cannot be read is reported on `err`.
    static int runText(std::string_view text, std::ostream& out, std::ostream& err, bool quiet);

private:
    using Handler = std::string (ScriptRunner::*)(const Script::Statement&);
    static const Handler kHandlers[];

    std::string doNew(const Script::Statement& s);
    std::string doInit(const Script::Statement& s);
    std::string doVar(const Script::Statement& s);
    std::string doShow(const Script::Statement& s);
    std::string doGet(const Script::Statement& s);
    std::string doLet(const Script::Statement& s);
    std::string doSet(const Script::Statement& s);
    std::string doDisplay(const Script::Statement& s);
    std::string doStore(const Script::Statement& s);
    std::string doSave(const Script::Statement& s);
    std::string doLoad(const Script::Statement& s);
    std::string doNotices(const Script::Statement& s);
    std::string doPrompts(const Script::Statement& s);
    std::string doAnswer(const Script::Statement& s);

    // get and call: a method, or a property get when the member has no method.
    std::string invokeRead(const Script::Statement& s);
    std::string invokeWrite(const Script::Statement& s, InvokeKind kind);
    const MemberDesc& member(Object& obj, const Script::Statement& s) const;
    // Runs the member with the statement's values; by-reference variables get what it left.
    Variant call(Object& obj, const MemberDesc& m, InvokeKind kind, const Script::Statement& s);

    Variant& variable(const std::string& name);
    Object& objectIn(const std::string& name);
    Variant valueOf(const ScriptValue& v);
    // The array a script array value stands for, its elements read now.
    Variant arrayOf(const ScriptValue& v);
    void assign(const std::string& name, Variant value);
    // Whether the line meets the expectation, and why not when the matcher gave up.
    struct Check {
        bool passed = false;
        std::string why;
    };
    static Check check(const Script::Expectation& e, const std::string& line);

    std::ostream& out_;
    bool quiet_;
    std::map<std::string, Variant> variables_;
    NoticeLog notices_;
    ScriptedPrompts prompts_;
    PromptsScope promptsScope_{prompts_};
};

}  // namespace tav
