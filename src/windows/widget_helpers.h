#pragma once
// Small builders the windows share, so that buttons look alike everywhere.

#include <QPushButton>
#include <QString>

namespace lg::gui {

// A push button with its object name (for tests and style), caption and
// hint, wide enough to line up with its neighbours.
inline QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption,
                              const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setMinimumWidth(110);
    return button;
}

}  // namespace lg::gui
