// orvane-mklimits TABLE.csv FOLDER: makes the limit files the program ships from the table of
// yearly vehicle limits.

#include <fstream>
#include <iostream>
#include <stdexcept>

#include "limits/limit_table.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orvane-mklimits TABLE.csv FOLDER\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1]);
        if (!in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
        auto rows = orvane::ReadLimitTable(in);
        std::filesystem::create_directories(argv[2]);
        orvane::WriteLimitFiles(rows, argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "orvane-mklimits: " << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
