#pragma once
// A small borderless window explaining one control, gone as soon as the
// user looks elsewhere.

#include <QPoint>
#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace lg::gui {

// A frameless tool window showing a read-only text until it loses the focus.
class TExplainForm : public QWidget {
    Q_OBJECT

  public:
    explicit TExplainForm(QWidget* parent = nullptr);

    // Shows the text ("\r\n" or "\n" line breaks) with the window's top
    // left corner at the global position, and takes the focus.
    void ShowText(const QString& text, QPoint globalPos);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace lg::gui
