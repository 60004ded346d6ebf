// Start-up time of the main window against a bare Qt window with one line of text: each probe is
// started as a fresh process several times, alternating, and timed from just before the start to
// its first paint. Prints the median of each and their ratio.
//
//   bench_startup [RUNS]        (default 15; QT_QPA_PLATFORM=offscreen when there is no display)

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Runs the probe and returns milliseconds from its start to its first paint, or -1.
double RunOnce(const std::string& probe) {
    int out[2];
    if (pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);
    char* argv[] = {const_cast<char*>(probe.c_str()), nullptr};
    pid_t pid = 0;
    const long long start = MonotonicNs();
    const int rc = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        return -1;
    }
    std::string text;
    char buf[64];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
        text.append(buf, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (text.empty()) return -1;
    return static_cast<double>(std::atoll(text.c_str()) - start) / 1e6;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const auto here = std::filesystem::canonical("/proc/self/exe").parent_path();
    const std::string window = (here / "startup_probe_window").string();
    const std::string bare = (here / "startup_probe_bare").string();

    // One start of each first, to warm the file cache.
    RunOnce(window);
    RunOnce(bare);
    std::vector<double> w, b;
    for (int i = 0; i < runs; ++i) {
        const double tw = RunOnce(window);
        const double tb = RunOnce(bare);
        if (tw < 0 || tb < 0) {
            std::fprintf(stderr, "bench_startup: a probe did not paint\n");
            return 1;
        }
        w.push_back(tw);
        b.push_back(tb);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const double mw = Median(w);
    const double mb = Median(b);
    std::printf("platform %s, %d runs each, start to first paint (median):\n",
                platform ? platform : "(default)", runs);
    std::printf("  main window  %7.1f ms  (min %.1f, max %.1f)\n", mw,
                *std::min_element(w.begin(), w.end()), *std::max_element(w.begin(), w.end()));
    std::printf("  bare window  %7.1f ms  (min %.1f, max %.1f)\n", mb,
                *std::min_element(b.begin(), b.end()), *std::max_element(b.begin(), b.end()));
    std::printf("  ratio        %7.2f\n", mw / mb);
    return 0;
}
