#pragma once
// The close-family window a double click on a chart box opens: one focus
// person with parents, grandparents, partners and children in enlarged
// boxes. A double click on another person makes that person the focus; the
// arrow buttons step through the persons focused before.

#include <QWidget>

#include "charts/close_family.h"

class QAction;
class QScrollArea;

namespace lg {
class Session;
}

namespace lg::gui {

class TfamilyCanvas;

// A top-level window showing one person's close family, re-focusable.
// It reads the session's persons and current settings whenever it lays
// out; the database must not be cleared or reloaded while it is open (the
// opener closes it first). Box size, spacing and font are the current
// settings' at construction and at each refocus.
class TdetailsDisplay : public QWidget {
    Q_OBJECT

  public:
    // The window appears on show(); the focus person is the history's first
    // entry. The session must outlive the window.
    TdetailsDisplay(Session& session, Tindividual& focus, QWidget* parent = nullptr);

    // Makes the person the focus: pushes it on the history (dropping the
    // entries after the current one) and redraws. Nothing happens when the
    // person already is the focus.
    void Focus(Tindividual& person);

    Tindividual& CurrentFocus() const { return *focus_; }
    const FocusHistory& History() const { return history_; }
    const CloseFamilyLayout& Layout() const { return layout_; }
    const CloseFamilyGeometry& Geometry() const { return geometry_; }
    // The widget the family is painted on (inside the scroll area); layout
    // pixels are its pixels.
    QWidget* Canvas() const;

    // The "<" and ">" buttons: one step through the history. False, and
    // nothing changes, at an end of the history or when the person is no
    // longer in the database.
    bool GoBack();
    bool GoForward();

  private:
    friend class TfamilyCanvas;

    // Lays out the current focus again and updates caption and buttons.
    void Rebuild();
    bool Step(bool forward);
    void BoxDoubleClicked(int x, int y);

    Session& session_;
    Tindividual* focus_;
    FocusHistory history_;
    CloseFamilyLayout layout_;
    CloseFamilyGeometry geometry_;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    TfamilyCanvas* canvas_ = nullptr;
};

}  // namespace lg::gui
