#include "windows/chart_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include "charts/node_names.h"
#include "gui/main_window.h"
#include "render/chart_picture.h"
#include "render/qt_text.h"
#include "support/test_support.h"
#include "windows/dimensions_form.h"

namespace lg::gui {
namespace {

// The example family made into a chart with Ctrl held, its window open.
struct ChartWindowFixture {
    explicit ChartWindowFixture(const char* typeText = "Pedigree (HTML)") {
        dir.CopyExampleFamily();
        form.pageViewer = [this](const std::filesystem::path& page) { pages.push_back(page); };
        // The proband dialog answers with the remembered proband.
        form.GetHost().probandHook = [](Session& s) { return s.GetHost().Host::ChooseProband(s); };
        form.ProcessCommandLine(
            {QString::fromStdString((dir.Path() / "family.params.txt").string())});
        auto* types = form.findChild<QComboBox*>("TypeBox");
        form.TypeBoxSelect(types->findText(typeText));
        QTest::mouseClick(form.findChild<QPushButton*>("GoButton"), Qt::LeftButton,
                          Qt::ControlModifier);
        window = form.ChartWindow();
    }
    TinbredPerson& Chart() { return *window->CurrentChart(); }
    QPoint Centre(const TlossPerson& node) {
        const PixelPoint centre = window->Layout().CentreOf(node);
        return {centre.x, centre.y};
    }
    // How far right of the proband's box his father's is.
    int FatherGap() {
        const TlossPerson& root = *Chart().proband;
        return Centre(*root.parents.front()).x() - Centre(root).x();
    }
    TlossPerson& Find(const std::function<bool(const TlossPerson&)>& test) {
        for (TlossPerson* node : Chart().nodes)
            if (test(*node)) return *node;
        ADD_FAILURE() << "no such box";
        return *Chart().nodes.front();
    }

    test::TempDir dir;
    TMainForm form;
    std::vector<std::filesystem::path> pages;
    TGCdisplay* window = nullptr;
};

TEST(ChartWindow, OpensOnTheChartWithHintsAndOneChartNavigation) {
    ChartWindowFixture f;
    ASSERT_NE(f.window, nullptr);
    auto* next = f.window->findChild<QPushButton*>("NextButton");
    EXPECT_FALSE(next->isVisibleTo(f.window));
    f.window->NextButtonClick();
    f.window->PrevButtonClick();
    EXPECT_EQ(f.form.GetSession().Charts(ChartType::Pedigree).chartIndex, 0u);
    // The drop-down starts on the proband.
    TlossPerson& root = *f.Chart().proband;
    EXPECT_EQ(f.window->SelectBox().currentText().toStdString(), root.person->ListingText());
    // Its names are in the order a reader looks them up: an accent does
    // not send a name past the others.
    const int elise = f.window->SelectBox().findText(ToQString("Lef\xE8vre; \xC9lise [1838]"));
    ASSERT_GE(elise, 0);
    EXPECT_LT(elise, f.window->SelectBox().findText(ToQString("Lef\xE8vre; Jacques [1805]")));

    f.window->CanvasMouseMove(f.Centre(root), {});
    EXPECT_EQ(f.window->HoverNode(), &root);
    EXPECT_TRUE(
        f.window->CurrentHint().startsWith(QString::fromStdString(root.person->ID) + ":\n") ||
        f.window->CurrentHint().startsWith(QString::fromStdString(root.person->ID) + ":\r\n"));
    EXPECT_TRUE(f.window->CurrentHint().contains("Lucas"));
    // Between two columns there is no box and no hint.
    f.window->CanvasMouseMove(
        f.Centre(root) + QPoint(f.form.GetSession().settings.current.boxwidth / 2 + 5, 0), {});
    EXPECT_EQ(f.window->HoverNode(), nullptr);
    EXPECT_TRUE(f.window->CurrentHint().isEmpty());
}

TEST(ChartWindow, DoubleClickLinksToTheFirstBoxUntilTheNextClick) {
    ChartWindowFixture f;
    TlossPerson& twin = f.Find([](const TlossPerson& n) { return n.isDouble && n.twin; });
    f.window->CanvasMouseDown(f.Centre(twin), {}, Qt::LeftButton);
    EXPECT_EQ(f.window->Link().from, &twin);
    EXPECT_EQ(f.window->Link().to, twin.twin);
    f.window->CanvasMouseDown({1, 1}, {}, Qt::LeftButton);
    EXPECT_FALSE(f.window->Link().IsSet());
}

TEST(ChartWindow, PopupNamesAndTheNameForm) {
    ChartWindowFixture f;
    Session& session = f.form.GetSession();
    TlossPerson& root = *f.Chart().proband;
    // The forms are offered whole, whatever the boxes' name length.
    session.settings.current.namelength = 4;
    f.window->CanvasMouseDown(f.Centre(root), {}, Qt::RightButton);
    QList<QAction*> items = f.window->PopupMenu().actions();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[0]->text(), "<blank>");
    const QString surname = QString::fromStdString(root.person->surname);
    const QString given = QString::fromStdString(root.person->givenNames).section(' ', 0, 0);
    EXPECT_EQ(items[1]->text(), surname + "\tsurname");
    EXPECT_EQ(items[2]->text().section('\t', 1), "initial + surname");
    EXPECT_EQ(items[3]->text().section('\t', 1), "given name");
    EXPECT_EQ(items[4]->text(), given + " " + surname + "\tgiven name + surname");
    EXPECT_FALSE(items[5]->isEnabled());
    f.window->PopupMenu().hide();

    // The blank form is not the scheme's: it becomes an override, the scheme's own removes it.
    session.settings.changed = false;
    items[0]->trigger();
    EXPECT_EQ(session.settings.current.namecodes, SortedStrings{root.person->ID + "/0"});
    EXPECT_TRUE(session.settings.changed);
    f.window->ChooseNameForm(
        root, SchemeFormAt(session.settings.current.namingscheme,
                           SelectNameCode(root, session.settings.current.namingscheme,
                                          session.GetClock().CurrentYear())));
    EXPECT_TRUE(session.settings.current.namecodes.empty());
}

TEST(ChartWindow, GenealogyBranchItemTogglesTheHighlight) {
    ChartWindowFixture f("Genealogy (HTML)");
    ASSERT_NE(f.window, nullptr);
    EXPECT_EQ(f.window->windowTitle(), "Descendants");
    Session& session = f.form.GetSession();
    TlossPerson& root = *f.Chart().proband;
    ASSERT_TRUE(root.lineFlag);
    f.window->CanvasMouseDown(f.Centre(root), {}, Qt::RightButton);
    QAction* branch = f.window->PopupMenu().actions().back();
    f.window->PopupMenu().hide();
    EXPECT_EQ(branch->text(), "@ branch OFF");
    ASSERT_TRUE(branch->isEnabled());
    branch->trigger();
    EXPECT_FALSE(root.lineFlag);
    EXPECT_EQ(session.settings.current.highlights, SortedStrings{root.person->ID});
    f.window->CanvasMouseDown(f.Centre(root), {}, Qt::RightButton);
    f.window->PopupMenu().hide();
    EXPECT_EQ(branch->text(), "@ not an option");  // the root has no parent box
}

TEST(ChartWindow, AnEmptyBoxAndTheHelpSayWhyNoNameIsShown) {
    ChartWindowFixture f("Genealogy (HTML)");
    Session& session = f.form.GetSession();
    const std::string& scheme = session.settings.current.namingscheme;
    const int year = session.GetClock().CurrentYear();
    TlossPerson& empty = f.Find([&](const TlossPerson& n) {
        return n.person && NameForNode(n, scheme, NameOptions{}, year).empty();
    });
    f.window->CanvasMouseMove(f.Centre(empty), {});
    EXPECT_TRUE(f.window->CurrentHint().contains(QString::fromStdString(empty.person->ID)));
    EXPECT_TRUE(f.window->CurrentHint().contains("No name is shown"))
        << f.window->CurrentHint().toStdString();
    TlossPerson& named = f.Find([&](const TlossPerson& n) {
        return n.person && !NameForNode(n, scheme, NameOptions{}, year).empty();
    });
    f.window->CanvasMouseMove(f.Centre(named), {});
    EXPECT_FALSE(f.window->CurrentHint().contains("No name is shown"));
    EXPECT_NE(KindOf(ChartType::Genealogy).windowHelp().find("Boxes without a name"),
              std::string::npos);
}

// Each type's HTML button writes its pages, closes the window and has the
// first page viewed.
TEST(ChartWindow, HtmlWritesThePagesAndViewsTheFirst) {
    struct Case {
        const char* type;
        const char* title;
        const char* page;
        const char* beside;  // another file the pages need
    };
    for (const Case& c :
         {Case{"Pedigree (HTML)", "Ancestors", "lg.htm", "lgtekst.htm"},
          Case{"Timeline", "Descendants", "lgtimeline.htm", "LBRO26.gif"},
          Case{"Offspring tree", "Descendants", "lgfamtree.htm", "lgfamtree.jpg"}}) {
        SCOPED_TRACE(c.type);
        ChartWindowFixture f(c.type);
        ASSERT_NE(f.window, nullptr);
        EXPECT_EQ(f.window->windowTitle(), c.title);
        EXPECT_EQ(f.Chart().proband->children.empty(), c.title == std::string_view("Ancestors"));
        QPointer<TGCdisplay> window = f.window;
        const PixelPoint extent = window->Layout().extent;
        window->HTMLButtonClick();
        ASSERT_EQ(f.pages.size(), 1u);
        EXPECT_EQ(f.pages[0].filename(), c.page);
        EXPECT_TRUE(std::filesystem::exists(f.dir.Path() / c.beside));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
        // The fan's page lies over its picture, drawn the size of the chart.
        if (std::string_view(c.beside).ends_with(".jpg")) {
            const QImage picture(QString::fromStdString((f.dir.Path() / c.beside).string()));
            EXPECT_EQ(picture.size(), QSize(extent.x, extent.y));
        }
    }
}

TEST(ChartWindow, OffspringFanFindsItsLastBoxAndHasItsOwnHelp) {
    ChartWindowFixture f("Offspring tree");
    ASSERT_NE(f.window, nullptr);
    // The fan's boxes are in no row order: the last one is found all the same.
    TlossPerson& last = *f.Chart().nodes.back();
    ASSERT_NE(&last, f.Chart().proband);
    f.window->CanvasMouseMove(f.Centre(last), {});
    EXPECT_EQ(f.window->HoverNode(), &last);
    EXPECT_TRUE(f.window->CurrentHint().contains(QString::fromStdString(last.person->ID)));
    EXPECT_TRUE(ToQString(KindOf(ChartType::Offspring).windowHelp())
                    .startsWith("Genealogy\r\n\r\nThe chart shows all known offspring of the "
                                "proband.\r\nGrayish boxes"));
}

TEST(ChartWindow, NewDimensionsSelectionAndKeys) {
    ChartWindowFixture f;
    // Wider boxes and rows move the boxes apart once the chart is laid out again.
    Session& session = f.form.GetSession();
    const int gap = f.FatherGap();
    const std::vector<ChartPoint> coords = f.Chart().coords;
    session.settings.current.boxwidth += 40;
    session.settings.current.yspace = 300;
    f.window->Relayout();
    EXPECT_EQ(f.FatherGap(), gap + 40);
    // The chart itself keeps its coordinates: the layout is the window's.
    ASSERT_EQ(f.Chart().coords.size(), coords.size());
    for (std::size_t i = 0; i < coords.size(); ++i)
        ASSERT_EQ(std::tie(f.Chart().coords[i].x, f.Chart().coords[i].y),
                  std::tie(coords[i].x, coords[i].y));
    QCoreApplication::processEvents();
    QScrollArea& scroll = f.window->ScrollBox();
    QScrollBar* bar = scroll.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);

    // Choosing a name marks its box and brings it into view.
    f.window->SelectBoxSelect(f.window->SelectBox().count() - 1);
    int marked = 0;
    for (TlossPerson* node : f.Chart().nodes) marked += node->visited;
    EXPECT_EQ(marked, 1);

    // PgDn pages down by 90% of the view and stays at the end.
    bar->setValue(0);
    const int page = scroll.viewport()->height() * 9 / 10;
    QTest::keyClick(&scroll, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), std::min(page, bar->maximum()));
    for (int i = 0; i < 100; ++i) QTest::keyClick(&scroll, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(&scroll, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), std::max(0, bar->maximum() - page));
}

TEST(ChartWindow, DimensionsToolWindowStaysBesideTheChartUntilItIsClicked) {
    ChartWindowFixture f;
    const int gap = f.FatherGap();
    f.window->CanvasMouseDown({1, 1}, {200, 200}, Qt::RightButton);
    TDimensionsForm* dimensions = f.window->Dimensions();
    ASSERT_NE(dimensions, nullptr);
    EXPECT_TRUE(dimensions->isVisible());
    EXPECT_FALSE(dimensions->isModal());
    EXPECT_EQ(dimensions->windowType(), Qt::Tool);
    EXPECT_GT(dimensions->width(),
              dimensions->fontMetrics().horizontalAdvance(dimensions->windowTitle()));
    // The chart follows each change while the tool window is open.
    dimensions->findChild<QSpinBox*>("BoxWidthUpDown")->stepBy(10);
    EXPECT_EQ(f.FatherGap(), gap + 10);
    // A click on the chart ends the adjusting, and so does its own button.
    f.window->CanvasMouseDown(f.Centre(*f.Chart().proband), {}, Qt::LeftButton);
    EXPECT_FALSE(dimensions->isVisible());
    f.window->CanvasMouseDown({1, 1}, {200, 200}, Qt::RightButton);
    EXPECT_EQ(f.window->Dimensions(), dimensions);
    ASSERT_TRUE(dimensions->isVisible());
    QTest::mouseClick(dimensions->findChild<QPushButton*>("CloseButton"), Qt::LeftButton);
    EXPECT_FALSE(dimensions->isVisible());
}

TEST(ChartWindow, AWindowOpenedAfterARelayoutShowsTheNewLayout) {
    ChartWindowFixture f;
    Session& session = f.form.GetSession();
    const int halfBox = session.settings.current.boxwidth / 2;
    // The proband is a man: a light cyan border on white.
    const QImage first = f.window->Canvas().grab().toImage();
    const QPoint rootLeft = f.Centre(*f.Chart().proband) - QPoint(halfBox, 0);
    EXPECT_EQ(QColor(first.pixel(rootLeft)), QColor(106, 255, 255));
    EXPECT_EQ(QColor(first.pixel(rootLeft + QPoint(3, -4))), QColor(Qt::white));

    const int gap = f.FatherGap();
    session.settings.current.xspace += 50;
    f.window->Relayout();
    f.window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    f.form.ViewButtonClick();
    f.window = f.form.ChartWindow();
    ASSERT_NE(f.window, nullptr);
    EXPECT_EQ(f.FatherGap(), gap + 50);
    // Its picture has the father's box where the layout says.
    const TlossPerson& father = *f.Chart().proband->parents.front();
    const QImage image = f.window->Canvas().grab().toImage();
    const QPoint left = f.Centre(father) - QPoint(halfBox, 0);
    const QColor border =
        father.person->sex == 'M' ? render::LightMaleColour() : render::LightFemaleColour();
    EXPECT_EQ(QColor(image.pixel(left + QPoint(0, -4))), border);
    // Where the border stood before, above the line to it, is empty now.
    EXPECT_EQ(QColor(image.pixel(left + QPoint(-50, -4))), QColor(Qt::white));
}

// Print: the dialog's printer gets the chart's sheets, the graph's too; a
// cancelled dialog prints nothing.
TEST(ChartWindow, PrintsThroughThePrintDialog) {
    for (const auto& [type, title] :
         {std::pair{"Pedigree (HTML)", "Lignorama - Pedigree"},
          std::pair{"Inbreeding (on screen)", "Lignorama - Pedigree loss"}}) {
        SCOPED_TRACE(type);
        ChartWindowFixture f(type);
        ASSERT_NE(f.window, nullptr);
        auto* print = f.window->findChild<QPushButton*>("PrintButton");
        ASSERT_TRUE(print && print->isEnabled());
        const auto pdf = f.dir.Path() / "printed.pdf";
        bool answer = false;
        f.window->printDialog = [&](QPrinter& printer) {
            EXPECT_EQ(printer.docName(), title);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf.string()));
            return answer;
        };
        f.window->PrintButtonClick();
        EXPECT_FALSE(std::filesystem::exists(pdf));
        answer = true;
        f.window->PrintButtonClick();
        EXPECT_EQ(test::ReadFile(pdf).rfind("%PDF", 0), 0u);
        EXPECT_TRUE(
            f.form.findChild<QLabel*>("StatusLabel")->text().startsWith("Ready with printing"));
    }
}

// "Save as picture..." writes what the canvas shows, as the extension
// says; a cancelled dialog writes nothing, another extension is a message.
TEST(ChartWindow, SavesTheChartAsAPicture) {
    for (const char* type : {"Pedigree (HTML)", "Genealogy (HTML)"}) {
        SCOPED_TRACE(type);
        ChartWindowFixture f(type);
        ASSERT_NE(f.window, nullptr);
        ASSERT_NE(f.window->findChild<QPushButton*>("PictureButton"), nullptr);
        std::vector<std::string> boxes;
        f.form.GetHost().messageBoxHook = [&](const std::string& text) { boxes.push_back(text); };
        QString answer;
        f.window->saveFileDialog = [&](const QString&, const QString& start, const QString&) {
            EXPECT_TRUE(start.endsWith(".svg")) << start.toStdString();
            return answer;
        };
        // Cancelled, then SVG by default, PNG, and a type there is no writer for.
        for (const char* name : {"", "chart", "chart.png", "chart.jpg"}) {
            answer = *name ? QString::fromStdString((f.dir.Path() / name).string()) : QString();
            f.window->PictureButtonClick();
        }
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].find("chart.jpg: "), std::string::npos) << boxes[0];
        EXPECT_FALSE(std::filesystem::exists(f.dir.Path() / "chart.jpg"));

        const std::string svg = test::ReadFile(f.dir.Path() / "chart.svg");
        const QString proband =
            render::PainterFor(f.form.GetSession())->BoxText(*f.Chart().proband);
        EXPECT_NE(svg.find(">" + proband.toHtmlEscaped().toStdString() + "</text>"),
                  std::string::npos);
        // The PNG is the canvas's drawing of the chart's extent.
        const ChartLayout& layout = f.window->Layout();
        f.window->Canvas().resize(layout.extent.x, layout.extent.y);
        QImage picture(QString::fromStdString((f.dir.Path() / "chart.png").string()));
        QImage screen = f.window->Canvas().grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), screen);
    }
}
}  // namespace
}  // namespace lg::gui
