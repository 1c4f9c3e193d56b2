#include "host/structure/gemmi/GemmiPeer.h"

#include <gemmi/read_coor.hpp>
#include <gemmi/to_cif.hpp>
#include <gemmi/to_mmcif.hpp>
#include <gemmi/to_pdb.hpp>

#include <fstream>

namespace tav::structure {

struct GemmiPeer::Impl {
    gemmi::Structure st;
};

GemmiPeer::GemmiPeer() : impl_(std::make_unique<Impl>()) {}
GemmiPeer::~GemmiPeer() = default;

size_t GemmiPeer::read(const std::string& path) {
    impl_->st = gemmi::read_structure_gz(path);
    size_t n = 0;
    for (const gemmi::Chain& chain : impl_->st.first_model().chains)
        for (const gemmi::Residue& res : chain.residues) n += res.atoms.size();
    return n;
}

void GemmiPeer::writePdb(const std::string& path) const {
    std::ofstream os(path, std::ios::binary);
    gemmi::write_pdb(impl_->st, os);
}

void GemmiPeer::writeMmcif(const std::string& path) const {
    std::ofstream os(path, std::ios::binary);
    gemmi::cif::write_cif_to_stream(os, gemmi::make_mmcif_document(impl_->st),
                                    gemmi::cif::Style::Pdbx);
}

}  // namespace tav::structure
