#pragma once
// The surface of the benchmarks: error lines and message boxes go to
// stderr, everything else is dropped.

#include <cstdio>
#include <string>

#include "app/host.h"
#include "app/run_pipeline.h"
#include "app/session.h"

namespace lg::bench {

class QuietHost final : public Host {
  public:
    void AppendMessage(const std::string& line) override {
        if (line.starts_with("***")) std::fprintf(stderr, "%s\n", line.c_str());
    }
    void ClearMessages() override {}
    void SetStatus(const std::string&, StatusColour) override {}
    bool ProcessPendingEvents() override { return false; }
    void ShowMessageBox(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
};

// Loads the GEDCOM for a chart benchmark (English, link checks only) and
// makes the chart type current, with the proband given ("-" or none: the
// automatic choice). False when the load reported an error.
inline bool LoadForChart(Session& session, const char* gedcom, ChartType type,
                         const char* proband) {
    session.settings.options.gedcomchecks = 0;
    session.settings.options.language = "english";
    if (!LoadGedcom(session, gedcom)) return false;
    SelectChartType(session.settings, type, session.Db().persons);
    if (proband && std::string(proband) != "-") session.settings.current.probands = {proband};
    return true;
}

}  // namespace lg::bench
