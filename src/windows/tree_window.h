#pragma once
// The tree window family: ancestor charts, doubles linked by a click.

#include "windows/chart_window.h"

namespace lg::gui {

class TpedigreeDisplay final : public TGCdisplay {
    Q_OBJECT

  public:
    TpedigreeDisplay(Session& session, ChartType type, QWidget* parent = nullptr);

  protected:
    // The naming scheme's "@" has no meaning in a tree: the item says so.
    void PrepareHighlightItem(QAction& item, const TlossPerson& node) override;
    void HighlightItemChosen(TlossPerson&) override {}
};

}  // namespace lg::gui
