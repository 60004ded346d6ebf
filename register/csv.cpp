#include "register/csv.h"

#include <cstring>

namespace orvane::reg {

bool CsvReader::ReadMore() {
    if (eof_) return false;
    if (start_ > 0) {
        rest_.erase(0, start_);
        scanned_ -= start_;
        start_ = 0;
    }
    const std::size_t had = rest_.size();
    rest_.resize(had + limits_.piece);
    const std::size_t got = std::fread(rest_.data() + had, 1, limits_.piece, file_);
    rest_.resize(had + got);
    if (got == 0) {
        eof_ = true;
        failed_ = std::ferror(file_) != 0;
        return false;
    }
    return true;
}

std::size_t CsvReader::RecordEnd() {
    const char* data = rest_.data();
    const std::size_t size = rest_.size();
    std::size_t i = scanned_;
    while (i < size) {
        if (quoted_) {
            const void* q = std::memchr(data + i, '"', size - i);
            if (!q) break;
            i = static_cast<std::size_t>(static_cast<const char*>(q) - data) + 1;
            quoted_ = false;
            continue;
        }
        const void* nl = std::memchr(data + i, '\n', size - i);
        const std::size_t line_end =
            nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - data) : size;
        const void* q = std::memchr(data + i, '"', line_end - i);
        if (!q) {
            if (nl) {
                scanned_ = line_end + 1;
                return line_end;
            }
            break;
        }
        i = static_cast<std::size_t>(static_cast<const char*>(q) - data) + 1;
        quoted_ = true;
    }
    scanned_ = size;
    return std::string::npos;
}

bool CsvReader::Fill(CsvBlock& b, std::size_t max_records) {
    b.text.clear();
    b.count = 0;
    spans_.clear();
    if (max_records == 0) max_records = limits_.block_records;
    while (spans_.size() < max_records && b.text.size() < limits_.block_bytes) {
        scanned_ = start_;
        quoted_ = false;
        bool too_long = false;
        std::size_t end = std::string::npos;
        for (;;) {
            end = RecordEnd();
            if (end != std::string::npos) break;
            if (scanned_ - start_ > limits_.max_record) {
                // Not kept: what was looked at goes, the search for the record's end goes on.
                too_long = true;
                rest_.erase(start_, scanned_ - start_);
                scanned_ = start_;
            }
            if (!ReadMore()) break;
        }
        const bool last = end == std::string::npos;
        if (last && start_ >= rest_.size() && !too_long) break;
        if (last) end = rest_.size();
        std::size_t length = end - start_;
        if (length > limits_.max_record) too_long = true;
        if (length > 0 && rest_[end - 1] == '\r') --length;
        const int row = next_row_++;
        if (too_long) {
            spans_.push_back({b.text.size(), 0, row, true});
        } else if (length > 0) {
            spans_.push_back({b.text.size(), length, row, false});
            b.text.append(rest_, start_, length);
        }
        start_ = last ? rest_.size() : end + 1;
    }
    if (b.records.size() < spans_.size()) b.records.resize(spans_.size());
    for (const Span& s : spans_)
        b.records[b.count++] = {std::string_view(b.text).substr(s.at, s.size), s.row, s.too_long};
    return b.count > 0;
}

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

bool SplitRecord(std::string_view record, std::vector<std::string_view>& fields,
                 std::string& scratch, CsvFieldError& error) {
    fields.clear();
    scratch.clear();
    scratch.reserve(record.size());
    const std::size_t n = record.size();
    std::size_t i = 0;
    for (;;) {
        const std::size_t field_start = i;
        std::size_t j = i;
        while (j < n && Blank(record[j]))
            ++j;
        if (j < n && record[j] == '"') {
            // Quoted: its text, "" for each quote, goes into the scratch.
            const std::size_t at = scratch.size();
            i = j + 1;
            for (;;) {
                const std::size_t q = record.find('"', i);
                if (q == std::string_view::npos) {
                    error = {fields.size(), record.substr(field_start), true};
                    return false;
                }
                scratch.append(record.data() + i, q - i);
                if (q + 1 < n && record[q + 1] == '"') {
                    scratch += '"';
                    i = q + 2;
                    continue;
                }
                i = q + 1;
                break;
            }
            fields.push_back(std::string_view(scratch).substr(at));
            while (i < n && Blank(record[i]))
                ++i;
            if (i == n) return true;
            if (record[i] != ',') {
                const std::size_t c = record.find(',', i);
                error = {fields.size() - 1, record.substr(field_start, c - field_start), true};
                return false;
            }
            ++i;
            continue;
        }
        // An unquoted field: one look at each character for the comma that ends it and for
        // a quote that has no place in it.
        std::size_t end = i;
        bool quote = false;
        while (end < n && record[end] != ',') {
            quote = quote || record[end] == '"';
            ++end;
        }
        const std::string_view field = record.substr(i, end - i);
        if (quote) {
            error = {fields.size(), field, true};
            return false;
        }
        fields.push_back(field);
        if (end == n) return true;
        i = end + 1;
    }
}

}  // namespace orvane::reg
