#include "gui/browser_form.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "render/qt_text.h"

#ifdef LG_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

namespace lg::gui {

namespace {

QUrl PageUrl(const std::filesystem::path& page) {
    return QUrl::fromLocalFile(PathToQString(page.string()));
}

}  // namespace

TReturnForm::TReturnForm(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(tr("End view"));
    auto* button = new QPushButton(tr("Return to Lignorama"));
    button->setObjectName(QStringLiteral("ReturnButton"));
    button->setToolTip(tr("Close browser; goto main screen"));
    connect(button, &QPushButton::clicked, this, &TReturnForm::returnPressed);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(button);
}

TBrowserForm::TBrowserForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("View your tableau results, then close window to continue"));
    resize(1100, 800);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    // Shortcuts rather than key events: the web view would take those.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Return),
                                    QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }

    returnForm_ = new TReturnForm(this);
    connect(returnForm_, &TReturnForm::returnPressed, this, &TBrowserForm::Return);
}

bool TBrowserForm::HasEmbeddedBrowser() {
#ifdef LG_HAVE_WEBENGINE
    return true;
#else
    return false;
#endif
}

void TBrowserForm::ShowPage(const std::filesystem::path& page) {
#ifdef LG_HAVE_WEBENGINE
    if (view_ == nullptr) {
        view_ = new QWebEngineView(this);
        layout()->addWidget(view_);
    }
    view_->setUrl(PageUrl(page));
    show();
    raise();
    activateWindow();
    view_->setFocus();
#else
    QDesktopServices::openUrl(PageUrl(page));
    // The system's browser is on its own: the main window carries on as
    // after closing this window.
    emit closed();
#endif
}

void TBrowserForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Beside the browser's top right corner, where it hides little.
    const QRect frame = frameGeometry();
    returnForm_->adjustSize();
    returnForm_->move(frame.right() - returnForm_->width() - 40, frame.top() + 40);
    returnForm_->show();
    // The browser window is mapped after this event: raise the small
    // window once it is, or it ends up behind.
    QTimer::singleShot(0, returnForm_, [form = returnForm_] { form->raise(); });
}

void TBrowserForm::closeEvent(QCloseEvent* event) {
    returnForm_->close();
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit closed();
}

void TBrowserForm::Return() {
    close();
    emit statusCleared();
    returnForm_->close();
}

}  // namespace lg::gui
