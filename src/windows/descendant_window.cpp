#include "windows/descendant_window.h"

#include <QAction>

#include "charts/box_menu.h"
#include "charts/offspring.h"
#include "render/qt_text.h"
#include "windows/ui_texts.h"

namespace lg::gui {

TgenealogyDisplay::TgenealogyDisplay(Session& session, ChartType type, QWidget* parent)
    : TGCdisplay(session, type, parent) {}

void TgenealogyDisplay::PrepareHighlightItem(QAction& item, const TlossPerson& node) {
    BranchItem branch = BranchItemOf(node);
    item.setText(UiText(BranchItemCaption(branch)));
    item.setEnabled(branch != BranchItem::NotAnOption);
}

void TgenealogyDisplay::HighlightItemChosen(TlossPerson& node) {
    if (BranchItemOf(node) == BranchItem::NotAnOption) return;
    bool changed = false;
    ToggleBranch(node, session_.settings.current, session_.settings.options.patronym, changed);
    if (changed) session_.settings.changed = true;
}

int ToffspringDisplay::FindNode(const ChartLayout& layout, QPoint pos) const {
    return FindFanNodeAt(layout, pos.x(), pos.y());
}

}  // namespace lg::gui
