#pragma once
// The descendant window family: descendant charts, with the family-name
// branches that the sixth popup item switches.

#include "windows/chart_window.h"

namespace lg::gui {

class TgenealogyDisplay final : public TGCdisplay {
    Q_OBJECT

  public:
    TgenealogyDisplay(Session& session, ChartType type, QWidget* parent = nullptr);

  protected:
    void PrepareHighlightItem(QAction& item, const TlossPerson& node) override;
    void HighlightItemChosen(TlossPerson& node) override;
};

}  // namespace lg::gui
