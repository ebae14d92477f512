#include "base/clock.h"

#include <ctime>

namespace lg {

int Clock::CurrentYear() const {
    std::time_t t = std::chrono::system_clock::to_time_t(Now());
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_year + 1900;
}

}  // namespace lg
