// Many threads at once, each on its own objects, must see exactly what one thread alone sees.
//
// The program runs every acceptance script (tests/scripts/*.tav) and a direct workload
// (conversions, Format, expressions, funnels, a model of a few thousand atoms, the type
// library's listing, the state system's start-up of a host install) first one at a time, each on a fresh thread, to learn
// their output; then on several lanes at once, round after round, each script and workload again
// on a fresh thread of its own (so that every run meets the per-thread start-up afresh), and
// compares every output with the one-thread output. Before any of that, the lanes start the
// state system all at once, so that the XML parser's first start races with parsers being
// built. Built with ThreadSanitizer (the tsan preset), it also reports every data race the runs
// meet.
//
//   ThreadStress [--threads N] [--rounds N] [--show] SCRIPT_FOLDER EXAMPLES_FOLDER
//
// --show prints every one-thread output.
//
// Exits 0 when every output matched, 1 on the first one that did not (naming it), 2 on bad use.
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <latch>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "automation/conversions/Conversions.h"
#include "automation/format/Format.h"
#include "automation/objects/Invoke.h"
#include "automation/objects/ScriptedPrompts.h"
#include "automation/server/FileRegistry.h"
#include "automation/server/ThreadEnvironment.h"
#include "automation/values/AutomationError.h"
#include "automation/values/TypedLiteral.h"
#include "contracts/ObjectCreation.h"
#include "contracts/iQvState.h"
#include "expr/ExprEvaluator.h"
#include "host/framework/ErrorLine.h"
#include "host/framework/HostClasses.h"
#include "host/script/ScriptRunner.h"
#include "host/state/StateClasses.h"
#include "host/state/StateListing.h"
#include "registry/TypeLibrary.h"
#include "sources/ContainerInits.h"
#include "sources/LoadedModules.h"

namespace fs = std::filesystem;
using namespace tav;

namespace {

constexpr int kUsage = 2;
constexpr std::string_view kExamplesVariable = "TAV_EXAMPLES_DIR";
constexpr std::string_view kDataVariable = "TAVPARTS_DATA_DIR";
constexpr std::string_view kRegistryVariable = "TAVPARTS_REGISTRY";
constexpr std::string_view kParserLibrary = "libxerces-c-3.2.so";
constexpr int kAtoms = 3000;

struct Options {
    int threads = 4;
    int rounds = 3;
    bool show = false;  // print each one-thread output
    fs::path scripts, examples;
};

// One piece of work: the same text out every time it runs, on whatever thread.
struct Job {
    std::string name;
    std::function<std::string()> run;
    std::string passes;  // how every good output ends (a script's closing lines), or empty
};

// Folders made by the runs (TempDir) differ from run to run.
std::string normalised(const std::string& text) {
    static const std::regex temp("tavparts-[A-Za-z0-9]{6}");
    return std::regex_replace(text, temp, "tavparts-XXXXXX");
}

std::string onFreshThread(const Job& job) {
    std::string out;
    std::thread t([&] { out = normalised(job.run()); });
    t.join();
    return out;
}

// ---- the direct workload ---------------------------------------------------------------

// The object a call returned, held.
Ref<Object> objectOf(const Variant& v) { return Ref<Object>(&objectFrom(v)); }

template <class F>
std::string attempt(F&& f) {
    try {
        return f();
    } catch (const AutomationError& e) {
        return errorLine(e);
    }
}

std::string conversions() {
    std::ostringstream out;
    const Variant values[] = {Variant("1.5"),        Variant(" -3e2 "),  Variant("12/25/2020 13:45"),
                              Variant("True"),       Variant("1,234.5"), Variant::R8(0.1),
                              Variant::R8(2.5e300),  Variant::I4(-7),    Variant::Bool(true),
                              Variant::Date(36526.5), Variant("abc"),    Variant::Null()};
    const VarType types[] = {VarType::String, VarType::R8, VarType::I4, VarType::I2, VarType::Bool, VarType::Date};
    for (const Variant& v : values)
        for (VarType t : types) out << attempt([&] { return literal::print(changeType(v, t)); }) << '\n';
    return out.str();
}

std::string formats() {
    std::ostringstream out;
    const Variant values[] = {Variant::R8(1234.5678), Variant::R8(-0.000123), Variant::I4(42),
                              Variant::Date(44197.75), Variant("text"),       Variant::Null()};
    const char* formats[] = {"General Number", "Currency", "Percent", "Scientific", "#,##0.00", "0.0##E+00",
                             "yyyy-mm-dd hh:nn:ss", "Long Date", "@@@@@@@@!", ";;\"zero\";\"null\""};
    for (const Variant& v : values)
        for (const char* f : formats) out << attempt([&] { return literal::print(Format(v, f)); }) << '\n';
    return out.str();
}

std::string expressions() {
    std::ostringstream out;
    const char* texts[] = {"Sqr ( x ^ 2 + 9 )", "IIf ( x > 2 , x * 10 , -x )", "Choose ( 2 , 1.5 , x , 3 )",
                           "Log10 ( x * 250 )", "BitOr ( 5 , x )", "x / 0", "Nope ( 1 )", "( x + "};
    for (const char* text : texts) {
        const Ref<ExprEvaluator> e = makeRef<ExprEvaluator>();
        out << attempt([&] {
            e->SetExpressionString(text);
            e->SetNamedVariable("x", Variant::I4(4));
            return literal::print(e->EvalExpresion());
        }) << '\n';
    }
    return out.str();
}

// Funnels made by name, with the conflict text left to its default, as a form builds them.
std::string funnels() {
    std::ostringstream out;
    const Ref<Object> all = createObject("SCTAVParts.FunneledProperties");
    const char* names[] = {"Charge", "Name", "BFactor", "Occupancy"};
    for (const char* name : names) {
        std::vector<Variant> args{Variant(name), Variant(name)};
        invoke(*all, "AddPropertyFunnel", InvokeKind::Method, args);
    }
    for (const char* name : names) {
        std::vector<Variant> key{Variant(name)};
        const Ref<Object> holder = objectOf(invoke(*all, "Item", InvokeKind::PropertyGet, key));
        out << name << ' ' << literal::print(invoke(*holder, "ConflictValueStr", InvokeKind::PropertyGet)) << ' '
            << literal::print(invoke(*holder, "ApparentValue", InvokeKind::PropertyGet)) << '\n';
    }
    return out.str();
}

// A model of a few thousand atoms, their values funneled as the in-scope part funnels them.
std::string model() {
    std::ostringstream out;
    const Ref<Object> m = createObject("Host.Model");
    std::vector<Ref<Object>> atoms;
    for (int i = 0; i < kAtoms; ++i) {
        std::vector<Variant> args{Variant("Atom"), Variant("A" + std::to_string(i))};
        atoms.push_back(objectOf(invoke(*m, "AddObject", InvokeKind::Method, args)));
        std::vector<Variant> charge{Variant("Charge"), Variant::I4(i % 3 - 1)};
        invoke(*atoms.back(), "Value", InvokeKind::PropertyLet, charge);
        std::vector<Variant> b{Variant("BFactor"), Variant::R8(20.0 + (i % 17) * 0.25)};
        invoke(*atoms.back(), "Value", InvokeKind::PropertyLet, b);
    }
    out << literal::print(invoke(*m, "Count", InvokeKind::PropertyGet)) << '\n';
    const Ref<Object> all = createObject("SCTAVParts.FunneledProperties");
    for (auto [name, rule] : {std::pair{"Charge", 4}, std::pair{"BFactor", 1}}) {
        std::vector<Variant> args{Variant(name), Variant(name), Variant::I4(rule)};
        const Ref<Object> holder = objectOf(invoke(*all, "AddPropertyFunnel", InvokeKind::Method, args));
        for (const Ref<Object>& atom : atoms) {
            std::vector<Variant> property{Variant(name)};
            std::vector<Variant> value{invoke(*atom, "Value", InvokeKind::PropertyGet, property)};
            invoke(*holder, "FunnelValue", InvokeKind::Method, value);
        }
        out << name << ' ' << literal::print(invoke(*holder, "ApparentValue", InvokeKind::PropertyGet)) << ' '
            << literal::print(invoke(*holder, "status", InvokeKind::PropertyGet)) << '\n';
    }
    return out.str();
}

// A host install for the state system's start-up, made once and shared by every thread (which
// only reads it).
struct HostInstall {
    fs::path root, data, registry;
};

HostInstall makeHostInstall(const fs::path& examples) {
    std::string pattern = (fs::temp_directory_path() / "tav-stress-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    HostInstall h{pattern, fs::path(pattern) / "data", fs::path(pattern) / "registry"};
    fs::create_directories(h.data / "IntlFiles" / "Win32");
    fs::create_directories(h.data / "Components" / "State");
    fs::create_directories(h.data / "Components" / "System");
    fs::copy_file(examples / "State.dtd", h.data / "Components" / "System" / "State.dtd");
    for (const char* meta : {"Sample.xml", "Machine.xml"})
        fs::copy_file(examples / "state" / meta, h.data / "Components" / "State" / meta);
    const fs::path install = h.root / "install";
    fs::create_directories(install);
    std::ofstream(install / std::string(ContainerInits::Text::HostExecutable)).put('\n');
    const auto parser = LoadedModules::find(kParserLibrary);
    if (!parser) throw std::runtime_error("the XML parser library is not loaded");
    fs::create_symlink(*parser, install / std::string(kParserLibrary));
    const std::string key = "CLSID\\" + std::string(ContainerInits::Text::HostClassId) + "\\LocalServer32";
    FileRegistry::update(
        [&](FileRegistry& reg) { reg.setValue(key, "", (install / std::string(ContainerInits::Text::HostExecutable)).string()); },
        h.registry.string());
    return h;
}

// The start-up as a fresh thread meets it: its own environment, no prompts, the state folder
// listed and a state made from a meta file of it. The data directory is given as a full path,
// or relative to a current directory the thread chose.
std::string stateStartup(const HostInstall& h, bool relative) {
    if (relative) {
        ThreadEnvironment::setCurrentDirectory(h.root);
        ThreadEnvironment::set(kDataVariable, h.data.filename().string());
    } else {
        ThreadEnvironment::set(kDataVariable, h.data.string());
    }
    ThreadEnvironment::set(kRegistryVariable, h.registry.string());
    ScriptedPrompts prompts;
    const PromptsScope scope(prompts);
    std::ostringstream out;
    out << ContainerInits::ContainerInit() << '\n';
    out << attempt([&] {
        const IRef<iQvState> state = ContainerInits::CreateStateFromMetaFile("Sample.xml");
        return state ? StateListing::text(*state) : std::string("no state");
    });
    out << attempt([&] {
        const IRef<iQvState> state = ContainerInits::CreateStateFromMetaFile(
            (h.data / "Components" / "State" / "Machine.xml").string());
        return StateListing::text(*state);
    });
    out << ThreadEnvironment::get(ContainerInits::Text::IntlVariable).value_or("unset") << '\n';
    for (const std::string& shown : prompts.takeShown()) out << shown << '\n';
    return out.str();
}

// ---- the runs ------------------------------------------------------------------------------

std::vector<Job> jobsOf(const Options& o, const HostInstall& h) {
    std::vector<Job> jobs;
    std::vector<fs::path> scripts;
    for (const fs::directory_entry& e : fs::directory_iterator(o.scripts))
        if (e.path().extension() == ".tav") scripts.push_back(e.path());
    std::sort(scripts.begin(), scripts.end());
    for (const fs::path& p : scripts) {
        std::ifstream in(p, std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        jobs.push_back({p.filename().string(), [text = std::move(text)] {
                            std::ostringstream out, err;
                            const int status = ScriptRunner::runText(text, out, err, false);
                            return out.str() + err.str() + "exit " + std::to_string(status) + "\n";
                        },
                        " 0 failed\nexit 0\n"});
    }
    jobs.push_back({"conversions", conversions, ""});
    jobs.push_back({"formats", formats, ""});
    jobs.push_back({"expressions", expressions, ""});
    jobs.push_back({"funnels", funnels, ""});
    jobs.push_back({"model", model, ""});
    // The member tables every thread reads, defaults included.
    jobs.push_back({"type library", [] { return typelib::listing(); }, ""});
    jobs.push_back({"state start-up, data directory relative", [&h] { return stateStartup(h, true); }, ""});
    jobs.push_back({"state start-up", [&h] { return stateStartup(h, false); }, ""});
    return jobs;
}

void reportMismatch(const std::string& where, const std::string& expected, const std::string& got) {
    std::istringstream a(expected), b(got);
    std::string la, lb;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, la));
        const bool moreB = static_cast<bool>(std::getline(b, lb));
        if (!moreA && !moreB) break;
        if (la != lb || moreA != moreB) {
            std::cerr << where << ": output differs from the one-thread run at line " << line << "\n  one thread: "
                      << (moreA ? la : "(end)") << "\n  this run:   " << (moreB ? lb : "(end)") << "\n";
            return;
        }
    }
}

int run(const Options& o) {
    stateclasses::ensureRegistered();
    std::error_code ec;
    const fs::path startedIn = fs::current_path(ec);
    const HostInstall host = makeHostInstall(o.examples);
    const std::vector<Job> jobs = jobsOf(o, host);
    const Job& startup = jobs.back();

    // The lanes start the state system at the same moment, the parser not started yet.
    std::vector<std::string> cold(static_cast<size_t>(o.threads));
    {
        std::latch ready(o.threads);
        std::vector<std::thread> lanes;
        for (int t = 0; t < o.threads; ++t)
            lanes.emplace_back([&, t] {
                ready.arrive_and_wait();
                cold[static_cast<size_t>(t)] = normalised(startup.run());
            });
        for (std::thread& t : lanes) t.join();
    }

    std::vector<std::string> expected;
    for (const Job& job : jobs) {
        expected.push_back(onFreshThread(job));
        if (o.show) std::cout << "---- " << job.name << '\n' << expected.back();
        if (!expected.back().ends_with(job.passes)) {
            std::cerr << job.name << " fails on one thread alone:\n" << expected.back();
            return EXIT_FAILURE;
        }
    }
    for (int t = 0; t < o.threads; ++t) {
        if (cold[static_cast<size_t>(t)] != expected.back()) {
            reportMismatch("cold start-up on lane " + std::to_string(t), expected.back(), cold[static_cast<size_t>(t)]);
            return EXIT_FAILURE;
        }
    }

    std::atomic<bool> failed = false;
    std::atomic<int> runs = 0;
    std::vector<std::thread> lanes;
    for (int t = 0; t < o.threads; ++t) {
        lanes.emplace_back([&, t] {
            for (int round = 0; round < o.rounds && !failed; ++round) {
                // Each lane starts elsewhere in the list, so that different work overlaps.
                for (size_t k = 0; k < jobs.size() && !failed; ++k) {
                    const size_t j = (k + static_cast<size_t>(t) * jobs.size() / static_cast<size_t>(o.threads)) % jobs.size();
                    const std::string got = onFreshThread(jobs[j]);
                    ++runs;
                    if (got != expected[j] && !failed.exchange(true))
                        reportMismatch(jobs[j].name + " (lane " + std::to_string(t) + ", round " + std::to_string(round + 1) + ")",
                                       expected[j], got);
                }
            }
        });
    }
    for (std::thread& t : lanes) t.join();
    fs::remove_all(host.root, ec);
    if (failed) return EXIT_FAILURE;
    if (fs::current_path(ec) != startedIn) {
        std::cerr << "the process's current directory moved to " << fs::current_path(ec) << '\n';
        return EXIT_FAILURE;
    }
    std::cout << runs << " runs of " << jobs.size() << " scripts and workloads on " << o.threads
              << " threads at once: every output as on one thread\n";
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    std::vector<std::string> folders;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--show") {
            o.show = true;
        } else if ((a == "--threads" || a == "--rounds") && i + 1 < argc) {
            (a == "--threads" ? o.threads : o.rounds) = std::max(1, std::atoi(argv[++i]));
        } else {
            folders.push_back(a);
        }
    }
    if (folders.size() != 2) {
        std::cerr << "usage: ThreadStress [--threads N] [--rounds N] [--show] SCRIPT_FOLDER EXAMPLES_FOLDER\n";
        return kUsage;
    }
    std::error_code ec;
    o.scripts = fs::absolute(folders[0], ec);
    o.examples = fs::absolute(folders[1], ec);
    // The scripts that set up a host install take State.dtd and the meta files from here; set
    // before any thread starts.
    ::setenv(std::string(kExamplesVariable).c_str(), o.examples.c_str(), 1);
    try {
        return run(o);
    } catch (const std::exception& e) {
        std::cerr << "ThreadStress: " << e.what() << '\n';
        return EXIT_FAILURE;
    }
}
