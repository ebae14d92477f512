#include "windows/explain_form.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lg::gui {

namespace {

// Wide enough for a sentence or two per line, never wider.
constexpr int kMaxTextWidth = 400;

}  // namespace

TExplainForm::TExplainForm(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setWindowTitle(tr("Help"));
    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("ExplainText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
}

void TExplainForm::ShowText(const QString& text, QPoint globalPos) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(shown);

    // Sized to the text, so that a short explanation is a small window.
    const QFontMetrics metrics(text_->font());
    const QRect bounds = metrics.boundingRect(QRect(0, 0, kMaxTextWidth, 10000),
                                              Qt::TextWordWrap | Qt::AlignLeft, shown);
    const int frame = 2 * (text_->frameWidth() + metrics.averageCharWidth());
    resize(bounds.width() + frame, bounds.height() + frame + metrics.height());

    move(globalPos);
    show();
    raise();
    activateWindow();
    text_->setFocus(Qt::OtherFocusReason);
}

bool TExplainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) close();
    return QWidget::event(event);
}

bool TExplainForm::eventFilter(QObject* watched, QEvent* event) {
    // The text's context menu takes the focus for a moment; that is no
    // leaving.
    if (watched == text_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        close();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace lg::gui
