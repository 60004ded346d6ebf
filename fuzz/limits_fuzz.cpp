// Feeds arbitrary bytes as a limit file to the engine's look-up and to the limit editor, with a
// script of clicks, keys and answers taken from the same input, and checks what must always
// hold: the look-up finds a year exactly when a counted record carries it, the record pointer
// stays within the records, and a rewrite leaves no temporary file and a file of the expected
// length.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "limits/ansi.h"
#include "limits/data_file.h"
#include "limits/limit_editor_model.h"
#include "limits/vehicle_limit_files.h"
#include "tests/support/fakes.h"

namespace {

namespace fs = std::filesystem;
using namespace orvane;

#define CHECK(condition)                    \
    do {                                    \
        if (!(condition)) __builtin_trap(); \
    } while (0)

constexpr MsgAnswer kAnswers[] = {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel};

const fs::path& Folder() {
    static const fs::path folder = [] {
        std::string base = fs::exists("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
        std::string pattern = base + "/orvane-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        return fs::path(pattern);
    }();
    return folder;
}

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Whether a counted record of `bytes` carries `year` as the look-up compares it.
bool HasYear(const std::string& bytes, const std::string& year) {
    const std::int32_t count = RecordCountForLength(static_cast<std::int64_t>(bytes.size()));
    for (std::int32_t i = 0; i < count; ++i) {
        std::string field = bytes.size() > static_cast<std::size_t>(i) * kRecordLength
                                ? bytes.substr(static_cast<std::size_t>(i) * kRecordLength, 4)
                                : std::string();
        field.resize(4, ' ');
        if (AnsiToUtf8(field) == year) return true;
    }
    return false;
}

constexpr EditorCtl kBoxes[] = {EditorCtl::txtYear,  EditorCtl::txtYear0, EditorCtl::txtYear1,
                                EditorCtl::txtYear2, EditorCtl::txtYear3, EditorCtl::txtYear4,
                                EditorCtl::txtYear5};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider in(bytes, size);
    const std::string year = in.ConsumeBytesAsString(4);
    const std::vector<std::uint8_t> script =
        in.ConsumeBytes<std::uint8_t>(3 * in.ConsumeIntegralInRange<std::size_t>(0, 32));
    const std::string file = in.ConsumeRemainingBytesAsString();

    const fs::path& dir = Folder();
    const fs::path path = dir / "AutoMax.DAT";
    std::error_code ec;
    fs::remove(dir / kTempFileName, ec);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
    }

    fakes::ScriptedMessageBoxes boxes;
    VehicleLimitFiles files(dir, boxes);
    std::optional<VehicleLimitTexts> found = files.Find('A', year);
    CHECK(boxes.Reports() == 0);
    CHECK(found.has_value() == HasYear(file, year));
    CHECK(ReadAll(path) == file);  // a look-up never writes

    fakes::CountingBeeper beeper;
    DataFile data(dir, boxes);
    data.OpenFile("AutoMax.DAT");
    LimitEditorModel window(data, boxes, beeper, "AutoMax.DAT");
    window.Form_Load(15360, 11520);
    for (std::size_t i = 0; i + 2 < script.size() && window.loaded(); i += 3) {
        const std::uint8_t op = script[i], a = script[i + 1], b = script[i + 2];
        const EditorCtl box = kBoxes[a % 7];
        boxes.fallback = kAnswers[b % 3];
        const std::string before = ReadAll(path);
        const std::int32_t current = data.CurrentRecord;
        const std::int32_t count = data.RecordCount;
        switch (op % 10) {
            case 0:
                window.Click(EditorCtl::cmdNext);
                break;
            case 1:
                window.Click(EditorCtl::cmdPrevious);
                break;
            case 2:
                window.Click(EditorCtl::cmdAdd);
                break;
            case 3:
                window.Click(EditorCtl::cmdDelete);
                break;
            case 4:
                window.Click(EditorCtl::cmdSave);
                break;
            case 5:
                window.Click(EditorCtl::cmdClose);
                break;
            case 6:
                window.KeyPress(box, static_cast<char32_t>(b));
                break;
            case 7:
                window.KeyPress(box, static_cast<char32_t>(0x80 + b * 37));
                break;
            case 8:
                window.PressDelete(box);
                break;
            default:
                window.Select(box, a >> 3, b);
                break;
        }
        CHECK(boxes.Reports() == 0);
        CHECK(!fs::exists(dir / kTempFileName));
        const std::string after = ReadAll(path);
        if (!window.loaded()) break;
        CHECK(data.RecordCount >= 1);
        CHECK(data.CurrentRecord >= 1 && data.CurrentRecord <= data.RecordCount);
        const Control& status = window.controls[EditorCtl::stbAuto];
        if (status.text == limit_text::kRecordUpdated && op % 10 == 4) {
            const std::size_t end = static_cast<std::size_t>(current) * kRecordLength;
            CHECK(after.size() == std::max(before.size(), end));
            CHECK(after.compare(0, std::min(before.size(), end - kRecordLength), before, 0,
                                std::min(before.size(), end - kRecordLength)) == 0);
        } else if (status.text == limit_text::kRecordDeleted && op % 10 == 3) {
            // The records up to the count, but the deleted one, byte for byte.
            std::string expected;
            for (std::int32_t r = 1; r <= count; ++r) {
                const std::size_t start = static_cast<std::size_t>(r - 1) * kRecordLength;
                if (r != current && start < before.size()) {
                    expected += before.substr(start, kRecordLength);
                }
            }
            CHECK(after == expected);
        } else if (op % 10 != 4 && op % 10 != 0 && op % 10 != 1) {
            CHECK(after == before);  // only saving writes (Next/Previous may save by the prompt)
        }
    }
    return 0;
}
