#include "windows/details_window.h"

#include <QAction>
#include <QFont>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/session.h"
#include "base/messages.h"
#include "base/text_helpers.h"
#include "charts/chart_records.h"
#include "render/chart_painter.h"
#include "render/qt_text.h"
#include "windows/ui_texts.h"

namespace lg::gui {

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
// Captions sit this far above their row's centre line, so that a caption
// of the usual small chart font is about centred on the row.
constexpr int kCaptionRise = 5;

QPoint ToPoint(FamilyPixel pixel) {
    return {pixel.x, pixel.y};
}

QString Caption(Msg id) {
    return UiText(id);
}

// One of the two colour panels that tell which box colour means which sex.
QLabel* LegendPanel(const QString& text, const QColor& colour, const char* name) {
    auto* panel = new QLabel(text);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumWidth(24);
    // A style sheet, as tool bars paint their own ground over a palette.
    panel->setStyleSheet(QStringLiteral("background-color: %1; color: black;").arg(colour.name()));
    return panel;
}

}  // namespace

// The surface the close family is painted on, the size of the whole drawing.
class TfamilyCanvas : public QWidget {
  public:
    TfamilyCanvas(TdetailsDisplay& display, QWidget* parent) : QWidget(parent), display_(display) {
        setObjectName(QStringLiteral("FamilyCanvas"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // Takes the settings' font and the drawing's size after a new layout.
    void Relayout(const Tvariables& settings, NameStyle style) {
        font_ = QFont(ToQString(StripQuotes(settings.fontname)));
        if (settings.fontsize > 0) font_.setPointSize(settings.fontsize);
        drawText_ = settings.fontsize > 0;
        style_ = style;
        const FamilyPixel extent = display_.geometry_.Extent(display_.layout_);
        setFixedSize(extent.x, extent.y);
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        painter.setFont(font_);
        const CloseFamilyLayout& layout = display_.layout_;
        for (const FamilyDrawStep& step : layout.steps) {
            switch (step.part) {
                case FamilyPart::Box:
                    PaintBox(painter, layout.boxes[step.index]);
                    break;
                case FamilyPart::Connector:
                    PaintConnector(painter, layout.connectors[step.index]);
                    break;
                case FamilyPart::Label:
                    PaintLabel(painter, layout.labels[step.index]);
                    break;
                case FamilyPart::ChildLine:
                    PaintChildLine(painter, layout.childLines[step.index]);
                    break;
            }
        }
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        display_.BoxDoubleClicked(at.x(), at.y());
    }

  private:
    void PaintBox(QPainter& painter, const FamilyBox& box) const {
        const CloseFamilyGeometry& geometry = display_.geometry_;
        // A chart box of the person, so that the colours are the charts'.
        TlossPerson node;
        node.person = box.person;
        render::DrawBox(painter, ToPoint(geometry.Centre(box.Cell())),
                        QSize(geometry.boxWidth, geometry.boxHeight), render::SetBoxColors(node),
                        ToQString(box.person->FullName(style_)), drawText_);
    }

    void PaintConnector(QPainter& painter, const FamilyConnector& connector) const {
        painter.setPen(QPen(Qt::black, 1, connector.dotted ? Qt::DotLine : Qt::SolidLine));
        const std::vector<FamilyPixel> path = display_.geometry_.ConnectorPath(connector);
        for (std::size_t i = 1; i < path.size(); ++i)
            painter.drawLine(ToPoint(path[i - 1]), ToPoint(path[i]));
    }

    void PaintLabel(QPainter& painter, const FamilyLabel& label) const {
        const QString text = ToQString(label.text);
        const QFontMetrics metrics(font_);
        const QRect area(label.x, display_.geometry_.RowCentre(label.row) - kCaptionRise,
                         metrics.horizontalAdvance(text), metrics.height());
        painter.fillRect(area, kSilver);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(area.left(), area.top() + metrics.ascent()), text);
    }

    void PaintChildLine(QPainter& painter, const FamilyChildLine& line) const {
        const CloseFamilyGeometry& geometry = display_.geometry_;
        painter.setPen(kGrey);
        painter.drawLine(ToPoint(geometry.Centre({line.column, line.fromRow})),
                         ToPoint(geometry.Centre({line.column, line.toRow})));
    }

    TdetailsDisplay& display_;
    QFont font_;
    bool drawText_ = true;
    NameStyle style_ = NameStyle::Proper;
};

TdetailsDisplay::TdetailsDisplay(Session& session, Tindividual& focus, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), focus_(&focus) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* tools = new QToolBar(this);
    previous_ = tools->addAction(QStringLiteral("<"), this, [this] { GoBack(); });
    previous_->setObjectName(QStringLiteral("PreviousButton"));
    previous_->setToolTip(Caption(Msg::PreviousFocusPerson));
    next_ = tools->addAction(QStringLiteral(">"), this, [this] { GoForward(); });
    next_->setObjectName(QStringLiteral("NextButton"));
    next_->setToolTip(Caption(Msg::NextFocusPerson));
    tools->addSeparator();
    tools->addWidget(LegendPanel(tr("M", "male"), render::LightMaleColour(), "MaleLegend"));
    tools->addWidget(LegendPanel(tr("F", "female"), render::LightFemaleColour(), "FemaleLegend"));
    tools->addSeparator();
    QAction* back = tools->addAction(tr("Return"), this, &QWidget::close);
    back->setObjectName(QStringLiteral("ReturnButton"));
    layout->addWidget(tools);

    scroll_ = new QScrollArea(this);
    scroll_->setBackgroundRole(QPalette::Base);
    canvas_ = new TfamilyCanvas(*this, scroll_);
    scroll_->setWidget(canvas_);
    layout->addWidget(scroll_, 1);

    auto* status = new QLabel(Caption(Msg::DoubleClickAnyPerson), this);
    status->setObjectName(QStringLiteral("StatusLabel"));
    status->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(status);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    history_.Push(focus.ID);
    Rebuild();
    // Room for the whole family where the screen allows; scroll bars beyond.
    resize(std::min(canvas_->width() + 40, 1000), std::min(canvas_->height() + 90, 760));
}

QWidget* TdetailsDisplay::Canvas() const {
    return canvas_;
}

void TdetailsDisplay::Focus(Tindividual& person) {
    if (&person == focus_) return;
    history_.Push(person.ID);
    focus_ = &person;
    Rebuild();
}

bool TdetailsDisplay::GoBack() {
    return Step(false);
}

bool TdetailsDisplay::GoForward() {
    return Step(true);
}

bool TdetailsDisplay::Step(bool forward) {
    const std::size_t was = history_.current;
    if (!(forward ? history_.Forward() : history_.Back())) return false;
    Tindividual* person = session_.Db().persons.Find(history_.Current());
    if (!person) {
        history_.current = was;
        return false;
    }
    focus_ = person;
    Rebuild();
    return true;
}

void TdetailsDisplay::BoxDoubleClicked(int x, int y) {
    const int index = geometry_.BoxAt(layout_, x, y);
    if (index >= 0) Focus(*layout_.boxes[static_cast<std::size_t>(index)].person);
}

void TdetailsDisplay::Rebuild() {
    const NameStyle style = session_.settings.options.properdisplay;
    geometry_ = CloseFamilyGeometry::Of(session_.settings.current);
    layout_ = LayOutCloseFamily(*focus_);
    setWindowTitle(Caption(Msg::FocusOnPerson)
                       .replace(QStringLiteral("%person"), ToQString(focus_->FullName(style))));
    previous_->setEnabled(history_.CanGoBack());
    next_->setEnabled(history_.CanGoForward());
    canvas_->Relayout(session_.settings.current, style);
    const FamilyPixel centre = geometry_.Centre(layout_.boxes.back().Cell());
    scroll_->ensureVisible(centre.x, centre.y, geometry_.boxWidth, geometry_.boxHeight);
}

}  // namespace lg::gui
