#pragma once
// Plain C++17 (see AtomSite.h).
#include <memory>
#include <string>

namespace tav::structure {

// gemmi's own reading and writing of a whole structure file, for measuring this library's
// reading and saving against it in one program.
class GemmiPeer {
  public:
    GemmiPeer();
    ~GemmiPeer();

    // Reads a file as gemmi's tools do (format from the name, gzip or not); the atom count.
    size_t read(const std::string& path);
    // Writes what was read last as a whole PDB or mmCIF file.
    void writePdb(const std::string& path) const;
    void writeMmcif(const std::string& path) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tav::structure
