#pragma once
// The cells of one register row read one by one: dates, amounts, percents and words, each with
// what it must be when it is not.

#include <span>
#include <string>
#include <string_view>

#include "engine/register_rules.h"
#include "register/row_reader.h"

namespace orvane::reg {

std::string_view Trim(std::string_view text);

// A plain decimal with at most `decimals` places, scaled by 10^decimals.
enum class DecimalRead { Ok, NotANumber, Negative, TooManyPlaces, TooLarge };
DecimalRead ReadDecimal(std::string_view text, int decimals, long long& scaled);
// YYYY-MM-DD, a day of the calendar; false otherwise.
bool ReadDate(std::string_view text, Day& day);

class CellReader {
  public:
    CellReader(const Header& header, std::span<const std::string_view> fields, int row,
               std::string& error)
        : h_(header), fields_(fields), row_(row), error_(error) {}

    // Reads every cell; false at the first that cannot be read.
    bool Read(AssetInput& a, RowTexts& texts);
    // The checks across cells (the rules of the asset's class) and the vehicle limits.
    bool Check(const AssetInput& a, const VehicleLimitTable& limits);

  private:
    std::string_view Cell(Column c) const;
    bool Fail(Column c, std::string_view expected);
    bool ReadDates(AssetInput& a);
    bool ReadAmounts(AssetInput& a);
    bool ReadWords(AssetInput& a);
    bool ReadNumbers(AssetInput& a);
    bool Day_(Column c, Day& day, bool required);
    bool Amount(Column c, Cents& cents);
    bool Explain(const AssetInput& a, Problem p);

    const Header& h_;
    std::span<const std::string_view> fields_;
    int row_;
    std::string& error_;
};

}  // namespace orvane::reg
