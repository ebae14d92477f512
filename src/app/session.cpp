#include "app/session.h"

namespace lg {

const Clock& Session::DefaultClock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace lg
