#include "windows/chart_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/make_chart.h"
#include "base/messages.h"
#include "charts/box_menu.h"
#include "charts/node_names.h"
#include "html/person_description.h"
#include "render/chart_picture.h"
#include "render/chart_print.h"
#include "render/qt_text.h"
#include "text/names.h"
#include "windows/descendant_window.h"
#include "windows/details_window.h"
#include "windows/dimensions_form.h"
#include "windows/explain_form.h"
#include "windows/graph_window.h"
#include "windows/tree_window.h"
#include "windows/ui_texts.h"

namespace lg::gui {
namespace {

constexpr int kHintMilliseconds = 7000;

// The popup labels name form i by the catalogue caption i places after
// "<show no name>".
static_assert(static_cast<int>(Msg::GivenNameSurname) - static_cast<int>(Msg::ShowNoName) == 4);

// A hint line as long as a sentence would make a tip as wide as the screen.
std::string WrapAtBlanks(const std::string& text, std::size_t width) {
    std::string wrapped;
    std::size_t lineStart = 0;
    std::size_t lastBlank = std::string::npos;
    for (char c : text) {
        if (c == ' ' && wrapped.size() - lineStart >= width && lastBlank != std::string::npos) {
            wrapped[lastBlank] = '\n';
            lineStart = lastBlank + 1;
        }
        if (c == ' ') lastBlank = wrapped.size();
        wrapped += c;
    }
    return wrapped;
}

QPushButton* ToolButton(QWidget* parent, const QString& caption, const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

QLabel* Legend(QWidget* parent, const QString& caption, const QColor& colour) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(24, 20);
    label->setStyleSheet(
        QString("background-color: %1; border: 1px solid #808080;").arg(colour.name()));
    return label;
}

}  // namespace

TGCdisplay::TGCdisplay(Session& session, ChartType type, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), type_(type) {
    setAttribute(Qt::WA_DeleteOnClose);
    BuildToolBar();
    BuildPopupMenu();
    setWindowTitle(UiText(Kind().windowTitle));
    const QString time = UiText(Msg::Time);
    incompleteLabel_->setText(Kind().timeRunsRight ? time + " -->" : "<-- " + time);
    resize(1100, 760);
}

TGCdisplay::~TGCdisplay() = default;

void TGCdisplay::BuildToolBar() {
    auto* topPanel = new QWidget(this);
    topPanel->setObjectName("TopPanel");
    auto* bar = new QHBoxLayout(topPanel);
    bar->setContentsMargins(6, 4, 6, 4);
    prevButton_ = ToolButton(topPanel, "<", tr("Show previous graph"));
    prevButton_->setObjectName("PrevButton");
    prevButton_->setFixedWidth(32);
    selectBox_ = new QComboBox(topPanel);
    selectBox_->setObjectName("SelectBox");
    selectBox_->setToolTip(tr("Focus on specific name"));
    selectBox_->setMinimumWidth(260);
    selectBox_->setMaxVisibleItems(25);
    nextButton_ = ToolButton(topPanel, ">", tr("Show next graph"));
    nextButton_->setObjectName("NextButton");
    nextButton_->setFixedWidth(32);
    mPanel_ = Legend(topPanel, tr("M", "male"), render::LightMaleColour());
    fPanel_ = Legend(topPanel, tr("F", "female"), render::LightFemaleColour());
    printButton_ = ToolButton(topPanel, tr("Print"), tr("Send this graph to a printer"));
    printButton_->setObjectName("PrintButton");
    htmlButton_ = ToolButton(topPanel, tr("HTML"), tr("Make and view HTML output"));
    htmlButton_->setObjectName("HTMLButton");
    pictureButton_ = ToolButton(topPanel, tr("Save as picture..."),
                                tr("Save the whole chart as an SVG or PNG picture"));
    pictureButton_->setObjectName("PictureButton");
    helpButton_ = ToolButton(topPanel, tr("Help"), tr("Get a brief explanation"));
    stopButton_ = ToolButton(topPanel, tr("Return"), tr("Return to program"));
    stopButton_->setObjectName("StopButton");
    incompleteLabel_ = new QLabel(topPanel);
    incompleteLabel_->setObjectName("IncompleteLabel");
    for (QWidget* w : std::initializer_list<QWidget*>{
             prevButton_, selectBox_, nextButton_, mPanel_, fPanel_, printButton_, htmlButton_,
             pictureButton_, helpButton_, stopButton_, incompleteLabel_})
        bar->addWidget(w);
    bar->addStretch(1);

    canvas_ = new ChartCanvas(*this);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("ScrollBox");
    scroll_->setWidget(canvas_);
    scroll_->setBackgroundRole(QPalette::Base);
    scroll_->installEventFilter(this);
    scroll_->viewport()->installEventFilter(this);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(topPanel);
    box->addWidget(scroll_, 1);

    connect(prevButton_, &QPushButton::clicked, this, [this] { PrevButtonClick(); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { NextButtonClick(); });
    connect(selectBox_, &QComboBox::activated, this, [this](int i) { SelectBoxSelect(i); });
    connect(printButton_, &QPushButton::clicked, this, [this] { PrintButtonClick(); });
    connect(htmlButton_, &QPushButton::clicked, this, [this] { HTMLButtonClick(); });
    connect(pictureButton_, &QPushButton::clicked, this, [this] { PictureButtonClick(); });
    connect(helpButton_, &QPushButton::clicked, this, [this] { HelpButtonClick(); });
    connect(stopButton_, &QPushButton::clicked, this, [this] { close(); });
}

void TGCdisplay::BuildPopupMenu() {
    popup_ = new QMenu(this);
    for (char code = '0'; code <= '4'; ++code) {
        QAction* item = popup_->addAction(QString("%1:").arg(code - '0' + 1));
        item->setObjectName(QString("N%1").arg(code - '0' + 1) + "1");
        connect(item, &QAction::triggered, this, [this, code] {
            if (menuNode_) ChooseNameForm(*menuNode_, code);
        });
        nameItems_.push_back(item);
    }
    highlightItem_ = popup_->addAction("");
    highlightItem_->setObjectName("highlight1");
    connect(highlightItem_, &QAction::triggered, this, [this] {
        if (!menuNode_) return;
        HighlightItemChosen(*menuNode_);
        Redraw();
        if (settingsChanged) settingsChanged();
    });
}

TinbredPerson* TGCdisplay::CurrentChart() {
    return session_.Charts(type_).Current();
}

const ChartKind& TGCdisplay::Kind() const {
    return KindOf(type_);
}

void TGCdisplay::OpenCharts() {
    htmlButton_->setEnabled(Kind().publish && !session_.settings.current.output.empty());
    ChartList& charts = session_.Charts(type_);
    bool several = charts.charts.size() > 1;
    prevButton_->setVisible(several);
    nextButton_->setVisible(several);
    charts.chartIndex = 0;
    hover_ = nullptr;
    link_ = {};
    FillSelectBox();
    ShowChart();
    if (nextButton_->isVisible() && nextButton_->isEnabled())
        nextButton_->setFocus();
    else
        stopButton_->setFocus();
    if (TinbredPerson* chart = CurrentChart()) {
        auto found = selectIndex_.find(chart->proband);
        if (found != selectIndex_.end()) selectBox_->setCurrentIndex(found->second);
        // A large chart would open on an empty corner: show where it starts.
        if (chart->proband) CentreOn(*chart->proband);
    }
}

bool TGCdisplay::IsLaidOut(const TlossPerson& node) const {
    return layout_.chart && node.index >= 0 &&
           static_cast<std::size_t>(node.index) < layout_.centres.size() &&
           layout_.chart->nodes[static_cast<std::size_t>(node.index)] == &node;
}

QRect TGCdisplay::BoxRect(const TlossPerson& node) const {
    const PixelPoint centre = layout_.CentreOf(node);
    const int halfWidth = layout_.metrics.boxwidth / 2;
    const int halfHeight = layout_.metrics.boxheight / 2;
    return {centre.x - halfWidth, centre.y - halfHeight, 2 * halfWidth, 2 * halfHeight};
}

void TGCdisplay::CentreOn(const TlossPerson& node) {
    if (!IsLaidOut(node)) return;
    const PixelPoint centre = layout_.CentreOf(node);
    scroll_->ensureVisible(centre.x, centre.y, scroll_->viewport()->width() / 2,
                           scroll_->viewport()->height() / 2);
}

void TGCdisplay::FitCanvas() {
    QSize area = scroll_->viewport()->size();
    canvas_->resize(std::max(layout_.extent.x, area.width()),
                    std::max(layout_.extent.y, area.height()));
}

void TGCdisplay::FillSelectBox() {
    std::vector<SelectionEntry> boxes;
    if (ListsChartBoxes())
        if (TinbredPerson* chart = CurrentChart())
            for (TlossPerson* node : chart->nodes)
                if (node->person) boxes.push_back({node->person->ListingText(), node});
    const std::vector<SelectionEntry>& entries =
        ListsChartBoxes() ? boxes : session_.Charts(type_).selection;
    std::vector<std::string_view> names;
    names.reserve(entries.size());
    for (const SelectionEntry& entry : entries) names.push_back(entry.text);
    const std::vector<std::size_t> order = session_.GetHost().PersonOrder().Order(names);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(order.size()));
    selectNodes_.clear();
    selectIndex_.clear();
    for (std::size_t i : order) {
        if (entries[i].text.empty()) continue;
        selectIndex_.emplace(entries[i].node, static_cast<int>(selectNodes_.size()));
        selectNodes_.push_back(entries[i].node);
        texts.push_back(ToQString(entries[i].text));
    }
    selectBox_->clear();
    selectBox_->addItems(texts);
    selectBox_->setCurrentIndex(-1);
}

void TGCdisplay::ShowChart() {
    painter_ = render::PainterFor(session_);
    layout_ = {};
    if (TinbredPerson* chart = CurrentChart()) {
        layout_ = LayOutChart(*chart, painter_->Metrics(), Kind().shape);
        painter_->Prepare(layout_, Kind().shape);
        FitCanvas();
        if (Kind().analysis) {
            incompleteLabel_->setText(chart->complete ? QString() : tr("Truncated chart"));
            incompleteLabel_->setToolTip(chart->complete ? QString()
                                                         : tr("Check last paragraph of help"));
        }
    }
    if (ListsChartBoxes()) FillSelectBox();
    UpdateStepButtons();
    canvas_->update();
}

void TGCdisplay::Relayout() {
    int h = scroll_->horizontalScrollBar()->value();
    int v = scroll_->verticalScrollBar()->value();
    ShowChart();
    scroll_->horizontalScrollBar()->setValue(h);
    scroll_->verticalScrollBar()->setValue(v);
}

void TGCdisplay::UpdateStepButtons() {
    const ChartList& charts = session_.Charts(type_);
    prevButton_->setEnabled(CanStepChart(charts, -1));
    nextButton_->setEnabled(CanStepChart(charts, +1));
}

void TGCdisplay::PrevButtonClick() {
    if (StepChart(session_.Charts(type_), -1)) ShowChart();
    if (!prevButton_->isEnabled()) stopButton_->setFocus();
}

void TGCdisplay::NextButtonClick() {
    if (StepChart(session_.Charts(type_), +1)) ShowChart();
    if (!nextButton_->isEnabled()) stopButton_->setFocus();
}

void TGCdisplay::ClearMarks() {
    if (TinbredPerson* chart = CurrentChart())
        for (TlossPerson* node : chart->nodes) node->visited = false;
}

void TGCdisplay::RefreshLines() {
    if (painter_ && layout_.chart) painter_->Prepare(layout_, Kind().shape);
}

void TGCdisplay::Redraw() {
    canvas_->update();
}

void TGCdisplay::SelectBoxSelect(int index) {
    if (index < 0 || index >= static_cast<int>(selectNodes_.size())) return;
    ClearMarks();
    TlossPerson& node = *selectNodes_[static_cast<std::size_t>(index)];
    node.visited = true;
    CentreOn(node);
    Redraw();
}

int TGCdisplay::FindNode(const ChartLayout& layout, QPoint pos) const {
    return FindNodeAt(*layout.chart, layout.metrics, pos.x(), pos.y());
}

TlossPerson* TGCdisplay::NodeAt(QPoint pos) {
    TinbredPerson* chart = CurrentChart();
    if (!chart || !painter_ || layout_.chart != chart) return nullptr;
    int i = FindNode(layout_, pos);
    return i < 0 ? nullptr : chart->nodes[static_cast<std::size_t>(i)];
}

void TGCdisplay::PaintCanvas(QPainter& painter, QRect exposed) {
    TinbredPerson* chart = CurrentChart();
    if (!chart || !painter_ || layout_.chart != chart) {
        painter.fillRect(exposed, Qt::white);
        return;
    }
    painter_->Paint(painter, layout_, Kind().shape, exposed, link_);
}

void TGCdisplay::CanvasMouseMove(QPoint pos, QPoint globalPos) {
    TlossPerson* node = NodeAt(pos);
    if (node == hover_) return;
    hover_ = node;
    if (!node || !node->person || !session_.language) {
        hint_.clear();
        QToolTip::hideText();
        return;
    }
    DescriptionContext context =
        DescriptionContextOf(session_.settings.options, *session_.language, nullptr);
    std::string hint = BoxHint(*node, context);
    const std::string extra = ExtraHint(*node);
    if (!extra.empty()) hint.append("\r\n").append(extra);
    const std::string reason =
        Kind().shape == ChartShape::Graph
            ? std::string()
            : NoNameReason(*node, session_.settings.current.namingscheme,
                           render::BoxNamesOf(session_), session_.GetClock().CurrentYear(),
                           [](Msg id) { return FromQString(UiText(id)); });
    if (!reason.empty()) hint.append("\r\n\r\n").append(WrapAtBlanks(reason, 70));
    hint_ = ToQString(hint);
    QToolTip::showText(globalPos, hint_, canvas_, BoxRect(*node), kHintMilliseconds);
}

void TGCdisplay::CanvasMouseDown(QPoint pos, QPoint globalPos, Qt::MouseButton button) {
    if (explain_) explain_->close();
    if (dimensions_) dimensions_->close();
    TlossPerson* node = NodeAt(pos);
    if (node) {
        auto found = selectIndex_.find(node);
        selectBox_->setCurrentIndex(found == selectIndex_.end() ? -1 : found->second);
    }
    if (!node && button == Qt::RightButton) {
        OpenDimensions(globalPos);
        return;
    }
    ChartMouseDown(node, button);
}

void TGCdisplay::ChartMouseDown(TlossPerson* node, Qt::MouseButton button) {
    if (!node) {
        if (button == Qt::LeftButton && link_.IsSet()) {
            link_ = {};
            ClearMarks();
            Redraw();
        }
        return;
    }
    if (button == Qt::RightButton) {
        menuNode_ = node;
        // Each form whole, with the kind of form beside it: forms cut to the
        // name length would often look alike and leave the choice a guess.
        NameOptions names;
        names.nameLength = std::numeric_limits<int32_t>::max();
        names.usePatronym = session_.settings.options.patronym;
        nameItems_[0]->setText(UiText(Msg::Blank));
        for (std::size_t i = 1; i < nameItems_.size(); ++i) {
            QString name;
            if (node->person)
                name = ToQString(DisplayName(*node->person, static_cast<char>('0' + i), names));
            const Msg label = static_cast<Msg>(static_cast<int>(Msg::ShowNoName) + i);
            nameItems_[i]->setText(QString("%1\t%2").arg(name.replace('&', "&&"), UiText(label)));
        }
        for (QAction* item : nameItems_) item->setEnabled(node->person != nullptr);
        PrepareHighlightItem(*highlightItem_, *node);
        popup_->popup(canvas_->mapToGlobal(BoxRect(*node).bottomLeft() + QPoint(0, 1)));
        return;
    }
    if (button == Qt::LeftButton) {
        ClearMarks();
        link_ = {};
        if (node->isDouble && node->twin) link_ = {node, node->twin};
        Redraw();
    }
}

void TGCdisplay::CanvasDoubleClick(QPoint pos) {
    TlossPerson* node = NodeAt(pos);
    if (!node || !node->person) return;
    auto* details = new TdetailsDisplay(session_, *node->person, this);
    details->setAttribute(Qt::WA_DeleteOnClose);
    details->show();
}

void TGCdisplay::ChooseNameForm(TlossPerson& node, char code) {
    bool changed = false;
    ChooseNameCode(node, code, session_.settings.current, changed,
                   session_.GetClock().CurrentYear());
    if (changed) session_.settings.changed = true;
    Redraw();
    if (settingsChanged) settingsChanged();
}

void TGCdisplay::HTMLButtonClick() {
    std::string page = PublishChart(session_, type_);
    close();
    if (!page.empty() && showPage) showPage(std::filesystem::path(page));
}

void TGCdisplay::PictureButtonClick() {
    if (!CurrentChart() || !painter_ || layout_.chart != CurrentChart()) return;
    const QString title = tr("Save the chart as a picture");
    const QString filter = tr("SVG picture (*.svg);;PNG picture (*.png)");
    // Beside the pages, named after them.
    QString name = QFileInfo(ToQString(session_.settings.current.output)).completeBaseName();
    if (name.isEmpty()) name = "chart";
    const QString start = PathToQString(session_.workingDirectory.string()) + "/" + name + ".svg";
    QString selected;
    QString file = saveFileDialog
                       ? saveFileDialog(title, start, filter)
                       : QFileDialog::getSaveFileName(this, title, start, filter, &selected);
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += selected.contains("*.png") ? ".png" : ".svg";
    std::optional<render::PictureFormat> format = render::PictureFormatOf(file);
    QString error = tr("Pictures are saved as SVG or PNG: name the file .svg or .png.");
    if (format) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        error = render::WriteChartPicture(*painter_, layout_, Kind().shape, file, *format);
        QApplication::restoreOverrideCursor();
    }
    if (!error.isEmpty())
        session_.GetHost().ShowMessageBox(
            FromQString(QString("%1: %2").arg(QFileInfo(file).fileName(), error)));
}

QString TGCdisplay::PrintTitle() const {
    Msg name = Kind().windowTitle;
    switch (type_) {
        case ChartType::Pedigree:
            name = Msg::Pedigree;
            break;
        case ChartType::Inbreeding:
            name = Msg::PedigreeLoss;
            break;
        case ChartType::Kinship:
            name = Msg::Kinship;
            break;
        default:
            name = Msg::Genealogy;
            break;
    }
    return "Lignorama - " + UiText(name);
}

void TGCdisplay::PrintButtonClick() {
    if (!CurrentChart() || !painter_ || layout_.chart != CurrentChart()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PrintTitle());
    if (printDialog) {
        if (!printDialog(printer)) return;
    } else {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    render::PrintChart(printer, *painter_, layout_, Kind().shape, PrintTitle(),
                       &session_.GetReporter());
}

void TGCdisplay::HelpButtonClick() {
    if (!explain_) explain_ = new TExplainForm(this);
    explain_->ShowText(UiLines(Kind().windowHelp()), mapToGlobal(QPoint(width() / 4, 60)));
}

TDimensionsForm* TGCdisplay::Dimensions() const {
    return dimensions_;
}

void TGCdisplay::OpenDimensions(QPoint globalPos) {
    if (!dimensions_) {
        dimensions_ = new TDimensionsForm(session_.settings, this);
        dimensions_->SetNameLengthEnabled(true);
        dimensions_->onChanged = [this] {
            Relayout();
            if (settingsChanged) settingsChanged();
        };
    }
    // Beside the click, inside the screen, so the chart stays in view.
    dimensions_->adjustSize();
    QRect frame(globalPos + QPoint(16, -dimensions_->height() / 2), dimensions_->size());
    if (QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        if (frame.right() > area.right()) frame.moveRight(globalPos.x() - 16);
        frame.moveTop(std::clamp(frame.top(), area.top(),
                                 std::max(area.top(), area.bottom() - frame.height())));
        frame.moveLeft(std::max(frame.left(), area.left()));
    }
    dimensions_->move(frame.topLeft());
    dimensions_->show();
    dimensions_->raise();
    dimensions_->activateWindow();
}

void TGCdisplay::ScrollPage(bool down, bool horizontal) {
    QScrollBar* bar = horizontal ? scroll_->horizontalScrollBar() : scroll_->verticalScrollBar();
    int visible = horizontal ? scroll_->viewport()->width() : scroll_->viewport()->height();
    int step = visible * 9 / 10;
    bar->setValue(std::clamp(bar->value() + (down ? step : -step), bar->minimum(), bar->maximum()));
}

void TGCdisplay::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp) {
        bool horizontal =
            (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) != 0;
        ScrollPage(event->key() == Qt::Key_PageDown, horizontal);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TGCdisplay::eventFilter(QObject* watched, QEvent* event) {
    // The scroll area would page by its own rule: the window's keys win.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) {
            keyPressEvent(key);
            return true;
        }
    }
    if (event->type() == QEvent::Resize && watched == scroll_->viewport() && layout_.chart)
        FitCanvas();
    return QWidget::eventFilter(watched, event);
}

ChartCanvas::ChartCanvas(TGCdisplay& owner) : QWidget(nullptr), owner_(owner) {
    setObjectName("PaintBox");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    owner_.PaintCanvas(painter, event->rect());
}

void ChartCanvas::mouseMoveEvent(QMouseEvent* event) {
    owner_.CanvasMouseMove(event->position().toPoint(), event->globalPosition().toPoint());
}

void ChartCanvas::mousePressEvent(QMouseEvent* event) {
    owner_.CanvasMouseDown(event->position().toPoint(), event->globalPosition().toPoint(),
                           event->button());
}

void ChartCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    owner_.CanvasDoubleClick(event->position().toPoint());
}

void ChartCanvas::leaveEvent(QEvent*) {
    QToolTip::hideText();
}

TGCdisplay* MakeChartWindow(Session& session, ChartType type, QWidget* parent) {
    // One maker per window family, in the order of ChartWindowFamily.
    using Maker = TGCdisplay* (*)(Session&, ChartType, QWidget*);
    static constexpr Maker kMakers[] = {
        [](Session&, ChartType, QWidget*) -> TGCdisplay* { return nullptr; },
        [](Session& s, ChartType t, QWidget* p) -> TGCdisplay* {
            return new TpedigreeDisplay(s, t, p);
        },
        [](Session& s, ChartType t, QWidget* p) -> TGCdisplay* {
            return new TgenealogyDisplay(s, t, p);
        },
        [](Session& s, ChartType t, QWidget* p) -> TGCdisplay* {
            return new TinbreedingDisplay(s, t, p);
        },
        [](Session& s, ChartType t, QWidget* p) -> TGCdisplay* {
            return new TkinshipDisplay(s, t, p);
        },
        [](Session& s, ChartType t, QWidget* p) -> TGCdisplay* {
            return new ToffspringDisplay(s, t, p);
        },
    };
    return kMakers[static_cast<std::size_t>(KindOf(type).window)](session, type, parent);
}

}  // namespace lg::gui
