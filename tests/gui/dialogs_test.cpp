// The small dialogs: each shows its values without counting as a change,
// and stores what the user does at once.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "gui/browser_form.h"
#include "gui/help_form.h"
#include "gui/options_form.h"
#include "gui/ui_locale.h"
#include "support/test_support.h"
#include "windows/dimensions_form.h"
#include "windows/explain_form.h"

namespace lg::gui {
namespace {

QRadioButton* Radio(QWidget& form, const char* group, int index) {
    auto* box = form.findChild<QGroupBox*>(QString::fromLatin1(group));
    if (box == nullptr) return nullptr;
    const QList<QRadioButton*> buttons = box->findChildren<QRadioButton*>();
    return index < buttons.size() ? buttons[index] : nullptr;
}

// Clicks where the user would: on the indicator (the middle of a wide
// button can be past its label, where a click does nothing).
void Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

TEST(DialogsTest, OptionsShowWithoutChangeAndStoreEachClick) {
    Settings settings;
    GlobalOptions& o = settings.options;
    o.placelevels = 2;
    o.patronym = true;
    o.fullbaptisedata = false;
    o.placenamebrackets = true;
    o.properdisplay = NameStyle::Formal;
    o.bookmarks = 1;
    o.gedcomnotes = false;
    o.gedcomchecks = 2;
    TOptionsForm form(settings);
    int calls = 0;
    form.onChanged = [&] { ++calls; };
    form.show();

    EXPECT_EQ(form.windowTitle(), "Options");
    const std::pair<const char*, int> shown[] = {
        {"TruncatePlacenamesRG", 2}, {"PatronymRG", 0},    {"BaptiseRG", 1},
        {"PlacenameBracketsRG", 1},  {"ProperNamesRG", 1}, {"BookmarksRG", 1},
        {"GedcomChecksRG", 2}};
    for (const auto& [group, index] : shown)
        EXPECT_TRUE(Radio(form, group, index)->isChecked()) << group;
    EXPECT_FALSE(settings.changed);
    EXPECT_EQ(calls, 0);

    Click(Radio(form, "PatronymRG", 1));
    EXPECT_FALSE(o.patronym);
    EXPECT_TRUE(settings.changed);
    EXPECT_EQ(calls, 1);
    Click(Radio(form, "GedcomChecksRG", 0));
    EXPECT_EQ(o.gedcomchecks, 0);
    Click(Radio(form, "PlacenameBracketsRG", 0));
    EXPECT_FALSE(o.placenamebrackets);
    Click(Radio(form, "BaptiseRG", 0));
    EXPECT_TRUE(o.fullbaptisedata);
    Click(Radio(form, "ProperNamesRG", 2));
    EXPECT_EQ(o.properdisplay, NameStyle::Gedcom);
    Click(form.findChild<QCheckBox*>("GedcomNotesCB"));
    EXPECT_TRUE(o.gedcomnotes);
    EXPECT_EQ(calls, 6);

    // Showing again reads the options afresh.
    form.hide();
    settings.changed = false;
    o.bookmarks = 2;
    form.show();
    EXPECT_TRUE(Radio(form, "BookmarksRG", 2)->isChecked());
    EXPECT_FALSE(settings.changed);
}

TEST(DialogsTest, DimensionsShowWithoutChangeAndStoreEachStep) {
    Settings settings;
    settings.current.boxwidth = 120;
    settings.current.fontsize = 9;
    TDimensionsForm form(settings);
    int calls = 0;
    form.onChanged = [&] {
        ++calls;
        EXPECT_TRUE(settings.changed);  // stored before the chart is re-laid
    };
    form.show();
    auto* width = form.findChild<QSpinBox*>("BoxWidthUpDown");
    auto* font = form.findChild<QSpinBox*>("FontSizeUpDown");
    ASSERT_NE(width, nullptr);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(width->value(), 120);
    EXPECT_EQ(font->value(), 9);
    EXPECT_FALSE(settings.changed);
    EXPECT_EQ(calls, 0);

    form.findChild<QSpinBox*>("YspaceUpDown")->setValue(33);
    EXPECT_EQ(settings.current.yspace, 33);
    width->stepUp();
    EXPECT_EQ(settings.current.boxwidth, 121);
    EXPECT_EQ(calls, 2);

    form.SetNameLengthEnabled(false);
    EXPECT_FALSE(form.findChild<QSpinBox*>("NameLengthUpDown")->isEnabled());
}

TEST(DialogsTest, FocusWindowsCloseWhenDeactivated) {
    Settings settings;
    TDimensionsForm dimensions(settings);
    dimensions.show();
    // Shown but never activated, it has no focus to lose.
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&dimensions, &deactivate);
    EXPECT_TRUE(dimensions.isVisible());
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&dimensions, &activate);
    QCoreApplication::sendEvent(&dimensions, &deactivate);
    EXPECT_FALSE(dimensions.isVisible());

    TExplainForm explain;
    explain.ShowText("Why\r\nand how", QPoint(10, 10));
    EXPECT_TRUE(explain.isVisible());
    EXPECT_EQ(explain.findChild<QPlainTextEdit*>()->toPlainText(), "Why\nand how");
    QCoreApplication::sendEvent(&explain, &deactivate);
    EXPECT_FALSE(explain.isVisible());
}

TEST(DialogsTest, UiLanguageFilesAndStoredLocale) {
    test::TempDir dir;
    for (const char* name : {"lignorama_fr_BE.qm", "lignorama_de.qm", "lignorama_nl.ts",
                             "other_en.qm", "lignorama_.qm"}) {
        dir.Write(name, "x");
    }
    EXPECT_EQ(UiLanguageFiles(Q(dir.Path())), QStringList({"de", "fr_BE"}));

    const QString file = Q(dir.Path() / "settings.ini");
    {
        QSettings settings(file, QSettings::IniFormat);
        EXPECT_EQ(StoredUiLocale(settings), "");
        StoreUiLocale(settings, "fr_BE");
    }
    QSettings settings(file, QSettings::IniFormat);
    EXPECT_EQ(StoredUiLocale(settings), "fr_BE");
    StoreUiLocale(settings, "");
    EXPECT_FALSE(settings.contains("locale"));

    // The override's file when it exists, else the system's, else none.
    const QString d = Q(dir.Path());
    EXPECT_EQ(UiTranslationFile(d, "fr_BE", QLocale("de_DE")),
              Q(dir.Path() / "lignorama_fr_BE.qm"));
    EXPECT_EQ(UiTranslationFile(d, "nl", QLocale("de_DE")), Q(dir.Path() / "lignorama_de.qm"));
    EXPECT_EQ(UiTranslationFile(d, "", QLocale("en_US")), "");
}

TEST(DialogsTest, HelpShowsTwoPagesOverTheMainWindow) {
    THelpForm help;
    help.Fill("", "a\r\nb", "Second", "x");
    auto* text = help.findChild<QPlainTextEdit*>("Page1Text");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->blockCount(), 2);
    EXPECT_EQ(text->toPlainText(), "a\nb");
    EXPECT_EQ(help.findChild<QLabel*>("Page1Title")->text(), "Introduction");
    EXPECT_EQ(help.findChild<QLabel*>("Page2Title")->text(), "Second");

    QWidget main;
    main.setGeometry(100, 50, 800, 600);
    help.PlaceOver(&main, QSize(400, 300), 20);
    EXPECT_EQ(help.size(), QSize(400, 300));
    EXPECT_EQ(help.pos(), QPoint(300, 100));
}

TEST(DialogsTest, BrowserReturnButtonClosesBothWindows) {
    TBrowserForm browser;
    QSignalSpy closed(&browser, &TBrowserForm::closed);
    QSignalSpy cleared(&browser, &TBrowserForm::statusCleared);
    browser.show();
    auto* returnForm = browser.findChild<TReturnForm*>();
    ASSERT_NE(returnForm, nullptr);
    EXPECT_TRUE(returnForm->isVisible());
    auto* button = returnForm->findChild<QPushButton*>();
    EXPECT_EQ(button->toolTip(), "Close browser; goto main screen");

    button->click();
    EXPECT_FALSE(browser.isVisible());
    EXPECT_FALSE(returnForm->isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(cleared.count(), 1);
}

}  // namespace
}  // namespace lg::gui
