#pragma once
// The current date and time, injectable so that results depending on "now"
// (who may still be alive, dates in page heads) are reproducible in tests.

#include <chrono>

namespace lg {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::chrono::system_clock::time_point Now() const = 0;
    // The calendar year of Now() in local time.
    int CurrentYear() const;
};

class SystemClock final : public Clock {
  public:
    std::chrono::system_clock::time_point Now() const override {
        return std::chrono::system_clock::now();
    }
};

}  // namespace lg
