#include "windows/tree_window.h"

#include <QAction>

#include "base/messages.h"
#include "render/qt_text.h"
#include "windows/ui_texts.h"

namespace lg::gui {

TpedigreeDisplay::TpedigreeDisplay(Session& session, ChartType type, QWidget* parent)
    : TGCdisplay(session, type, parent) {}

void TpedigreeDisplay::PrepareHighlightItem(QAction& item, const TlossPerson&) {
    item.setText(UiText(Msg::AtNotAnOption));
    item.setEnabled(false);
}

}  // namespace lg::gui
