#include "cli/batch_run.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>
#include <vector>

#include "cli/batch_worker.h"

namespace orvane::cli {
namespace {

// The blocks of a batch, computed here or on the pool and written in input order.
class BatchRun {
  public:
    BatchRun(const BatchSettings& s, const BatchTuning& tuning, std::ostream& out)
        : folder_(LimitsFolderOf(s.session)), self_(s.session, folder_, tuning), out_(out) {
        int jobs = s.jobs;
        if (jobs <= 0) {
            jobs = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxJobs);
        }
        if (jobs > 1) pool_.emplace(jobs, s.session, folder_, tuning);
        // Up to two blocks a thread in flight: the memory stays the same for any length of file.
        blocks_.resize(pool_ ? 2 * static_cast<std::size_t>(jobs) : 1);
    }

    // Computes and writes the lines of `in`; returns the number of lines read.
    int ComputeAll(std::istream& in) {
        const std::size_t in_flight = blocks_.size();
        std::size_t next = 0, written = 0;
        int line_number = 0;
        LineReader reader(in);
        for (bool more = true; more;) {
            Block& b = blocks_[next % in_flight];
            if (next - written == in_flight) Write(blocks_[written++ % in_flight]);
            b.first_line = line_number + 1;
            more = reader.Fill(b);
            line_number += static_cast<int>(b.count);
            if (b.count == 0) break;
            if (pool_) {
                pool_->Add(&b);
            } else {
                b.Compute(self_, true);
            }
            ++next;
        }
        while (written < next)
            Write(blocks_[written++ % in_flight]);
        out_.flush();
        return line_number;
    }

    int failures() const { return failures_; }

  private:
    void Write(Block& b) {
        if (pool_) pool_->Wait(&b);
        out_ << b.out;
        failures_ += b.failures;
        if (b.done < b.count) {
            // The lines from the first one that prints or exports on, in order here.
            std::size_t from = b.done;
            b.first_line += static_cast<int>(from);
            std::rotate(b.lines.begin(), b.lines.begin() + static_cast<std::ptrdiff_t>(from),
                        b.lines.begin() + static_cast<std::ptrdiff_t>(b.count));
            b.count -= from;
            b.Compute(self_, true);
            out_ << b.out;
            failures_ += b.failures;
        }
    }

    const std::filesystem::path folder_;
    // This thread computes what the pool leaves to it (printing), and everything with one job.
    BatchWorker self_;
    std::vector<Block> blocks_;
    std::optional<BlockPool> pool_;  // ends its threads before the blocks go
    std::ostream& out_;
    int failures_ = 0;
};

}  // namespace

void CheckJobs(std::string_view option, const std::string& value) {
    if (value.empty() || value.size() > 2 ||
        value.find_first_not_of("0123456789") != std::string::npos || std::stoi(value) < 1 ||
        std::stoi(value) > kMaxJobs) {
        BadValue(option, "a number of threads from 1 to 64", value);
    }
}

int RunBatch(const BatchSettings& s, const BatchTuning& tuning, std::ostream& out,
             std::ostream& err, std::string_view tool) {
    std::error_code folder_error;
    if (std::filesystem::is_directory(s.file, folder_error)) {
        err << tool << ": cannot read batch file '" << s.file << "': it is a folder\n";
        return 2;
    }
    std::ifstream in(s.file, std::ios::binary);
    if (!in) {
        err << tool << ": cannot read batch file '" << s.file << "'\n";
        return 2;
    }
    BatchRun run(s, tuning, out);
    const int lines = run.ComputeAll(in);
    if (in.bad()) {
        err << tool << ": reading batch file '" << s.file << "' failed after line " << lines
            << "\n";
        return 2;
    }
    if (run.failures()) {
        err << tool << ": " << run.failures() << " batch line(s) had errors\n";
        return 2;
    }
    return 0;
}

}  // namespace orvane::cli
