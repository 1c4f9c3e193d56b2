// tavparts register / unregister: load an in-process server by path and call its
// self-registration, as a registration tool does on the platform.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "automation/values/AutomationError.h"
#include "automation/server/FileRegistry.h"
#include "automation/server/InprocServer.h"

namespace tav::cli {

namespace {

constexpr std::string_view kServerFile = "libTAVParts.so";

// The server beside this program, where the build puts it, or in the library folder of the
// installed tree (bin/tavparts and lib/libTAVParts.so).
std::string defaultServerPath() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::string(kServerFile);
    const auto beside = exe.parent_path() / kServerFile;
    const auto installed = exe.parent_path().parent_path() / TAV_INSTALL_LIBDIR / kServerFile;
    return (std::filesystem::exists(beside, ec) || !std::filesystem::exists(installed, ec) ? beside : installed).string();
}

// The server answers only with a code; the registry it could not change says why itself.
std::string whyRegistryFails() {
    try {
        const FileRegistry readable;
    } catch (const AutomationError& e) {
        return ": " + e.description();
    }
    return {};
}

int runRegistration(const char* command, bool doRegister, const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err) {
    if (args.size() > 1) {
        err << "usage: tavparts " << command << " [LIBRARY]\n";
        return ExitUsage;
    }
    std::string path = args.empty() ? defaultServerPath() : args[0];
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    if (!ec) path = absolute.lexically_normal().string();
    try {
        InprocServer& server = InprocServer::load(path);
        const int32_t r = doRegister ? server.registerServer() : server.unregisterServer();
        if (r != 0) {
            char code[16];
            std::snprintf(code, sizeof code, "0x%08X", static_cast<uint32_t>(r));
            err << "tavparts " << command << ": " << path << " failed with " << code << whyRegistryFails() << "\n";
            return ExitFailure;
        }
    } catch (const AutomationError& e) {
        err << "tavparts " << command << ": " << e.description() << "\n";
        return ExitFailure;
    }
    out << (doRegister ? "registered " : "unregistered ") << path << " in " << FileRegistry::defaultPath() << "\n";
    return ExitOk;
}

}  // namespace

int runRegister(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err) {
    return runRegistration("register", true, args, out, err);
}

int runUnregister(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err) {
    return runRegistration("unregister", false, args, out, err);
}

}  // namespace tav::cli
