#include "cli/window_json.h"

namespace orvane::cli {
namespace {

using Json = nlohmann::ordered_json;

Json MessagesJson(const ScriptedPlatform& p) {
    Json list = Json::array();
    for (const auto& msg : p.boxes.shown)
        list.push_back({{"title", msg.ShownTitle()}, {"text", msg.text}});
    return list;
}

Json StatusJson(const MainWindowControls& f) {
    return {{"text", f[MainCtl::stbMain].caption}, {"color", f[MainCtl::stbMain].fore.Hex()}};
}

}  // namespace

Json StateJson(const MainWindowModel& m, const ScriptedPlatform& p) {
    const MainWindowControls& f = m.controls();
    Json grid = Json::array();
    for (int r = 0; r < ScheduleGrid::kRows; ++r) {
        Json row = Json::array();
        for (int c = 0; c < ScheduleGrid::kCols; ++c)
            row.push_back(f.grid.Text(r, c));
        grid.push_back(std::move(row));
    }
    Json red = Json::array();
    Json fields = Json::object();
    Json enabled = Json::object();
    for (int i = 0; i < kControlCount; ++i) {
        auto id = static_cast<MainCtl>(i);
        const MainControlDesign& d = Design(id);
        std::string name(d.name);
        bool captioned = d.kind == Kind::Label || d.kind == Kind::CheckBox ||
                         d.kind == Kind::Option || d.kind == Kind::Frame;
        if (captioned && f[id].fore == kRed) red.push_back(name);
        if (d.kind == Kind::TextBox || d.kind == Kind::MaskBox || d.kind == Kind::ComboList ||
            d.kind == Kind::ComboEdit) {
            fields[name] = f[id].text;
        }
        enabled[name] = f.Usable(id);
    }
    Json j;
    j["status"] = StatusJson(f);
    j["grid"] = std::move(grid);
    j["allowance"] = f[MainCtl::lblAllowance].caption;
    j["adjusted_cost"] = f[MainCtl::lblAdjCost].caption;
    j["method_caption"] = m.depr().state.method_caption;
    j["messages"] = MessagesJson(p);
    j["red_captions"] = std::move(red);
    j["focus"] = f.focus() == MainCtl::None ? "" : std::string(Design(f.focus()).name);
    j["fields"] = std::move(fields);
    j["enabled"] = std::move(enabled);
    j["last_adj_tax_basis"] = m.depr().state.last_adj_tax_basis;
    j["beeps"] = p.beeper.beeps;
    return j;
}

std::string StateJsonText(const MainWindowModel& m, const ScriptedPlatform& p) {
    return StateJson(m, p).dump(1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace orvane::cli
