#include "cli/obtool.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return quorvant::cli::RunObtool(args, std::cout, std::cerr);
}
