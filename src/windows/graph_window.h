#pragma once
// The graph window family: charts of persons reached along several routes,
// the boxes joined by straight lines. A click marks what the analysis
// explains about the box: in the pedigree-loss charts, the loop of the
// ancestry through it, in red.

#include "charts/kinship.h"
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
    // The box's pedigree loss, "12,05% pedigree loss.", and Wright's
    // inbreeding coefficient F of the person.
    std::string ExtraHint(const TlossPerson& node) const override;

  private:
    // The coefficients met so far, for the hints of the boxes to come.
    mutable KinshipEngine kinship_;
};

class TkinshipDisplay final : public TchartDisplay {
    Q_OBJECT

  public:
    TkinshipDisplay(Session& session, ChartType type, QWidget* parent = nullptr);

    // The box and its descent and ancestry within the chart: their lines red.
    void MarkNode(TlossPerson& node) override;

  protected:
    // The chosen persons stay marked, the common ancestors grey.
    void ClearMarks() override;
};

}  // namespace lg::gui
