// Feeds arbitrary bytes as a batch file to the line reader, with limits taken from the same
// input, and checks what must always hold: every line comes out once, in order, as
// std::getline reads it, or marked too long exactly when it is; a block never holds more than
// its bytes, one line and one piece.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_reader.h"

#define CHECK(condition)                    \
    do {                                    \
        if (!(condition)) __builtin_trap(); \
    } while (0)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace orvane::cli;
    FuzzedDataProvider in(bytes, size);
    const LineLimits limits{.max_line = in.ConsumeIntegralInRange<std::size_t>(0, 64),
                            .block_lines = in.ConsumeIntegralInRange<std::size_t>(1, 16),
                            .block_bytes = in.ConsumeIntegralInRange<std::size_t>(1, 128),
                            .piece = in.ConsumeIntegralInRange<std::size_t>(1, 32)};
    const std::string text = in.ConsumeRemainingBytesAsString();

    std::vector<std::string> expected;
    {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            expected.push_back(line);
    }
    std::istringstream file(text);
    LineReader reader(file, limits);
    LineBlock block;
    std::size_t n = 0;
    for (bool more = true; more;) {
        more = reader.Fill(block);
        CHECK(block.count == block.lines.size());
        CHECK(block.text.size() <= limits.block_bytes + limits.max_line + limits.piece);
        CHECK(more || n + block.count == expected.size());
        for (std::size_t i = 0; i < block.count; ++i, ++n) {
            CHECK(n < expected.size());
            const BatchLine& line = block.lines[i];
            CHECK(line.too_long == (expected[n].size() > limits.max_line));
            CHECK(line.too_long ? line.text.empty() : line.text == expected[n]);
        }
    }
    CHECK(n == expected.size());
    return 0;
}
