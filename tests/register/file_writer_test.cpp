// A file written behind the computation in pieces: every byte in its place, however the texts
// fall across the pieces.

#include "register/file_writer.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace orvane::reg {
namespace {

TEST(FileWriterTest, TextsAcrossSeveralPiecesComeBackAsWritten) {
    const auto path =
        std::filesystem::temp_directory_path() /
        ("orvane-file-writer-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::string expected;
    {
        FileWriter w;
        ASSERT_TRUE(w.Open(path));
        // Texts of uneven lengths, some longer than a piece, ending off any block boundary.
        for (std::size_t i = 0; expected.size() < (std::size_t{19} << 20); ++i) {
            const std::string text(i % 7 == 6 ? (std::size_t{5} << 20) + i : 1000 + i * 37 % 4093,
                                   static_cast<char>('a' + i % 26));
            w.Write(text);
            expected += text;
        }
        ASSERT_TRUE(w.Close());
    }
    std::ifstream in(path, std::ios::binary);
    const std::string read{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(path);
    EXPECT_EQ(read.size(), expected.size());
    EXPECT_TRUE(read == expected);
}

}  // namespace
}  // namespace orvane::reg
