#include "windows/inbreeding_form.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/qt_text.h"
#include "windows/ui_texts.h"

namespace lg::gui {
namespace {

constexpr int kPositionRole = Qt::UserRole;

QPushButton* DialogButton(QWidget* parent, const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TInbreedingForm::TInbreedingForm(const std::vector<std::string>& texts,
                                 const std::vector<std::size_t>& remembered, QWidget* parent)
    : TInbreedingForm(texts, remembered, {Msg::SelectedForInbreeding, kMaxChosen, true}, parent) {
    setObjectName("InbreedingForm");
    setWindowTitle(UiText(Msg::InbreedingChart));
}

TKinshipForm::TKinshipForm(const std::vector<std::string>& texts,
                           const std::vector<std::size_t>& remembered, bool unlimited,
                           QWidget* parent)
    : TInbreedingForm(texts, remembered,
                      {Msg::SelectedForKinship, unlimited ? 0 : kMaxChosen, false}, parent) {
    setObjectName("KinshipForm");
    setWindowTitle(UiText(Msg::Kinship));
}

TInbreedingForm::TInbreedingForm(const std::vector<std::string>& texts,
                                 const std::vector<std::size_t>& remembered, const Purpose& purpose,
                                 QWidget* parent)
    : QDialog(parent), purpose_(purpose) {
    setModal(true);
    resize(760, 560);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("InstructionMemo");
    memo_->setReadOnly(true);
    memo_->setMaximumHeight(110);
    QString memo = UiText(Msg::SelectANameIn) + "\n\n" + UiText(Msg::TheLeftListContains) + " " +
                   UiText(purpose.about);
    if (purpose.emptyMeansAll) memo += " " + UiText(Msg::AnEmptyListMeans);
    memo_->setPlainText(memo);
    left_ = new QListWidget(this);
    left_->setObjectName("GedcomList");
    right_ = new QListWidget(this);
    right_->setObjectName("MatrixList");
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto* item = new QListWidgetItem(ToQString(texts[i]), left_);
        item->setData(kPositionRole, static_cast<qulonglong>(i));
    }
    for (std::size_t i : remembered)
        if (i < texts.size()) AddRight(static_cast<int>(i));
    auto* add = DialogButton(this, ">", "AddButton");
    auto* remove = DialogButton(this, "<", "DeleteButton");
    auto* clear = DialogButton(this, tr("Clear"), "ClearButton");
    okButton_ = DialogButton(this, "", "OKButton");
    okButton_->setDefault(true);
    auto* cancel = DialogButton(this, tr("Cancel"), "CancelButton");
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    for (QPushButton* button : {add, remove, clear}) middle->addWidget(button);
    middle->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(memo_, 0, 0, 1, 3);
    grid->addWidget(left_, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(right_, 1, 2);
    auto* answers = new QHBoxLayout;
    answers->addStretch(1);
    answers->addWidget(okButton_);
    answers->addWidget(cancel);
    grid->addLayout(answers, 2, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 2);
    connect(add, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(remove, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(clear, &QPushButton::clicked, this, [this] { ClearButtonClick(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
    connect(left_, &QListWidget::itemDoubleClicked, this, [this] { AddButtonClick(); });
    connect(right_, &QListWidget::itemDoubleClicked, this, [this] { DeleteButtonClick(); });
    left_->installEventFilter(this);
    right_->installEventFilter(this);
    if (left_->count() > 0) left_->setCurrentRow(0);
    left_->setFocus();
    UpdateOKCaption();
}

void TInbreedingForm::AddRight(int leftRow) {
    QListWidgetItem* source = left_->item(leftRow);
    if (!source || (purpose_.maxChosen > 0 && right_->count() >= purpose_.maxChosen)) return;
    const QVariant position = source->data(kPositionRole);
    for (int i = 0; i < right_->count(); ++i)
        if (right_->item(i)->data(kPositionRole) == position) return;
    auto* item = new QListWidgetItem(source->text(), right_);
    item->setData(kPositionRole, position);
}

void TInbreedingForm::UpdateOKCaption() {
    okButton_->setText(right_->count() == 0 && purpose_.emptyMeansAll ? tr("OK / All") : tr("OK"));
}

void TInbreedingForm::AddButtonClick() {
    AddRight(left_->currentRow());
    UpdateOKCaption();
}

void TInbreedingForm::DeleteButtonClick() {
    delete right_->currentItem();
    UpdateOKCaption();
}

void TInbreedingForm::ClearButtonClick() {
    right_->clear();
    UpdateOKCaption();
}

void TInbreedingForm::OKButtonClick() {
    std::vector<std::size_t> chosen;
    for (int i = 0; i < right_->count(); ++i)
        chosen.push_back(
            static_cast<std::size_t>(right_->item(i)->data(kPositionRole).toULongLong()));
    result_ = std::move(chosen);
    accept();
}

void TInbreedingForm::CancelButtonClick() {
    right_->clear();
    result_.reset();
    QDialog::reject();
}

void TInbreedingForm::reject() {
    CancelButtonClick();
}

bool TInbreedingForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == left_ && (key == Qt::Key_Space || key == Qt::Key_Insert)) {
            AddButtonClick();
            return true;
        }
        if (watched == right_ &&
            (key == Qt::Key_Space || key == Qt::Key_Insert || key == Qt::Key_Delete)) {
            DeleteButtonClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace lg::gui
