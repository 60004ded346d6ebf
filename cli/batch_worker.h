#pragma once
// The computers of a batch: a worker computes lines into their JSON lines, a block is a run of
// lines with their output, and the pool computes blocks on threads of its own while the caller
// writes them in input order.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/model/main_window_model.h"
#include "cli/batch_line.h"
#include "cli/batch_reader.h"
#include "cli/command.h"
#include "cli/direct_path.h"
#include "cli/options.h"
#include "cli/window_session.h"

namespace orvane::cli {

// One computer of batch lines: its own window, loaded once and copied for every line that
// needs a window, and its own direct road.
class BatchWorker {
  public:
    BatchWorker(const SessionSettings& s, const std::filesystem::path& folder,
                const BatchTuning& tuning);

    // Appends the JSON line of one batch line to `out`; a line that cannot be read counts in
    // `failures`. False, with nothing appended, for a line that prints or exports when
    // `may_print` is false.
    bool Compute(std::string_view line, int line_number, bool may_print, std::string& out,
                 int& failures);

  private:
    // The line straight through the engine; false when it needs the window.
    bool ComputeDirect(std::string& out);

    WindowSession session_;
    MainWindowModel prototype_;
    MainWindowModel model_;
    DirectPath direct_;
    bool use_direct_;
    std::atomic<long>* direct_lines_;
    std::vector<std::string> words_;
    std::vector<Given> actions_;
    std::vector<GivenView> views_;
    RowsJson rows_;
};

// A run of consecutive lines of the batch file and the output of the lines computed so far.
struct Block : LineBlock {
    int first_line = 0;    // the number of the first line
    std::size_t done = 0;  // lines computed
    std::string out;
    int failures = 0;
    bool ready = false;

    // Computes the lines from the first on, up to one that prints or exports when `may_print`
    // is false.
    void Compute(BatchWorker& w, bool may_print);
};

// Computes blocks on `jobs` threads, each with a worker of its own; the lines that print or
// export are left to the caller.
class BlockPool {
  public:
    BlockPool(int jobs, const SessionSettings& s, const std::filesystem::path& folder,
              const BatchTuning& tuning);
    ~BlockPool();
    BlockPool(const BlockPool&) = delete;
    BlockPool& operator=(const BlockPool&) = delete;

    void Add(Block* b);
    // Waits until `b` is computed.
    void Wait(Block* b);

  private:
    void Work(const SessionSettings& s, const std::filesystem::path& folder,
              const BatchTuning& tuning);

    std::mutex mutex_;
    std::condition_variable work_, done_;
    std::deque<Block*> todo_;
    bool closed_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace orvane::cli
