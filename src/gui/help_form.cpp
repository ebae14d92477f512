#include "gui/help_form.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/qt_text.h"

namespace lg::gui {

namespace {

// The widgets' text: a CR LF pair, or a CR alone, is one line break (the
// text document would make two paragraphs of CR LF).
QString PageText(const std::string& internal) {
    QString text = ToQString(internal);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// One page: a bold title over the text.
QVBoxLayout* Page(QLabel*& title, QPlainTextEdit*& text, const QString& defaultTitle,
                  const QString& name) {
    title = new QLabel(defaultTitle);
    title->setObjectName(name + QStringLiteral("Title"));
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    text = new QPlainTextEdit;
    text->setObjectName(name + QStringLiteral("Text"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout;
    layout->addWidget(title);
    layout->addWidget(text, 1);
    return layout;
}

}  // namespace

THelpForm::THelpForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Help"));
    auto* pages = new QHBoxLayout;
    pages->addLayout(Page(title1_, text1_, tr("Introduction"), QStringLiteral("Page1")));
    pages->addLayout(Page(title2_, text2_, tr("To get started"), QStringLiteral("Page2")));

    auto* close = new QPushButton(tr("Close Help"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pages, 1);
    layout->addLayout(buttons);
}

void THelpForm::Fill(const std::string& title1, const std::string& text1, const std::string& title2,
                     const std::string& text2) {
    title1_->setText(title1.empty() ? tr("Introduction") : ToQString(title1));
    title2_->setText(title2.empty() ? tr("To get started") : ToQString(title2));
    text1_->setPlainText(PageText(text1));
    text2_->setPlainText(PageText(text2));
}

void THelpForm::PlaceOver(QWidget* mainWindow, QSize panelSize, int panelTop) {
    resize(panelSize);
    const QRect main = mainWindow->frameGeometry();
    const int x = main.x() + (main.width() - frameGeometry().width()) / 2;
    move(x, main.y() + 30 + panelTop);
}

}  // namespace lg::gui
