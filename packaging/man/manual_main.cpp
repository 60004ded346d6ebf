// orvane-cli-manual VERSION DATE FILE: writes orvane-cli's manual page, made from the option
// tables of its commands, into FILE (roff). Run by the build.

#include <fstream>
#include <iostream>

#include "cli/commands.h"
#include "cli/manual.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: orvane-cli-manual VERSION DATE FILE\n";
        return 2;
    }
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << orvane::cli::ManualPage(orvane::cli::Commands(), argv[1], argv[2]);
    out.close();
    if (!out) {
        std::cerr << "orvane-cli-manual: cannot write " << argv[3] << "\n";
        return 1;
    }
    return 0;
}
