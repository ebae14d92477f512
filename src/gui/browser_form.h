#pragma once
// The window showing the tableau's HTML pages, with a small always-on-top
// window that leads back to the main screen.

#include <QWidget>
#include <filesystem>

class QCloseEvent;
class QShowEvent;
#ifdef LG_HAVE_WEBENGINE
class QWebEngineView;
#endif

namespace lg::gui {

// A small window on top of every other, whose one button ends the viewing.
class TReturnForm : public QWidget {
    Q_OBJECT

  public:
    explicit TReturnForm(QWidget* parent = nullptr);

  signals:
    // The "Return to Lignorama" button was pressed.
    void returnPressed();
};

// A top-level window showing a local HTML page. Without the embedded web
// view, pages open in the system's browser instead and no window appears.
class TBrowserForm : public QWidget {
    Q_OBJECT

  public:
    explicit TBrowserForm(QWidget* parent = nullptr);

    // Whether pages are shown in this window rather than the system browser.
    static bool HasEmbeddedBrowser();
    // Shows the page; the web view is made the first time, so that an
    // unused window costs nothing.
    void ShowPage(const std::filesystem::path& page);

  signals:
    // The window was closed (or, without the embedded view, the page was
    // handed to the system's browser).
    void closed();
    // The user returned with the return window's button.
    void statusCleared();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Return();

    TReturnForm* returnForm_ = nullptr;
#ifdef LG_HAVE_WEBENGINE
    QWebEngineView* view_ = nullptr;
#endif
};

}  // namespace lg::gui
