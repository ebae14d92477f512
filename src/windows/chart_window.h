#pragma once
// The common part of the windows a computed chart is shown in: a tool bar to step through the
// charts of a run, look a person up, write the HTML pages, read the help
// and return, over a scrollable surface on which the chart is painted.
// Boxes give their person's details as a hint, take a popup menu for the
// name form, and open the close-family window on a double click. Each
// window family (tree_window.h, descendant_window.h) adds its popup item.
// The window shows what the session's chart list of its type holds; it must
// be closed before the next run of that type or a load replaces the list.

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "app/chart_kinds.h"
#include "app/session.h"
#include "render/chart_painter.h"

class QComboBox;
class QLabel;
class QMenu;
class QAction;
class QPrinter;
class QPushButton;
class QScrollArea;

namespace lg::gui {

class ChartCanvas;
class TDimensionsForm;
class TExplainForm;
class TdetailsDisplay;

class TGCdisplay : public QWidget {
    Q_OBJECT

  public:
    TGCdisplay(Session& session, ChartType type, QWidget* parent = nullptr);
    ~TGCdisplay() override;

    // Shows the first chart of the type's chart list; call once after
    // construction (the chart list must not be empty).
    void OpenCharts();

    // Called by the HTML command with the page to view, after this window
    // closed itself; and whenever a setting changed here (the main window
    // shows the settings again).
    std::function<void(const std::filesystem::path& page)> showPage;
    std::function<void()> settingsChanged;
    // The save dialog of "Save as picture..."; tests put answers here. An
    // empty string means the dialog was cancelled.
    std::function<QString(const QString& title, const QString& file, const QString& filter)>
        saveFileDialog;

    // The commands, for the tool bar and for tests.
    void PrevButtonClick();
    void NextButtonClick();
    void SelectBoxSelect(int index);
    void HTMLButtonClick();
    // Asks for a file and writes the whole chart there as SVG or PNG, as
    // its extension says (SVG without one); a failure is shown in a box.
    void PictureButtonClick();
    // The platform's print dialog, then the chart tiled over the sheets.
    void PrintButtonClick();
    // Replaces the print dialog in tests: sets the printer up (a PDF file)
    // and answers whether to print.
    std::function<bool(QPrinter& printer)> printDialog;
    // "Lignorama - " and the chart type's name.
    QString PrintTitle() const;
    void HelpButtonClick();
    // What the canvas reports, in pixels of the whole drawing.
    void CanvasMouseMove(QPoint pos, QPoint globalPos);
    void CanvasMouseDown(QPoint pos, QPoint globalPos, Qt::MouseButton button);
    void CanvasDoubleClick(QPoint pos);
    void PaintCanvas(QPainter& painter, QRect exposed);
    // The naming choice of the popup menu: codes '0' to '4' for the box.
    void ChooseNameForm(TlossPerson& node, char code);

    TinbredPerson* CurrentChart();
    TlossPerson* HoverNode() const { return hover_; }
    const render::DoubleLink& Link() const { return link_; }
    QMenu& PopupMenu() { return *popup_; }
    // The dimensions tool window while it is open; null otherwise.
    TDimensionsForm* Dimensions() const;
    ChartCanvas& Canvas() { return *canvas_; }
    QScrollArea& ScrollBox() { return *scroll_; }
    QComboBox& SelectBox() { return *selectBox_; }
    // The hint the pointer would show now (empty: none).
    const QString& CurrentHint() const { return hint_; }
    // Where the boxes are drawn, in pixels of the whole drawing.
    const ChartLayout& Layout() const { return layout_; }
    // Re-lays the chart after the box size or spacing changed, keeping the
    // scroll position.
    void Relayout();

  protected:
    // What the window family adds: the sixth popup item for the box.
    virtual void PrepareHighlightItem(QAction& item, const TlossPerson& node) = 0;
    virtual void HighlightItemChosen(TlossPerson& node) = 0;
    // A click on the chart (node null: empty space) after the common part
    // (the drop-down follows the box, a right click on empty space opens
    // the dimensions). The trees open the naming popup on a right click
    // and link a double to its first box on a left one.
    virtual void ChartMouseDown(TlossPerson* node, Qt::MouseButton button);
    // Clears the marks of the current chart's boxes.
    virtual void ClearMarks();
    // What the family adds to a box's hint, after a blank line; empty: nothing.
    virtual std::string ExtraHint(const TlossPerson&) const { return {}; }
    // The drop-down lists the boxes of the chart shown rather than the
    // entries of the whole run.
    virtual bool ListsChartBoxes() const { return false; }
    // Works the lines out again after marks changed their colours.
    void RefreshLines();
    // The index of the box under the pixel of the laid-out chart, -1 for
    // none (FindNodeAt: the boxes are ordered by row).
    virtual int FindNode(const ChartLayout& layout, QPoint pos) const;

    // The row of the window's chart type: shape, title, help.
    const ChartKind& Kind() const;
    Session& session_;
    ChartType type_;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildToolBar();
    void BuildPopupMenu();
    void FillSelectBox();
    void ShowChart();
    void UpdateStepButtons();
    void CentreOn(const TlossPerson& node);
    void Redraw();
    void ScrollPage(bool down, bool horizontal);
    void OpenDimensions(QPoint globalPos);
    TlossPerson* NodeAt(QPoint pos);
    // Whether the node is a box of the laid-out chart, and its rectangle.
    bool IsLaidOut(const TlossPerson& node) const;
    QRect BoxRect(const TlossPerson& node) const;
    void FitCanvas();

    QPushButton* prevButton_ = nullptr;
    QComboBox* selectBox_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QLabel* mPanel_ = nullptr;
    QLabel* fPanel_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* htmlButton_ = nullptr;
    QPushButton* pictureButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QLabel* incompleteLabel_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    ChartCanvas* canvas_ = nullptr;
    QMenu* popup_ = nullptr;
    std::vector<QAction*> nameItems_;
    QAction* highlightItem_ = nullptr;
    QPointer<TExplainForm> explain_;
    QPointer<TDimensionsForm> dimensions_;

    std::unique_ptr<render::ChartPainter> painter_;
    // The pixel positions of the current chart's boxes, this window's own.
    ChartLayout layout_;
    std::vector<TlossPerson*> selectNodes_;  // the drop-down's boxes by item
    std::unordered_map<const TlossPerson*, int> selectIndex_;
    TlossPerson* hover_ = nullptr;
    TlossPerson* menuNode_ = nullptr;
    render::DoubleLink link_;
    QString hint_;
};

// The drawing surface: paints the exposed part through the window and
// reports the pointer.
class ChartCanvas final : public QWidget {
    Q_OBJECT

  public:
    explicit ChartCanvas(TGCdisplay& owner);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    TGCdisplay& owner_;
};

// The window of a chart type, of the family its row names; null for the
// types without one here.
TGCdisplay* MakeChartWindow(Session& session, ChartType type, QWidget* parent);

}  // namespace lg::gui
