#pragma once
// The Help window: the chart type's two help pages side by side, each a
// title over its text.

#include <QDialog>
#include <QSize>
#include <string>

class QLabel;
class QPlainTextEdit;

namespace lg::gui {

// A dialog showing two titled, read-only help pages.
class THelpForm : public QDialog {
    Q_OBJECT

  public:
    explicit THelpForm(QWidget* parent = nullptr);

    // Shows the pages, given as internal text with "\r\n" line breaks; an
    // empty title shows the page's default ("Introduction", "To get started").
    void Fill(const std::string& title1, const std::string& text1, const std::string& title2,
              const std::string& text2);
    // Takes the panel's size and is placed over the main window: centred
    // across it, 30 pixels below its top plus the panel's top.
    void PlaceOver(QWidget* mainWindow, QSize panelSize, int panelTop);

  private:
    QLabel* title1_ = nullptr;
    QLabel* title2_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
};

}  // namespace lg::gui
