#pragma once
// The asset's particulars as the main window's fields stand when Print or Export is pressed,
// read once for the printed page and the workbook block, and the lines both of them write.

#include <array>
#include <cstdint>
#include <string>

#include "app/model/depr.h"
#include "app/model/main_window_controls.h"
#include "engine/asset.h"

namespace orvane {

struct Particulars {
    std::string description;
    std::string asset_type;  // the chosen asset type's caption; empty for none
    std::string in_service;
    std::string method;                // the method list's text
    std::string method_caption;        // of the last schedule
    bool conventions = false;          // the convention frame is open
    std::int16_t convention_code = 0;  // of the last schedule
    std::string class_text;            // empty: no class
    std::string life;
    std::string business_percent;
    std::string sales_price;
    std::string adj_tax_basis;
    std::string adjusted_cost;
    std::string date_sold;                  // the blank month when none
    std::array<bool, 3> allowance_boxes{};  // 30%, 50% and 100%, checked
    std::string allowance;                  // the allowance's text
    Reading net_cost;                       // the cost less the allowance
};

Particulars ReadParticulars(const MainWindowControls& f, const DeprState& state);

// "Net Cost: $7,000.00"; the fault of its reading.
std::string NetCostLine(const Particulars& p);
// "Convention: Half Year" for the convention of the last schedule; fault 340 for a convention
// that has no button.
std::string ConventionLine(const Particulars& p);
// "Class: Desks (7)", or "Life: 7" without a class.
std::string ClassOrLifeLine(const Particulars& p);
// "Business Percent: 75"; empty when the box is.
std::string BusinessLine(const Particulars& p);
// "Date Sold: 06/2006"; empty for no date.
std::string SoldLine(const Particulars& p);
// "Special 30% Depreciation Allowance. $3,000.00" for allowance box 0, 1 or 2.
std::string AllowanceLine(const Particulars& p, int box);

// "$###,###,###,###.00" for a text: a number is formatted ($.50, $1,234.00), any other text is
// returned as it is ("" stays "").
std::string DollarText(std::string_view text);

}  // namespace orvane
