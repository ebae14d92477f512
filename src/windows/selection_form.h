#pragma once
// The modal proband selection dialog of the desktop program: the persons
// with a tree worth charting, the remembered proband highlighted, and the
// answers OK, Clear proband and Cancel. What the list holds and what the
// buttons do is decided in app/proband_selection.h; this is its face.

#include <QDialog>

#include "app/proband_selection.h"

class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace lg {
class Session;
}

namespace lg::gui {

// A dialog that lets the user pick the person at the root of the chart.
class TSelectionForm : public QDialog {
    Q_OBJECT

  public:
    explicit TSelectionForm(QWidget* parent = nullptr);

    // Fill, then the modal loop, then Result. The session's persons must
    // have their treeDepth computed; the session must outlive the call.
    ProbandChoice Choose(Session& session);

    // Lists the session's deep enough persons (with progress in the status
    // line), highlights the remembered proband and sets the caption to the
    // GEDCOM file's name. Filling again replaces everything, caption too.
    // The session must outlive the dialog's use of it up to Result.
    void Fill(Session& session);

    // The answer: after OK the highlighted person (null for none, leaving
    // the choice to the chart); after Cancel, Esc or closing the window a
    // cancelled choice. Before any answer also a cancelled one.
    ProbandChoice Result() const { return result_; }

  public slots:
    // OK (also a double click on a line): the highlighted person becomes
    // the only remembered proband, or none is remembered; marks the
    // settings changed when that differs from the proband at Fill. Closes.
    void OKButtonClick();
    // Cancel: the run stops without an error line (run state 1). Closes.
    void CancelButtonClick();
    // Clear proband: no line highlighted, no proband remembered, settings
    // changed; the dialog stays open so OK can confirm the automatic choice.
    void ClearButtonClick();

    // Esc and the window's close button are Cancel.
    void reject() override;
    // Closing by any way empties the list: its lines point into the
    // database, which may change before the dialog is shown again.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The person of the highlighted line; null when none is highlighted.
    Tindividual* HighlightedPerson() const;
    void ScrollToHighlighted();

    QListWidget* list_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;

    Session* session_ = nullptr;
    ProbandList probands_;  // the list's lines, row for row
    ProbandChoice result_{true, nullptr};
    bool answered_ = false;
};

}  // namespace lg::gui
