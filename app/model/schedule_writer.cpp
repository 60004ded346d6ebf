#include "app/model/schedule_writer.h"

#include <charconv>
#include <climits>

#include "app/model/grid.h"
#include "app/model/status_texts.h"

namespace orvane {

void RowTexts::Set(const ScheduleRow& row) {
    const int year = row.year;
    if (year >= 1000 && year <= 9999) {
        const int century = year / 100, rest = year % 100;
        year_[0] = static_cast<char>('0' + century / 10);
        year_[1] = static_cast<char>('0' + century % 10);
        year_[2] = static_cast<char>('0' + rest / 10);
        year_[3] = static_cast<char>('0' + rest % 10);
        year_length_ = 4;
    } else {
        year_length_ = static_cast<std::size_t>(
            std::to_chars(year_.data(), year_.data() + year_.size(), year).ptr - year_.data());
    }
    if (!(row.depreciation == amount_value_ && amount_length_ > 0)) {
        amount_value_ = row.depreciation;
        amount_length_ = static_cast<std::size_t>(
            FormatTo(amount_.data(), row.depreciation, Pattern::Amount) - amount_.data());
    }
    left_length_ = static_cast<std::size_t>(
        FormatTo(left_.data(), row.basis_left, Pattern::Amount) - left_.data());
}

GridTexts TextsOf(const Schedule& schedule) {
    GridTexts texts;
    RowTexts row_texts;
    for (const ScheduleRow& row : schedule.rows) {
        const GridPlace place = PlaceOfYear(row.year_number);
        if (place.row >= ScheduleGrid::kRows || !Shown(row)) continue;
        row_texts.Set(row);
        auto& line = texts[static_cast<std::size_t>(11 * (place.first_col / 3) + place.row - 1)];
        line = {std::string(row_texts.year()), std::string(row_texts.depreciation()),
                std::string(row_texts.basis_left())};
    }
    return texts;
}

std::string_view FaultTitle(const ScheduleFault& fault) {
    switch (fault.step) {
        case Step::Calculation:
            return "Calculation Error";
        case Step::MacrsTable:
            return fault.quarter == 2   ? "MACRS 2 Error"
                   : fault.quarter >= 3 ? "MACRS 3 Error"
                                        : "MACRS Error";
        case Step::Row:
            return "Fill Grid Error";
        case Step::Vehicle:
            return "MACRSauto Error";
        case Step::AllowanceCapped:
            break;
    }
    return kAppTitle;
}

std::string_view CaptionText(Caption c) {
    switch (c) {
        case Caption::Macrs200:
            return caption::kMacrs200;
        case Caption::Macrs150:
            return caption::kMacrs150;
        case Caption::MacrsStraightLine:
            return caption::kMacrsStraight;
        case Caption::Ads:
            return caption::kAds;
        case Caption::LuxuryAuto:
            return caption::kLuxuryAuto;
        case Caption::None:
            break;
    }
    return {};
}

std::string_view EndingText(Ending ending) {
    switch (ending) {
        case Ending::NoLifeOrClass:
            return status::kNoLifeOrClass;
        case Ending::NoBusinessUse:
            return status::kBusinessRequired;
        case Ending::NoLimitSource:
            return status::kVehicleLimitsUnavailable;
        case Ending::NoVehicleLimits:
            return status::kNoVehicleLimits;
        case Ending::VehicleBeyond43Years:
            return status::kVehicleOver43;
        case Ending::Completed:
        case Ending::Stopped:
            break;
    }
    return {};
}

void ClearStatus(Control& line) {
    line.caption.clear();
    line.fore = kRed;
}

void ShowStatusAfter(const Schedule& s, Control& line) {
    if (s.ending == Ending::Completed) {
        line.fore = kBlue;
        line.bold = false;
        line.caption.assign(CaptionText(s.caption));
    } else if (s.ending != Ending::Stopped) {
        line.caption.assign(EndingText(s.ending));
    }
}

void ScheduleReport::Flush(const Schedule& schedule) {
    for (; faults_done_ < schedule.faults.size(); ++faults_done_) {
        const ScheduleFault& fault = schedule.faults[faults_done_];
        WriteRows(schedule, fault.year_number);
        Report(fault);
    }
}

void ScheduleReport::Finish(const Schedule& schedule) {
    Flush(schedule);
    WriteRows(schedule, INT_MAX);
}

void ScheduleReport::WriteRows(const Schedule& schedule, int before_year) {
    const ScheduleRow* row = schedule.rows.data() + rows_done_;
    const ScheduleRow* const end = schedule.rows.data() + schedule.rows.size();
    for (; row != end && row->year_number < before_year; ++row) {
        const GridPlace place = PlaceOfYear(row->year_number);
        if (place.row >= ScheduleGrid::kRows) {
            // The sheet refuses the row, shown or not.
            ErrorTrap(boxes_, FaultTitle({Step::Row, 0, 0})).Run([&] {
                grid_.SelectRow(place.row);
            });
        } else if (Shown(*row)) {
            WriteCells(*row, place);
        }
    }
    rows_done_ = static_cast<std::size_t>(row - schedule.rows.data());
}

void ScheduleReport::WriteCells(const ScheduleRow& row, GridPlace place) {
    shown_ = true;
    texts_.Set(row);
    if (rows_ != nullptr) {
        rows_->Row(texts_.year(), texts_.depreciation(), texts_.basis_left());
        return;
    }
    grid_.SelectRow(place.row);
    const std::string_view cells[] = {texts_.year(), texts_.depreciation(), texts_.basis_left()};
    for (int i = 0; i < 3; ++i) {
        grid_.SelectCol(place.first_col + i);
        grid_.SetText(cells[i]);
    }
}

void ScheduleReport::Report(const ScheduleFault& fault) {
    switch (fault.step) {
        case Step::Calculation:
            calculation_.Report(FaultOf(fault.number));
            return;
        case Step::AllowanceCapped:
            boxes_.Show(
                "The Special Depr Allowance was adjusted to be equal to the (max auto rate x "
                "Business %) of " +
                    CStr(fault.amount),
                kAppTitle, MsgButtons::Ok);
            return;
        default:
            ErrorTrap(boxes_, FaultTitle(fault)).Report(FaultOf(fault.number));
            return;
    }
}

}  // namespace orvane
