#include "limits/data_file.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "base/numtext.h"
#include "limits/ansi.h"

namespace orvane {
namespace {

std::string FitAnsi(std::string_view utf8, int width) {
    std::string ansi = Utf8ToAnsi(utf8);
    ansi.resize(static_cast<std::size_t>(width), ' ');
    return ansi;
}

// Runs a statement whose fault is of no interest: letting go of a file that is given up anyway.
template <class F>
void Quietly(F&& statement) {
    try {
        statement();
    } catch (const Fault&) {
    }
}

// A trap whose report is one fixed text, shown alone with an OK button; like ErrorTrap, the
// routine goes on with its next statement.
class FixedTextTrap {
  public:
    FixedTextTrap(MessageBoxes& boxes, std::string_view text) : boxes_(boxes), text_(text) {}
    template <class F>
    void Run(F&& statement) {
        try {
            statement();
        } catch (const Fault&) {
            boxes_.Show(text_, "", MsgButtons::Ok);
        }
    }

  private:
    MessageBoxes& boxes_;
    std::string_view text_;
};

}  // namespace

std::string& VehicleLimitRecord::Field(int i) {
    return const_cast<std::string&>(std::as_const(*this).Field(i));
}

const std::string& VehicleLimitRecord::Field(int i) const {
    switch (i) {
        case 0:
            return Year;
        case 1:
            return FirstYearBonus30Max;
        case 2:
            return FirstYearMax;
        case 3:
            return SecondYearMax;
        case 4:
            return ThirdYearMax;
        case 5:
            return FourthYearMax;
        case 6:
            return FirstYearBonus50Max;
        default:
            Raise(fault::kSubscript);
    }
}

RecordBytes EncodeRecord(const VehicleLimitRecord& record) {
    RecordBytes bytes;
    for (int i = 0; i < VehicleLimitRecord::kFieldCount; ++i) {
        const FieldLayout& f = kRecordLayout[i];
        std::string field = FitAnsi(record.Field(i), f.width);
        std::copy(field.begin(), field.end(), bytes.begin() + f.offset);
    }
    return bytes;
}

VehicleLimitRecord DecodeRecord(std::span<const char> bytes) {
    RecordBytes full;
    full.fill(' ');
    std::size_t n = std::min(bytes.size(), full.size());
    std::copy_n(bytes.begin(), n, full.begin());
    VehicleLimitRecord record;
    for (int i = 0; i < VehicleLimitRecord::kFieldCount; ++i) {
        const FieldLayout& f = kRecordLayout[i];
        record.Field(i) = AnsiToUtf8(std::string_view(full.data() + f.offset, f.width));
    }
    return record;
}

std::string FitField(std::string_view text, int width) {
    return AnsiToUtf8(FitAnsi(text, width));
}

std::int32_t RecordCountForLength(std::int64_t length) {
    std::int64_t count = length / kRecordLength;
    std::int64_t rest = length % kRecordLength;
    if (2 * rest > kRecordLength || (2 * rest == kRecordLength && count % 2 == 1)) ++count;
    if (count > std::numeric_limits<std::int32_t>::max()) Raise(fault::kOverflow);
    return count == 0 ? 1 : static_cast<std::int32_t>(count);
}

DataFile::DataFile(std::filesystem::path folder, MessageBoxes& boxes, FileSystem& fs)
    : folder_(std::move(folder)), boxes_(boxes), fs_(fs) {}

DataFile::~DataFile() {
    CloseQuietly(FileNumber);
}

void DataFile::CloseQuietly(int& handle) {
    if (handle > 0) Quietly([&] { fs_.Close(handle); });
    handle = 0;
}

std::string DataFile::PathOf(std::string_view file_name) const {
    return (folder_ / std::filesystem::path(file_name)).string();
}

void DataFile::OpenFile(std::string_view file_name) {
    // Only one limit file is open at a time; a file still open is let go quietly.
    CloseQuietly(FileNumber);
    FixedTextTrap trap(boxes_, limit_text::kCantOpen);
    RecordLength = kRecordLength;
    open_path_ = PathOf(file_name);
    trap.Run([&] { FileNumber = fs_.Open(open_path_, OpenMode::ReadWrite); });
    CurrentRecord = 1;
    trap.Run([&] {
        if (FileNumber <= 0) Raise(fault::kBadFileNameOrNumber);
        RecordCount = RecordCountForLength(fs_.Size(FileNumber));
    });
    if (RecordCount == 0) RecordCount = 1;
}

void DataFile::CloseFile() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kCloseFileError);
    if (FileNumber <= 0) return;
    int handle = std::exchange(FileNumber, 0);
    trap.Run([&] { fs_.Close(handle); });
}

std::size_t DataFile::ReadRecordBytes(std::int32_t number, RecordBytes& bytes) {
    if (FileNumber <= 0) Raise(fault::kBadFileNameOrNumber);
    if (number < 1) Raise(fault::kBadRecordNumber);
    std::int64_t offset = static_cast<std::int64_t>(number - 1) * kRecordLength;
    return fs_.ReadAt(FileNumber, offset, bytes);
}

VehicleLimitRecord DataFile::ReadRecord(std::int32_t number) {
    RecordBytes bytes;
    std::size_t n = ReadRecordBytes(number, bytes);
    return DecodeRecord(std::span<const char>(bytes.data(), n));
}

bool DataFile::SearchFile(std::string_view year) {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kSearchFileError);
    for (std::int32_t i = 1; i <= RecordCount; ++i) {
        trap.Run([&] { RecordBuffer = ReadRecord(i); });
        if (RecordBuffer.Year == year) return true;
        if (i == std::numeric_limits<std::int32_t>::max()) break;
    }
    return false;
}

void DataFile::ShowCurrentRecord() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kShowRecordError);
    trap.Run([&] { RecordBuffer = ReadRecord(CurrentRecord); });
    for (int i = 0; i < VehicleLimitRecord::kFieldCount; ++i) {
        std::string& field = RecordBuffer.Field(i);
        field = std::string(Trim(field));
        if (editor) editor->SetBoxText(kRecordBoxes[i], field);
    }
}

void DataFile::Rewrite(const std::filesystem::path& target,
                       const std::function<void(int temp)>& fill) {
    const std::string temp_path = (target.parent_path() / kTempFileName).string();
    if (fs_.Exists(temp_path)) fs_.Remove(temp_path);
    int temp = fs_.Open(temp_path, OpenMode::Replace);
    try {
        // Before any record is in it, so that a private file's records are never open to others.
        fs_.CopyModeAndOwner(FileNumber, temp);
        fill(temp);
        fs_.Sync(temp);
        fs_.Close(std::exchange(temp, 0));
        fs_.Replace(temp_path, target.string());
    } catch (const Fault&) {
        CloseQuietly(temp);
        Quietly([&] { fs_.Remove(temp_path); });
        throw;
    }
}

void DataFile::WriteWhole(std::int64_t offset, std::span<const char> bytes) {
    const std::int64_t length = fs_.Size(FileNumber);
    const std::int64_t end = offset + static_cast<std::int64_t>(bytes.size());
    if (end <= length) {
        fs_.WriteAt(FileNumber, offset, bytes);
        fs_.Sync(FileNumber);
        return;
    }
    // The bytes of a part record at the end that the write covers, to give back on a fault.
    std::string covered(static_cast<std::size_t>(std::max<std::int64_t>(length - offset, 0)), ' ');
    if (!covered.empty()) covered.resize(fs_.ReadAt(FileNumber, offset, covered));
    fs_.Reserve(FileNumber, length, end - length);
    try {
        fs_.WriteAt(FileNumber, offset, bytes);
        fs_.Sync(FileNumber);
    } catch (const Fault&) {
        Quietly([&] {
            fs_.Truncate(FileNumber, length);
            if (!covered.empty()) fs_.WriteAt(FileNumber, offset, covered);
            fs_.Sync(FileNumber);
        });
        throw;
    }
}

void DataFile::Notice(std::string_view text) {
    if (!editor) return;
    Control& status = (*editor)[EditorCtl::stbAuto];
    status.fore = kBlue;
    status.bold = false;
    status.text = std::string(text);
}

void DataFile::SaveCurrentRecord() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kSaveRecordError);
    if (editor) {
        for (int i = 0; i < VehicleLimitRecord::kFieldCount; ++i) {
            RecordBuffer.Field(i) =
                FitField((*editor)[kRecordBoxes[i]].text, kRecordLayout[i].width);
        }
    }
    // The record in place, in one write: the file keeps its links, mode and owner, and a process
    // killed at any moment leaves the old record or the new one.
    trap.Run([&] {
        if (FileNumber <= 0) Raise(fault::kBadFileNameOrNumber);
        if (CurrentRecord < 1) Raise(fault::kBadRecordNumber);
        const std::int64_t offset = static_cast<std::int64_t>(CurrentRecord - 1) * kRecordLength;
        WriteWhole(offset, EncodeRecord(RecordBuffer));
    });
    // Like every routine of the module, it goes on after a reported fault with its next step.
    Notice(limit_text::kRecordUpdated);
}

void DataFile::Delete(std::string_view file_name) {
    MsgAnswer answer = boxes_.Show(limit_text::kDeleteQuestion, "", MsgButtons::YesNoCancel);
    if (answer != MsgAnswer::Yes) return;

    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kDeleteError);
    const std::string temp_path = PathOf(kTempFileName);
    // A Temp.tmp left by an interrupted rewrite must not leak its records into this one.
    trap.Run([&] {
        if (fs_.Exists(temp_path)) fs_.Remove(temp_path);
    });

    const std::int32_t deleted = CurrentRecord;
    std::filesystem::path target;
    // The surviving records, byte for byte and in their order; positions past the end of the
    // file (made room for by Add, never saved) have no bytes to copy. A file reached through a
    // symbolic link is rewritten where it lies, and the link stays.
    bool replaced = trap.Run([&] {
        if (FileNumber <= 0) Raise(fault::kBadFileNameOrNumber);
        target = fs_.RealPath(PathOf(file_name));
        Rewrite(target, [&](int temp) {
            std::int64_t out = 0;
            for (std::int32_t i = 1; i <= RecordCount; ++i) {
                if (i != deleted) {
                    RecordBytes bytes;
                    std::size_t n = ReadRecordBytes(i, bytes);
                    fs_.WriteAt(temp, out, std::span<const char>(bytes.data(), n));
                    out += static_cast<std::int64_t>(n);
                }
                if (i == std::numeric_limits<std::int32_t>::max()) break;
            }
        });
    });
    // Nothing was removed when the new file could not be put in place: the limit file and the
    // screen stay as they were.
    if (!replaced) return;
    trap.Run([&] { fs_.SyncFolder(target.parent_path().string()); });
    trap.Run([&] {
        int old = std::exchange(FileNumber, 0);
        if (old > 0) fs_.Close(old);
    });
    OpenFile(file_name);
    CurrentRecord = deleted;
    if (RecordCount == 0) RecordCount = 1;
    if (CurrentRecord > RecordCount) CurrentRecord = RecordCount;
    ShowCurrentRecord();
    Notice(limit_text::kRecordDeleted);
}

}  // namespace orvane
