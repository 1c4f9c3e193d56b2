#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace tav::cli {

// Exit codes of the command line.
constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

// Runs the sub-command named by args[0].
int dispatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err);

// The sub-commands.
int runVectors(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);
int runCalc(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err);
int runTypelib(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);
int runClasses(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);
int runRegister(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err);
int runUnregister(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err);
int runEval(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err);
int runScript(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err);
int runForm(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err);
int runGui(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
int runState(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace tav::cli
