// tavparts: the command-line front end of the library.
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tav::cli::dispatch(args, std::cin, std::cout, std::cerr);
}
