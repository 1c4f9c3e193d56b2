// gemmi looks for its bundled stb_sprintf.h beside its headers and warns when it falls back to
// the system's; Debian removed the bundled copy, so this stands in for it (on a system include
// path of the structure-file library only).
#include <stb/stb_sprintf.h>
