// Golden command-line cases: each file under cases/ holds cases of the form
//
//   # what the case shows
//   $ ARGUMENTS...
//   expected output, line by line
//
// A case ends at the next "#" or "$" line. The output is what orvane-cli prints on standard
// output, then "stderr: ..." lines and "exit: N" when it exits other than 0; @CASES@ in the
// arguments is the folder of the case files; NAME=VALUE words before the arguments set the
// environment. @LIMITS@ in the arguments is a fresh copy of cases/limits made for the case and
// removed after it: the output names it @LIMITS@ and ends with a line 'changed NAME: "BYTES"'
// for each file the case changed or made there, and 'removed NAME' for each it removed. Run the
// test with ORVANE_UPDATE_GOLDEN=1 to write the current output back into the files.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Case {
    std::string comment;
    std::string args;
    std::string expected;
    std::string actual;
};

std::vector<Case> ReadCases(const fs::path& file) {
    std::ifstream in(file);
    std::vector<Case> cases;
    std::string line;
    std::string comment;
    while (std::getline(in, line)) {
        if (line.starts_with("# ") || line == "#") {
            comment += line + "\n";
        } else if (line.starts_with("$ ")) {
            cases.push_back({comment, line.substr(2), "", ""});
            comment.clear();
        } else if (!cases.empty() && comment.empty()) {
            cases.back().expected += line + "\n";
        }
    }
    return cases;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string RunCli(std::string args) {
    args = ReplaceAll(args, "@CASES@", ORVANE_CASES);
    std::string err_file =
        (fs::temp_directory_path() / ("orvane-golden-" + std::to_string(getpid()) + ".err"))
            .string();
    // Leading NAME=VALUE words set the environment of the run ("PATH=/nowhere --export x.xls").
    std::string env;
    while (true) {
        auto space = args.find(' ');
        auto eq = args.find('=');
        if (space == std::string::npos || eq == std::string::npos || eq > space || args[0] == '-')
            break;
        env += args.substr(0, space + 1);
        args.erase(0, space + 1);
    }
    std::string command =
        env + "'" + std::string(ORVANE_CLI) + "' " + args + " 2>'" + err_file + "'";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return "popen failed\n";
    std::array<char, 4096> buf{};
    while (std::size_t n = fread(buf.data(), 1, buf.size(), pipe))
        out.append(buf.data(), n);
    int status = pclose(pipe);
    std::ifstream err(err_file);
    std::string line;
    while (std::getline(err, line))
        out += "stderr: " + line + "\n";
    err.close();
    fs::remove(err_file);
    int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code != 0) out += "exit: " + std::to_string(code) + "\n";
    return out;
}

std::string RunCase(const std::string& args) {
    if (args.find("@LIMITS@") == std::string::npos) return RunCli(args);
    const fs::path original = fs::path(ORVANE_CASES) / "limits";
    std::string dir = (fs::temp_directory_path() / "orvane-golden-limits-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) return "mkdtemp failed\n";
    fs::copy(original, dir);
    std::string out = ReplaceAll(RunCli(ReplaceAll(args, "@LIMITS@", dir)), dir, "@LIMITS@");
    std::set<fs::path> names;
    for (const fs::path& folder : {original, fs::path(dir)}) {
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename());
    }
    for (const fs::path& name : names) {
        if (!fs::exists(dir / name)) {
            out += "removed " + name.string() + "\n";
            continue;
        }
        const std::string bytes = ReadAll(dir / name);
        if (!fs::exists(original / name) || ReadAll(original / name) != bytes) {
            out += "changed " + name.string() + ": \"" + bytes + "\"\n";
        }
    }
    fs::remove_all(dir);
    return out;
}

std::vector<std::string> CaseFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(ORVANE_CASES)) {
        if (entry.path().extension() == ".t") files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class GoldenTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, OutputMatches) {
    fs::path file = fs::path(ORVANE_CASES) / GetParam();
    auto cases = ReadCases(file);
    ASSERT_FALSE(cases.empty());
    for (auto& c : cases) {
        c.actual = RunCase(c.args);
        EXPECT_EQ(c.actual, c.expected) << c.comment << "$ " << c.args;
    }
    if (std::getenv("ORVANE_UPDATE_GOLDEN")) {
        std::ofstream out(file);
        for (const auto& c : cases)
            out << c.comment << "$ " << c.args << "\n" << c.actual;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest, ::testing::ValuesIn(CaseFiles()), [](const auto& info) {
    std::string name = info.param.substr(0, info.param.size() - 2);
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    }
    return name;
});

}  // namespace
