// tavparts typelib: the type-library listing.
#include <iostream>

#include "Commands.h"
#include "registry/TypeLibrary.h"

namespace tav::cli {

int runTypelib(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "usage: tavparts typelib\n";
        return ExitUsage;
    }
    out << typelib::listing();
    return ExitOk;
}

}  // namespace tav::cli
