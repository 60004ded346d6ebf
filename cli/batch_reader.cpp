#include "cli/batch_reader.h"

namespace orvane::cli {

bool LineReader::Fill(LineBlock& b) {
    b.text.swap(rest_);
    rest_.clear();
    spans_.clear();
    std::size_t start = 0;  // of the line being looked at
    std::size_t scan = 0;   // where its line end is looked for next
    bool more = true;
    while (spans_.size() < limits_.block_lines && start < limits_.block_bytes) {
        const std::size_t end = b.text.find('\n', scan);
        if (end != std::string::npos) {
            const bool too_long = end - start > limits_.max_line;
            spans_.push_back({start, too_long ? 0 : end - start, too_long});
            start = scan = end + 1;
        } else if (b.text.size() - start > limits_.max_line) {
            spans_.push_back({start, 0, true});
            b.text.resize(start);
            more = SkipLine(b.text);
            scan = start;
            if (!more) break;
        } else if (scan = b.text.size(); !ReadMore(b.text)) {
            // A last line without a line end.
            if (start < b.text.size()) spans_.push_back({start, b.text.size() - start, false});
            start = b.text.size();
            more = false;
            break;
        }
    }
    // What follows the last whole line goes to the next block.
    rest_.assign(b.text, start, std::string::npos);
    b.text.resize(start);
    b.lines.resize(spans_.size());
    for (std::size_t i = 0; i < spans_.size(); ++i)
        b.lines[i] = {{b.text.data() + spans_[i].at, spans_[i].size}, spans_[i].too_long};
    b.count = spans_.size();
    return more || !rest_.empty();
}

bool LineReader::ReadMore(std::string& text) {
    if (!in_) return false;
    const std::size_t had = text.size();
    text.resize(had + limits_.piece);
    in_.read(text.data() + had, static_cast<std::streamsize>(limits_.piece));
    text.resize(had + static_cast<std::size_t>(in_.gcount()));
    return text.size() > had;
}

// Reads past the rest of a line too long to keep; what follows its line end is appended to
// `text`. False at the end of the file.
bool LineReader::SkipLine(std::string& text) {
    std::string piece;
    while (ReadMore(piece)) {
        const std::size_t end = piece.find('\n');
        if (end != std::string::npos) {
            text.append(piece, end + 1, std::string::npos);
            return true;
        }
        piece.clear();
    }
    return false;
}

}  // namespace orvane::cli
