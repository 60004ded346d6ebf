#include "cli/batch_worker.h"

#include "cli/split_words.h"
#include "cli/window_options.h"

namespace orvane::cli {

BatchWorker::BatchWorker(const SessionSettings& s, const std::filesystem::path& folder,
                         const BatchTuning& tuning)
    : session_(s, folder),
      prototype_(session_.LoadWindow()),
      model_(prototype_),
      direct_(session_.platform.boxes, prototype_.controls()[MainCtl::txtInService].text),
      use_direct_(tuning.direct),
      direct_lines_(tuning.direct_lines) {}

bool BatchWorker::Compute(std::string_view line, int line_number, bool may_print, std::string& out,
                          int& failures) {
    session_.platform.boxes.shown.clear();
    session_.platform.beeper.beeps = 0;
    try {
        // A line of plain words is read in place, and goes straight through the engine when it
        // needs no window.
        const bool plain = ReadPlainWindowLine(line, views_);
        if (plain && use_direct_ && ComputeDirect(out)) return true;
        if (plain) {
            actions_.resize(views_.size());
            for (std::size_t i = 0; i < views_.size(); ++i) {
                actions_[i].index = views_[i].index;
                actions_[i].value.assign(views_[i].value);
            }
        } else {
            // Read in full, in this frame: a batch of bad lines spends its time unwinding.
            if (!SplitWords(line, words_)) throw UsageError{"unterminated quote"};
            WindowSettings settings;
            actions_.clear();
            if (ReadOptions(WindowOptions(), words_, settings, actions_) > 0)
                throw UsageError{"settings belong on the command line, not in a batch line"};
        }
        if (!may_print) {
            for (const Given& a : actions_) {
                if (PrintsOrExports(a)) return false;
            }
        }
        model_ = prototype_;
        RunWindowActions(model_, session_, actions_);
        rows_.ReadGrid(model_.controls().grid);
        AppendBatchLine(model_.controls()[MainCtl::stbMain], rows_, session_.platform.boxes, out);
    } catch (const UsageError& e) {
        ++failures;
        AppendErrorLine(out, line_number, e.message);
        return true;
    }
    out += '\n';
    return true;
}

bool BatchWorker::ComputeDirect(std::string& out) {
    rows_.Clear();
    if (!direct_.Run(views_, WindowActs(), rows_)) return false;
    AppendBatchLine(direct_.status(), rows_, session_.platform.boxes, out);
    if (direct_lines_) ++*direct_lines_;
    out += '\n';
    return true;
}

void Block::Compute(BatchWorker& w, bool may_print) {
    constexpr std::size_t kMaxLine = LineLimits{}.max_line;
    out.clear();
    failures = 0;
    for (done = 0; done < count; ++done) {
        const int number = first_line + static_cast<int>(done);
        if (lines[done].too_long) {
            ++failures;
            AppendErrorLine(out, number, "longer than " + std::to_string(kMaxLine) + " bytes");
            continue;
        }
        const std::string_view line = lines[done].text;
        if (line.find_first_not_of(" \t\r") == std::string_view::npos) continue;
        if (!w.Compute(line, number, may_print, out, failures)) break;
    }
}

BlockPool::BlockPool(int jobs, const SessionSettings& s, const std::filesystem::path& folder,
                     const BatchTuning& tuning) {
    for (int i = 0; i < jobs; ++i)
        threads_.emplace_back([this, &s, folder, &tuning] { Work(s, folder, tuning); });
}

BlockPool::~BlockPool() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
    }
    work_.notify_all();
    for (std::thread& t : threads_)
        t.join();
}

void BlockPool::Work(const SessionSettings& s, const std::filesystem::path& folder,
                     const BatchTuning& tuning) {
    BatchWorker worker(s, folder, tuning);
    for (;;) {
        Block* b = nullptr;
        {
            std::unique_lock lock(mutex_);
            work_.wait(lock, [&] { return closed_ || !todo_.empty(); });
            if (todo_.empty()) return;
            b = todo_.front();
            todo_.pop_front();
        }
        // Printing and export stay with the first thread: left to the caller.
        b->Compute(worker, false);
        {
            std::lock_guard lock(mutex_);
            b->ready = true;
        }
        done_.notify_all();
    }
}

void BlockPool::Add(Block* b) {
    {
        std::lock_guard lock(mutex_);
        b->ready = false;
        todo_.push_back(b);
    }
    work_.notify_one();
}

void BlockPool::Wait(Block* b) {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return b->ready; });
}

}  // namespace orvane::cli
