#pragma once
// The graph window family: charts of persons reached along several routes,
// the boxes joined by straight lines. A click marks what the analysis
// explains about the box: in the pedigree-loss charts, the loop of the
// ancestry through it, in red.

#include "windows/chart_window.h"

namespace lg::gui {

class TchartDisplay : public TGCdisplay {
    Q_OBJECT

  public:
    TchartDisplay(Session& session, ChartType type, QWidget* parent = nullptr);

  protected:
    // No naming popup: the graphs name every box by its index name.
    void PrepareHighlightItem(QAction&, const TlossPerson&) override {}
    void HighlightItemChosen(TlossPerson&) override {}
    // Clears the marks; a click on a box then marks what belongs to it.
    void ChartMouseDown(TlossPerson* node, Qt::MouseButton button) override;
    bool ListsChartBoxes() const override { return true; }
    virtual void MarkNode(TlossPerson& node) = 0;
};

class TinbreedingDisplay final : public TchartDisplay {
    Q_OBJECT

  public:
    TinbreedingDisplay(Session& session, ChartType type, QWidget* parent = nullptr);

    // The first loop through the box: upward through its parents until two
    // routes meet, then downward through its children the same way; both
    // routes of each loop found are marked (drawn filled, lines red).
    void MarkNode(TlossPerson& node) override;

  protected:
    void ClearMarks() override;
    // The box's pedigree loss, "12,05% pedigree loss."
    std::string ExtraHint(const TlossPerson& node) const override;
};

}  // namespace lg::gui
