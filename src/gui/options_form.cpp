#include "gui/options_form.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/ui_locale.h"

namespace lg::gui {

namespace {

// Checks the group's button without it counting as a click. A value no
// button stands for (from a hand-edited parameter file) checks none.
void Check(QButtonGroup* group, int id) {
    const QSignalBlocker blocker(group);
    QAbstractButton* button = group->button(id);
    if (button != nullptr) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

}  // namespace

TOptionsForm::TOptionsForm(Settings& settings, QWidget* parent)
    : QDialog(parent),
      translationDirectory(QCoreApplication::applicationDirPath()),
      settings_(settings) {
    setWindowTitle(tr("Options"));
    GlobalOptions& o = settings_.options;

    // Each column stacks its groups at their natural height.
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    // Left column: what the charts show of places and events.
    left->addWidget(RadioGroup(QStringLiteral("TruncatePlacenamesRG"), tr("Truncate place names"),
                               {tr("No"), tr("1st comma"), tr("2nd comma")}, truncatePlacenames_,
                               [&o](int i) { o.placelevels = i; }));
    left->addWidget(RadioGroup(QStringLiteral("PatronymRG"), tr("In absence of surname, use"),
                               {tr("Patronym"), tr("First name")}, patronym_,
                               [&o](int i) { o.patronym = i == 0; }));
    left->addWidget(RadioGroup(QStringLiteral("BaptiseRG"), tr("Show baptism/christening data"),
                               {tr("Always"), tr("When essential")}, baptise_,
                               [&o](int i) { o.fullbaptisedata = i == 0; }));
    left->addWidget(RadioGroup(QStringLiteral("BurialRG"), tr("Show burial data"),
                               {tr("Always"), tr("When essential")}, burial_,
                               [&o](int i) { o.fullburialdata = i == 0; }));
    left->addWidget(RadioGroup(QStringLiteral("PlacenameBracketsRG"), tr("Show place names"),
                               {tr("Running text"), tr("In brackets")}, placenameBrackets_,
                               [&o](int i) { o.placenamebrackets = i == 1; }));

    // Right column: names, bookmarks and what is made of the GEDCOM file.
    right->addWidget(RadioGroup(QStringLiteral("ProperNamesRG"), tr("Show names"),
                                {tr("Proper"), tr("Formal"), tr("Gedcom")}, properNames_,
                                [&o](int i) { o.properdisplay = static_cast<NameStyle>(i); }));
    right->addWidget(RadioGroup(QStringLiteral("BookmarksRG"), tr("Text file bookmarks"),
                                {tr("Gedcom ID"), tr("2^n"), tr("GeneWeb")}, bookmarks_,
                                [&o](int i) { o.bookmarks = i; }));
    gedcomNotes_ = new QCheckBox(tr("Show Gedcom notes for persons"));
    gedcomNotes_->setObjectName(QStringLiteral("GedcomNotesCB"));
    connect(gedcomNotes_, &QCheckBox::clicked, this, [this](bool checked) {
        settings_.options.gedcomnotes = checked;
        Changed();
    });
    right->addWidget(gedcomNotes_);
    right->addWidget(RadioGroup(QStringLiteral("GedcomChecksRG"), tr("Gedcom checks"),
                                {tr("Link consistency only"), tr("Consistency of links and dates"),
                                 tr("Link consistency and sanity of dates")},
                                gedcomChecks_, [&o](int i) { o.gedcomchecks = i; }));
    left->addStretch(1);
    right->addStretch(1);
    auto* grid = new QGridLayout;
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);

    // The language is the program's, not the parameter file's: it is kept
    // in the user's settings and takes effect at the next start.
    language_ = new QComboBox;
    language_->setObjectName(QStringLiteral("languageCB"));
    language_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(language_, &QComboBox::activated, this,
            [this](int index) { StoreUiLocale(language_->itemText(index)); });
    auto* languageLabel = new QLabel(tr("Force language for user interface"));
    languageLabel->setBuddy(language_);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(language_);
    languageRow->addWidget(new QLabel(tr("(effective after application restart)")));
    languageRow->addStretch(1);

    auto* close = new QPushButton(tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(languageRow);
    layout->addLayout(buttons);
}

QGroupBox* TOptionsForm::RadioGroup(const QString& objectName, const QString& title,
                                    const QStringList& items, QButtonGroup*& group,
                                    std::function<void(int)> store) {
    auto* box = new QGroupBox(title);
    box->setObjectName(objectName);
    group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    connect(group, &QButtonGroup::idClicked, this, [this, store = std::move(store)](int id) {
        store(id);
        Changed();
    });
    return box;
}

void TOptionsForm::Changed() {
    settings_.changed = true;
    if (onChanged) onChanged();
}

void TOptionsForm::showEvent(QShowEvent* event) {
    ShowOptions();
    FillLanguages();
    QDialog::showEvent(event);
}

void TOptionsForm::ShowOptions() {
    const GlobalOptions& o = settings_.options;
    Check(truncatePlacenames_, o.placelevels);
    Check(patronym_, o.patronym ? 0 : 1);
    Check(baptise_, o.fullbaptisedata ? 0 : 1);
    Check(burial_, o.fullburialdata ? 0 : 1);
    Check(placenameBrackets_, o.placenamebrackets ? 1 : 0);
    Check(properNames_, static_cast<int>(o.properdisplay));
    Check(bookmarks_, o.bookmarks);
    Check(gedcomChecks_, o.gedcomchecks);
    const QSignalBlocker blocker(gedcomNotes_);
    gedcomNotes_->setChecked(o.gedcomnotes);
}

void TOptionsForm::FillLanguages() {
    const QSignalBlocker blocker(language_);
    language_->clear();
    language_->addItem(QString());  // no override: the system's language
    language_->addItems(UiLanguageFiles(translationDirectory));
    // An override whose file has gone still shows what is stored.
    const QString stored = StoredUiLocale();
    int index = language_->findText(stored);
    if (index < 0) {
        language_->addItem(stored);
        index = language_->count() - 1;
    }
    language_->setCurrentIndex(index);
}

}  // namespace lg::gui
