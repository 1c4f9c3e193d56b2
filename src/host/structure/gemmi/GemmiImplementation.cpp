// gemmi's non-inline code (writing PDB and mmCIF, reading possibly gzipped files), compiled
// once here: the unit is slow to build and nothing else defines these macros.
#define GEMMI_WRITE_IMPLEMENTATION
#define GEMMI_READ_COOR_IMPLEMENTATION
#include <gemmi/read_coor.hpp>
#include <gemmi/to_mmcif.hpp>
#include <gemmi/to_pdb.hpp>
