#pragma once
// The main window: the input files, the settings of the selected chart type
// on their panels, the commands that load, make, view and save, and the
// message list with the status line. It owns the session; every rule of
// what the controls mean lives in the core (app/main_form.h), the window
// moves values between the session and its widgets.

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/main_form.h"
#include "app/session.h"
#include "gui/qt_host.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;

namespace lg::gui {

class TBrowserForm;
class TGCdisplay;
class THelpForm;
class TOptionsForm;

class TMainForm : public QWidget {
    Q_OBJECT

  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    Session& GetSession() { return session_; }
    QtHost& GetHost() { return host_; }

    // Start-up: a first argument naming an existing file is loaded as the
    // parameter file; the word "largekinship" anywhere lifts the kinship
    // analysis's limit of ten persons and writes kinship.txt instead.
    void ProcessCommandLine(const QStringList& arguments);

    // The file and colour dialogs; tests put answers here. An empty string
    // or an invalid colour means the dialog was cancelled.
    std::function<QString(const QString& title, const QString& directory, const QString& filter)>
        openFileDialog;
    std::function<QString(const QString& title, const QString& file, const QString& filter)>
        saveFileDialog;
    std::function<QColor(const QColor& initial)> colourDialog;
    // Shows a page instead of the browser view (tests).
    std::function<void(const std::filesystem::path& page)> pageViewer;

    // The commands, named after their controls.
    void TypeBoxSelect(int index);
    void GoButtonClick();
    void ViewButtonClick();
    void SaveButtonClick();
    void DefaultsButtonClick();
    void CancelButtonClick();
    void CloseButtonClick();
    void HelpButtonClick();
    void OptionsButtonClick();
    void GedcomFileBrowseClick();
    void GedcomFileEditExit();
    void SourceFileBrowseClick();
    void SourceFileEditExit();
    void NamingSchemeEditExit();
    void TitleEditExit();
    void NumberEditExit(NumberField field);
    void LanguageBoxChange(int index);
    void ColourSelectClick(int which);  // 0 male, 1 female, 2 background

    // Closing asks to save unsaved changes; true when the program may end.
    bool AskSaveChanges();

    // The browser view, created on first use.
    TBrowserForm& Browser();
    // The chart window "View Chart" opened, while it is open.
    TGCdisplay* ChartWindow() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    QWidget* BuildInputPanel();
    QWidget* BuildOutputPanel();
    QWidget* BuildDimensionsPanel();
    QWidget* BuildPresentationPanel();
    QWidget* BuildOptionsPanel();
    QWidget* BuildButtonPanel();
    void SetCaptionsAndHints();

    FormValues ReadForm() const;
    void ShowForm(const FormValues& form);
    void ShowSettings();  // SettingsToForm, rules and buttons
    void ApplyRules();
    void UpdateButtons();  // from the session's goEnabled/viewEnabled
    void AfterLoad();
    void LoadGedcomFile(const std::filesystem::path& file);
    void LoadParameters(const std::filesystem::path& file);
    std::filesystem::path Resolve(const QString& name) const;
    QString WorkingDirectory() const;
    void InspectCharts();
    // Chart windows show boxes that the next run or load frees.
    void CloseChartWindows();
    void ShowPage(const std::filesystem::path& page);
    void ColourButton(int which, const std::string& colour);
    void ToggleFullScreen();
    bool CtrlIsHeld() const;

    QtHost host_;
    Session session_;

    QWidget* mainPanel_ = nullptr;
    QComboBox* typeBox_ = nullptr;
    QComboBox* languageBox_ = nullptr;
    QLineEdit* gedcomFileEdit_ = nullptr;
    QLineEdit* sourceFileEdit_ = nullptr;
    QPushButton* gedcomFileBrowse_ = nullptr;
    QPushButton* sourceFileBrowse_ = nullptr;
    QGroupBox* outputPanel_ = nullptr;
    QLineEdit* tableauEdit_ = nullptr;
    QLineEdit* textEdit_ = nullptr;
    QLineEdit* framesEdit_ = nullptr;
    QLineEdit* outlineEdit_ = nullptr;
    QLineEdit* titleEdit_ = nullptr;
    QLineEdit* homeUrlEdit_ = nullptr;
    QLineEdit* homeTitleEdit_ = nullptr;
    QLineEdit* homeFrameEdit_ = nullptr;
    QLineEdit* linksFrameEdit_ = nullptr;
    std::array<QLineEdit*, kNumberFieldCount> numberEdits_{};
    QLineEdit* fontNameEdit_ = nullptr;
    QLabel* namingSchemeLabel_ = nullptr;
    QLineEdit* namingSchemeEdit_ = nullptr;
    std::array<QPushButton*, 3> colourButtons_{};
    QLabel* tableauSpaceLabel_ = nullptr;
    QSlider* tableauSpaceBar_ = nullptr;
    QGroupBox* optionsPanel_ = nullptr;
    QWidget* chartDepthBox_ = nullptr;
    QSlider* chartDepthBar_ = nullptr;
    QLabel* chartDepthValue_ = nullptr;
    QGroupBox* genealogyRG_ = nullptr;
    QButtonGroup* genealogyButtons_ = nullptr;
    QLabel* noOptionsLabel_ = nullptr;
    QPushButton* goButton_ = nullptr;
    QPushButton* viewButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* defaultsButton_ = nullptr;
    QPushButton* optionsButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPlainTextEdit* messagesMemo_ = nullptr;
    QLabel* statusLabel_ = nullptr;

    QPointer<TBrowserForm> browser_;
    QPointer<TGCdisplay> chartWindow_;
    QPointer<THelpForm> helpForm_;
    QPointer<TOptionsForm> optionsForm_;

    Qt::KeyboardModifiers goClickModifiers_;
    bool validating_ = false;  // a number's message box is up
    bool closing_ = false;     // the Exit command already asked
};

}  // namespace lg::gui
