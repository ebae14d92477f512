#pragma once
// A database read from GEDCOM records, with what a chart build needs
// besides: a node pool, English descriptions and a remembered proband list.

#include <memory>
#include <string>
#include <vector>

#include "charts/chart_list.h"
#include "database/gedcom_reader.h"
#include "support/test_support.h"
#include "text/language.h"

namespace lg::test {

struct LoadedFamily {
    explicit LoadedFamily(const std::vector<std::string>& records) {
        ReadGedcom(dir.Write("f.ged", Gedcom(records)), db, reporter);
    }

    TempDir dir;
    FakeHost host;
    Reporter reporter{host};
    Database db;
    NodePool pool;
    std::unique_ptr<Tlanguage> language = CreateLanguage("english", reporter);
    std::vector<std::string> probands;
};

}  // namespace lg::test
