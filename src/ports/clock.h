#pragma once
#include "calendar/date.h"

namespace varnel {

// Today's date; tests set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
};

// The machine's local date.
class SystemClock : public Clock {
public:
    Date today() const override;
};

}  // namespace varnel
