// libFuzzer target: any bytes as a GEDCOM file must load, chart and publish
// without a crash, hang or leak: the checks, a pedigree and a genealogy
// with the automatic proband (chosen with "Make Chart" and Ctrl held, as the
// batch mode does), and their four pages each.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/make_chart.h"
#include "app/run_pipeline.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path dir = lg::fuzz::ScratchDirectory("charts");
    const std::filesystem::path file = dir / "f.ged";
    if (FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    lg::fuzz::SilentHost host;
    lg::Session session(host);
    session.settings.options.language = size % 2 ? "english"
                                                 : "fran\xE7"
                                                   "ais";
    session.settings.options.gedcomchecks = static_cast<int32_t>(size % 3);
    if (!lg::LoadGedcom(session, file)) return 0;
    for (lg::ChartType type : {lg::ChartType::Pedigree, lg::ChartType::Genealogy}) {
        lg::SelectChartType(session.settings, type, session.Db().persons);
        session.ctrlHeld = true;
        if (lg::GoButtonClick(session)) (void)lg::PublishChart(session, type);
    }
    return 0;
}
