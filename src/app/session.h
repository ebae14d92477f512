#pragma once
// Everything one run of the program knows: the loaded database, the message
// outlets and run state, the input files and the state of the run pipeline.
// One Session per program (or per test); nothing of this lives in globals.

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "app/host.h"
#include "app/settings.h"
#include "base/clock.h"
#include "base/reporter.h"
#include "charts/chart_list.h"
#include "database/records.h"
#include "html/page_common.h"
#include "text/language.h"

namespace lg {

// What "View Chart" does: open the chart window, or show the error report.
enum class ViewAction { InspectCharts, ShowErrorReport };

class Session {
  public:
    explicit Session(Host& host, const Clock& clock = DefaultClock())
        : host_(host), clock_(clock), reporter_(host) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Host& GetHost() { return host_; }
    const Clock& GetClock() const { return clock_; }
    Reporter& GetReporter() { return reporter_; }
    Database& Db() { return db_; }
    const Database& Db() const { return db_; }

    // Every setting, including the name style, the file type and the chart
    // type (settings.options).
    Settings settings;
    // The output language of the settings; null until one was selected, and
    // after a language that is not supported.
    std::unique_ptr<Tlanguage> language;

    // Input files and where output goes.
    std::filesystem::path gedcomFile;     // as loaded, relative to the process
    std::filesystem::path parameterFile;  // empty when none is in use
    std::filesystem::path workingDirectory;
    // Where the checks of a load write "GedcomErrors.htm"; empty: the
    // working directory.
    std::filesystem::path reportDirectory;

    // The last chart of each chart type with its boxes, as its window
    // shows it; making one type's chart leaves the others alone.
    std::array<ChartList, kChartTypeCount> chartLists;
    ChartList& Charts(ChartType type) { return chartLists[static_cast<std::size_t>(type)]; }
    // Drops every chart and box, as a new database must.
    void ClearCharts() {
        for (ChartList& charts : chartLists) charts.Clear();
    }
    // Draws the offspring page's picture; the surfaces that can paint set
    // it (render::MakeOffspringImage), the others leave it null.
    ChartImageMaker chartImage = nullptr;
    // The title of the last pedigree pages written; the outline and text
    // pages repeat what the tableau set.
    std::string chartTitle;

    // Run pipeline state.
    int32_t runCount = 0;
    // ShowErrorReport (with viewEnabled) after a load whose checks wrote
    // the error report; InspectCharts again at the next load or run.
    ViewAction viewAction = ViewAction::InspectCharts;
    // The last load's checks had findings but could not write the report.
    bool reportNotWritten = false;
    bool goEnabled = false;
    bool viewEnabled = false;
    bool ctrlHeld = false;
    bool autoRun = false;
    // "largekinship" on the command line: any number of persons, their
    // coefficients into kinship.txt instead of a chart.
    bool largeKinship = false;

  private:
    static const Clock& DefaultClock();

    Host& host_;
    const Clock& clock_;
    Reporter reporter_;
    Database db_;
};

}  // namespace lg
