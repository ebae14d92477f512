#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <map>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include "support/test_support.h"
#include "windows/chart_window.h"

namespace lg::gui {
namespace {

// A main window with its dialogs answered by the test, the example family
// copied into a fresh directory.
struct Window {
    Window() {
        dir.CopyExampleFamily();
        form.GetHost().messageBoxHook = [this](const std::string& text) { boxes.push_back(text); };
        form.GetHost().questionHook = [this](const std::string& text) {
            questions.push_back(text);
            return answer;
        };
        form.pageViewer = [this](const std::filesystem::path& page) { pages.push_back(page); };
        // The proband dialog answers with the remembered proband.
        form.GetHost().probandHook = [](Session& s) { return s.GetHost().Host::ChooseProband(s); };
    }
    void LoadExample() {
        form.ProcessCommandLine(
            {QString::fromStdString((dir.Path() / "family.params.txt").string())});
    }
    template <typename T>
    T* Child(const char* name) {
        T* child = form.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QLineEdit* Edit(const char* name) { return Child<QLineEdit>(name); }
    void SelectType(const char* text) {
        auto* box = Child<QComboBox>("TypeBox");
        form.TypeBoxSelect(box->findText(text));
    }
    void Leave(const char* name, const QString& text) {
        QLineEdit* edit = Edit(name);
        edit->setText(text);
        emit edit->editingFinished();
    }
    QStringList Messages() {
        return Child<QPlainTextEdit>("MessagesMemo")->toPlainText().split('\n');
    }

    test::TempDir dir;
    TMainForm form;
    std::vector<std::string> boxes;
    std::vector<std::string> questions;
    std::vector<std::filesystem::path> pages;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
};

TEST(MainWindow, ControlsAndFieldsFollowTheChartType) {
    Window w;
    w.SelectType("Kinship (on screen)");
    for (const char* name : {"TableauEdit", "TextEdit", "FramesEdit", "OutlineEdit", "TitleEdit"})
        EXPECT_FALSE(w.Edit(name)->isEnabled()) << name;
    EXPECT_FALSE(w.Edit("NameLengthEdit")->isEnabled());
    EXPECT_TRUE(w.Child<QSlider>("ChartDepthBar")->isVisibleTo(&w.form));
    EXPECT_FALSE(w.Child<QGroupBox>("GenealogyRG")->isVisibleTo(&w.form));

    w.SelectType("Genealogy (HTML)");
    for (const char* name : {"TableauEdit", "TextEdit", "FramesEdit", "OutlineEdit"})
        EXPECT_TRUE(w.Edit(name)->isEnabled()) << name;
    EXPECT_FALSE(w.Child<QSlider>("ChartDepthBar")->isVisibleTo(&w.form));
    EXPECT_TRUE(w.Child<QGroupBox>("GenealogyRG")->isVisibleTo(&w.form));
    EXPECT_TRUE(w.Edit("NamingSchemeEdit")->isVisibleTo(&w.form));

    // The pedigree shows its naming scheme once there are persons to name.
    w.SelectType("Pedigree (HTML)");
    EXPECT_FALSE(w.Edit("NamingSchemeEdit")->isVisibleTo(&w.form));
    w.LoadExample();
    EXPECT_TRUE(w.Edit("NamingSchemeEdit")->isVisibleTo(&w.form));

    // The fields are written back from each type's settings: what was typed
    // stays with its type, and the pedigree's scheme loses its highlight.
    w.Edit("TableauEdit")->setText("mine.htm");
    w.Leave("NamingSchemeEdit", "N2Z1@");
    EXPECT_EQ(w.Edit("NamingSchemeEdit")->text(), "n2z1");
    EXPECT_TRUE(w.form.GetSession().settings.changed);
    w.SelectType("Genealogy (HTML)");
    EXPECT_EQ(w.Edit("TableauEdit")->text(), "lgfamchart.htm");
    w.Leave("NamingSchemeEdit", "a0z2@");
    EXPECT_EQ(w.Edit("NamingSchemeEdit")->text(), "a0z2@");
    w.SelectType("Pedigree (HTML)");
    EXPECT_EQ(w.Edit("TableauEdit")->text(), "mine.htm");
}

// Every button lies wholly inside what the scroll area shows.
void ExpectButtonsInView(Window& w) {
    auto* scroll = w.form.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    const QRect view = scroll->viewport()->rect();
    for (QPushButton* button : w.form.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&w.form)) continue;
        const QRect rect(button->mapTo(scroll->viewport(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(view.contains(rect)) << button->objectName().toStdString();
    }
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
}

TEST(MainWindow, FitsTheScreenAndKeepsThePanelsStill) {
    Window w;
    const QRect area = w.form.screen()->availableGeometry();
    EXPECT_LE(w.form.width(), area.width());
    EXPECT_LE(w.form.height(), area.height());

    // A 1024 x 600 screen less the frame and title bar.
    w.LoadExample();
    w.form.resize(1024 - 16, 600 - 40);
    w.form.show();
    QCoreApplication::processEvents();
    ExpectButtonsInView(w);
    EXPECT_TRUE(w.Child<QLabel>("StatusLabel")->visibleRegion().boundingRect().height() > 0);

    // No type switch moves a panel, at the small size or a large one.
    for (QSize size : {QSize(1024 - 16, 600 - 40), QSize(1400, 900)}) {
        w.form.resize(size);
        std::map<QString, QRect> first;
        auto* types = w.Child<QComboBox>("TypeBox");
        for (int i = 0; i < types->count(); ++i) {
            w.form.TypeBoxSelect(i);
            QCoreApplication::processEvents();
            for (const char* name : {"MainPanel", "InputPanel", "DimensionsPanel",
                                     "PresentationPanel", "OptionsPanel", "ButtonPanel"}) {
                auto* panel = w.Child<QWidget>(name);
                const QRect place(panel->mapTo(&w.form, QPoint(0, 0)), panel->size());
                auto [known, added] = first.emplace(name, place);
                EXPECT_EQ(known->second, place)
                    << name << " with " << types->itemText(i).toStdString();
            }
        }
    }
    w.form.resize(1024 - 16, 600 - 40);
    QCoreApplication::processEvents();
    ExpectButtonsInView(w);
}

TEST(MainWindow, CommandLineFileIsLoadedThenMakeChartThenViewChart) {
    Window w;
    auto* go = w.Child<QPushButton>("GoButton");
    auto* view = w.Child<QPushButton>("ViewButton");
    EXPECT_FALSE(go->isEnabled());
    w.LoadExample();
    EXPECT_EQ(w.Edit("SourceFileEdit")->text(), "family.params.txt");
    EXPECT_EQ(w.Edit("GedcomFileEdit")->text(), "family.ged");
    EXPECT_TRUE(go->isEnabled());
    EXPECT_FALSE(view->isEnabled());
    EXPECT_EQ(w.form.GetSession().Db().persons.Count(), 42u);
    EXPECT_FALSE(w.form.GetSession().settings.changed);

    QTest::mouseClick(go, Qt::LeftButton);
    EXPECT_EQ(w.Messages().front(),
              "You can bypass the selection of probands by holding down the Ctrl key while "
              "pressing Make Chart");
    EXPECT_TRUE(view->isEnabled());
    EXPECT_EQ(w.form.ChartWindow(), nullptr);  // nothing shown until asked
    QTest::mouseClick(view, Qt::LeftButton);
    ASSERT_NE(w.form.ChartWindow(), nullptr);
    EXPECT_EQ(w.form.ChartWindow()->windowTitle(), "Ancestors");

    // With Ctrl held: no hint, and the chart is shown as soon as it is made.
    QPointer<TGCdisplay> first = w.form.ChartWindow();
    QTest::mouseClick(go, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(w.Messages().front(), "42 names in tree.");
    EXPECT_TRUE(first.isNull());  // the old boxes are gone with their window
    EXPECT_NE(w.form.ChartWindow(), nullptr);
    EXPECT_TRUE(go->isEnabled());
    EXPECT_TRUE(w.pages.empty());  // pages are written by the chart window's HTML button
}

// Runs the rest of a test in another current directory.
class CurrentDirectory {
  public:
    explicit CurrentDirectory(const std::filesystem::path& dir)
        : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~CurrentDirectory() { std::filesystem::current_path(saved_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

  private:
    std::filesystem::path saved_;
};

// A file typed by its bare name or a relative path, or a parameter file
// named relatively: the session keeps absolute paths, so the output folder
// is shown and the pages open after the current directory changed.
TEST(MainWindow, FilesNamedRelativelyAreKeptAsAbsolutePaths) {
    struct Case {
        const char* field;
        const char* typed;
        const char* folder;  // where the file is, inside the test's folder
    };
    for (const Case& c : {Case{"GedcomFileEdit", "family.ged", ""},
                          Case{"GedcomFileEdit", "sub/../sub/family.ged", "sub"},
                          Case{"SourceFileEdit", "family.params.txt", ""},
                          Case{"SourceFileEdit", "./sub/family.params.txt", "sub"}}) {
        SCOPED_TRACE(c.typed);
        Window w;
        const std::filesystem::path folder = *c.folder ? w.dir.Path() / c.folder : w.dir.Path();
        if (folder != w.dir.Path()) {
            std::filesystem::create_directories(folder);
            for (const char* name : {"family.ged", "family.params.txt"})
                std::filesystem::copy_file(w.dir.Path() / name, folder / name);
        }
        {
            CurrentDirectory here(w.dir.Path());
            w.Leave(c.field, c.typed);
        }
        const Session& session = w.form.GetSession();
        EXPECT_EQ(session.gedcomFile, folder / "family.ged");
        EXPECT_TRUE(session.workingDirectory.is_absolute()) << session.workingDirectory;
        EXPECT_EQ(w.Child<QGroupBox>("OutputPanel")->title().toStdString(),
                  "Output (-> " + folder.string() + ")");
        QTest::mouseClick(w.Child<QPushButton>("GoButton"), Qt::LeftButton, Qt::ControlModifier);
        ASSERT_NE(w.form.ChartWindow(), nullptr) << w.Messages().join("\n").toStdString();
        QTest::mouseClick(w.form.ChartWindow()->findChild<QPushButton*>("HTMLButton"),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(w.pages.size(), 1u);
        EXPECT_TRUE(w.pages[0].is_absolute()) << w.pages[0];
        EXPECT_TRUE(std::filesystem::is_regular_file(w.pages[0])) << w.pages[0];
        EXPECT_EQ(w.pages[0].parent_path(), folder);
    }
}

TEST(MainWindow, BothChartTypesLiveSideBySide) {
    Window w;
    w.LoadExample();
    auto* go = w.Child<QPushButton>("GoButton");
    auto* view = w.Child<QPushButton>("ViewButton");
    auto html = [&w] {
        ASSERT_NE(w.form.ChartWindow(), nullptr);
        auto* button = w.form.ChartWindow()->findChild<QPushButton*>("HTMLButton");
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };

    w.SelectType("Pedigree (HTML)");
    QTest::mouseClick(go, Qt::LeftButton, Qt::ControlModifier);
    html();
    ASSERT_EQ(w.pages.size(), 1u);
    const auto pedigree = test::PagesIn(w.dir.Path());

    w.SelectType("Genealogy (HTML)");
    QTest::mouseClick(go, Qt::LeftButton, Qt::ControlModifier);
    ASSERT_NE(w.form.ChartWindow(), nullptr);
    EXPECT_EQ(w.form.ChartWindow()->windowTitle(), "Descendants");

    // Back to the pedigree: View shows the chart made first, and its HTML
    // pages come out as they did.
    w.SelectType("Pedigree (HTML)");
    QTest::mouseClick(view, Qt::LeftButton);
    ASSERT_NE(w.form.ChartWindow(), nullptr);
    EXPECT_EQ(w.form.ChartWindow()->windowTitle(), "Ancestors");
    html();
    ASSERT_EQ(w.pages.size(), 2u);
    auto now = test::PagesIn(w.dir.Path());
    for (const auto& [name, bytes] : pedigree) EXPECT_EQ(now[name], bytes) << name;

    // Windows of both types opened and closed in turn, each painted.
    for (int i = 0; i < 12; ++i) {
        w.SelectType(i % 2 ? "Genealogy (HTML)" : "Pedigree (HTML)");
        QTest::mouseClick(view, Qt::LeftButton);
        TGCdisplay* window = w.form.ChartWindow();
        ASSERT_NE(window, nullptr) << i;
        EXPECT_FALSE(window->Canvas().grab().isNull());
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    w.SelectType("Genealogy (HTML)");
    QTest::mouseClick(view, Qt::LeftButton);
    html();
    EXPECT_EQ(w.pages.size(), 3u);
}

TEST(MainWindow, InvalidNumberIsRefusedAndKeepsTheFocus) {
    Window w;
    w.form.show();
    QApplication::setActiveWindow(&w.form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    QLineEdit* edit = w.Edit("XoffsetEdit");
    w.Edit("YoffsetEdit")->setFocus();
    w.Leave("XoffsetEdit", "-5");
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0], "-5 is not a valid number.");
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(w.form.GetSession().settings.current.xoffset, 10);
    w.Leave("XoffsetEdit", "25");
    EXPECT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.form.GetSession().settings.current.xoffset, 25);
}

TEST(MainWindow, ExitAsksOnlyAfterAChange) {
    Window w;
    w.LoadExample();
    w.form.show();
    EXPECT_TRUE(w.form.close());
    EXPECT_TRUE(w.questions.empty());
    w.form.show();
    auto* language = w.Child<QComboBox>("LanguageBox");
    language->setCurrentIndex(language->findText("english"));
    emit language->activated(language->currentIndex());
    EXPECT_FALSE(w.form.close());  // Cancel keeps the program open
    ASSERT_EQ(w.questions.size(), 1u);
    EXPECT_EQ(w.questions[0], "Do you want to save your changes ?");

    // Yes saves through the save dialog; the program may then end.
    w.answer = QMessageBox::Yes;
    std::filesystem::path saved = w.dir.Path() / "saved.txt";
    w.form.saveFileDialog = [&](const QString&, const QString&, const QString&) {
        return QString::fromStdString(saved.string());
    };
    EXPECT_TRUE(w.form.close());
    EXPECT_NE(test::ReadFile(saved).find(";Language           = english"), std::string::npos);
    EXPECT_TRUE(w.Child<QLabel>("StatusLabel")->text().startsWith("Settings saved in "));
}

}  // namespace
}  // namespace lg::gui
