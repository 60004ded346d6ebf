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

// One step of the script on the editor.
void Act(LimitEditorModel& window, std::uint8_t op, std::uint8_t a, std::uint8_t b) {
    const EditorCtl box = kBoxes[a % 7];
    constexpr EditorCtl kClicks[] = {EditorCtl::cmdNext, EditorCtl::cmdPrevious,
                                     EditorCtl::cmdAdd,  EditorCtl::cmdDelete,
                                     EditorCtl::cmdSave, EditorCtl::cmdClose};
    const int kind = op % 10;
    if (kind < 6) {
        window.Click(kClicks[kind]);
    } else if (kind == 6) {
        window.KeyPress(box, static_cast<char32_t>(b));
    } else if (kind == 7) {
        window.KeyPress(box, static_cast<char32_t>(0x80 + b * 37));
    } else if (kind == 8) {
        window.PressDelete(box);
    } else {
        window.Select(box, a >> 3, b);
    }
}

// What a step may have done to the file: a save writes its record in place or at the end, a
// delete leaves the other counted records byte for byte, anything else but Next and Previous
// (which may save by the prompt) leaves the file as it was.
void CheckFile(const std::string& status, int kind, const std::string& before,
               const std::string& after, std::int32_t current, std::int32_t count) {
    if (status == limit_text::kRecordUpdated && kind == 4) {
        const std::size_t end = static_cast<std::size_t>(current) * kRecordLength;
        const std::size_t kept = std::min(before.size(), end - kRecordLength);
        CHECK(after.size() == std::max(before.size(), end));
        CHECK(after.compare(0, kept, before, 0, kept) == 0);
    } else if (status == limit_text::kRecordDeleted && kind == 3) {
        std::string expected;
        for (std::int32_t r = 1; r <= count; ++r) {
            const std::size_t start = static_cast<std::size_t>(r - 1) * kRecordLength;
            if (r != current && start < before.size())
                expected += before.substr(start, kRecordLength);
        }
        CHECK(after == expected);
    } else if (kind != 4 && kind != 0 && kind != 1) {
        CHECK(after == before);
    }
}

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
        boxes.fallback = kAnswers[b % 3];
        const std::string before = ReadAll(path);
        const std::int32_t current = data.CurrentRecord;
        const std::int32_t count = data.RecordCount;
        Act(window, op, a, b);
        CHECK(boxes.Reports() == 0);
        CHECK(!fs::exists(dir / kTempFileName));
        const std::string after = ReadAll(path);
        if (!window.loaded()) break;
        CHECK(data.RecordCount >= 1);
        CHECK(data.CurrentRecord >= 1 && data.CurrentRecord <= data.RecordCount);
        CheckFile(window.controls[EditorCtl::stbAuto].text, op % 10, before, after, current, count);
    }
    return 0;
}
