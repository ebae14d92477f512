#pragma once
// The descendant window family: descendant charts, with the family-name
// branches that the sixth popup item switches.

#include "windows/chart_window.h"

namespace lg::gui {

class TgenealogyDisplay : public TGCdisplay {
    Q_OBJECT

  public:
    TgenealogyDisplay(Session& session, ChartType type, QWidget* parent = nullptr);

  protected:
    void PrepareHighlightItem(QAction& item, const TlossPerson& node) override;
    void HighlightItemChosen(TlossPerson& node) override;
};

// The offspring fan's window: the genealogy's, but its boxes lie anywhere,
// so the box under the pointer is looked for among all of them.
class ToffspringDisplay final : public TgenealogyDisplay {
    Q_OBJECT

  public:
    using TgenealogyDisplay::TgenealogyDisplay;

  protected:
    int FindNode(const ChartLayout& layout, QPoint pos) const override;
};

}  // namespace lg::gui
