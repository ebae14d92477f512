#include "windows/graph_window.h"

#include <utility>
#include <vector>

#include "charts/pedigree_loss.h"
#include "render/qt_text.h"
#include "text/language.h"

namespace lg::gui {
namespace {

using Links = std::vector<TlossPerson*> TlossPerson::*;

void MarkRoute(TlossPerson* node) {
    while (node && !node->expanded) {
        node->visited = true;
        node->expanded = true;
        node = node->twin == node ? nullptr : node->twin;
    }
}

// Searches from the node along the links, each box reached remembering in
// twin the box it was reached from, until a box is reached a second time;
// then marks both routes back to the start. False when no box is.
bool MarkFirstLoop(TlossPerson& start, Links links) {
    std::vector<TlossPerson*> reached{&start};
    start.twin = &start;
    bool found = false;
    std::vector<std::pair<TlossPerson*, std::size_t>> stack{{&start, 0}};
    while (!stack.empty() && !found) {
        auto& [node, next] = stack.back();
        if (next >= (node->*links).size()) {
            stack.pop_back();
            continue;
        }
        TlossPerson* relative = (node->*links)[next++];
        if (relative->twin) {
            MarkRoute(relative);
            MarkRoute(node);
            found = true;
        } else {
            relative->twin = node;
            reached.push_back(relative);
            stack.emplace_back(relative, 0);
        }
    }
    for (TlossPerson* node : reached) node->twin = nullptr;
    return found;
}

}  // namespace

TchartDisplay::TchartDisplay(Session& session, ChartType type, QWidget* parent)
    : TGCdisplay(session, type, parent) {}

void TchartDisplay::ChartMouseDown(TlossPerson* node, Qt::MouseButton) {
    ClearMarks();
    if (node) MarkNode(*node);
    RefreshLines();
    Canvas().update();
}

TinbreedingDisplay::TinbreedingDisplay(Session& session, ChartType type, QWidget* parent)
    : TchartDisplay(session, type, parent) {}

void TinbreedingDisplay::MarkNode(TlossPerson& node) {
    MarkFirstLoop(node, &TlossPerson::parents);
    MarkFirstLoop(node, &TlossPerson::children);
}

void TinbreedingDisplay::ClearMarks() {
    if (TinbredPerson* chart = CurrentChart())
        for (TlossPerson* node : chart->nodes) {
            node->highlight = false;
            node->visited = false;
            node->expanded = false;
            node->twin = nullptr;
        }
}

std::string TinbreedingDisplay::ExtraHint(const TlossPerson& node) const {
    if (!session_.language) return {};
    std::string hint =
        LossHint(node.completeness, session_.language->Slot(PhraseSlot::pedigreeLoss));
    if (!node.person || !node.person->mother || !node.person->father) return hint;
    const long double f = kinship_.Inbreeding(*node.person);
    QString percent = QString::number(static_cast<double>(100 * f), 'f', 2).replace('.', ',');
    if (f > 0 && percent == "0,00") percent = "<0,01";
    if (!hint.empty()) hint += "\r\n";
    return hint + FromQString(tr("Inbreeding coefficient F: %1%").arg(percent));
}

TkinshipDisplay::TkinshipDisplay(Session& session, ChartType type, QWidget* parent)
    : TchartDisplay(session, type, parent) {}

void TkinshipDisplay::MarkNode(TlossPerson& start) {
    for (Links links : {&TlossPerson::children, &TlossPerson::parents}) {
        std::vector<TlossPerson*> stack{&start};
        while (!stack.empty()) {
            TlossPerson* node = stack.back();
            stack.pop_back();
            node->expanded = true;
            for (TlossPerson* relative : node->*links)
                if (!relative->expanded) stack.push_back(relative);
        }
    }
}

void TkinshipDisplay::ClearMarks() {
    if (TinbredPerson* chart = CurrentChart())
        for (TlossPerson* node : chart->nodes) {
            node->expanded = false;
            if (!node->highlight) node->visited = false;
            if (node->shade < 255) node->shade = 220;
        }
}

}  // namespace lg::gui
