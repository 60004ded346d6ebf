#pragma once
// The main window's calculation module: the status line, the checks, the class lists and the
// class rules over the window's controls, and Calculate's way through the engine: the fields
// read into an asset, the engine's schedule of it, and that schedule shown in the grid.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/model/asset_reading.h"
#include "app/model/classes.h"
#include "app/model/field_rules.h"
#include "app/model/main_window_controls.h"
#include "app/model/schedule_writer.h"
#include "app/model/status_texts.h"
#include "base/error_trap.h"
#include "engine/schedule.h"
#include "platform/services.h"

namespace orvane {

// Module-wide values that live for the whole run.
struct DeprState {
    std::string method_caption;
    double business_percent = 0;
    bool input_error = false;
    std::int16_t convention_code = 0;  // 0 Half Year, 1 Mid Quarter, 2 Mid Month, 3 none
    double last_adj_tax_basis = 0;
};

class Depr {
  public:
    Depr(MainWindowControls& controls, const Services& services)
        : controls_(&controls), services_(services) {}
    // Points the module at another copy of the window (a copied window model).
    void Rebind(MainWindowControls& controls) { controls_ = &controls; }

    DeprState state;
    VehicleLimitSource* vehicle_limits = nullptr;
    // While set, the schedule's rows go here and the grid is left alone.
    ScheduleRows* rows = nullptr;

    // The schedule of the last calculation: empty once a calculation starts, until it has one.
    const Schedule& schedule() const { return schedule_; }

    // Status line and validation.
    void ShowStatus(std::string_view text);
    void ValidateInputs();
    void UpdateAllowance();
    void SetAssetTypeFields(int asset_type);

    // Class tables and class rules.
    void LoadMacrsClasses();
    void LoadAdsClasses();
    void FitDropDownWidth(MainCtl combo);
    void SetMidMonth(bool lock);
    // The business-use box emptied and closed, or open with "100".
    void CloseBusinessUse();
    void OpenBusinessUse();
    // Mid Month and its lock, and the allowance boxes, as the rules have them.
    void ApplyFieldRules(const FieldRules& rules);
    void ApplyClassChoice();

    // The asset as the window's controls hold it now.
    AssetRecord Record();
    // A new schedule: the status line red and empty, no method caption, the grid emptied (with
    // its headers written again when `headers`), no schedule.
    void StartSchedule(ErrorTrap& calculation, bool headers);
    // The schedule of `asset`, run by the Calculate command under its error report.
    void BuildSchedule(ErrorTrap& calculation, const AssetRecord& asset);

  private:
    Control& c(MainCtl id) { return (*controls_)[id]; }
    const std::string& Text(MainCtl id) { return (*controls_)[id].text; }
    bool Checked(MainCtl id) { return (*controls_)[id].value == 1; }
    // The end of a calculation: the working fields, the state and the status line.
    void ShowOutcome(const AssetRecord& asset);

    // One class table as the class list shows it, and its drop-down width once measured.
    struct ClassList {
        explicit ClassList(std::span<const AssetClass> table);
        SharedList<std::string> texts;
        SharedList<std::int32_t> lives;
        std::optional<int> dropped_width;
    };
    void LoadClasses(ClassList& list);

    MainWindowControls* controls_;
    Services services_;
    Schedule schedule_;
    // The class lists, built once and shared by every list filled from them, with their
    // drop-down widths measured once: the same texts and the same metrics give the same width,
    // so copies of the module (a copied window model, on the same thread) share them.
    struct ClassLists {
        ClassList macrs{MacrsClasses()};
        ClassList ads{AdsClasses()};
    };
    std::shared_ptr<ClassLists> class_lists_ = std::make_shared<ClassLists>();
};

}  // namespace orvane
