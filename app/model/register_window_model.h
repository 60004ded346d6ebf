#pragma once
// The register window without a toolkit: a register held as a Book, edited cell by cell with
// the checks of the register's own reader, an undo history of its edits, its file opened and
// saved, and the figures of the chosen tax year made again after every change taken. The Qt
// window shows it and forwards what a person does.

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/register_window_controls.h"
#include "platform/services.h"
#include "register/book.h"

namespace orvane {

// One change of the book, kept to be undone and done again.
struct RegisterEdit {
    enum class Kind { SetCell, Insert, Erase } kind = Kind::SetCell;
    std::size_t row = 0;  // SetCell
    reg::Column column = reg::Column::Id;
    std::string before, after;
    // Insert and Erase: the rows, in ascending order of their place in the book with them.
    std::vector<std::pair<std::size_t, std::vector<std::string>>> rows;
};

class RegisterWindowModel {
  public:
    // `limits` outlive the model.
    RegisterWindowModel(MessageBoxes& boxes, const reg::VehicleLimitTable& limits, int year);
    ~RegisterWindowModel();
    RegisterWindowModel(const RegisterWindowModel&) = delete;
    RegisterWindowModel& operator=(const RegisterWindowModel&) = delete;

    // A large register's figures are made on a thread of their own when the window can run a
    // task on its own thread: `post` runs it there, and `figured` is told once the new figures
    // are in the controls. Without `post` they are made at once.
    std::function<void(std::function<void()>)> post;
    std::function<void()> figured;
    static constexpr std::size_t kRowsFiguredAside = 5000;

    const reg::Book& book() const { return book_; }
    const RegisterWindowControls& controls() const { return c_; }

    // ---- Files. Each says whether it was done; why not is in controls().message.
    bool Open(const std::string& file);
    // To the file it came from; false when it has none yet (then Save As).
    bool Save();
    bool SaveAs(const std::string& file);
    // Whether the window may close (or its register be replaced): with unsaved changes it
    // asks Save, Discard or Cancel; Save saves to the file, or to the one `pick_file` answers
    // ("" cancels).
    bool MayDiscard(const std::function<std::string()>& pick_file);

    // ---- Editing. A cell is normalised, then taken only when its row can still be read (or,
    // in a row not complete yet, when the cell itself can be read); otherwise it is refused
    // with the reader's reason and the book stays as it was.
    bool SetCell(std::size_t row, int field, std::string_view text);
    // A new empty row at the end; its book row.
    std::size_t AddRow();
    // A copy of `row` after it, with an id of its own; its book row.
    std::size_t DuplicateRow(std::size_t row);
    void DeleteRows(std::vector<std::size_t> rows);
    bool Undo();
    bool Redo();

    // ---- The year and the section 179 limit: whole dollars, income may be below zero.
    void SetYear(int year);
    bool SetBusinessIncome(std::string_view text);
    bool SetCarryover(std::string_view text);

    // ---- What is shown.
    void SetFilter(std::string_view text);
    void Sort(int field, bool descending);
    // Picks out the assets of a Form 4562 line ("" picks none).
    void ChooseLine(std::string_view line);
    // The place of a book row among those shown, if shown.
    std::optional<std::size_t> ShownAt(std::size_t row) const;
    // Why a row cannot be read or figured ("" when it can).
    std::string RowProblem(std::size_t row) const;
    // A row's whole schedule, with the year's figures' mid-quarter decisions.
    bool ScheduleOf(std::size_t row, reg::Schedule& out, std::string& error) const;

  private:
    void Apply(const RegisterEdit& e, bool forward);
    void Record(RegisterEdit e);
    void Reshow(const RegisterEdit& e);
    bool CellRefused(std::size_t row, reg::Column c, const std::string& text);
    bool IdTaken(std::string_view id, std::size_t except) const;
    void InsertShown(const std::vector<std::size_t>& rows);
    void EraseShown(const std::vector<std::size_t>& rows);
    void Refigure();
    void Say(std::string text, bool error);
    void Changed();

    MessageBoxes& boxes_;
    const reg::VehicleLimitTable& limits_;
    reg::Book book_;
    RegisterWindowControls c_;
    std::optional<long long> income_;
    long long carryover_ = 0;
    std::vector<RegisterEdit> undo_, redo_;
    // The undo depth at which the book was as saved; -1 when that state cannot come back.
    long long clean_ = 0;
    // The figures asked for last, and whether the model is still there to take them.
    struct Aside {
        explicit Aside(RegisterWindowModel* m) : model(m) {}
        RegisterWindowModel* model;
        std::atomic<long long> asked{0};
    };
    std::shared_ptr<Aside> aside_ = std::make_shared<Aside>(this);
};

}  // namespace orvane
