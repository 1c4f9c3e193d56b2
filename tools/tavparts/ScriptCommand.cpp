// tavparts script: runs a TAV script from a file or standard input.
#include <iostream>
#include <optional>
#include <string>

#include "Commands.h"
#include "automation/server/TextFile.h"
#include "host/script/ScriptRunner.h"

namespace tav::cli {

namespace {
constexpr std::string_view kQuiet = "--quiet";
constexpr std::string_view kUsage = "usage: tavparts script [--quiet] [FILE]\n";
constexpr std::string_view kPrefix = "tavparts script: ";
constexpr std::string_view kStandardInput = "standard input";
constexpr std::string_view kTooLarge = "is larger than 64 MiB";
constexpr size_t kChunk = size_t(1) << 16;

// Standard input as far as the limit (it may be a pipe that never ends); nothing when it goes
// beyond.
std::optional<std::string> readInput(std::istream& in) {
    std::string text;
    while (in && text.size() <= TextFile::DefaultMaxBytes) {
        const size_t before = text.size();
        text.resize(before + kChunk);
        in.read(text.data() + before, static_cast<std::streamsize>(kChunk));
        text.resize(before + static_cast<size_t>(in.gcount()));
    }
    if (text.size() > TextFile::DefaultMaxBytes) return std::nullopt;
    return text;
}

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
    if (path.empty()) {
        std::optional<std::string> given = readInput(in);
        if (!given) {
            err << kPrefix << kStandardInput << ' ' << kTooLarge << '\n';
            return ExitUsage;
        }
        text = std::move(*given);
    } else {
        try {
            text = TextFile::read(path);
        } catch (const TextFile::Refused& e) {
            err << kPrefix << path << ": " << e.what() << '\n';
            return ExitUsage;
        }
    }
    return ScriptRunner::runText(text, out, err, quiet);
}

}  // namespace tav::cli
