#include "SyntheticStructure.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace tav::bench {

namespace {

struct Residue {
    const char* name;
    std::vector<std::pair<const char*, const char*>> atoms;  // name, element
};

const Residue kResidues[] = {
    {"ALA", {{"N", "N"}, {"CA", "C"}, {"C", "C"}, {"O", "O"}, {"CB", "C"}}},
    {"SER", {{"N", "N"}, {"CA", "C"}, {"C", "C"}, {"O", "O"}, {"CB", "C"}, {"OG", "O"}}},
    {"LEU",
     {{"N", "N"},
      {"CA", "C"},
      {"C", "C"},
      {"O", "O"},
      {"CB", "C"},
      {"CG", "C"},
      {"CD1", "C"},
      {"CD2", "C"}}},
    {"MET",
     {{"N", "N"},
      {"CA", "C"},
      {"C", "C"},
      {"O", "O"},
      {"CB", "C"},
      {"CG", "C"},
      {"SD", "S"},
      {"CE", "C"},
      {"H", "H"},
      {"HA", "H"}}},
};
const Residue kWater = {"HOH", {{"O", "O"}}};
constexpr int kResiduesPerChain = 1000;
constexpr int kWatersPerChain = 20;

std::string chainName(size_t index) {
    const char* letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    if (index < 26) return std::string(1, letters[index]);
    return std::string{letters[(index / 26 - 1) % 26], letters[index % 26]};
}

// One atom: where it stands and what it holds, from its number alone.
struct Atom {
    size_t serial;
    const char* name;
    const char* element;
    const char* residue;
    std::string chain;
    int seq;
    bool het;
    char altLoc;
    int charge;
    double x, y, z, occupancy, b;
};

template <class Emit>
size_t generate(size_t atoms, Emit emit) {
    size_t n = 0;
    for (size_t chain = 0; n < atoms; ++chain) {
        const std::string name = chainName(chain % (26 * 27));
        for (int r = 1; r <= kResiduesPerChain + kWatersPerChain && n < atoms; ++r) {
            const bool water = r > kResiduesPerChain;
            const Residue& res = water ? kWater : kResidues[(r * 7 + chain) % 4];
            for (const auto& [atomName, element] : res.atoms) {
                if (n == atoms) break;
                ++n;
                Atom a{n, atomName, element, res.name, name, r, water, ' ', 0, 0, 0, 0, 1.0, 0};
                a.x = static_cast<double>((n * 7919) % 200000) / 1000.0 - 100.0;
                a.y = static_cast<double>((n * 104729) % 200000) / 1000.0 - 100.0;
                a.z = static_cast<double>((n * 1299709) % 200000) / 1000.0 - 100.0;
                a.b = 10.0 + static_cast<double>((n * 31) % 5000) / 100.0;
                if (n % 97 == 0) {
                    a.altLoc = 'A';
                    a.occupancy = 0.5;
                }
                if (res.name[0] == 'S' && element[0] == 'O' && atomName[1] == 'G' && n % 5 == 0)
                    a.charge = -1;
                emit(a);
            }
        }
        emit(Atom{0, nullptr, nullptr, nullptr, name, 0, false, ' ', 0, 0, 0, 0, 0,
                  0});  // end of chain
    }
    return n;
}

// Serial numbers beyond five digits in hybrid-36, as the PDB format extends it.
std::string serial36(size_t serial) {
    if (serial < 100000) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%5zu", serial);
        return buf;
    }
    const char* digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    size_t v = serial - 100000 + 10 * 36 * 36 * 36 * 36;
    std::string out(5, ' ');
    for (int i = 4; i >= 0; --i, v /= 36) out[static_cast<size_t>(i)] = digits[v % 36];
    return out;
}

}  // namespace

size_t writeSyntheticPdb(const std::string& path, size_t atoms) {
    std::ofstream out(path, std::ios::binary);
    out << "HEADER    SYNTHETIC STRUCTURE FOR MEASURING\n"
           "CRYST1  200.000  200.000  200.000  90.00  90.00  90.00 P 1           1\n";
    char line[96];
    const size_t n = generate(atoms, [&](const Atom& a) {
        if (!a.name) {
            out << "TER\n";
            return;
        }
        // Names of one-letter elements start in column 14; chain names end in column 22.
        const std::string name =
            std::string(a.name).size() < 4 ? " " + std::string(a.name) : a.name;
        std::snprintf(line, sizeof line,
                      "%-6s%5s %-4s%c%3s%2s%4d    %8.3f%8.3f%8.3f%6.2f%6.2f          %2s%c%c\n",
                      a.het ? "HETATM" : "ATOM", serial36(a.serial).c_str(), name.c_str(), a.altLoc,
                      a.residue, a.chain.c_str(), a.seq, a.x, a.y, a.z, a.occupancy, a.b, a.element,
                      a.charge ? '1' : ' ', a.charge ? '-' : ' ');
        out << line;
    });
    out << "END\n";
    return n;
}

size_t writeSyntheticMmcif(const std::string& path, size_t atoms) {
    std::ofstream out(path, std::ios::binary);
    out << "data_SYNTH\n#\n_cell.length_a 200.000\n_cell.length_b 200.000\n_cell.length_c 200.000\n"
           "_cell.angle_alpha 90.00\n_cell.angle_beta 90.00\n_cell.angle_gamma 90.00\n#\n"
           "_symmetry.space_group_name_H-M 'P 1'\n#\n"
           "loop_\n_entity.id\n_entity.type\n1 polymer\n2 water\n#\nloop_\n";
    for (const char* tag : {"group_PDB",         "id",
                            "type_symbol",       "label_atom_id",
                            "label_alt_id",      "label_comp_id",
                            "label_asym_id",     "label_entity_id",
                            "label_seq_id",      "pdbx_PDB_ins_code",
                            "Cartn_x",           "Cartn_y",
                            "Cartn_z",           "occupancy",
                            "B_iso_or_equiv",    "pdbx_formal_charge",
                            "auth_seq_id",       "auth_comp_id",
                            "auth_asym_id",      "auth_atom_id",
                            "pdbx_PDB_model_num"})
        out << "_atom_site." << tag << "\n";
    char line[256];
    const size_t n = generate(atoms, [&](const Atom& a) {
        if (!a.name) return;
        const char alt[2] = {a.altLoc == ' ' ? '.' : a.altLoc, '\0'};
        const std::string labelSeq = a.het ? "." : std::to_string(a.seq);
        std::snprintf(line, sizeof line,
                      "%s %zu %s %s %s %s %s %d %s ? %.3f %.3f %.3f %.2f %.2f %d %d %s %s %s 1\n",
                      a.het ? "HETATM" : "ATOM", a.serial, a.element, a.name, alt, a.residue,
                      a.chain.c_str(), a.het ? 2 : 1, labelSeq.c_str(), a.x, a.y, a.z, a.occupancy,
                      a.b, a.charge, a.seq, a.residue, a.chain.c_str(), a.name);
        out << line;
    });
    out << "#\n";
    return n;
}

}  // namespace tav::bench
