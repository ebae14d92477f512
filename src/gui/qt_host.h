#pragma once
// The Host of the desktop program: the message list and status line are the
// main window's widgets, pending events are processed during computations
// while a filter lets only Esc (and the Cancel button) through, and message
// boxes are modal. Tests answer the dialogs through the hooks instead.

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <functional>

#include "app/host.h"
#include "gui/locale_collation.h"

class QAbstractButton;
class QLabel;
class QPlainTextEdit;
class QWidget;

namespace lg::gui {

class QtHost final : public QObject, public Host {
    Q_OBJECT

  public:
    explicit QtHost(QObject* parent = nullptr);
    ~QtHost() override;

    // The widgets messages go to; any may be null. `cancel` is the button a
    // click on which interrupts a computation like Esc; `window` the
    // parent of dialogs, which cannot be closed during a computation.
    void Attach(QPlainTextEdit* memo, QLabel* status, QAbstractButton* cancel, QWidget* window);

    void AppendMessage(const std::string& line) override;
    void ClearMessages() override;
    void SetStatus(const std::string& text, StatusColour colour) override;
    bool ProcessPendingEvents() override;
    void BeginInterruptible() override;
    void EndInterruptible() override;
    void ShowMessageBox(const std::string& text) override;

    // A Yes/No/Cancel question; answers QMessageBox::Yes, No or Cancel.
    QMessageBox::StandardButton AskYesNoCancel(const std::string& text);

    // The modal proband selection dialog over the window; it takes input
    // although the computation that asks is still running.
    ProbandChoice ChooseProband(Session& session) override;

    // The pedigree-loss selection dialog, modal over the window.
    std::optional<std::vector<std::size_t>> ChooseInbred(
        Session& session, const std::vector<std::string>& texts,
        const std::vector<std::size_t>& remembered) override;

    // The kinship selection dialog, modal over the window.
    std::optional<std::vector<std::size_t>> ChooseKinship(
        Session& session, const std::vector<std::string>& texts,
        const std::vector<std::size_t>& remembered, bool unlimited) override;
    // The platform's save dialog.
    std::string AskSaveFile(const std::string& title, const std::string& directory,
                            const std::string& name) override;

    // The collator of the user's locale.
    const Collation& PersonOrder() const override { return personOrder_; }

    // Set by tests: answers instead of the modal boxes.
    std::function<void(const std::string&)> messageBoxHook;
    std::function<QMessageBox::StandardButton(const std::string&)> questionHook;
    std::function<ProbandChoice(Session&)> probandHook;
    std::function<std::optional<std::vector<std::size_t>>(const std::vector<std::string>& texts,
                                                          const std::vector<std::size_t>&)>
        inbredHook;
    std::function<std::optional<std::vector<std::size_t>>(const std::vector<std::string>& texts,
                                                          const std::vector<std::size_t>&)>
        kinshipHook;
    std::function<std::string(const std::string& name)> saveFileHook;

    // The Cancel command outside the event filter (Esc pressed while the
    // main window has the focus): marks the running computation.
    void RequestCancel() { cancelRequested_ = true; }
    bool Busy() const { return filtering_; }

    // A modal dialog during a computation (the proband selection) needs
    // its input: the filter is off while one of these lives.
    class FilterPause {
      public:
        explicit FilterPause(QtHost& host);
        ~FilterPause();
        FilterPause(const FilterPause&) = delete;
        FilterPause& operator=(const FilterPause&) = delete;

      private:
        QtHost& host_;
        bool paused_;
    };

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QPlainTextEdit> memo_;
    QPointer<QLabel> status_;
    QPointer<QAbstractButton> cancel_;
    QPointer<QWidget> window_;
    bool filtering_ = false;
    bool cancelRequested_ = false;
    LocaleCollation personOrder_;
};

}  // namespace lg::gui
