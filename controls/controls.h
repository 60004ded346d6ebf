#pragma once
// What every window's controls are made of, whatever the window: colours, the kinds of control
// and one control's state (text, lists, values, enabled, colours, selection).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orvane {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    std::string Hex() const;
};

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kEntryGrey{224, 224, 224};
inline constexpr Rgb kWindowText{0, 0, 0};  // the system's window-text colour
inline constexpr Rgb kButtonFace{240, 240, 240};

// The entries of a list, shared by the copies of a control until one of them changes its own:
// copying a window copies no entry, and a list filled from a fixed table shares the table's one
// copy. Reads as a constant vector; a change first makes the entries its own when they are
// shared.
template <class T>
class SharedList {
  public:
    SharedList() = default;
    explicit SharedList(std::vector<T> entries)
        : entries_(std::make_shared<std::vector<T>>(std::move(entries))) {}
    SharedList(const SharedList&) = default;
    SharedList(SharedList&&) noexcept = default;
    SharedList& operator=(const SharedList& other) {
        if (entries_ != other.entries_) entries_ = other.entries_;
        return *this;
    }
    SharedList& operator=(SharedList&&) noexcept = default;

    std::size_t size() const { return entries_ ? entries_->size() : 0; }
    bool empty() const { return size() == 0; }
    const T& operator[](std::size_t i) const { return (*entries_)[i]; }
    const T* begin() const { return entries_ ? entries_->data() : nullptr; }
    const T* end() const { return begin() + size(); }

    void clear() { entries_.reset(); }
    void push_back(T value) { Own().push_back(std::move(value)); }

  private:
    std::vector<T>& Own() {
        if (!entries_) {
            entries_ = std::make_shared<std::vector<T>>();
        } else if (entries_.use_count() != 1) {
            entries_ = std::make_shared<std::vector<T>>(*entries_);
        }
        return *entries_;
    }

    std::shared_ptr<std::vector<T>> entries_;
};

enum class Kind : std::uint8_t {
    Frame,
    Label,
    TextBox,
    MaskBox,    // masked month "##/####"
    ComboList,  // drop-down list, no typing
    ComboEdit,  // drop-down combo, typing allowed
    CheckBox,
    Option,
    Button,
    Grid,
    Status,
};

struct Control {
    std::string caption;
    std::string text;
    bool enabled = true;
    Rgb fore = kWindowText;
    Rgb back = kWhite;
    bool bold = false;
    int sel_start = 0;
    int sel_length = 0;
    int value = 0;  // check box 0/1, option button 0/1
    SharedList<std::string> items;
    SharedList<std::int32_t> item_data;  // each entry's number
    int list_index = -1;
    int dropped_width = 0;  // pixels; 0 = as wide as the box
    std::string tool_tip;
};

}  // namespace orvane
