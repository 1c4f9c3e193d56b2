// tavparts script: runs a TAV script from a file or standard input.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "Commands.h"
#include "host/script/ScriptRunner.h"

namespace tav::cli {

namespace {
constexpr std::string_view kQuiet = "--quiet";
constexpr std::string_view kUsage = "usage: tavparts script [--quiet] [FILE]\n";
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
    std::ifstream file;
    std::istream* src = &in;
    if (!path.empty()) {
        file.open(path, std::ios::binary);
        if (!file) {
            err << "tavparts script: cannot read " << path << "\n";
            return ExitUsage;
        }
        src = &file;
    }
    const std::string text{std::istreambuf_iterator<char>(*src), std::istreambuf_iterator<char>()};
    return ScriptRunner::runText(text, out, err, quiet);
}

}  // namespace tav::cli
