#include "windows/selection_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/session.h"
#include "base/help_texts.h"
#include "render/qt_text.h"
#include "windows/ui_texts.h"
#include "windows/widget_helpers.h"

namespace lg::gui {

namespace {

// A list whose typed letters jump to the first line starting with them,
// as the dialog's help text promises. Qt's own search continues below the
// highlighted line, which lands on the second "Berg" when the first is
// highlighted and the user types "berg".
class FirstMatchList final : public QListWidget {
  public:
    using QListWidget::QListWidget;

    void keyboardSearch(const QString& search) override {
        if (count() == 0) return;
        const bool restart = search.isEmpty() || !typing_.isValid() ||
                             typing_.restart() > QApplication::keyboardInputInterval();
        if (!typing_.isValid()) typing_.start();
        typed_ = restart ? search : typed_ + search;
        if (typed_.isEmpty()) return;
        int row = FirstRowStartingWith(typed_, 0);
        // The same letter again and again steps through the lines starting
        // with it, since no name starts with "vvv".
        if (row < 0 && typed_.count(typed_.front()) == typed_.size())
            row = FirstRowStartingWith(typed_.left(1), currentRow() + 1);
        if (row >= 0) setCurrentRow(row);
    }

  private:
    // The first row from `from` on (wrapping round) whose text starts with
    // the prefix, ignoring case; -1 for none.
    int FirstRowStartingWith(const QString& prefix, int from) const {
        const int rows = count();
        for (int i = 0; i < rows; ++i) {
            const int row = (from + i) % rows;
            if (item(row)->text().startsWith(prefix, Qt::CaseInsensitive)) return row;
        }
        return -1;
    }

    QElapsedTimer typing_;
    QString typed_;
};

}  // namespace

TSelectionForm::TSelectionForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SelectionForm"));
    setModal(true);
    setWindowTitle(tr("Select from Gedcom file"));
    resize(560, 520);

    auto* intro =
        new QLabel(tr("Select who should be at the root of the chart (the proband)."), this);
    intro->setObjectName(QStringLiteral("Label1"));
    auto* note = new QLabel(
        tr("Nb: only persons with a tree of at least a few generations are shown (in < >)."), this);
    note->setObjectName(QStringLiteral("Label2"));
    // Translations run longer than the English: they wrap rather than
    // widen the dialog.
    intro->setWordWrap(true);
    note->setWordWrap(true);

    list_ = new FirstMatchList(this);
    list_->setObjectName(QStringLiteral("ListBox"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);  // thousands of lines stay quick to lay out
    connect(list_, &QListWidget::itemDoubleClicked, this, &TSelectionForm::OKButtonClick);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setFocusPolicy(Qt::NoFocus);
    memo_->setPlainText(UiLines(SelectionHelp()));
    const QFontMetrics metrics(memo_->font());
    memo_->setFixedHeight(metrics.lineSpacing() * 9 + 2 * memo_->frameWidth() + 8);

    okButton_ = NewButton(this, "OKButton", tr("OK"), tr("Accept the highlighted person"));
    cancelButton_ = NewButton(this, "CancelButton", tr("Cancel"), tr("Abort selection"));
    clearButton_ = NewButton(this, "ClearButton", tr("Clear proband"),
                             tr("No selection: allows you automatic choice"));
    // Enter accepts, as a double click does; Clear must never be the
    // default, or Enter would drop the remembered proband.
    okButton_->setDefault(true);
    cancelButton_->setAutoDefault(false);
    clearButton_->setAutoDefault(false);
    connect(okButton_, &QPushButton::clicked, this, &TSelectionForm::OKButtonClick);
    connect(cancelButton_, &QPushButton::clicked, this, &TSelectionForm::CancelButtonClick);
    connect(clearButton_, &QPushButton::clicked, this, &TSelectionForm::ClearButtonClick);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearButton_);
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(note);
    layout->addWidget(list_, 1);
    layout->addWidget(memo_);
    layout->addLayout(buttons);

    list_->setFocus(Qt::OtherFocusReason);
}

ProbandChoice TSelectionForm::Choose(Session& session) {
    Fill(session);
    exec();
    return Result();
}

void TSelectionForm::Fill(Session& session) {
    session_ = &session;
    answered_ = false;
    result_ = {true, nullptr};
    // Built from the fixed text each time, so a second showing does not
    // append the file name twice.
    setWindowTitle(tr("Select from Gedcom file") + QLatin1Char(' ') +
                   PathToQString(session.gedcomFile.filename().string()));

    list_->clear();
    probands_ = ListProbands(session.Db().persons, session.settings.current.probands,
                             session.GetHost().PersonOrder(), session.GetReporter());
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(probands_.lines.size()));
    for (const ProbandLine& line : probands_.lines) texts.append(ToQString(line.text));
    list_->addItems(texts);
    if (probands_.highlighted >= 0) list_->setCurrentRow(static_cast<int>(probands_.highlighted));
    ScrollToHighlighted();
    list_->setFocus(Qt::OtherFocusReason);
}

void TSelectionForm::OKButtonClick() {
    if (session_) {
        result_ = AcceptProband(session_->settings.current.probands, HighlightedPerson(),
                                probands_.remembered, session_->settings.changed);
        answered_ = true;
    }
    accept();
}

void TSelectionForm::CancelButtonClick() {
    reject();
}

void TSelectionForm::ClearButtonClick() {
    list_->clearSelection();
    list_->setCurrentRow(-1);
    if (session_) ClearProband(session_->settings.current.probands, session_->settings.changed);
}

void TSelectionForm::reject() {
    if (session_ && !answered_) {
        result_ = CancelProband(session_->GetReporter());
        answered_ = true;
    }
    QDialog::reject();
}

void TSelectionForm::done(int result) {
    QDialog::done(result);
    list_->clear();
    probands_ = {};
}

void TSelectionForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Before the first showing the list has no size to scroll in.
    ScrollToHighlighted();
}

Tindividual* TSelectionForm::HighlightedPerson() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) return nullptr;
    const int row = list_->row(selected.front());
    if (row < 0 || static_cast<std::size_t>(row) >= probands_.lines.size()) return nullptr;
    return probands_.lines[static_cast<std::size_t>(row)].person;
}

void TSelectionForm::ScrollToHighlighted() {
    if (QListWidgetItem* item = list_->currentItem(); item && item->isSelected())
        list_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

}  // namespace lg::gui
