// The script language: one line per command, error lines, expectations, exit statuses,
// values and variables, notices and prompts.
#include "host/script/ScriptRunner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "automation/values/AutomationError.h"
#include "host/framework/ErrorLine.h"

namespace tav {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(std::string_view text, bool quiet = false) {
    std::ostringstream out, err;
    const int status = ScriptRunner::runText(text, out, err, quiet);
    return {status, out.str(), err.str()};
}

TEST(ScriptRunner, PrintsOneLinePerCommandAndChecksExpectations) {
    const Outcome r = run(
        "# a comment\n"
        "var x R8:2500\n"
        "=> ok\n"
        "show x\n"
        "=> R8:2500\n"
        "=> R8:25 ...\n"
        "=~ R8:\\d+\n"
        "show x\n"
        "=> R8:2501\n"
        "=~ R8:2\n"
        "show nope\n"
        "=> Err:5 \"script\" ...\n");
    EXPECT_EQ(r.status, ScriptRunner::ExitFailed);
    EXPECT_EQ(r.out,
              "ok\nR8:2500\nR8:2500\n"
              "FAIL line 9: expected R8:2501, got R8:2500\n"
              "FAIL line 10: expected R8:2, got R8:2500\n"
              "Err:5 \"script\" \"No script variable named 'nope'\"\n"
              "5 passed, 2 failed\n");

    const Outcome quiet = run("var x I4:1\n=> ok\nshow x\n=> I4:2\n", true);
    EXPECT_EQ(quiet.out, "FAIL line 4: expected I4:2, got I4:1\n1 passed, 1 failed\n");
    EXPECT_EQ(run("var x I4:1\n=> ok\n").status, ScriptRunner::ExitPassed);
}

TEST(ScriptRunner, AScriptThatCannotBeReadNamesTheLineAndRunsNothing) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"var x I4:1\nfrobnicate x\n", "line 2: unknown command 'frobnicate'"},
        {"var x hello\n", "line 1: malformed value: hello ..."},
        {"var x Str:\"open\n", "line 1: malformed value: Str:\"open ..."},
        {"var x R8:1e400\n", "line 1: malformed value: R8:1e400 (number out of range: R8:1e400)"},
        {"=> ok\n", "line 1: an expectation must follow a command"},
        {"show x\n=~ a(b\n", "line 2: not a regular expression: a(b ..."},
        {"show x\n=~ a\\\n", "line 2: not a regular expression: a\\ ..."},
        {"show x\n=~ [z-a]\n", "line 2: not a regular expression: [z-a] ..."},
        {"show x\n=~ a{61111111111111111111}\n", "line 2: not a regular expression: a{61111111111111111111} ..."},
        {"show x\n=~ a{1,61111111111111111111}\n", "line 2: not a regular expression: a{1,61111111111111111111} ..."},
        {"get x\n", "line 1: expected NAME.Member or NAME.Interface.Member"},
        {"let x.Value\n", "line 1: expected a value"},
        {"answer I4:1\n", "line 1: expected a Str: literal"},
        {"show 1x\n", "line 1: expected a variable name: 1x"},
        {"prompts now\n", "line 1: unexpected text: now"},
        {"get x.Y -> \n", "line 1: expected a variable name"},
        {"var a " + std::string(65, '[') + "$x" + std::string(65, ']') + "\n", "line 1: malformed value: " + std::string(40, '[') + "... ..."},
        {"var a [[$x], [$x, $x]]\n", "line 1: malformed value: [[$x], ..."},
        {"var a [&x]\n", "line 1: malformed value: [&x] ..."},
        {"var a [$x I2:1]\n", "line 1: malformed value: [$x ..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Outcome r = run(c.text);
        EXPECT_EQ(r.status, ScriptRunner::ExitUnreadable);
        EXPECT_EQ(r.out, "");
        std::string message = c.message;
        const bool prefix = message.ends_with(" ...");
        if (prefix) message.resize(message.size() - 4);
        EXPECT_EQ(r.err.substr(0, r.err.find(prefix ? " (" : "\n")), "tavparts script: " + message);
    }
}

TEST(ScriptRunner, HostilePatternsAndLinesEndInAnAnswerOrAMessageNeverAHang) {
    const std::string nested = std::string(30000, '(') + "a" + std::string(30000, ')');
    struct Case {
        std::string name, value, pattern;
        std::string why;  // the message of a failed expectation; empty: the expectation passes
    };
    const Case cases[] = {
        {"a long line", std::string(50000, 'a'), "Str:\".*\"", ""},
        {"a long line, by characters", std::string(20000, 'a') + "\xC3\xA9", "Str:\"a*.\"", ""},
        {"catastrophic backtracking", std::string(28, 'a'), "Str:\"(a|a)*b\"", "match limit exceeded"},
        {"groups nested too deep", "a", nested, "parentheses are too deeply nested"},
        {"a pattern of 3 million characters", "a", std::string(3'000'000, 'a'),
         "pattern string is longer than the limit set by the application"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r = run("var x Str:\"" + c.value + "\"\nshow x\n=~ " + c.pattern + "\n", true);
        if (c.why.empty()) {
            EXPECT_EQ(r.status, ScriptRunner::ExitPassed);
            EXPECT_EQ(r.out, "1 passed, 0 failed\n");
            continue;
        }
        EXPECT_EQ(r.status, ScriptRunner::ExitFailed);
        EXPECT_NE(r.out.find("(the pattern or line goes beyond the matcher's limits: " + c.why + ")\n"),
                  std::string::npos)
            << r.out.substr(0, 500);
        // The failure quotes a few hundred characters of the pattern, not all of it.
        EXPECT_LT(r.out.size(), 1000u);
    }
}

TEST(ScriptRunner, ErrorLinesPrintNumbersInDecimalOrHex) {
    EXPECT_EQ(errorLine(13, "Src", "a \"b\"\r\n"), "Err:13 \"Src\" \"a \\\"b\\\"\\r\\n\"");
    EXPECT_EQ(errorLine(65535, "", ""), "Err:65535 \"\" \"\"");
    EXPECT_EQ(errorLine(65536, "", ""), "Err:0x00010000 \"\" \"\"");
    EXPECT_EQ(errorLine(-2147220892, "", ""), "Err:0x80040264 \"\" \"\"");
    EXPECT_EQ(errorLine(-1, "", ""), "Err:0xFFFFFFFF \"\" \"\"");
}

TEST(ScriptRunner, ValuesVariablesAndResultsKept) {
    const Outcome r = run(R"(
var a [I4:1, [Str:"x y", Null]]
show a
=> [I4:1, [Str:"x y", Null]]
var u Unallocated
show u
=> Unallocated
new o Host.AutoObject
call o.DefineProperty Str:"Items" Str:"Variant" [[I2:1, I2:2], [I2:3, I2:4]]
=> ok
get o.Items
=> [[I2:1, I2:2], [I2:3, I2:4]]
call o.DefineProperty Str:"Child" Str:"Object" Missing
get o.Child
=> Nothing
new p Host.AutoObject
set o.Child @p
=> ok
get o.Child -> c
=> Object:AutoObject
let c.ClassName Str:"Sample"
show p
=> Object:Sample
var n Nothing
set o.Child @n
get o.Child
=> Nothing
var s Str:"text"
set o.Child @s
=> Err:424 "" "Object required"
set o.Child $s
=> Err:13 ...
get o.ClassName -> k
show k
=> Str:"AutoObject"
call o.DefineProperty Str:"Size" Str:"I2"
call t.Nope
=> Err:5 "script" "No script variable named 't'"
new t Host.TextBox
let t.Value R8:0.1
get t.Value
=> Str:"0.1"
new x Host.Nope
=> Err:429 "" ...
)");
    EXPECT_EQ(r.status, ScriptRunner::ExitPassed) << r.out;
}

TEST(ScriptRunner, ByReferenceArgumentsComeBackIntoTheirVariables) {
    const Outcome r = run(
        "new f Host.Form\n"
        "new t Host.TextBox\n"
        "call t.iTAVControlPart.CurrentValue\n"
        "=> Str:\"\"\n"
        "new g Host.Notifier\n"
        "call g.iTAVBindingNotifier.PropertyChanged Str:\"Size\"\n"
        "=> ok\n"
        "get g.Log\n"
        "=> Str:\"PropertyChanged:Size\"\n"
        "get g.iTAVGluePart.WakeUp\n"
        "=> Err:13 ...\n"
        "get g.Nope\n"
        "=> Err:438 \"\" \"Object doesn't support this property or method\"\n");
    EXPECT_EQ(r.status, ScriptRunner::ExitPassed) << r.out;
}

TEST(ScriptRunner, PromptsShownAndAnswersQueued) {
    std::ostringstream out;
    ScriptRunner runner(out);
    currentPrompts().messageBox("Hello");
    EXPECT_EQ(runner.execute(Script::parse("answer Str:\"C:\\\\data\"").statements[0]), "ok");
    EXPECT_EQ(currentPrompts().inputBox("Where?"), "C:\\data");
    EXPECT_EQ(currentPrompts().inputBox("Again?"), "");  // nothing queued: cancel
    EXPECT_EQ(runner.execute(Script::parse("prompts").statements[0]),
              "Str:\"msg:Hello|input:Where?|input:Again?\"");
    EXPECT_EQ(runner.execute(Script::parse("prompts").statements[0]), "Str:\"\"");
}

}  // namespace
}  // namespace tav
