#include "windows/graph_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui/main_window.h"
#include "render/qt_text.h"
#include "support/test_support.h"
#include "text/language.h"
#include "windows/inbreeding_form.h"

namespace lg::gui {
namespace {

// The example family (its one inbred person's parents are cousins), with
// the pedigree-loss and kinship dialogs answered by the test.
struct GraphFixture {
    GraphFixture() {
        dir.CopyExampleFamily();
        const auto dialog = [this](const std::vector<std::string>& texts,
                                   const std::vector<std::size_t>&) {
            dialogTexts = texts;
            return answer;
        };
        form.GetHost().inbredHook = dialog;
        form.GetHost().kinshipHook = dialog;
        form.ProcessCommandLine(
            {QString::fromStdString((dir.Path() / "family.params.txt").string())});
    }
    // Makes the type's charts, with Ctrl held their window open.
    void Make(const char* type, bool ctrl = true) {
        form.TypeBoxSelect(form.findChild<QComboBox*>("TypeBox")->findText(type));
        QTest::mouseClick(form.findChild<QPushButton*>("GoButton"), Qt::LeftButton,
                          ctrl ? Qt::ControlModifier : Qt::NoModifier);
        window = form.ChartWindow();
    }
    TinbredPerson& Chart() { return *window->CurrentChart(); }
    QPoint Centre(const TlossPerson& node) {
        const PixelPoint centre = window->Layout().CentreOf(node);
        return {centre.x, centre.y};
    }
    std::string Messages() {
        return FromQString(form.findChild<QPlainTextEdit*>("MessagesMemo")->toPlainText());
    }

    test::TempDir dir;
    TMainForm form;
    std::optional<std::vector<std::size_t>> answer = std::vector<std::size_t>{};
    std::vector<std::string> dialogTexts;
    TGCdisplay* window = nullptr;
};

TEST(InbreedingWindow, ShowsTheGroupShadedWithItsLossInTheHint) {
    GraphFixture f;
    f.Make("Inbreeding (on screen)");
    ASSERT_NE(f.window, nullptr) << f.Messages();
    EXPECT_EQ(f.window->windowTitle(), "Inbreeding chart");
    EXPECT_FALSE(f.window->findChild<QPushButton*>("HTMLButton")->isEnabled());
    EXPECT_TRUE(f.window->findChild<QLabel*>("IncompleteLabel")->text().isEmpty());
    TinbredPerson& chart = f.Chart();
    EXPECT_EQ(chart.nodes.size(), 7u);
    // The drop-down lists the chart's persons, starting on the inbred one.
    EXPECT_EQ(f.window->SelectBox().count(), 7);
    TlossPerson& proband = *chart.proband;
    EXPECT_EQ(f.window->SelectBox().currentText().toStdString(), proband.person->ListingText());
    EXPECT_EQ(proband.shade, 152);
    f.window->CanvasMouseMove(f.Centre(proband), {});
    // In the output language of the family's settings.
    const std::string loss =
        "25,00% " + f.form.GetSession().language->Slot(PhraseSlot::pedigreeLoss) + ".";
    EXPECT_TRUE(f.window->CurrentHint().contains(ToQString(loss)))
        << f.window->CurrentHint().toStdString();
    // Children of first cousins: F = 1/16.
    EXPECT_TRUE(f.window->CurrentHint().contains("Inbreeding coefficient F: 6,25%"));
    // The oldest box is drawn above the inbred one.
    const TlossPerson* top = chart.nodes.back();
    EXPECT_LT(f.Centre(*top).y(), f.Centre(proband).y());
}

TEST(InbreedingWindow, AClickMarksTheLoopUntilTheNextClick) {
    GraphFixture f;
    f.Make("Inbreeding (on screen)");
    ASSERT_NE(f.window, nullptr);
    TinbredPerson& chart = f.Chart();
    f.window->CanvasMouseDown(f.Centre(*chart.proband), {}, Qt::LeftButton);
    // Both routes from the inbred person up to the shared ancestors: all
    // the group's boxes but one of the two shared ancestors.
    int marked = 0;
    for (const TlossPerson* node : chart.nodes) marked += node->expanded;
    EXPECT_EQ(marked, 6);
    EXPECT_TRUE(chart.proband->visited);
    for (const TlossPerson* parent : chart.proband->parents) EXPECT_TRUE(parent->expanded);
    // An ancestor at the top finds the same loop downward.
    TlossPerson& top = *chart.nodes.back();
    f.window->CanvasMouseDown(f.Centre(top), {}, Qt::LeftButton);
    EXPECT_TRUE(top.expanded);
    EXPECT_TRUE(chart.proband->expanded);
    f.window->CanvasMouseDown({1, 1}, {}, Qt::LeftButton);
    for (const TlossPerson* node : chart.nodes) EXPECT_FALSE(node->expanded || node->visited);
}

// Without Ctrl the dialog is asked, the report written, and the chart kept
// for View; a cancelled dialog then is no error.
TEST(InbreedingWindow, TheDialogRunReportsAndRemembersTheChoice) {
    GraphFixture f;
    f.Make("Inbreeding (on screen)", false);
    EXPECT_EQ(f.dialogTexts.size(), 1u);
    EXPECT_NE(f.Messages().find("    25%          7   Berg, van der; Johannes Hendrik [1861]"),
              std::string::npos)
        << f.Messages();
    f.form.ViewButtonClick();
    ASSERT_NE(f.form.ChartWindow(), nullptr);
    EXPECT_EQ(f.form.GetSession().Charts(ChartType::Inbreeding).charts.size(), 1u);

    f.answer.reset();
    QTest::mouseClick(f.form.findChild<QPushButton*>("GoButton"), Qt::LeftButton);
    EXPECT_EQ(f.form.GetSession().GetReporter().RunState(), kRunNormal);
    EXPECT_EQ(f.Messages().find("An error was reported"), std::string::npos);
}

TEST(KinshipWindow, TheChosenPersonsAndTheirCommonAncestors) {
    GraphFixture f;
    const TindividualList& persons = f.form.GetSession().Db().persons;
    f.answer.emplace();
    for (std::size_t i = 0; i < persons.Count(); ++i)
        if (persons[i].ID == "I14" || persons[i].ID == "I1") f.answer->push_back(i);
    f.Make("Kinship (on screen)", false);
    EXPECT_EQ(f.dialogTexts.size(), persons.Count());
    EXPECT_NE(f.Messages().find("  B :   12.500          *"), std::string::npos) << f.Messages();
    f.form.ViewButtonClick();
    f.window = f.form.ChartWindow();
    ASSERT_NE(f.window, nullptr);
    EXPECT_EQ(f.window->windowTitle(), "Kinship");
    TinbredPerson& chart = f.Chart();
    TlossPerson* grandchild = nullptr;
    for (TlossPerson* node : chart.nodes)
        if (node->person->ID == "I14") grandchild = node;
    ASSERT_NE(grandchild, nullptr);
    EXPECT_TRUE(grandchild->visited && grandchild->highlight);
    f.window->CanvasMouseDown(f.Centre(*grandchild), {}, Qt::LeftButton);
    // His ancestry in the chart turns red; the chosen stay marked.
    for (const TlossPerson* node : chart.nodes) EXPECT_TRUE(node->expanded) << node->person->ID;
    f.window->CanvasMouseDown({1, 1}, {}, Qt::LeftButton);
    EXPECT_TRUE(grandchild->visited);
    for (const TlossPerson* node : chart.nodes) EXPECT_FALSE(node->expanded);
    EXPECT_EQ(f.form.GetSession().settings.current.probands,
              (std::vector<std::string>{"I1", "I14"}));
}

TEST(InbreedingForm, ChoosesUpToTenPersons) {
    std::vector<std::string> texts;
    for (int i = 0; i < 12; ++i) texts.push_back("Person " + std::to_string(i));
    const auto addAll = [](TInbreedingForm& form) {
        for (int row = 0; row < 12; ++row) {
            form.GedcomList().setCurrentRow(row);
            form.AddButtonClick();
        }
    };
    TInbreedingForm form(texts, {3});
    EXPECT_EQ(form.MatrixList().count(), 1);
    EXPECT_EQ(form.OKButton().text(), "OK");
    addAll(form);
    form.GedcomList().setCurrentRow(0);
    form.AddButtonClick();  // already there
    EXPECT_EQ(form.MatrixList().count(), TInbreedingForm::kMaxChosen);
    form.MatrixList().setCurrentRow(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(&form.MatrixList(), &del);
    EXPECT_EQ(form.MatrixList().count(), TInbreedingForm::kMaxChosen - 1);
    form.GedcomList().setCurrentRow(11);
    QKeyEvent ins(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
    QApplication::sendEvent(&form.GedcomList(), &ins);
    form.OKButtonClick();
    ASSERT_TRUE(form.Result().has_value());
    EXPECT_EQ(*form.Result(), (std::vector<std::size_t>{0, 1, 2, 4, 5, 6, 7, 8, 9, 11}));

    TInbreedingForm cleared(texts, {1, 2});
    cleared.ClearButtonClick();
    EXPECT_EQ(cleared.OKButton().text(), "OK / All");
    cleared.OKButtonClick();
    EXPECT_TRUE(cleared.Result()->empty());

    TKinshipForm unlimited(texts, {}, true);
    addAll(unlimited);
    EXPECT_EQ(unlimited.MatrixList().count(), 12);
    EXPECT_EQ(unlimited.OKButton().text(), "OK");

    TInbreedingForm cancelled(texts, {1});
    cancelled.CancelButtonClick();
    EXPECT_FALSE(cancelled.Result().has_value());
}

}  // namespace
}  // namespace lg::gui
