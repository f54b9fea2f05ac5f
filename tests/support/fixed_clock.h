#pragma once
#include "ports/clock.h"

namespace varnel::testing {

class FixedClock : public Clock {
public:
    explicit FixedClock(Date d = {2026, 5, 5}) : date(d) {}
    Date today() const override { return date; }
    Date date;
};

}  // namespace varnel::testing
