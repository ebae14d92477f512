#include "gui/qt_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <utility>

#include "render/qt_text.h"
#include "windows/inbreeding_form.h"
#include "windows/selection_form.h"
#include "windows/ui_texts.h"

namespace lg::gui {
namespace {

bool IsInputEvent(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

bool IsWithin(QObject* watched, QObject* ancestor) {
    for (QObject* o = watched; o; o = o->parent())
        if (o == ancestor) return true;
    return false;
}

}  // namespace

QtHost::QtHost(QObject* parent) : QObject(parent) {}

QtHost::~QtHost() {
    if (filtering_ && qApp) qApp->removeEventFilter(this);
}

void QtHost::Attach(QPlainTextEdit* memo, QLabel* status, QAbstractButton* cancel,
                    QWidget* window) {
    memo_ = memo;
    status_ = status;
    cancel_ = cancel;
    window_ = window;
}

void QtHost::AppendMessage(const std::string& line) {
    if (!memo_) return;
    memo_->appendPlainText(ToQString(line));
    memo_->verticalScrollBar()->setValue(memo_->verticalScrollBar()->maximum());
}

void QtHost::ClearMessages() {
    if (memo_) memo_->clear();
}

void QtHost::SetStatus(const std::string& text, StatusColour colour) {
    if (!status_) return;
    status_->setText(ToQString(text));
    QPalette palette = status_->palette();
    palette.setColor(QPalette::WindowText,
                     colour == StatusColour::Error ? QColor(255, 0, 0) : QColor(0, 128, 0));
    status_->setPalette(palette);
    // The caller keeps the event loop busy: the label must show the text now.
    status_->repaint();
}

bool QtHost::ProcessPendingEvents() {
    QApplication::processEvents();
    return std::exchange(cancelRequested_, false);
}

void QtHost::BeginInterruptible() {
    cancelRequested_ = false;
    if (!filtering_) qApp->installEventFilter(this);
    filtering_ = true;
}

void QtHost::EndInterruptible() {
    if (filtering_) qApp->removeEventFilter(this);
    filtering_ = false;
}

bool QtHost::eventFilter(QObject* watched, QEvent* event) {
    if (!filtering_ || !IsInputEvent(event->type())) return false;
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        cancelRequested_ = true;
        return true;
    }
    // The Cancel button is the one control that stays usable: a visible
    // button that ignored clicks would only confuse.
    if (cancel_ && event->type() == QEvent::MouseButtonRelease && IsWithin(watched, cancel_)) {
        cancelRequested_ = true;
        return true;
    }
    return true;
}

QtHost::FilterPause::FilterPause(QtHost& host) : host_(host), paused_(host.filtering_) {
    if (paused_) host_.EndInterruptible();
}

QtHost::FilterPause::~FilterPause() {
    if (paused_ && qApp) {
        qApp->installEventFilter(&host_);
        host_.filtering_ = true;
    }
}

void QtHost::ShowMessageBox(const std::string& text) {
    if (messageBoxHook) {
        messageBoxHook(text);
        return;
    }
    FilterPause pause(*this);
    QMessageBox::information(window_, QApplication::applicationName(), UiDialogText(text));
}

QMessageBox::StandardButton QtHost::AskYesNoCancel(const std::string& text) {
    if (questionHook) return questionHook(text);
    FilterPause pause(*this);
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), UiDialogText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
    box.setDefaultButton(QMessageBox::Yes);
    // Qt's own button texts come with Qt's translations, which the program
    // does not ship.
    box.button(QMessageBox::Yes)->setText(tr("&Yes"));
    box.button(QMessageBox::No)->setText(tr("&No"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

ProbandChoice QtHost::ChooseProband(Session& session) {
    if (probandHook) return probandHook(session);
    FilterPause pause(*this);
    TSelectionForm form(window_);
    return form.Choose(session);
}

std::optional<std::vector<std::size_t>> QtHost::ChooseInbred(
    Session&, const std::vector<std::string>& texts, const std::vector<std::size_t>& remembered) {
    if (inbredHook) return inbredHook(texts, remembered);
    FilterPause pause(*this);
    TInbreedingForm form(texts, remembered, window_);
    SetStatus("", StatusColour::Normal);
    form.exec();
    return form.Result();
}

std::optional<std::vector<std::size_t>> QtHost::ChooseKinship(
    Session&, const std::vector<std::string>& texts, const std::vector<std::size_t>& remembered,
    bool unlimited) {
    if (kinshipHook) return kinshipHook(texts, remembered);
    FilterPause pause(*this);
    TKinshipForm form(texts, remembered, unlimited, window_);
    SetStatus("", StatusColour::Normal);
    form.exec();
    return form.Result();
}

std::string QtHost::AskSaveFile(const std::string& title, const std::string& directory,
                                const std::string& name) {
    if (saveFileHook) return saveFileHook(name);
    FilterPause pause(*this);
    const QString file = QFileDialog::getSaveFileName(
        window_, UiText(title), PathToQString(directory) + "/" + ToQString(name));
    return file.isEmpty() ? std::string() : QFile::encodeName(file).toStdString();
}

}  // namespace lg::gui
