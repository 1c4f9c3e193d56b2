// Files that can't be a structure end in error 5 naming the file and what is wrong, with nothing
// loaded: the model keeps what it had.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <zlib.h>

#include "StructureFiles.h"
#include "host/model/Model.h"
#include "host/model/ModelObject.h"

namespace tav::structuretest {
namespace {

using hostmodel::Model;

// The text, repeated as many times, gzipped, without holding the whole of it.
std::string gzip(const std::string& text, int times = 1) {
    z_stream zs{};
    deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    std::string out(compressBound(static_cast<uLong>(text.size())) + 32, '\0');
    size_t used = 0;
    for (int i = 0; i < times; ++i) {
        const int flush = i + 1 == times ? Z_FINISH : Z_NO_FLUSH;
        zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
        zs.avail_in = static_cast<uInt>(text.size());
        do {
            if (used == out.size()) out.resize(out.size() * 2);
            zs.next_out = reinterpret_cast<Bytef*>(out.data() + used);
            zs.avail_out = static_cast<uInt>(out.size() - used);
            deflate(&zs, flush);
            used = out.size() - zs.avail_out;
        } while (zs.avail_in != 0 || (flush == Z_FINISH && zs.avail_out == 0));
    }
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}

TEST(StructureRefusals, WhatCannotBeAStructureIsNamedAndNothingIsLoaded) {
    const std::string pdb = readText(ubiquitin());
    const size_t atom = pdb.find("\nATOM") + 1;
    std::string badNumber = pdb;
    badNumber.replace(atom + 31, 3, "x.y");
    std::string nan = pdb;
    nan.replace(atom + 30, 8, "     nan");
    std::string binary = pdb;
    binary[atom + 40] = '\0';
    const std::string cifText =
        "data_x\nloop_\n_atom_site.id\n_atom_site.Cartn_x\n_atom_site.Cartn_y\n"
        "_atom_site.Cartn_z\n_atom_site.auth_seq_id\n_atom_site.auth_asym_id\n"
        "_atom_site.auth_comp_id\n_atom_site.auth_atom_id\n"
        "1 1.0 2.0 3.0 5 A ALA CA\n2 1.0 2.0 3.0 5 A ALA CB\n";
    const std::string gz = gzip(pdb);
    std::string corruptGz = gz;
    for (size_t i = 100; i < 140; ++i) corruptGz[i] = static_cast<char>(corruptGz[i] ^ 0x5a);
    struct Case {
        const char* name;
        std::string content;
        const char* message;
    };
    const Case cases[] = {
        {"empty.pdb", "", "the file is empty"},
        {"binary.pdb", binary, "not a text file"},
        {"truncated.pdb", pdb.substr(0, atom + 40),
         "line 270: the atom record ends before its coordinates (column 54)"},
        {"number.pdb", badNumber, "line 270: the x coordinate is not a number: \"x.y.343\""},
        {"nan.pdb", nan, "line 270: the x coordinate is not a number: \"nan\""},
        {"truncated.cif", cifText.substr(0, cifText.size() - 10),
         "line 2:1: Wrong number of values in the loop"},
        {"nocoords.cif", "data_x\n_cell.length_a 10\n", "no _atom_site table"},
        {"header.pdb", pdb.substr(0, atom), "the file holds no atoms"},
        {"json.cif", "{\"data_x\": {}}", "mmJSON files are not read"},
        {"truncated.pdb.gz", gz.substr(0, gz.size() / 2), "the compressed data ends early"},
        {"corrupt.pdb.gz", corruptGz, "the compressed data is corrupt"},
        // 80 MiB of blanks in a few hundred kilobytes.
        {"bomb.pdb.gz", gzip(std::string(1 << 20, ' '), 80),
         "decompresses to more than 100 times its size"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeText(dir.file(c.name), c.content);
        const auto m = makeRef<Model>();
        m->AddObject("Bond", "kept");
        const Raised e = raised([&] { m->LoadStructure(dir.file(c.name)); });
        EXPECT_EQ(e.number, 5);
        EXPECT_EQ(e.source, "Model");
        EXPECT_EQ(e.description.rfind(dir.file(c.name) + ": ", 0), 0u) << e.description;
        EXPECT_NE(e.description.find(c.message), std::string::npos) << e.description;
        EXPECT_EQ(m->Count(), 1);
        EXPECT_EQ(raised([&] { m->ChangedAtoms(); }).number, 5);  // no structure
    }
}

// A FIFO would keep a plain reader waiting for a writer.
TEST(StructureRefusals, AFifoIsNoFile) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    const auto m = makeRef<Model>();
    expectRefused(raised([&] { m->LoadStructure(dir.file("fifo")); }), "not a regular file");
    EXPECT_EQ(m->Count(), 0);
}

}  // namespace
}  // namespace tav::structuretest
