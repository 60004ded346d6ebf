#pragma once
// The blocks of the register file computed on several threads and handed on in file order:
// whatever the number of threads, what is handed on is the same.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "register/csv.h"

namespace orvane::reg {

template <class Result>
class OrderedBlocks {
  public:
    using Step = std::function<void(const CsvBlock&, Result&)>;

    // `work` runs on any thread, once a block; `merge` on the caller's, in file order.
    static void Run(CsvReader& reader, int jobs, const Step& work, const Step& merge) {
        if (jobs <= 1) {
            Slot s;
            while (reader.Fill(s.block)) {
                work(s.block, s.result);
                merge(s.block, s.result);
            }
            return;
        }
        OrderedBlocks pool(jobs, work);
        pool.Drive(reader, merge);
    }

  private:
    struct Slot {
        CsvBlock block;
        Result result;
        bool ready = false;
    };

    OrderedBlocks(int jobs, const Step& work) : slots_(static_cast<std::size_t>(2 * jobs)) {
        for (int i = 0; i < jobs; ++i) {
            threads_.emplace_back([this, &work] {
                for (;;) {
                    Slot* s = nullptr;
                    {
                        std::unique_lock lock(mutex_);
                        wake_.wait(lock, [&] { return closed_ || !todo_.empty(); });
                        if (todo_.empty()) return;
                        s = todo_.front();
                        todo_.pop_front();
                    }
                    work(s->block, s->result);
                    {
                        std::lock_guard lock(mutex_);
                        s->ready = true;
                    }
                    done_.notify_all();
                }
            });
        }
    }

    ~OrderedBlocks() {
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
        }
        wake_.notify_all();
        for (std::thread& t : threads_)
            t.join();
    }

    bool Start(CsvReader& reader, Slot& s) {
        if (!reader.Fill(s.block)) return false;
        {
            std::lock_guard lock(mutex_);
            s.ready = false;
            todo_.push_back(&s);
        }
        wake_.notify_one();
        return true;
    }

    void Drive(CsvReader& reader, const Step& merge) {
        std::deque<Slot*> order;
        for (Slot& s : slots_) {
            if (!Start(reader, s)) break;
            order.push_back(&s);
        }
        while (!order.empty()) {
            Slot* s = order.front();
            order.pop_front();
            {
                std::unique_lock lock(mutex_);
                done_.wait(lock, [&] { return s->ready; });
            }
            merge(s->block, s->result);
            if (Start(reader, *s)) order.push_back(s);
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable wake_, done_;
    std::deque<Slot*> todo_;
    bool closed_ = false;
};

}  // namespace orvane::reg
