// What the main window's controls do: each handler moves the widgets'
// values into the session, calls the core command and shows the outcome.

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <exception>

#include "app/make_chart.h"
#include "app/parameter_file.h"
#include "app/run_pipeline.h"
#include "base/messages.h"
#include "base/text_helpers.h"
#include "gui/browser_form.h"
#include "gui/help_form.h"
#include "gui/main_window.h"
#include "gui/options_form.h"
#include "render/qt_text.h"
#include "windows/chart_window.h"
#include "windows/ui_texts.h"

namespace lg::gui {
namespace {

constexpr const char* kGedcomFilter =
    QT_TRANSLATE_NOOP("lg::gui::TMainForm", "Gedcom (*.ged *.GED)");
constexpr const char* kInputFilter = QT_TRANSLATE_NOOP("lg::gui::TMainForm", "Input (*.txt *.TXT)");

void SetText(QLineEdit* edit, const std::string& text) {
    QString value = ToQString(text);
    if (edit->text() != value) edit->setText(value);
}

std::string TextOf(const QLineEdit* edit) {
    return FromQString(edit->text());
}

std::filesystem::path PathOf(const QString& name) {
    return std::filesystem::path(name.toLocal8Bit().toStdString());
}

// Unexpected faults end the command with the one line the user can act on.
template <typename Command>
void Trapped(Session& session, Command command) {
    try {
        command();
    } catch (const std::exception&) {
        Reporter& reporter = session.GetReporter();
        if (reporter.InInterruptibleSection()) reporter.EndInterruptible();
        reporter.AddMessage(MessageText(Msg::ErrorTrappedCauseUnknown), true);
    }
}

}  // namespace

FormValues TMainForm::ReadForm() const {
    FormValues form = SettingsToForm(session_);
    form.chartType = session_.settings.options.charttype;
    form.output = TextOf(tableauEdit_);
    form.links = TextOf(textEdit_);
    form.page = TextOf(framesEdit_);
    form.outline = TextOf(outlineEdit_);
    form.title = TextOf(titleEdit_);
    form.homeurl = TextOf(homeUrlEdit_);
    form.hometitle = TextOf(homeTitleEdit_);
    form.homeframe = TextOf(homeFrameEdit_);
    form.frame = TextOf(linksFrameEdit_);
    form.fontname = TextOf(fontNameEdit_);
    for (std::size_t i = 0; i < numberEdits_.size(); ++i) form.numbers[i] = TextOf(numberEdits_[i]);
    form.tableauspace = tableauSpaceBar_->value();
    form.chartdepth = chartDepthBar_->value();
    static constexpr char kTypes[] = {'a', 'm', 'n'};
    int checked = genealogyButtons_->checkedId();
    form.genealogytype = checked >= 0 && checked < 3 ? kTypes[checked] : 'a';
    form.namingscheme = TextOf(namingSchemeEdit_);
    // A language the list lacks stays as the settings hold it.
    if (languageBox_->currentIndex() >= 0) form.language = FromQString(languageBox_->currentText());
    return form;
}

void TMainForm::ShowForm(const FormValues& form) {
    int type = typeBox_->findData(static_cast<int>(form.chartType));
    typeBox_->setCurrentIndex(type);
    SetText(tableauEdit_, form.output);
    SetText(textEdit_, form.links);
    SetText(framesEdit_, form.page);
    SetText(outlineEdit_, form.outline);
    SetText(titleEdit_, form.title);
    SetText(homeUrlEdit_, form.homeurl);
    SetText(homeTitleEdit_, form.hometitle);
    SetText(homeFrameEdit_, form.homeframe);
    SetText(linksFrameEdit_, form.frame);
    SetText(fontNameEdit_, form.fontname);
    for (std::size_t i = 0; i < numberEdits_.size(); ++i) SetText(numberEdits_[i], form.numbers[i]);
    tableauSpaceBar_->setValue(form.tableauspace);
    tableauSpaceLabel_->setText(QString("%1%").arg(tableauSpaceBar_->value()));
    chartDepthBar_->setValue(form.chartdepth);
    chartDepthValue_->setText(QString::number(chartDepthBar_->value()));
    int genealogy = form.genealogytype == 'm' ? 1 : form.genealogytype == 'n' ? 2 : 0;
    genealogyButtons_->button(genealogy)->setChecked(true);
    SetText(namingSchemeEdit_, form.namingscheme);
    ColourButton(0, form.mcolor);
    ColourButton(1, form.fcolor);
    ColourButton(2, form.bgcolor);
    languageBox_->setCurrentIndex(LanguageItemIndex(session_.settings.options.language));
    SetText(gedcomFileEdit_, form.gedcomName);
    SetText(sourceFileEdit_, form.parameterName);
    // The core's label starts with the catalogue's caption.
    QString outputLabel = ToQString(form.outputLabel);
    const QString output = ToQString(MessageText(Msg::Output));
    if (outputLabel.startsWith(output)) outputLabel.replace(0, output.size(), UiText(Msg::Output));
    outputPanel_->setTitle(outputLabel);
}

void TMainForm::ShowSettings() {
    ShowForm(SettingsToForm(session_));
    ApplyRules();
    UpdateButtons();
}

void TMainForm::ApplyRules() {
    FormRules rules =
        RulesFor(session_.settings.options.charttype, session_.Db().persons.Count() > 0);
    tableauEdit_->setEnabled(rules.tableauEdit);
    textEdit_->setEnabled(rules.textEdit);
    framesEdit_->setEnabled(rules.framesEdit);
    outlineEdit_->setEnabled(rules.outlineEdit);
    for (QLineEdit* edit :
         {titleEdit_, homeUrlEdit_, homeTitleEdit_, homeFrameEdit_, linksFrameEdit_})
        edit->setEnabled(rules.pageEdits);
    tableauSpaceBar_->setEnabled(rules.tableauSpace);
    numberEdits_[static_cast<std::size_t>(NumberField::NameLength)]->setEnabled(rules.nameLength);
    chartDepthBox_->setVisible(rules.chartDepthVisible);
    genealogyRG_->setVisible(rules.genealogyVisible);
    noOptionsLabel_->setVisible(!rules.chartDepthVisible && !rules.genealogyVisible);
    namingSchemeLabel_->setVisible(rules.namingSchemeVisible);
    namingSchemeEdit_->setVisible(rules.namingSchemeVisible);
    if (helpForm_ && helpForm_->isVisible()) HelpButtonClick();
}

void TMainForm::UpdateButtons() {
    goButton_->setEnabled(session_.goEnabled);
    viewButton_->setEnabled(session_.viewEnabled);
    // Return starts what comes next: viewing after a run, making otherwise.
    viewButton_->setDefault(session_.viewEnabled);
    goButton_->setDefault(!session_.viewEnabled);
}

void TMainForm::ColourButton(int which, const std::string& colour) {
    QPushButton* button = colourButtons_[static_cast<std::size_t>(which)];
    Color c = HtmlToColor(colour);
    button->setStyleSheet(QString("QPushButton { background-color: rgb(%1,%2,%3); color: black; "
                                  "border: 1px solid #808080; padding: 4px 8px; }")
                              .arg(c.red)
                              .arg(c.green)
                              .arg(c.blue));
}

std::filesystem::path TMainForm::Resolve(const QString& name) const {
    std::filesystem::path path = PathOf(name.trimmed());
    if (path.is_relative() && !session_.workingDirectory.empty())
        path = session_.workingDirectory / path;
    // As the session keeps it, so that an unchanged field is recognised.
    return AbsolutePath(path);
}

QString TMainForm::WorkingDirectory() const {
    if (session_.workingDirectory.empty()) return QCoreApplication::applicationDirPath();
    return PathToQString(session_.workingDirectory.string());
}

void TMainForm::AfterLoad() {
    ShowSettings();
    if (session_.viewEnabled && session_.viewAction == ViewAction::ShowErrorReport)
        viewButton_->setFocus();
    else if (session_.goEnabled)
        goButton_->setFocus();
}

void TMainForm::LoadGedcomFile(const std::filesystem::path& file) {
    CloseChartWindows();
    Trapped(session_, [&] { LoadGedcom(session_, file); });
    session_.GetReporter().SetRunState(kRunNormal);
    AfterLoad();
}

void TMainForm::LoadParameters(const std::filesystem::path& file) {
    CloseChartWindows();
    Trapped(session_, [&] { LoadParameterFile(session_, file); });
    session_.GetReporter().SetRunState(kRunNormal);
    AfterLoad();
}

void TMainForm::ProcessCommandLine(const QStringList& arguments) {
    session_.largeKinship = arguments.contains("largekinship", Qt::CaseInsensitive);
    if (arguments.isEmpty() || !QFileInfo(arguments.front()).isFile()) return;
    LoadParameters(PathOf(QFileInfo(arguments.front()).absoluteFilePath()));
}

void TMainForm::GedcomFileEditExit() {
    if (gedcomFileEdit_->text().trimmed().isEmpty()) return;
    std::filesystem::path file = Resolve(gedcomFileEdit_->text());
    // Leaving the field unchanged must not read a large file again.
    if (file == session_.gedcomFile) return;
    LoadGedcomFile(file);
}

void TMainForm::GedcomFileBrowseClick() {
    QString title = UiText(Msg::SpecifyYourSourceGedcom);
    const QString filter = tr(kGedcomFilter);
    QString file = openFileDialog
                       ? openFileDialog(title, WorkingDirectory(), filter)
                       : QFileDialog::getOpenFileName(this, title, WorkingDirectory(), filter);
    if (file.isEmpty()) return;
    LoadGedcomFile(PathOf(file));
}

void TMainForm::SourceFileEditExit() {
    if (sourceFileEdit_->text().trimmed().isEmpty()) return;
    std::filesystem::path file = Resolve(sourceFileEdit_->text());
    if (file == session_.parameterFile) return;
    LoadParameters(file);
}

void TMainForm::SourceFileBrowseClick() {
    QString title = UiText(Msg::SpecifyInputFileWith);
    const QString filter = tr(kInputFilter);
    QString file = openFileDialog
                       ? openFileDialog(title, WorkingDirectory(), filter)
                       : QFileDialog::getOpenFileName(this, title, WorkingDirectory(), filter);
    if (file.isEmpty()) return;
    LoadParameters(PathOf(file));
}

void TMainForm::TypeBoxSelect(int index) {
    auto type = static_cast<ChartType>(typeBox_->itemData(index).toInt());
    FormValues form = ReadForm();
    SwitchChartType(session_, form, type);
    ShowSettings();
}

bool TMainForm::CtrlIsHeld() const {
    return ((goClickModifiers_ | QGuiApplication::keyboardModifiers()) & Qt::ControlModifier) != 0;
}

void TMainForm::GoButtonClick() {
    session_.ctrlHeld = session_.ctrlHeld || CtrlIsHeld();
    goClickModifiers_ = {};
    FormValues form = ReadForm();
    int invalid = FormToSettings(session_, form);
    SetText(namingSchemeEdit_, form.namingscheme);
    goButton_->setEnabled(false);
    viewButton_->setEnabled(false);
    CloseChartWindows();
    bool showNow = lg::GoButtonClick(session_);
    UpdateButtons();
    if (invalid >= 0)
        numberEdits_[static_cast<std::size_t>(invalid)]->setFocus();
    else if (session_.viewEnabled)
        viewButton_->setFocus();
    else
        goButton_->setFocus();
    if (showNow) InspectCharts();
}

void TMainForm::ViewButtonClick() {
    if (browser_ && browser_->isVisible()) browser_->close();
    if (session_.GetReporter().RunState() == kRunError) return;
    if (session_.viewAction == ViewAction::ShowErrorReport)
        ShowPage(ErrorReportPath(session_));
    else
        InspectCharts();
}

void TMainForm::InspectCharts() {
    CloseChartWindows();
    ChartType type = session_.settings.options.charttype;
    if (!session_.Charts(type).Current()) {
        session_.GetReporter().AddMessage(MessageText(Msg::NoFileToView), true);
        session_.GetReporter().SetRunState(kRunNormal);
        return;
    }
    TGCdisplay* window = MakeChartWindow(session_, type, this);
    if (!window) return;
    chartWindow_ = window;
    window->showPage = [this](const std::filesystem::path& page) {
        raise();
        activateWindow();
        ShowPage(page);
    };
    window->settingsChanged = [this] { ShowSettings(); };
    window->showMaximized();
    window->OpenCharts();
}

TGCdisplay* TMainForm::ChartWindow() const {
    return chartWindow_.data();
}

void TMainForm::CloseChartWindows() {
    delete chartWindow_.data();
}

TBrowserForm& TMainForm::Browser() {
    if (!browser_) {
        browser_ = new TBrowserForm(nullptr);
        browser_->setAttribute(Qt::WA_DeleteOnClose, false);
        connect(browser_, &TBrowserForm::closed, this, [this] {
            goButton_->setEnabled(true);
            goButton_->setFocus();
        });
        connect(browser_, &TBrowserForm::statusCleared, this,
                [this] { session_.GetReporter().ShowStatus("", StatusColour::Normal); });
    }
    return *browser_;
}

void TMainForm::ShowPage(const std::filesystem::path& page) {
    if (pageViewer)
        pageViewer(page);
    else
        Browser().ShowPage(page);
}

void TMainForm::SaveButtonClick() {
    FormValues form = ReadForm();
    FormToSettings(session_, form);
    SetText(namingSchemeEdit_, form.namingscheme);
    QString title = UiText(Msg::SaveYourParametersIn);
    QString start = WorkingDirectory() + "/" + sourceFileEdit_->text().trimmed();
    const QString filter = tr(kInputFilter);
    QString file = saveFileDialog ? saveFileDialog(title, start, filter)
                                  : QFileDialog::getSaveFileName(this, title, start, filter);
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += ".TXT";
    Trapped(session_, [&] { WriteParameterFile(session_, PathOf(file)); });
    session_.GetReporter().SetRunState(kRunNormal);
    ShowSettings();
}

void TMainForm::DefaultsButtonClick() {
    ResetToDefaults(session_.settings, session_.Db().persons);
    ShowSettings();
}

void TMainForm::CancelButtonClick() {
    // Between computations there is nothing to interrupt.
    if (host_.Busy()) host_.RequestCancel();
}

void TMainForm::CloseButtonClick() {
    close();
}

bool TMainForm::AskSaveChanges() {
    FormValues form = ReadForm();
    FormToSettings(session_, form);
    if (!HasUnsavedChanges(session_.settings)) return true;
    switch (host_.AskYesNoCancel(std::string(MessageText(Msg::DoYouWantTo)))) {
        case QMessageBox::Yes:
            SaveButtonClick();
            return !HasUnsavedChanges(session_.settings);
        case QMessageBox::No:
            return true;
        default:
            return false;
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (host_.Busy() || !AskSaveChanges()) {
        event->ignore();
        return;
    }
    if (browser_) browser_->close();
    CloseChartWindows();
    event->accept();
}

void TMainForm::HelpButtonClick() {
    if (!helpForm_) helpForm_ = new THelpForm(this);
    const Tvariables& current = session_.settings.current;
    helpForm_->Fill(current.helpTitle1, current.helpText1, current.helpTitle2, current.helpText2);
    helpForm_->PlaceOver(this, mainPanel_->size(), mainPanel_->y());
    if (!helpForm_->isVisible()) helpForm_->open();
}

void TMainForm::OptionsButtonClick() {
    if (!optionsForm_) {
        optionsForm_ = new TOptionsForm(session_.settings, this);
        optionsForm_->onChanged = [this] {
            RefreshViewButton(session_);
            UpdateButtons();
        };
    }
    optionsForm_->exec();
}

void TMainForm::NamingSchemeEditExit() {
    std::string text = TextOf(namingSchemeEdit_);
    Tvariables& current = session_.settings.current;
    std::string scheme = SchemeForChartType(text, session_.settings.options.charttype);
    if (text != current.namingscheme) session_.settings.changed = true;
    current.namingscheme = scheme;
    SetText(namingSchemeEdit_, scheme);
}

void TMainForm::TitleEditExit() {
    std::string title = TextOf(titleEdit_);
    if (title == session_.settings.current.title) return;
    session_.settings.current.title = title;
    session_.settings.changed = true;
}

void TMainForm::NumberEditExit(NumberField field) {
    // The message box takes the focus, which would end the edit again.
    if (validating_) return;
    validating_ = true;
    QLineEdit* edit = numberEdits_[static_cast<std::size_t>(field)];
    bool changed = false;
    bool valid = ReadNumberEdit(TextOf(edit), NumberSetting(session_.settings.current, field),
                                changed, host_);
    if (changed) session_.settings.changed = true;
    if (!valid) {
        edit->setFocus();
        edit->selectAll();
    }
    validating_ = false;
}

void TMainForm::LanguageBoxChange(int index) {
    if (index < 0) return;
    std::string language = FromQString(languageBox_->itemText(index));
    if (language == session_.settings.options.language) return;
    session_.settings.options.language = language;
    session_.settings.changed = true;
}

void TMainForm::ColourSelectClick(int which) {
    Tvariables& current = session_.settings.current;
    std::string* settings[] = {&current.mcolor, &current.fcolor, &current.bgcolor};
    std::string& setting = *settings[which];
    Color c = HtmlToColor(setting);
    QColor initial(c.red, c.green, c.blue);
    QColor chosen = colourDialog ? colourDialog(initial) : QColorDialog::getColor(initial, this);
    if (!chosen.isValid()) return;
    std::string colour = ColourSetting(chosen.red(), chosen.green(), chosen.blue());
    if (colour != setting) session_.settings.changed = true;
    setting = colour;
    ColourButton(which, colour);
    RefreshViewButton(session_);
    UpdateButtons();
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        CancelButtonClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == goButton_) {
        if (event->type() == QEvent::MouseButtonRelease)
            goClickModifiers_ = static_cast<QMouseEvent*>(event)->modifiers();
        else if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            goClickModifiers_ = static_cast<QKeyEvent*>(event)->modifiers();
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::ToggleFullScreen() {
    if (isMaximized()) {
        showNormal();
        resize(mainPanel_->sizeHint() + QSize(50, 50));
    } else {
        showMaximized();
    }
}

}  // namespace lg::gui
