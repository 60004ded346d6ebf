#pragma once
// The batch's output: one compact JSON line an asset,
// {"status":{"text":...,"color":"#rrggbb"},"rows":[["2008","49,118.50 ","442,066.50 "],...],
//  "messages":[{"title":...,"text":...}]}, written straight into a buffer: a batch writes a
// hundred thousand of them.

#include <memory>
#include <string>
#include <string_view>

#include "app/model/depr.h"
#include "app/model/grid.h"
#include "base/json_text.h"
#include "controls/controls.h"
#include "platform/scripted.h"

namespace orvane::cli {

// The rows of a schedule as the JSON array's elements, comma-separated, in year order: taken as
// the engine makes them, or read from a filled grid.
class RowsJson : public ScheduleRows {
  public:
    void Row(std::string_view year, std::string_view depreciation,
             std::string_view basis_left) override;
    void ReadGrid(const ScheduleGrid& grid);
    void Clear() { size_ = 0; }
    std::string_view text() const { return {buffer_.get(), size_}; }

  private:
    // Room for `more` characters past the text.
    char* Room(std::size_t more) {
        return capacity_ - size_ >= more ? buffer_.get() + size_ : Grow(more);
    }
    char* Grow(std::size_t more);

    // A buffer of its own rather than a string: the rows are written straight into its room.
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The whole line for a status line, the rows and the boxes shown, without a line end.
void AppendBatchLine(const Control& status, const RowsJson& rows, const ScriptedMessageBoxes& boxes,
                     std::string& out);

// The line {"error":"line N: WHAT"} of a batch line that could not be read, with its line end.
// A byte of WHAT that is not UTF-8 (a line's own words are quoted in it) is written as U+FFFD.
void AppendErrorLine(std::string& out, int number, std::string_view what);

}  // namespace orvane::cli
