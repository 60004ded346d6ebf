// The register's four files end to end: orvane-cli register over the golden register of
// tests/cli/cases (register.csv) against the files expected beside it (register/*.csv), on one
// thread and on three. Run with ORVANE_UPDATE_GOLDEN=1 to write the files again.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(RegisterGolden, TheFourFiles) {
    const fs::path cases = ORVANE_CASES;
    const fs::path out = fs::temp_directory_path() / ("orvane-golden-" + std::to_string(getpid()));
    for (const char* jobs : {"1", "3"}) {
        fs::remove_all(out);
        const std::string command = std::string("'") + ORVANE_CLI + "' register '" +
                                    (cases / "register.csv").string() + "' --year 2025 --jobs " +
                                    jobs + " --out '" + out.string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        for (const char* name : {"assets.csv", "schedules.csv", "totals.csv", "form4562.csv"}) {
            const fs::path expected = cases / "register" / name;
            if (std::getenv("ORVANE_UPDATE_GOLDEN")) {
                fs::create_directories(expected.parent_path());
                fs::copy_file(out / name, expected, fs::copy_options::overwrite_existing);
            }
            EXPECT_EQ(Read(out / name), Read(expected)) << name << " with --jobs " << jobs;
        }
    }
    fs::remove_all(out);
}

}  // namespace
