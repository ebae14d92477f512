#include "windows/selection_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/session.h"
#include "database/gedcom_reader.h"
#include "gui/qt_host.h"
#include "support/test_support.h"

namespace lg::gui {
namespace {

// Seven persons, so a depth of 1 is listed: Piet (2) above Jan (1) above
// Kees and Mien; René (1) below Klaas; Anna without parents.
// clang-format off
const std::vector<std::string> kFamily = {
    "0 @I1@ INDI", "1 NAME Piet /Berg/", "1 BIRT", "2 DATE 12 MAR 1930", "1 FAMC @F1@",
    "0 @I2@ INDI", "1 NAME Jan /Berg/", "1 BIRT", "2 DATE 1900", "1 FAMC @F2@", "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Anna /de Wit/", "1 FAMS @F1@",
    "0 @I4@ INDI", "1 NAME Kees /Berg/", "1 FAMS @F2@",
    "0 @I5@ INDI", "1 NAME Mien /Vos/", "1 FAMS @F2@",
    "0 @I6@ INDI", "1 NAME Ren\xE9 /Vos/", "1 FAMC @F3@",
    "0 @I7@ INDI", "1 NAME Klaas /Vos/", "1 FAMS @F3@",
    "0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I3@", "1 CHIL @I1@",
    "0 @F2@ FAM", "1 HUSB @I4@", "1 WIFE @I5@", "1 CHIL @I2@",
    "0 @F3@ FAM", "1 HUSB @I7@", "1 CHIL @I6@",
};
// clang-format on

// Reads the family into the session and measures the trees as the chart
// build does before it shows the dialog.
void LoadFamily(Session& session, const test::TempDir& dir) {
    session.gedcomFile = dir.Write("family.ged", test::Gedcom(kFamily));
    ASSERT_TRUE(ReadGedcom(session.gedcomFile, session.Db(), session.GetReporter()));
    ComputeAncestorDepths(session.Db().persons, session.GetReporter());
    ASSERT_EQ(session.GetReporter().RunState(), kRunNormal);
}

// The family in a session whose host records what the core says, with
// I1 remembered first.
struct Family {
    Family() {
        LoadFamily(session, dir);
        session.settings.current.probands = {"I1", "I5"};
        session.settings.changed = false;
        host.messages.clear();
        host.statuses.clear();
    }
    Tindividual* Person(const std::string& id) { return session.Db().persons.Find(id); }
    QListWidget* List(TSelectionForm& form) {
        return form.findChild<QListWidget*>(QStringLiteral("ListBox"));
    }

    test::TempDir dir;
    test::FakeHost host;
    Session session{host};
};

std::vector<std::string> ProbandIds(Family& f) {
    return f.session.settings.current.probands;
}

TEST(SelectionForm, ListsTheDeepTreesWithTheRememberedOneHighlighted) {
    Family f;
    TSelectionForm form;
    form.Fill(f.session);
    form.Fill(f.session);  // a second showing must not repeat the file name
    EXPECT_EQ(form.windowTitle(), "Select from Gedcom file family.ged");

    QListWidget* list = f.List(form);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Berg; Jan [1900]  <1>");
    EXPECT_EQ(list->item(1)->text(), "Berg; Piet [1930]  <2>");
    EXPECT_EQ(list->item(2)->text(), QString::fromUtf8("Vos; René  <1>"));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_TRUE(list->item(1)->isSelected());
    ASSERT_FALSE(f.host.statuses.empty());
    EXPECT_EQ(f.host.statuses.back().text.find_first_not_of(' '), std::string::npos);

    QStringList labels;
    for (const QLabel* label : form.findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains("Select who should be at the root of the chart (the proband)."));
    EXPECT_TRUE(labels.contains(
        "Nb: only persons with a tree of at least a few generations are shown (in < >)."));
    const QString help = form.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    EXPECT_TRUE(help.startsWith("Click in the list and type a few letters"));
    EXPECT_TRUE(help.contains(".\n\nThe proband will be remembered.")) << help.toStdString();
    EXPECT_FALSE(help.contains('\r'));
    const std::pair<const char*, const char*> buttons[] = {
        {"OKButton", "Accept the highlighted person"},
        {"CancelButton", "Abort selection"},
        {"ClearButton", "No selection: allows you automatic choice"},
    };
    for (const auto& [name, hint] : buttons) {
        auto* button = form.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->toolTip(), hint);
    }

    // Typed letters jump to the first line starting with them.
    QTest::keyClick(list, Qt::Key_V, Qt::NoModifier);
    EXPECT_EQ(list->currentRow(), 2);
    f.session.settings.current.probands = {"I2"};
    TSelectionForm other;
    other.Fill(f.session);
    QListWidget* otherList = f.List(other);
    EXPECT_EQ(otherList->currentRow(), 0);
    otherList->keyboardSearch("berg");
    EXPECT_EQ(otherList->currentRow(), 0);  // not the next Berg
    EXPECT_TRUE(otherList->item(0)->isSelected());

    // A remembered proband too shallow for the list highlights nothing.
    f.session.settings.current.probands = {"I3"};
    form.Fill(f.session);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_TRUE(f.host.messages.empty());
}

TEST(SelectionForm, OkAndClearDecideTheRememberedProband) {
    Family f;
    {  // the highlighted line becomes the only proband
        TSelectionForm form;
        form.Fill(f.session);
        f.List(form)->setCurrentRow(2);
        form.OKButtonClick();
        EXPECT_FALSE(form.Result().cancelled);
        EXPECT_EQ(form.Result().selected, f.Person("I6"));
        EXPECT_EQ(ProbandIds(f), std::vector<std::string>{"I6"});
        EXPECT_TRUE(f.session.settings.changed);
        EXPECT_EQ(f.List(form)->count(), 0);  // emptied on closing
    }
    {  // no line highlighted: no proband, the chart picks by depth
        f.session.settings.current.probands = {"I3"};
        f.session.settings.changed = false;
        TSelectionForm form;
        form.Fill(f.session);
        form.OKButtonClick();
        EXPECT_FALSE(form.Result().cancelled);
        EXPECT_EQ(form.Result().selected, nullptr);
        EXPECT_TRUE(ProbandIds(f).empty());
        EXPECT_TRUE(f.session.settings.changed);
    }
    {  // Clear keeps the dialog open; OK then confirms no proband
        f.session.settings.current.probands = {"I1"};
        f.session.settings.changed = false;
        TSelectionForm form;
        form.Fill(f.session);
        form.show();
        QTest::mouseClick(form.findChild<QPushButton*>("ClearButton"), Qt::LeftButton);
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(f.List(form)->selectedItems().isEmpty());
        EXPECT_TRUE(ProbandIds(f).empty());
        EXPECT_TRUE(f.session.settings.changed);
        QTest::mouseClick(form.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(form.Result().cancelled);
        EXPECT_EQ(form.Result().selected, nullptr);
        EXPECT_TRUE(ProbandIds(f).empty());
    }
    {  // a double click is OK
        TSelectionForm form;
        form.Fill(f.session);
        form.show();
        QListWidget* list = f.List(form);
        const QPoint centre = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.Result().selected, f.Person("I2"));
        EXPECT_EQ(ProbandIds(f), std::vector<std::string>{"I2"});
    }
    EXPECT_EQ(f.session.GetReporter().RunState(), kRunNormal);
}

TEST(SelectionForm, CancelAndEscStopTheRunAndKeepTheProband) {
    Family f;
    Reporter& reporter = f.session.GetReporter();
    const std::vector<std::string> before = ProbandIds(f);
    {
        TSelectionForm form;
        form.Fill(f.session);
        f.List(form)->setCurrentRow(2);
        form.CancelButtonClick();
        EXPECT_TRUE(form.Result().cancelled);
        EXPECT_EQ(form.Result().selected, nullptr);
        EXPECT_EQ(f.List(form)->count(), 0);
    }
    EXPECT_EQ(reporter.RunState(), kRunCancelled);
    EXPECT_EQ(reporter.ErrorCount(), 0);
    EXPECT_TRUE(f.host.messages.empty()) << f.host.AllMessages();
    EXPECT_EQ(ProbandIds(f), before);
    EXPECT_FALSE(f.session.settings.changed);

    reporter.SetRunState(kRunNormal);
    TSelectionForm form;
    form.Fill(f.session);
    form.show();
    QTest::keyClick(f.List(form), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Result().cancelled);
    EXPECT_EQ(reporter.RunState(), kRunCancelled);
    EXPECT_EQ(ProbandIds(f), before);
    EXPECT_FALSE(f.session.settings.changed);
}

TEST(SelectionHost, TheDialogTakesInputWhileTheComputationWaits) {
    QWidget window;
    QtHost host;
    host.Attach(nullptr, nullptr, nullptr, &window);
    test::TempDir dir;
    Session session(host);
    LoadFamily(session, dir);
    Reporter& reporter = session.GetReporter();

    // Typing and clicking in the dialog must pass the computation's filter.
    // The timers go with the window, should the dialog never open.
    bool stuck = false;
    std::function<void()> answer = [&] {
        TSelectionForm* form = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* shown = qobject_cast<TSelectionForm*>(widget); shown && shown->isVisible())
                form = shown;
        if (!form) {  // events processed before the dialog opened
            QTimer::singleShot(0, &window, answer);
            return;
        }
        QTest::keyClick(form->findChild<QListWidget*>("ListBox"), Qt::Key_V);
        QTest::mouseClick(form->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        // Still open: the filter ate the input, and would eat the closing
        // too. Lifted, so that the test fails instead of waiting forever.
        if (form->isVisible()) {
            stuck = true;
            host.EndInterruptible();
            form->done(QDialog::Accepted);
        }
    };
    QTimer::singleShot(0, &window, answer);
    reporter.BeginInterruptible();
    ProbandChoice choice = host.ChooseProband(session);
    EXPECT_TRUE(host.Busy());  // the filter is back for the rest of the run
    reporter.EndInterruptible();
    EXPECT_FALSE(stuck);
    EXPECT_FALSE(choice.cancelled);
    EXPECT_EQ(choice.selected, session.Db().persons.Find("I6"));
    EXPECT_EQ(session.settings.current.probands, std::vector<std::string>{"I6"});

    // Tests answer through the hook instead.
    host.probandHook = [](Session& s) { return ProbandChoice{false, s.Db().persons.Find("I1")}; };
    EXPECT_EQ(host.ChooseProband(session).selected, session.Db().persons.Find("I1"));
}

}  // namespace
}  // namespace lg::gui
