#include "export/calc_spreadsheet.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "export/calc_protocol.h"
#include "export/save_failure.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

fs::path ProgramDir() {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : self.parent_path();
}

bool Executable(const fs::path& p) {
    return !p.empty() && access(p.c_str(), X_OK) == 0 && fs::is_regular_file(p);
}

// The helper: beside the program (the build tree), else where the package puts it
// (ORVANE_HELPER_DIR, relative to the program's folder), which is the place named when neither
// is there.
fs::path HelperPath() {
    const fs::path program = ProgramDir();
    const fs::path beside = program / "orvane-calc";
    if (Executable(beside)) return beside;
    return (program / ORVANE_HELPER_DIR / "orvane-calc").lexically_normal();
}

// The environment of the helper: this program's, with the folder of the LibreOffice it drives
// first on the library path. The helper links LibreOffice's UNO libraries and finds them there,
// wherever that LibreOffice is installed.
std::vector<std::string> HelperEnvironment(const fs::path& office) {
    constexpr std::string_view kName = "LD_LIBRARY_PATH=";
    std::error_code ec;
    std::string libraries = fs::canonical(office, ec).parent_path().string();
    if (ec) libraries.clear();
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string_view entry = *e;
        if (!entry.starts_with(kName)) {
            env.emplace_back(entry);
        } else if (entry.size() > kName.size()) {
            if (!libraries.empty()) libraries += ':';
            libraries += entry.substr(kName.size());
        }
    }
    if (!libraries.empty()) env.push_back(std::string(kName) + libraries);
    return env;
}

// The strings as exec takes them, ending in a null pointer.
std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string UniqueName() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    return "orvane-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + "-" +
           std::to_string(rd() % 1000000);
}

// Waits for `pid` to end, at most `timeout`; true when it did (and was reaped).
bool WaitFor(pid_t pid, std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        int status = 0;
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid || (r < 0 && errno == ECHILD)) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(10ms);
    }
}

}  // namespace

CalcSpreadsheet::CalcSpreadsheet(CalcOptions options) : options_(std::move(options)) {
    if (options_.helper.empty()) options_.helper = HelperPath();
}

CalcSpreadsheet::~CalcSpreadsheet() {
    Stop();
}

fs::path CalcSpreadsheet::FindOffice() {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        fs::path dir = dirs.substr(start, end - start);
        if (!dir.empty() && Executable(dir / "soffice")) return dir / "soffice";
        start = end + 1;
    }
    return {};
}

void CalcSpreadsheet::Start() {
    if (helper_ > 0) return;
    const fs::path office = FindOffice();
    if (office.empty()) {
        throw Fault(calc::kFaultNoOffice,
                    "Export needs LibreOffice Calc, and it was not found: no soffice "
                    "program on the PATH. Install LibreOffice Calc (Debian package "
                    "libreoffice-calc-nogui).");
    }
    if (!Executable(options_.helper)) {
        throw Fault(calc::kFaultNoOffice,
                    "Export needs the program's LibreOffice helper, and it was not "
                    "found: " +
                        options_.helper.string() +
                        " is missing (install the package orvane-export; a build from source "
                        "makes it when the LibreOffice SDK, Debian package libreoffice-dev, is "
                        "installed).");
    }
    std::string profile_template = (fs::temp_directory_path() / "orvane-lo-XXXXXX").string();
    if (mkdtemp(profile_template.data()) == nullptr) {
        throw Fault(calc::kFaultNoOffice,
                    "Export could not make a temporary folder for LibreOffice.");
    }
    profile_ = profile_template;
    locks_ = calc::OwnLocks(profile_);

    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
        Stop();
        throw Fault(calc::kFaultNoOffice, "Export could not start its LibreOffice helper.");
    }
    std::vector<std::string> args = {options_.helper.string(), office.string(), profile_.string(),
                                     UniqueName(),
                                     std::to_string(options_.start_timeout.count() * 3 / 4)};
    std::vector<char*> argv = Pointers(args);
    std::vector<std::string> env = HelperEnvironment(office);
    std::vector<char*> envp = Pointers(env);
    const pid_t parent = getpid();
    pid_t pid = fork();
    if (pid == 0) {
        // The helper ends LibreOffice when this program dies.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(1);
        dup2(fds[1], 0);
        dup2(fds[1], 1);
        signal(SIGPIPE, SIG_DFL);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(fds[1]);
    fd_ = fds[0];
    if (pid < 0) {
        Stop();
        throw Fault(calc::kFaultNoOffice, "Export could not start its LibreOffice helper.");
    }
    helper_ = pid;

    std::vector<std::string> first;
    try {
        first = calc::SplitFields(ReadLine(10s));
    } catch (const Fault&) {
        throw Fault(calc::kFaultNoOffice,
                    "Export needs LibreOffice Calc, and the program's LibreOffice helper (" +
                        options_.helper.string() +
                        ") could not start: LibreOffice's libraries are missing or "
                        "incomplete. Install LibreOffice Calc (Debian package "
                        "libreoffice-calc-nogui).");
    }
    if (first[0] == "PGID" && first.size() > 1) {
        office_group_ = std::atoi(first[1].c_str());
        first = calc::SplitFields(ReadLine(options_.start_timeout));
    }
    if (first[0] == "READY") return;
    if (first[0] == "ERR" && first.size() > 2) Fail(std::atoi(first[1].c_str()), first[2]);
    Fail(calc::kFaultNoOffice, "The LibreOffice helper did not start.");
}

std::string CalcSpreadsheet::ReadLine(std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        auto eol = buffer_.find('\n');
        if (eol != std::string::npos) {
            std::string line = buffer_.substr(0, eol);
            buffer_.erase(0, eol + 1);
            return line;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left <= 0ms) {
            Fail(kSpreadsheetGone,
                 "LibreOffice did not answer within " +
                     std::to_string(
                         std::chrono::duration_cast<std::chrono::seconds>(timeout).count()) +
                     " seconds; it was stopped.");
        }
        pollfd p{fd_, POLLIN, 0};
        int r = poll(&p, 1, static_cast<int>(left.count()));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) continue;
        char chunk[4096];
        ssize_t n = read(fd_, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Fail(kSpreadsheetGone, "The LibreOffice helper ended unexpectedly.");
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

void CalcSpreadsheet::Fail(int number, const std::string& description) {
    Stop(true);
    throw Fault(number, description);
}

std::vector<std::string> CalcSpreadsheet::Request(const std::vector<std::string>& fields) {
    if (helper_ <= 0) throw Fault(kSpreadsheetGone, "LibreOffice is not running.");
    std::string line = calc::JoinFields(fields) + "\n";
    std::size_t sent = 0;
    while (sent < line.size()) {
        ssize_t n = send(fd_, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Fail(kSpreadsheetGone, "The LibreOffice helper ended unexpectedly.");
        sent += static_cast<std::size_t>(n);
    }
    std::vector<std::string> reply = calc::SplitFields(ReadLine(options_.request_timeout));
    if (reply[0] == "OK") {
        reply.erase(reply.begin());
        return reply;
    }
    if (reply[0] == "ERR" && reply.size() > 2) throw Fault(std::atoi(reply[1].c_str()), reply[2]);
    Fail(kSpreadsheetGone, "The LibreOffice helper gave an answer out of turn.");
}

void CalcSpreadsheet::Open(const std::string& path) {
    locks_.Watch(fs::absolute(path));
    Request({"OPEN", fs::absolute(path).string()});
}

void CalcSpreadsheet::Add() {
    Request({"ADD"});
}

std::vector<std::string> CalcSpreadsheet::ReadColumn(int col, int first, int last) {
    return Request({"READ", std::to_string(col), std::to_string(first), std::to_string(last)});
}

void CalcSpreadsheet::Write(int row, int col, std::string_view text) {
    Request({"WRITE", std::to_string(row), std::to_string(col), std::string(text)});
}

void CalcSpreadsheet::SetColumnWidth(int col, double characters) {
    Request({"WIDTH", std::to_string(col), std::to_string(characters)});
}

void CalcSpreadsheet::SaveAs(const std::string& path) {
    const fs::path target = fs::absolute(path);
    locks_.Watch(target);
    try {
        Request({"SAVE", target.string()});
    } catch (const Fault& fault) {
        throw Fault(fault.number(), PlainSaveFailure(target, fault.description()));
    }
}

void CalcSpreadsheet::Close() {
    Request({"CLOSE"});
}

void CalcSpreadsheet::Quit() {
    if (helper_ > 0) {
        try {
            Request({"QUIT"});
        } catch (const Fault&) {
            // Stop() below ends whatever is left.
        }
    }
    Stop();
}

void CalcSpreadsheet::Stop(bool at_once) {
    if (at_once && office_group_ > 1 && office_group_ != getpgrp()) kill(-office_group_, SIGKILL);
    if (at_once && helper_ > 0) kill(helper_, SIGKILL);
    if (fd_ >= 0) {
        close(fd_);  // the helper reads the end of its input and ends LibreOffice
        fd_ = -1;
    }
    if (helper_ > 0) {
        if (!WaitFor(helper_, 15s)) {
            kill(helper_, SIGKILL);
            WaitFor(helper_, 5s);
        }
        helper_ = 0;
    }
    if (office_group_ > 1 && office_group_ != getpgrp()) {
        kill(-office_group_, SIGKILL);
        office_group_ = 0;
    }
    buffer_.clear();
    // LibreOffice is gone: a lock of ours beside a workbook holds nothing any more.
    locks_.Release();
    locks_ = calc::OwnLocks(profile_);
    if (!profile_.empty()) {
        std::error_code ec;
        fs::remove_all(profile_, ec);
    }
}

}  // namespace orvane
