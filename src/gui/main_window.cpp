// The main window's controls and their arrangement on the panels.

#include "gui/main_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

#include "base/help_texts.h"
#include "base/messages.h"
#include "html/page_common.h"
#include "render/offspring_image.h"
#include "render/qt_text.h"
#include "windows/ui_texts.h"
#include "windows/widget_helpers.h"

namespace lg::gui {
namespace {

QString Caption(Msg id) {
    return UiText(id);
}

QLineEdit* NewEdit(QWidget* parent, const char* name, const QString& hint, int width = 0) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setToolTip(hint);
    if (width > 0) edit->setFixedWidth(width);
    return edit;
}

QSlider* NewBar(QWidget* parent, const char* name, int minimum, int maximum, int step) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(step);
    bar->setPageStep(step);
    bar->setTickInterval(step);
    bar->setTickPosition(QSlider::TicksBelow);
    return bar;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent), session_(host_) {
    setObjectName("MainForm");
    session_.chartImage = render::MakeOffspringImage;
    setWindowTitle(QString("Lignorama (V %1)").arg(ToQString(kProgramVersion)));
    BuildControls();
    SetCaptionsAndHints();
    host_.Attach(messagesMemo_, statusLabel_, cancelButton_, this);

    Reporter& reporter = session_.GetReporter();
    reporter.ClearMessages();
    std::string startup = "Lignorama (V ";
    startup.append(kProgramVersion).append(") ").append(StartupText());
    reporter.AddMessage(startup);
    session_.goEnabled = false;
    ShowSettings();
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildControls() {
    mainPanel_ = new QWidget(this);
    mainPanel_->setObjectName("MainPanel");
    auto* grid = new QGridLayout(mainPanel_);
    grid->addWidget(BuildInputPanel(), 0, 0);
    grid->addWidget(BuildButtonPanel(), 0, 1, 3, 1);
    grid->addWidget(BuildOutputPanel(), 1, 0);
    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildDimensionsPanel());
    middle->addWidget(BuildPresentationPanel(), 1);
    middle->addWidget(BuildOptionsPanel());
    grid->addLayout(middle, 2, 0);

    messagesMemo_ = new QPlainTextEdit(mainPanel_);
    messagesMemo_->setObjectName("MessagesMemo");
    messagesMemo_->setReadOnly(true);
    // Small enough that the whole panel fits a 1024 x 600 screen; the memo
    // takes the height a larger window has to spare.
    messagesMemo_->setMinimumHeight(60);
    messagesMemo_->setToolTipDuration(5000);
    grid->addWidget(messagesMemo_, 3, 0, 1, 2);
    statusLabel_ = new QLabel(mainPanel_);
    statusLabel_->setObjectName("StatusLabel");
    statusLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(statusLabel_, 4, 0, 1, 2);
    grid->setRowStretch(3, 1);

    // The panel fills the window up to a readable width and sits in the
    // middle of a wider one, so neither its place nor its width depends on
    // which controls the chart type shows; a window smaller than its
    // minimum scrolls it rather than squeezing the controls.
    auto* centre = new QWidget;
    auto* outer = new QGridLayout(centre);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(mainPanel_, 0, 1);
    outer->setColumnStretch(0, 1);
    outer->setColumnStretch(1, 1000);
    outer->setColumnStretch(2, 1);
    mainPanel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    mainPanel_->setMaximumWidth(1200);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(centre);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(scroll);
    // Open within the screen's free area, leaving room for the frame and
    // title bar the window manager adds.
    QSize size = centre->sizeHint() + QSize(8, 8);
    if (const QScreen* display = screen())
        size = size.boundedTo(display->availableGeometry().size() - QSize(16, 40));
    resize(size);

    auto* fullScreen = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    connect(fullScreen, &QShortcut::activated, this, [this] { ToggleFullScreen(); });
}

QWidget* TMainForm::BuildInputPanel() {
    auto* panel = new QGroupBox(tr("Input"), mainPanel_);
    panel->setObjectName("InputPanel");
    auto* grid = new QGridLayout(panel);
    gedcomFileEdit_ =
        NewEdit(panel, "GedcomFileEdit", tr("The GEDCOM file the charts are made of"));
    gedcomFileBrowse_ = NewButton(panel, "GedcomFileBrowse", Caption(Msg::BrowseCaption),
                                  Caption(Msg::SpecifyYourSourceGedcom));
    sourceFileEdit_ = NewEdit(panel, "SourceFileEdit",
                              tr("The parameter file: every setting, and the GEDCOM it names"));
    sourceFileBrowse_ = NewButton(panel, "SourceFileBrowse", Caption(Msg::BrowseCaption),
                                  Caption(Msg::SpecifyInputFileWith));
    typeBox_ = new QComboBox(panel);
    typeBox_->setObjectName("TypeBox");
    typeBox_->setToolTip(tr("The kind of chart to make"));
    // Sorted as the core sorts the English items, by what the list shows.
    std::vector<std::pair<QString, ChartType>> types;
    for (const ChartTypeItem& item : ChartTypeItems())
        types.emplace_back(UiChartTypeText(item.text), item.type);
    std::stable_sort(types.begin(), types.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    for (const auto& [text, type] : types) typeBox_->addItem(text, static_cast<int>(type));
    languageBox_ = new QComboBox(panel);
    languageBox_->setObjectName("LanguageBox");
    languageBox_->setToolTip(tr("The language of the words written into the charts and pages"));
    for (const std::string& language : LanguageItems()) languageBox_->addItem(ToQString(language));

    grid->addWidget(new QLabel(tr("Gedcom"), panel), 0, 0);
    grid->addWidget(gedcomFileEdit_, 0, 1);
    grid->addWidget(gedcomFileBrowse_, 0, 2);
    grid->addWidget(new QLabel(Caption(Msg::ParamsCaption), panel), 1, 0);
    grid->addWidget(sourceFileEdit_, 1, 1);
    grid->addWidget(sourceFileBrowse_, 1, 2);
    grid->addWidget(new QLabel(tr("Chart"), panel), 0, 3);
    grid->addWidget(typeBox_, 0, 4);
    grid->addWidget(new QLabel(tr("Language"), panel), 1, 3);
    grid->addWidget(languageBox_, 1, 4);
    grid->setColumnStretch(1, 1);

    connect(gedcomFileEdit_, &QLineEdit::editingFinished, this, [this] { GedcomFileEditExit(); });
    connect(sourceFileEdit_, &QLineEdit::editingFinished, this, [this] { SourceFileEditExit(); });
    connect(gedcomFileBrowse_, &QPushButton::clicked, this, [this] { GedcomFileBrowseClick(); });
    connect(sourceFileBrowse_, &QPushButton::clicked, this, [this] { SourceFileBrowseClick(); });
    connect(typeBox_, &QComboBox::activated, this, [this](int index) { TypeBoxSelect(index); });
    connect(languageBox_, &QComboBox::activated, this,
            [this](int index) { LanguageBoxChange(index); });
    return panel;
}

QWidget* TMainForm::BuildOutputPanel() {
    outputPanel_ = new QGroupBox(Caption(Msg::Output), mainPanel_);
    outputPanel_->setObjectName("OutputPanel");
    auto* grid = new QGridLayout(outputPanel_);
    tableauEdit_ = NewEdit(outputPanel_, "TableauEdit", tr("The chart page (tableau)"));
    textEdit_ = NewEdit(outputPanel_, "TextEdit",
                        tr("The text page with every person's data; a # in the name makes one "
                           "page per generation"));
    framesEdit_ = NewEdit(outputPanel_, "FramesEdit",
                          tr("The frames page that shows chart and text together"));
    outlineEdit_ = NewEdit(outputPanel_, "OutlineEdit",
                           tr("The outline page of the whole chart; blank: none"));
    titleEdit_ = NewEdit(outputPanel_, "TitleEdit", tr("The title of the pages; blank: automatic"));
    homeUrlEdit_ = NewEdit(outputPanel_, "HomeURLedit",
                           tr("The address of your home page; blank: no home link"));
    homeTitleEdit_ = NewEdit(outputPanel_, "HomeTTedit", tr("The tool tip of the home link"));
    homeFrameEdit_ =
        NewEdit(outputPanel_, "HomeFrameEdit", tr("Where the home link opens (_top, _self, ...)"));
    linksFrameEdit_ = NewEdit(outputPanel_, "LinksFrameEdit",
                              tr("The name of the frame that shows the text page"));
    struct Row {
        const char* label;
        QLineEdit* edit;
    };
    const Row left[] = {{QT_TR_NOOP("Chart page"), tableauEdit_},
                        {QT_TR_NOOP("Text page"), textEdit_},
                        {QT_TR_NOOP("Frames page"), framesEdit_},
                        {QT_TR_NOOP("Outline page"), outlineEdit_},
                        {QT_TR_NOOP("Title"), titleEdit_}};
    const Row right[] = {{QT_TR_NOOP("Home page"), homeUrlEdit_},
                         {QT_TR_NOOP("Home link hint"), homeTitleEdit_},
                         {QT_TR_NOOP("Home link target"), homeFrameEdit_},
                         {QT_TR_NOOP("Text frame"), linksFrameEdit_}};
    int row = 0;
    for (const Row& r : left) {
        grid->addWidget(new QLabel(tr(r.label), outputPanel_), row, 0);
        grid->addWidget(r.edit, row++, 1);
    }
    row = 0;
    for (const Row& r : right) {
        grid->addWidget(new QLabel(tr(r.label), outputPanel_), row, 2);
        grid->addWidget(r.edit, row++, 3);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(titleEdit_, &QLineEdit::editingFinished, this, [this] { TitleEditExit(); });
    return outputPanel_;
}

QWidget* TMainForm::BuildDimensionsPanel() {
    auto* panel = new QGroupBox(tr("Dimensions"), mainPanel_);
    panel->setObjectName("DimensionsPanel");
    auto* grid = new QGridLayout(panel);
    struct Field {
        const char* name;
        const char* label;
        const char* hint;
    };
    static constexpr Field kFields[kNumberFieldCount] = {
        {"XoffsetEdit", QT_TR_NOOP("Left margin"), QT_TR_NOOP("Space left of the chart")},
        {"YoffsetEdit", QT_TR_NOOP("Top margin"), QT_TR_NOOP("Space above the chart")},
        {"BoxWidthEdit", QT_TR_NOOP("Box width"), QT_TR_NOOP("Width of a name box")},
        {"BoxHeightEdit", QT_TR_NOOP("Box height"), QT_TR_NOOP("Height of a name box")},
        {"XspaceEdit", QT_TR_NOOP("Horizontal space"),
         QT_TR_NOOP("Space between boxes side by side")},
        {"YspaceEdit", QT_TR_NOOP("Vertical space"), QT_TR_NOOP("Space between generations")},
        {"FontSizeEdit", QT_TR_NOOP("Font size"), QT_TR_NOOP("Font size of the chart")},
        {"NameLengthEdit", QT_TR_NOOP("Name length"),
         QT_TR_NOOP("Names longer than this are shortened to fit a box")},
    };
    for (int i = 0; i < kNumberFieldCount; ++i) {
        const Field& field = kFields[i];
        QLineEdit* edit = NewEdit(panel, field.name, tr(field.hint), 50);
        numberEdits_[static_cast<std::size_t>(i)] = edit;
        grid->addWidget(new QLabel(tr(field.label), panel), i % 4, (i / 4) * 2);
        grid->addWidget(edit, i % 4, (i / 4) * 2 + 1);
        auto which = static_cast<NumberField>(i);
        connect(edit, &QLineEdit::editingFinished, this, [this, which] { NumberEditExit(which); });
    }
    return panel;
}

QWidget* TMainForm::BuildPresentationPanel() {
    auto* panel = new QGroupBox(tr("Presentation"), mainPanel_);
    panel->setObjectName("PresentationPanel");
    auto* grid = new QGridLayout(panel);
    fontNameEdit_ = NewEdit(panel, "FontNameEdit", tr("The font of the pages and charts"));
    namingSchemeLabel_ = new QLabel(Caption(Msg::NamingSchemeCaption), panel);
    namingSchemeEdit_ = NewEdit(panel, "NamingSchemeEdit", UiLines(NamingSchemeHelp()));
    namingSchemeEdit_->setToolTipDuration(10000);
    namingSchemeLabel_->setToolTip(namingSchemeEdit_->toolTip());
    namingSchemeLabel_->setToolTipDuration(10000);
    auto* colours = new QHBoxLayout;
    const char* names[] = {"McolorSelect", "FcolorSelect", "BackgroundSelect"};
    const QString captions[] = {tr("Male"), tr("Female"), tr("Background")};
    const QString hints[] = {tr("Colour of the boxes of men; click to choose"),
                             tr("Colour of the boxes of women; click to choose"),
                             tr("Colour of the page background; click to choose")};
    for (int i = 0; i < 3; ++i) {
        auto* button = NewButton(panel, names[i], captions[i], hints[i]);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(captions[i]) + 24);
        colourButtons_[static_cast<std::size_t>(i)] = button;
        colours->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, i] { ColourSelectClick(i); });
    }
    tableauSpaceBar_ = NewBar(panel, "TableauSpaceBar", kMinTableauSpace, kMaxTableauSpace, 5);
    tableauSpaceBar_->setToolTip(tr("The share of the frames page given to the chart"));
    tableauSpaceLabel_ = new QLabel(panel);

    grid->addWidget(new QLabel(tr("Font"), panel), 0, 0);
    grid->addWidget(fontNameEdit_, 0, 1, 1, 2);
    grid->addWidget(namingSchemeLabel_, 1, 0);
    grid->addWidget(namingSchemeEdit_, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Colours"), panel), 2, 0);
    grid->addLayout(colours, 2, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Chart share"), panel), 3, 0);
    grid->addWidget(tableauSpaceBar_, 3, 1);
    grid->addWidget(tableauSpaceLabel_, 3, 2);
    grid->setColumnStretch(1, 1);
    // Chart types without a naming scheme hide it; the panel keeps its room
    // so that the panels beside it stay where they are.
    for (QWidget* widget :
         {static_cast<QWidget*>(namingSchemeLabel_), static_cast<QWidget*>(namingSchemeEdit_)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }

    connect(namingSchemeEdit_, &QLineEdit::editingFinished, this,
            [this] { NamingSchemeEditExit(); });
    connect(tableauSpaceBar_, &QSlider::valueChanged, this, [this](int value) {
        tableauSpaceLabel_->setText(QString("%1%").arg(value));
        Tvariables& current = session_.settings.current;
        if (current.tableauspace == value) return;
        current.tableauspace = value;
        session_.settings.changed = true;
    });
    return panel;
}

QWidget* TMainForm::BuildOptionsPanel() {
    optionsPanel_ = new QGroupBox(Caption(Msg::OptionsCaption), mainPanel_);
    optionsPanel_->setObjectName("OptionsPanel");
    optionsPanel_->setToolTipDuration(10000);
    auto* box = new QVBoxLayout(optionsPanel_);

    chartDepthBox_ = new QWidget(optionsPanel_);
    auto* depth = new QGridLayout(chartDepthBox_);
    depth->setContentsMargins(0, 0, 0, 0);
    chartDepthBar_ = NewBar(chartDepthBox_, "ChartDepthBar", 0, kMaxChartDepth, 1);
    // The core's ChartDepthWarning, composed of the translated texts.
    chartDepthBar_->setToolTip(
        UiText(Msg::TimeNeededGrowsExponentially)
            .replace(QStringLiteral("%chartdepth"), Caption(Msg::ChartDepthCaption)));
    chartDepthValue_ = new QLabel(chartDepthBox_);
    depth->addWidget(new QLabel(Caption(Msg::ChartDepthCaption), chartDepthBox_), 0, 0, 1, 2);
    depth->addWidget(chartDepthBar_, 1, 0);
    depth->addWidget(chartDepthValue_, 1, 1);
    box->addWidget(chartDepthBox_);

    genealogyRG_ = new QGroupBox(Caption(Msg::IncludeDescendantsCaption), optionsPanel_);
    genealogyRG_->setObjectName("GenealogyRG");
    genealogyRG_->setToolTip(
        tr("All descendants, only those through sons, or only those with the proband's surname"));
    genealogyButtons_ = new QButtonGroup(genealogyRG_);
    auto* radios = new QVBoxLayout(genealogyRG_);
    const QString items[] = {tr("All"), tr("Male", "descendants through sons"),
                             tr("Name", "descendants with the proband's surname")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(items[i], genealogyRG_);
        genealogyButtons_->addButton(radio, i);
        radios->addWidget(radio);
    }
    box->addWidget(genealogyRG_);
    noOptionsLabel_ = new QLabel(tr("No options for\nthis chart type"), optionsPanel_);
    noOptionsLabel_->setEnabled(false);
    box->addWidget(noOptionsLabel_);
    box->addStretch(1);
    // As large as its largest contents, so that switching the chart type,
    // which shows other options, does not move the panels around it.
    QSize largest(140, 0);
    for (QWidget* shown : {chartDepthBox_, static_cast<QWidget*>(genealogyRG_),
                           static_cast<QWidget*>(noOptionsLabel_)}) {
        for (QWidget* option : {chartDepthBox_, static_cast<QWidget*>(genealogyRG_),
                                static_cast<QWidget*>(noOptionsLabel_)})
            option->setVisible(option == shown);
        box->invalidate();
        largest = largest.expandedTo(optionsPanel_->sizeHint());
    }
    optionsPanel_->setFixedSize(largest);

    connect(chartDepthBar_, &QSlider::valueChanged, this, [this](int value) {
        chartDepthValue_->setText(QString::number(value));
        Tvariables& current = session_.settings.current;
        if (current.chartdepth == value) return;
        current.chartdepth = value;
        session_.settings.changed = true;
    });
    return optionsPanel_;
}

QWidget* TMainForm::BuildButtonPanel() {
    auto* panel = new QWidget(mainPanel_);
    panel->setObjectName("ButtonPanel");
    auto* box = new QVBoxLayout(panel);
    box->setContentsMargins(0, 6, 0, 0);
    goButton_ = NewButton(panel, "GoButton", Caption(Msg::MakeChartCaption),
                          tr("Compute the chart; hold Ctrl to keep the remembered proband and "
                             "show the chart at once"));
    viewButton_ = NewButton(panel, "ViewButton", Caption(Msg::ViewChartCaption),
                            tr("Show the chart made last, or the error report of the checks"));
    saveButton_ = NewButton(panel, "SaveButton", Caption(Msg::SaveDataCaption),
                            Caption(Msg::SaveYourParametersIn));
    defaultsButton_ = NewButton(panel, "DefaultsButton", tr("Defaults"),
                                tr("The factory settings of this chart type"));
    optionsButton_ = NewButton(panel, "OptionsButton", Caption(Msg::OptionsCaption),
                               tr("Options shared by every chart type"));
    helpButton_ = NewButton(panel, "HelpButton", tr("Help"), tr("About this chart type"));
    cancelButton_ =
        NewButton(panel, "CancelButton", tr("Cancel"), tr("Interrupt the computation (Esc)"));
    closeButton_ = NewButton(panel, "CloseButton", tr("Exit"), tr("Close Lignorama"));
    for (QPushButton* b : {goButton_, viewButton_, saveButton_, defaultsButton_}) box->addWidget(b);
    box->addSpacing(12);
    for (QPushButton* b : {optionsButton_, helpButton_}) box->addWidget(b);
    box->addStretch(1);
    for (QPushButton* b : {cancelButton_, closeButton_}) box->addWidget(b);

    goButton_->installEventFilter(this);
    connect(goButton_, &QPushButton::clicked, this, [this] { GoButtonClick(); });
    connect(viewButton_, &QPushButton::clicked, this, [this] { ViewButtonClick(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { SaveButtonClick(); });
    connect(defaultsButton_, &QPushButton::clicked, this, [this] { DefaultsButtonClick(); });
    connect(optionsButton_, &QPushButton::clicked, this, [this] { OptionsButtonClick(); });
    connect(helpButton_, &QPushButton::clicked, this, [this] { HelpButtonClick(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
    connect(closeButton_, &QPushButton::clicked, this, [this] { CloseButtonClick(); });
    return panel;
}

void TMainForm::SetCaptionsAndHints() {
    mainPanel_->setToolTipDuration(5000);
    setToolTipDuration(5000);
    messagesMemo_->setToolTip(tr("The messages of the last command"));
}

}  // namespace lg::gui
