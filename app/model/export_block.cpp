#include "app/model/export_block.h"

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

std::vector<CellWrite> ExportParticulars(const Particulars& p, int r, ErrorTrap& trap) {
    std::string net_cost;
    trap.Run([&] { net_cost = NetCostLine(p); });

    std::string convention;
    if (p.method != "Straight Line" && p.method != "Amortize") {
        trap.Run([&] { convention = ConventionLine(p); });
    }

    std::string class_or_life = ClassOrLifeLine(p);
    if (p.class_text.empty()) class_or_life += std::string(24, ' ');

    std::vector<CellWrite> w = {
        {r, 1, p.description},
        {r, 2, BusinessLine(p)},
        {r + 1, 1, "In Service Date: " + p.in_service},
        {r + 1, 2, "Method: " + p.method},
        {r + 2, 1, net_cost},
        {r + 2, 2, convention},
        {r + 3, 1, class_or_life},
        {r + 3, 2, p.asset_type},
        {r + 4, 2, SoldLine(p)},
    };
    // The last checked box gives the line.
    for (int box = 2; box >= 0; --box) {
        if (!p.allowance_boxes[static_cast<std::size_t>(box)]) continue;
        w.push_back({r + 4, 1, AllowanceLine(p, box)});
        break;
    }
    w.push_back({r, 3, "Year"});
    w.push_back({r, 4, "Depreciation"});
    w.push_back({r, 5, "Adj Tax Basis"});
    return w;
}

std::vector<CellWrite> ExportSchedule(const GridTexts& cells, int r) {
    std::vector<CellWrite> w;
    for (std::size_t line = 0; line < cells.size(); ++line) {
        for (int c = 0; c < 3; ++c) {
            const std::string& cell = cells[line][static_cast<std::size_t>(c)];
            if (cell.empty()) continue;
            std::string field =
                cell.size() >= 13 ? cell.substr(0, 13) : std::string(13 - cell.size(), ' ') + cell;
            w.push_back({r + static_cast<int>(line) + 1, 3 + c, std::move(field)});
        }
    }
    return w;
}

}  // namespace orvane
