// orvane-register-gen N FILE: writes a register of N generated assets of every kind (the
// tests' generator) for bench/register.sh.

#include <cstdio>
#include <cstdlib>

#include "tests/register/generated_register.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: orvane-register-gen N FILE\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) {
        std::perror(argv[2]);
        return 1;
    }
    orvane::reg::testing::WriteGeneratedRegister(out, std::atoll(argv[1]));
    return std::fclose(out) == 0 ? 0 : 1;
}
