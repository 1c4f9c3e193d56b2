#include "StructureFiles.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "automation/values/TypedLiteral.h"
#include "host/structure/StructureBytes.h"
#include "host/structure/StructureFields.h"

namespace tav::structuretest {

namespace {

std::string trim(const std::string& s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::string cols(const std::string& line, size_t from, size_t width) {
    std::string padded = line;
    padded.resize(std::max(padded.size(), size_t{80}), ' ');
    return padded.substr(from, width);
}

// Hybrid-36 as the PDB format extends it: decimal, then A0000 = 100000 (or A000 = 10000).
int hybrid36(const std::string& field) {
    const std::string t = trim(field);
    if (t.empty()) return 0;
    if (t[0] >= 'A' && t[0] <= 'Z') {
        const long base = field.size() == 5 ? 10L * 36 * 36 * 36 * 36 : 10L * 36 * 36 * 36;
        const long decimal = field.size() == 5 ? 100000 : 10000;
        return static_cast<int>(std::stol(t, nullptr, 36) - base + decimal);
    }
    return std::stoi(t);
}

}  // namespace

std::string ubiquitin() {
    return std::string(TAV_EXAMPLES) + "/structures/1ubi.pdb";
}

std::string legacyUbiquitin() {
    std::string legacy;
    size_t n = 0;
    for (std::string line : lines(readText(ubiquitin()))) {
        line.resize(72, ' ');
        char id[16];
        std::snprintf(id, sizeof id, "1UBI%4zu", ++n % 10000);
        legacy += line + id + "\n";
    }
    return legacy;
}

TempDir::TempDir() {
    static std::atomic<int> n{0};
    path_ = std::filesystem::temp_directory_path() /
            ("tav-structures-" + std::to_string(::getpid()) + "-" + std::to_string(n++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string readText(const std::string& path) {
    return structure::StructureBytes::read(path).text;
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

Ref<hostmodel::Model> loaded(const std::string& path) {
    const auto m = makeRef<hostmodel::Model>();
    m->LoadStructure(path);
    return m;
}

void setValue(hostmodel::Model& model, std::string_view cls, std::string_view property,
              uint32_t row, const Variant& value) {
    model.classAt(*model.findClass(cls)).column(property).set(row, value);
}

std::vector<PdbAtom> pdbAtoms(const std::string& text) {
    std::vector<PdbAtom> out;
    std::istringstream in(text);
    std::string line;
    bool inModel = false, done = false;
    for (size_t n = 0; std::getline(in, line) && !done; ++n) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string record = cols(line, 0, 6);
        if (record == "ENDMDL" || (record.rfind("MODEL", 0) == 0 && inModel) ||
            trim(record) == "END") {
            done = inModel || trim(record) == "END";
            continue;
        }
        if (record != "ATOM  " && record != "HETATM") continue;
        inModel = true;
        PdbAtom a;
        a.line = n;
        a.serial = hybrid36(cols(line, 6, 5));
        a.name = trim(cols(line, 12, 4));
        a.altLoc = trim(cols(line, 16, 1));
        a.residue = trim(cols(line, 17, 3));
        a.chain = trim(cols(line, 20, 2));
        a.seq = hybrid36(cols(line, 22, 4));
        a.insCode = trim(cols(line, 26, 1));
        a.x = std::stod(cols(line, 30, 8));
        a.y = std::stod(cols(line, 38, 8));
        a.z = std::stod(cols(line, 46, 8));
        // What a line does not give is 1 and 20, as in gemmi.
        a.occupancy = trim(cols(line, 54, 6)).empty() ? 1.0 : std::stod(cols(line, 54, 6));
        a.b = trim(cols(line, 60, 6)).empty() ? 20.0 : std::stod(cols(line, 60, 6));
        a.element = trim(cols(line, 76, 2));
        const std::string charge = cols(line, 78, 2);
        if (charge[0] >= '0' && charge[0] <= '9')
            a.charge = (charge[0] - '0') * (charge[1] == '-' ? -1 : 1);
        out.push_back(a);
    }
    return out;
}

std::vector<Variant> column(const hostmodel::Model& model, std::string_view cls,
                            std::string_view property) {
    std::vector<Variant> out;
    const auto id = model.findClass(cls);
    if (!id) return out;
    const hostmodel::ModelClass& c = model.classAt(*id);
    const hostmodel::Column* col = c.findColumn(property);
    for (uint32_t r = 0; r < c.size(); ++r) out.push_back(col ? col->get(r) : Variant());
    return out;
}

std::vector<std::string> printed(const hostmodel::Model& model, std::string_view cls,
                                 std::string_view property) {
    std::vector<std::string> out;
    for (const Variant& v : column(model, cls, property)) out.push_back(literal::print(v));
    return out;
}

std::vector<std::string> everything(const hostmodel::Model& model) {
    std::vector<std::string> out;
    for (const structure::StructureField& f : structure::kStructureFields)
        for (const std::string& v : printed(model, structure::classOf(f.level), f.property))
            out.push_back(std::string(f.property) + "=" + v);
    return out;
}

void expectReadsBack(const std::string& file, const hostmodel::Model& model) {
    EXPECT_EQ(everything(*loaded(file)), everything(model)) << file;
}

void expectRefused(const Raised& e, const std::string& what, const std::string& unwritten) {
    EXPECT_EQ(e.number, 5);
    EXPECT_NE(e.description.find(what), std::string::npos) << e.description;
    if (!unwritten.empty()) {
        EXPECT_FALSE(std::filesystem::exists(unwritten)) << unwritten;
    }
}

}  // namespace tav::structuretest
