#pragma once
// The batch file read as lines, a block of lines at a time, in large pieces: each byte is looked
// at once, and however long the file or a line of it, the memory held stays within a bound.

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

// One line of the batch file: a view into its block without the line end, or a line that was
// too long to keep (its text is then empty).
struct BatchLine {
    std::string_view text;
    bool too_long = false;
};

// A run of consecutive lines of the file.
struct LineBlock {
    std::string text;              // the lines as read, each with its line end
    std::vector<BatchLine> lines;  // into `text`
    std::size_t count = 0;         // lines in use
};

struct LineLimits {
    // One asset's actions take a few hundred bytes; a longer line is reported and skipped.
    std::size_t max_line = std::size_t{1} << 20;
    std::size_t block_lines = 512;
    // A block is full at this many bytes too, so that the lines in flight stay within a bound.
    std::size_t block_bytes = std::size_t{4} << 20;
    std::size_t piece = std::size_t{1} << 16;
};

class LineReader {
  public:
    explicit LineReader(std::istream& in, LineLimits limits = {}) : in_(in), limits_(limits) {}

    // Fills `b` with the next lines; none at the end of the file. False once the file is read
    // to its end.
    bool Fill(LineBlock& b);
    const LineLimits& limits() const { return limits_; }

  private:
    struct Span {
        std::size_t at, size;
        bool too_long;
    };
    bool ReadMore(std::string& text);
    bool SkipLine(std::string& text);

    std::istream& in_;
    LineLimits limits_;
    std::string rest_;  // read past the last full block
    std::vector<Span> spans_;
};

}  // namespace orvane::cli
