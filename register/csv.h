#pragma once
// The register file as CSV (RFC 4180): records found in large pieces of the file, a block of
// whole records at a time, each byte looked at once; a record split into its fields, quotes
// taken off. Records are numbered as a spreadsheet numbers its rows (the header is row 1; a
// line break inside quotes stays in its row).

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::reg {

struct CsvRecord {
    std::string_view text;  // without its line end
    int row = 0;
    bool too_long = false;  // longer than the limit: not kept, text empty
};

struct CsvBlock {
    std::string text;
    std::vector<CsvRecord> records;
    std::size_t count = 0;  // records in use
};

struct CsvLimits {
    std::size_t max_record = std::size_t{1} << 20;
    std::size_t block_records = 2048;
    std::size_t block_bytes = std::size_t{2} << 20;
    std::size_t piece = std::size_t{1} << 18;
};

class CsvReader {
  public:
    // Reads from `file` (not owned) from where it stands.
    explicit CsvReader(std::FILE* file, CsvLimits limits = {}) : file_(file), limits_(limits) {}

    // Fills `b` with the next whole records (at most `max_records`, 0: as the limits say);
    // empty lines are skipped (their rows still count). False once the file is read to its end
    // (with `b` empty).
    bool Fill(CsvBlock& b, std::size_t max_records = 0);
    // Whether reading failed (an I/O error, not the end of the file).
    bool failed() const { return failed_; }
    const CsvLimits& limits() const { return limits_; }

  private:
    struct Span {
        std::size_t at, size;
        int row;
        bool too_long;
    };
    bool ReadMore();
    // The end (its line feed) of the record that starts at start_, looking on from scanned_
    // with the quotes open or not as quoted_ says; npos when it is not in rest_ yet.
    std::size_t RecordEnd();

    std::FILE* file_;
    CsvLimits limits_;
    std::string rest_;
    std::size_t start_ = 0;  // of the next record in rest_
    std::size_t scanned_ = 0;
    bool quoted_ = false;
    std::vector<Span> spans_;
    int next_row_ = 1;
    bool eof_ = false;
    bool failed_ = false;
};

// How a field of a record went wrong.
struct CsvFieldError {
    std::size_t field = 0;  // its number, 0 on
    std::string_view text;  // the field as found
    bool bad = false;
};

// Splits `record` into `fields`. Quoted fields lose their quotes and have "" as "; their
// texts go into `scratch`, which keeps them while `fields` are used. False, with `error`
// filled, for a quote inside an unquoted field, text after a closing quote or a quote never
// closed.
bool SplitRecord(std::string_view record, std::vector<std::string_view>& fields,
                 std::string& scratch, CsvFieldError& error);

}  // namespace orvane::reg
