#pragma once
// What a page writer is called with in tests: English, settings to change
// at will, a fixed clock and a temporary output directory.

#include <chrono>
#include <memory>
#include <string>

#include "html/page_common.h"
#include "support/test_support.h"
#include "text/language.h"

namespace lg::test {

struct PageSetup {
    explicit PageSetup(Tvariables initial = {}, std::chrono::system_clock::time_point now = {})
        : settings(std::move(initial)), clock(now) {}

    PageContext Context() {
        return {settings, options, *language, dir.Path().string(), reporter, clock, title};
    }
    // The bytes of a file the writer wrote.
    std::string Read(const std::string& name) const { return ReadFile(dir.Path() / name); }

    FakeHost host;
    Reporter reporter{host};
    std::unique_ptr<Tlanguage> language = CreateLanguage("english", reporter);
    Tvariables settings;
    GlobalOptions options;
    FixedClock clock;
    std::string title;
    TempDir dir;
};

}  // namespace lg::test
