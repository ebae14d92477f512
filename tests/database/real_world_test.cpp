// Loads the real-world GEDCOM files kept beside the repository (when this
// checkout has them) and compares what was read with their manifest.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "database/consistency.h"
#include "database/gedcom_reader.h"
#include "support/test_support.h"

namespace lg {
namespace {

struct ManifestRow {
    std::string file;
    std::size_t persons;
    std::size_t families;
};

std::vector<ManifestRow> ReadManifest(const std::filesystem::path& dir) {
    std::ifstream in(dir / "MANIFEST.tsv");
    std::vector<ManifestRow> rows;
    std::string line;
    std::getline(in, line);  // column names
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::stringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
        if (cells.size() >= 5)
            rows.push_back({cells[0], std::stoul(cells[3]), std::stoul(cells[4])});
    }
    return rows;
}

TEST(RealWorldFiles, EveryFileLoadsWithItsCountsAndNoError) {
    std::filesystem::path dir = test::RealWorldDataDir();
    if (dir.empty()) GTEST_SKIP() << "no real-world GEDCOM files beside this checkout";
    std::vector<ManifestRow> rows = ReadManifest(dir);
    ASSERT_FALSE(rows.empty());
    for (const ManifestRow& row : rows) {
        SCOPED_TRACE(row.file);
        test::FakeHost host;
        Reporter reporter(host);
        Database db;
        EXPECT_TRUE(ReadGedcom(dir / row.file, db, reporter)) << host.AllMessages();
        EXPECT_EQ(reporter.ErrorCount(), 0) << host.AllMessages();
        EXPECT_EQ(db.persons.Count(), row.persons);
        EXPECT_EQ(db.families.Count(), row.families);
        // The repairs of the checks leave every person's parents those of
        // the first remaining FAMC link, as the charts need them.
        test::TempDir out;
        CheckOptions options;
        options.report = {out.Path(), row.file, 2, nullptr};
        CheckGedcom(db, nullptr, reporter, options);
        std::size_t stale = 0;
        for (const auto& person : db.persons) stale += HasParentsSet(*person) ? 0 : 1;
        EXPECT_EQ(stale, 0u);
    }
}

TEST(RealWorldFiles, OnePersonInSixEncodingsReadsTheSame) {
    std::filesystem::path dir = test::RealWorldDataDir();
    if (dir.empty()) GTEST_SKIP() << "no real-world GEDCOM files beside this checkout";
    for (const char* name :
         {"samechar_ansel.ged", "samechar_ansi.ged", "samechar_iso8859-1.ged", "samechar_utf8.ged",
          "samechar_utf8_bom.ged", "samechar_unicode.ged"}) {
        SCOPED_TRACE(name);
        test::FakeHost host;
        Reporter reporter(host);
        Database db;
        ASSERT_TRUE(ReadGedcom(dir / name, db, reporter));
        ASSERT_EQ(db.persons.Count(), 1u);
        EXPECT_EQ(db.persons[0].fullName, "\xE9\xE0\xE7 /\xC9\xC0\xC7/");
    }
}

}  // namespace
}  // namespace lg
