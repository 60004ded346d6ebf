#pragma once
// The register command's work: the file read twice, once for what each tax year's assets
// decide together (the mid-quarter test, the section 179 limitation) and for the checks of
// every row and of the ids, once to compute each asset and write it out as it is made.

#include <filesystem>
#include <iosfwd>
#include <optional>

#include "register/writers.h"

namespace orvane::reg {

struct RegisterOptions {
    std::filesystem::path file = {};
    int year = 0;
    Format format = Format::Csv;
    bool to_stdout = true;  // false: only the folder of files
    std::optional<std::filesystem::path> out_dir = {};
    std::optional<long long> business_income = {};
    long long carryover_in = 0;
    int jobs = 1;
    std::filesystem::path limits_folder = {};
};

// The exit status: 0 done, 1 a register with rows that cannot be read (each named on `err`,
// nothing reported), 2 a file or folder that cannot be read or written. `tool` starts the
// messages that are not about a row.
int RunRegister(const RegisterOptions& options, std::ostream& out, std::ostream& err,
                std::string_view tool);

}  // namespace orvane::reg
