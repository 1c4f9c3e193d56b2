#pragma once
#include <cstddef>
#include <string_view>

// The words and messages of the script language.
namespace tav::ScriptText {

// Commands.
inline constexpr std::string_view New = "new";
inline constexpr std::string_view Init = "init";
inline constexpr std::string_view Var = "var";
inline constexpr std::string_view Show = "show";
inline constexpr std::string_view Get = "get";
inline constexpr std::string_view Let = "let";
inline constexpr std::string_view Set = "set";
inline constexpr std::string_view Call = "call";
inline constexpr std::string_view Display = "display";
inline constexpr std::string_view Store = "store";
inline constexpr std::string_view Save = "save";
inline constexpr std::string_view Load = "load";
inline constexpr std::string_view Notices = "notices";
inline constexpr std::string_view Prompts = "prompts";
inline constexpr std::string_view Answer = "answer";

// Lines and values.
inline constexpr char Comment = '#';
inline constexpr std::string_view ExpectExact = "=>";
inline constexpr std::string_view ExpectRegex = "=~";
inline constexpr std::string_view PrefixMark = " ...";
inline constexpr std::string_view Keep = "->";
// An assignment may write its value after "=" (let sys.Locale = Str:"de-DE").
inline constexpr std::string_view AssignSign = "=";
inline constexpr std::string_view Missing = "Missing";
inline constexpr char ObjectRef = '@';
inline constexpr char CopyRef = '$';
inline constexpr char ByRef = '&';
inline constexpr char MemberDot = '.';

// Output.
inline constexpr std::string_view Ok = "ok";
inline constexpr std::string_view ListSeparator = "|";
inline constexpr std::string_view FailPrefix = "FAIL line ";
inline constexpr std::string_view FailExpected = ": expected ";
inline constexpr std::string_view FailGot = ", got ";
inline constexpr std::string_view FailWhyOpen = " (";
inline constexpr std::string_view FailWhyClose = ")";
// A failure quotes at most this much of the expectation's text.
inline constexpr size_t QuotedExpectation = 300;
inline constexpr std::string_view Passed = " passed, ";
inline constexpr std::string_view Failed = " failed";

// Why a script cannot be read.
inline constexpr std::string_view UnknownCommand = "unknown command ";
inline constexpr std::string_view ExpectedName = "expected a variable name";
inline constexpr std::string_view ExpectedWord = "expected a program id or variable name";
inline constexpr std::string_view ExpectedTarget = "expected NAME.Member or NAME.Interface.Member";
inline constexpr std::string_view ExpectedValue = "expected a value";
inline constexpr std::string_view ExpectedString = "expected a Str: literal";
inline constexpr std::string_view TrailingText = "unexpected text: ";
inline constexpr std::string_view BadRegex = "not a regular expression: ";
// Why a "=~" expectation failed without an answer (after FAIL ...).
inline constexpr std::string_view RegexBeyondLimits = "the pattern or line goes beyond the matcher's limits: ";
inline constexpr std::string_view LoneExpectation = "an expectation must follow a command";
inline constexpr std::string_view MalformedValue = "malformed value: ";
inline constexpr char ArrayOpen = '[';
inline constexpr char ArrayClose = ']';
inline constexpr char ArraySeparator = ',';
inline constexpr std::string_view RaggedRows = "the rows of a two-dimensional array differ in length";
inline constexpr std::string_view ByRefElement = "an array element cannot be passed by reference";

// How the command line reports a script it cannot read.
inline constexpr std::string_view UnreadablePrefix = "tavparts script: ";

// Errors while running (number 5, this source).
inline constexpr std::string_view ErrSource = "script";
inline constexpr std::string_view NoVariable = "No script variable named ";
inline constexpr std::string_view NotABag = "Not a Host.PropertyBag: ";
// What runs into a defect rather than an automation error is reported like one.
inline constexpr std::string_view InternalSource = "tavparts";

}  // namespace tav::ScriptText
