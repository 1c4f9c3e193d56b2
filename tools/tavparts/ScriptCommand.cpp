// tavparts script: runs a TAV script from a file or standard input.
#include <iostream>
#include <string>

#include "Commands.h"
#include "automation/objects/TextFile.h"
#include "host/script/ScriptRunner.h"

namespace tav::cli {

namespace {
constexpr std::string_view kQuiet = "--quiet";
constexpr std::string_view kUsage = "usage: tavparts script [--quiet] [FILE]\n";
constexpr std::string_view kPrefix = "tavparts script: ";
constexpr std::string_view kStandardInput = "standard input";
}  // namespace

int runScript(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    bool quiet = false;
    std::string path;
    for (const std::string& a : args) {
        if (a == kQuiet) {
            quiet = true;
        } else if (path.empty() && !a.starts_with("--")) {
            path = a;
        } else {
            err << kUsage;
            return ExitUsage;
        }
    }
    std::string text;
    try {
        text = path.empty() ? TextFile::read(in) : TextFile::read(path);
    } catch (const TextFile::Refused& e) {
        err << kPrefix << (path.empty() ? std::string(kStandardInput) : path) << ": " << e.what() << '\n';
        return ExitUsage;
    }
    return ScriptRunner::runText(text, out, err, quiet);
}

}  // namespace tav::cli
