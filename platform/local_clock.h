#pragma once
// The clock of the machine: today in the local time zone, without a toolkit.

#include "platform/services.h"

namespace orvane {

class LocalClock final : public Clock {
  public:
    Date Today() const override;
};

}  // namespace orvane
