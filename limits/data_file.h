#pragma once
// DataFile: the vehicle limit files. A limit file is a plain run of 34-byte records of seven
// space-padded text fields, without header or separator. The module owns the one open file, the
// record buffer and the record pointer; the engine looks a year up through it and the limit
// editor pages through, changes, adds and deletes records.
//
// A save writes its one record in place, in a single positioned write forced to the disk: the
// file keeps its links, mode and owner, and a killed process leaves the old record or the new
// one. A save that makes the file longer first sets the new space aside; should the record still
// not reach the disk whole (a full disk), the file is cut back to what it was, so that it never
// ends in part of a record. A delete writes the surviving records to Temp.tmp beside the real file
// (a symbolic link is followed), gives it the file's mode and owner, forces it to the disk and
// renames it over the real file in one step, so a crash or a full disk at any moment leaves either
// the old file or the new one.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <new>
#include <span>
#include <string>
#include <string_view>

#include "base/error_trap.h"
#include "limits/file_system.h"
#include "limits/limit_editor_controls.h"
#include "platform/services.h"

namespace orvane {

inline constexpr int kRecordLength = 34;
inline constexpr std::string_view kTempFileName = "Temp.tmp";

// One tax year's limits as text. The members are in the order of the file.
struct VehicleLimitRecord {
    std::string Year;
    std::string FirstYearBonus30Max;
    std::string FirstYearMax;
    std::string SecondYearMax;
    std::string ThirdYearMax;
    std::string FourthYearMax;
    std::string FirstYearBonus50Max;

    static constexpr int kFieldCount = 7;
    // Field i in file order (0 Year ... 6 FirstYearBonus50Max).
    std::string& Field(int i);
    const std::string& Field(int i) const;
    friend bool operator==(const VehicleLimitRecord&, const VehicleLimitRecord&) = default;
};

struct FieldLayout {
    std::string_view name;
    int offset;
    int width;
};
inline constexpr std::array<FieldLayout, VehicleLimitRecord::kFieldCount> kRecordLayout = {{
    {"Year", 0, 4},
    {"FirstYearBonus30Max", 4, 5},
    {"FirstYearMax", 9, 5},
    {"SecondYearMax", 14, 5},
    {"ThirdYearMax", 19, 5},
    {"FourthYearMax", 24, 5},
    {"FirstYearBonus50Max", 29, 5},
}};

using RecordBytes = std::array<char, kRecordLength>;

// The record as stored: each field in the Windows-1252 code page, cut to its width or padded
// on the right with spaces.
RecordBytes EncodeRecord(const VehicleLimitRecord& record);
// Reads a record from up to 34 stored bytes; missing bytes read as spaces.
VehicleLimitRecord DecodeRecord(std::span<const char> bytes);
// A text as a field of `width` stores it, read back (cut or padded).
std::string FitField(std::string_view text, int width);

// Records in a file of `length` bytes: length / 34 rounded halves to even, at least 1. Fault 6
// when the count does not fit in 32 bits.
std::int32_t RecordCountForLength(std::int64_t length);

// Texts shown by the module and the editor.
namespace limit_text {
inline constexpr std::string_view kCantOpen = "Can't open file.";
inline constexpr std::string_view kRecordUpdated = "Record Updated.";
inline constexpr std::string_view kRecordDeleted = "Record Deleted";
inline constexpr std::string_view kDeleteQuestion = "Delete current record?";
inline constexpr std::string_view kCloseFileError = " Error in CloseFile ";
inline constexpr std::string_view kSearchFileError = " Error in SearchFile ";
inline constexpr std::string_view kSaveRecordError = " Error in SaveCurrentRecord. ";
inline constexpr std::string_view kShowRecordError = " Error in ShowCurrentRecord. ";
inline constexpr std::string_view kDeleteError = " Error in Delete. ";
}  // namespace limit_text

class DataFile {
  public:
    // `folder` is the application folder that holds the limit files and Temp.tmp.
    DataFile(std::filesystem::path folder, MessageBoxes& boxes,
             FileSystem& fs = DefaultFileSystem());
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // Opens (creating when missing) the limit file `file_name` of the folder; record 1 becomes
    // current and the records are counted. A previously open file is let go.
    void OpenFile(std::string_view file_name);
    void CloseFile();
    // Reads records from 1 on into RecordBuffer until one's Year is exactly `year`.
    bool SearchFile(std::string_view year);
    // Reads record CurrentRecord, trims its fields and shows them in the editor's boxes.
    void ShowCurrentRecord();
    // Writes the editor's boxes as record CurrentRecord (one past the end appends).
    void SaveCurrentRecord();
    // Asks, then removes record CurrentRecord of the open file `file_name` and shows the record
    // now at its place.
    void Delete(std::string_view file_name);

    const std::filesystem::path& folder() const { return folder_; }
    std::string PathOf(std::string_view file_name) const;
    bool IsOpen() const { return FileNumber > 0; }

    // Module state.
    int FileNumber = 0;  // handle of the open file, 0 when none
    std::int32_t RecordLength = 0;
    std::int32_t RecordCount = 0;
    std::int32_t CurrentRecord = 0;
    VehicleLimitRecord RecordBuffer;

    // The limit editor whose boxes and status line the module reads and writes; none while the
    // editor is not loaded.
    LimitEditorControls* editor = nullptr;

  private:
    // Reads record `number` (from 1); a record past the end of the file reads blank.
    VehicleLimitRecord ReadRecord(std::int32_t number);
    // Bytes of record `number` present in the file (fewer than 34 at the end, none past it).
    std::size_t ReadRecordBytes(std::int32_t number, RecordBytes& bytes);
    // Writes `bytes` at `offset` of the open file and forces them to the disk. When that makes
    // the file longer and fails, the file is given back its old length and bytes.
    void WriteWhole(std::int64_t offset, std::span<const char> bytes);
    // Writes the open file anew through Temp.tmp beside `target`, the real file that the open
    // file's name leads to: the temporary file takes the open file's mode and owner, `fill`
    // writes the new contents to it, and it is forced to the disk and renamed over `target`.
    // On a fault the old file is left as it was and the temporary file is removed.
    void Rewrite(const std::filesystem::path& target, const std::function<void(int temp)>& fill);
    // Closes `handle` (when open) and sets it to 0; a fault is of no interest, as the file is
    // being given up.
    void CloseQuietly(int& handle);
    void Notice(std::string_view text);

    std::filesystem::path folder_;
    MessageBoxes& boxes_;
    FileSystem& fs_;
    std::string open_path_;
};

}  // namespace orvane
