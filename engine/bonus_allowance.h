#pragma once
// The special depreciation allowance of section 168(k): its percent from the day an asset was
// acquired and the day it was placed in service, the elections that lower it, and the property
// that may have it.

#include "engine/register_types.h"

namespace orvane::reg {

// The percent the dates give (0 when none):
// - acquired after 2025-01-19: 100;
// - acquired 2017-09-28 to 2025-01-19: 100 when placed in service before 2023, then 80, 60, 40
//   and 20 for 2023 to 2026, 0 later;
// - acquired before 2017-09-28: placed in service in 2017, 2018, 2019: 50, 40, 30; 2008 to
//   2016: 50, or 100 when acquired after 2010-09-08 and placed in service before 2012;
// - placed in service before 2008: 0.
int AllowancePercentByDates(Day acquired, Day placed);

// Whether a row may give `percent` instead of the dates' percent: 0 (elected out), the dates'
// own, 40 instead of 100 for property placed in service in the first tax year ending after
// 2025-01-19 (2025), 50 instead of 100 for property placed in service in 2017 (the first tax
// year ending after 2017-09-27); before 2008, where the dates give none, any percent the row
// gives.
bool AllowancePercentAllowed(int percent, Day acquired, Day placed);

// Whether the asset may have the allowance at all: MACRS property of 20 years or less and
// qualified improvement property, not real property, not land, not listed property used 50% or
// less (it must use ADS); property whose owner elected ADS keeps it. `recovery_halves` is the
// asset's recovery period.
bool AllowanceEligible(const AssetInput& asset, int recovery_halves);

// The percent the asset gets (0 when it gets none): the row's choice, the dates, and the rule
// that property placed in service and disposed of in the same year gets none.
int AllowancePercent(const AssetInput& asset, int recovery_halves);

}  // namespace orvane::reg
