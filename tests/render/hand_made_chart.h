#pragma once
// A chart made by hand for the painter's tests, with round metrics: boxes of
// 80 x 20 pixels, a column every 100 pixels and a row every 30, so the box
// at column c, row r is centred on (50 + 100c, 20 + 30r).

#include <deque>
#include <memory>
#include <string>

#include "app/settings.h"
#include "charts/chart_records.h"
#include "text/names.h"

namespace lg::render {

struct HandMadeChart {
    explicit HandMadeChart(int fontSize) {
        settings.boxwidth = 80;
        settings.boxheight = 20;
        settings.xspace = 20;
        settings.yspace = 10;
        settings.xoffset = 10;
        settings.yoffset = 10;
        settings.fontsize = fontSize;
        settings.fontname = "'DejaVu Sans'";
        settings.namingscheme = "z1";  // everybody by surname
        names.nameLength = 60;         // no shortening: the painter has to fit the text
    }

    Tindividual* Person(char sex, const std::string& surname = "Berg") {
        auto& person = *persons.emplace_back(std::make_unique<Tindividual>());
        person.sex = sex;
        person.surname = surname;
        person.givenNames = "Jan";
        return &person;
    }
    // Boxes must be added row by row, as the chart assembly orders them.
    TlossPerson& Box(long double column, long double row, Tindividual* person) {
        TlossPerson& node = boxes.emplace_back();
        node.person = person;
        node.index = static_cast<int32_t>(chart.nodes.size());
        chart.nodes.push_back(&node);
        chart.coords.push_back({column, row});
        return node;
    }
    static void Link(TlossPerson& child, TlossPerson& parent) {
        child.parents.push_back(&parent);
        parent.children.push_back(&child);
    }

    Tvariables settings;
    NameOptions names;
    std::deque<std::unique_ptr<Tindividual>> persons;
    std::deque<TlossPerson> boxes;
    TinbredPerson chart;
};

}  // namespace lg::render
