#include "app/model/export_block.h"

#include "base/numtext.h"

namespace orvane {

int ExportStartRow(const std::vector<std::string>& column_c) {
    auto empty = [&](int row) {
        auto i = static_cast<std::size_t>(row - 1);
        return i >= column_c.size() || column_c[i].empty();
    };
    int i = 1;
    for (; i <= kExportSearchRows - 2; ++i) {
        if (empty(i) && empty(i + 1) && empty(i + 2)) break;
    }
    return i > 1 ? i + 2 : i;
}

std::vector<CellWrite> ExportParticulars(const MainWindowControls& f, std::int16_t convention_code,
                                         int r, ErrorTrap& trap) {
    auto text = [&](MainCtl id) -> const std::string& { return f[id].text; };
    const std::string& method = text(MainCtl::cboMethod);

    std::string business;
    if (!text(MainCtl::txtBusinessPercent).empty())
        business = "Business Percent: " + text(MainCtl::txtBusinessPercent);

    std::string net_cost;
    trap.Run([&] {
        double net = CDbl(text(MainCtl::txtCost)) - Val(f[MainCtl::lblAllowance].caption);
        net_cost = "Net Cost: " + Format(net, Pattern::Currency);
    });

    std::string convention;
    if (method != "Straight Line" && method != "Amortize") {
        trap.Run([&] {
            if (convention_code < 0 || convention_code > 2) {
                throw Fault(340,
                            "Control array element '" + CStr(convention_code) + "' doesn't exist");
            }
            auto option =
                static_cast<MainCtl>(static_cast<int>(MainCtl::optConvention0) + convention_code);
            convention = "Convention: " + f[option].caption;
        });
    }

    std::string class_or_life;
    if (text(MainCtl::cboClass).empty()) {
        class_or_life = "Life: " + text(MainCtl::cboLife) + std::string(24, ' ');
    } else {
        class_or_life = "Class: " + text(MainCtl::cboClass);
    }

    static constexpr const char* kAssetTypes[] = {"Regular Asset", "Relinquished Asset",
                                                  "Replacement Asset"};
    std::string asset_type;
    int type = f.SelectedOption(MainCtl::optAssetType0, 3);
    if (type >= 0) asset_type = kAssetTypes[type];

    std::string sold;
    if (text(MainCtl::mskSold) != kBlankMonth) sold = "Date Sold: " + text(MainCtl::mskSold);

    std::vector<CellWrite> w = {
        {r, 1, text(MainCtl::txtDescription)},
        {r, 2, business},
        {r + 1, 1, "In Service Date: " + text(MainCtl::txtInService)},
        {r + 1, 2, "Method: " + method},
        {r + 2, 1, net_cost},
        {r + 2, 2, convention},
        {r + 3, 1, class_or_life},
        {r + 3, 2, asset_type},
        {r + 4, 2, sold},
    };

    std::string allowance_line;
    const std::string amount = FormatText(f[MainCtl::lblAllowance].caption, Pattern::Currency);
    if (f[MainCtl::chkBonus].value == 1)
        allowance_line = "Special 30% Depreciation Allowance. " + amount;
    if (f[MainCtl::chkBonus50].value == 1)
        allowance_line = "Special 50% Depreciation Allowance. " + amount;
    if (f[MainCtl::chkBonus100].value == 1)
        allowance_line = "Special 100% Depreciation Allowance. " + amount;
    bool any_allowance = f[MainCtl::chkBonus].value == 1 || f[MainCtl::chkBonus50].value == 1 ||
                         f[MainCtl::chkBonus100].value == 1;
    if (any_allowance) w.push_back({r + 4, 1, allowance_line});

    w.push_back({r, 3, "Year"});
    w.push_back({r, 4, "Depreciation"});
    w.push_back({r, 5, "Adj Tax Basis"});
    return w;
}

std::vector<CellWrite> ExportSchedule(const ScheduleGrid& grid, int r) {
    std::vector<CellWrite> w;
    for (int group = 0; group < 4; ++group) {
        for (int k = 1; k < ScheduleGrid::kRows; ++k) {
            for (int c = 0; c < 3; ++c) {
                const std::string& cell = grid.Text(k, 3 * group + 1 + c);
                if (cell.empty()) continue;
                std::string field = cell.size() >= 13 ? cell.substr(0, 13)
                                                      : std::string(13 - cell.size(), ' ') + cell;
                w.push_back({r + 11 * group + k, 3 + c, std::move(field)});
            }
        }
    }
    return w;
}

}  // namespace orvane
