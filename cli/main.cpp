#include <iostream>
#include <string>
#include <vector>

#include "cli/vorla_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vorla::cli::RunVorla(args, std::cout, std::cerr);
}
