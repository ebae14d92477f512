#include "windows/ui_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "render/qt_text.h"

namespace lg::gui {
namespace {

// In catalogue order. Of the help paragraphs only those of the chart
// windows and the selection dialog are here: the Help pages stay English,
// as do the message list and the HTML pages.
constexpr CatalogueEntry kWidgetTexts[] = {
    // Main window: captions, hints, file dialog titles and message boxes
    {Msg::SpecifyInputFileWith,
     QT_TRANSLATE_NOOP("Catalogue", "Specify input file with saved parameter settings")},
    {Msg::SpecifyYourSourceGedcom,
     QT_TRANSLATE_NOOP("Catalogue", "Specify your source gedcom file")},
    {Msg::NotAValidNumber, QT_TRANSLATE_NOOP("Catalogue", "%string is not a valid number.")},
    {Msg::SaveYourParametersIn,
     QT_TRANSLATE_NOOP("Catalogue", "Save your parameters in an input file")},
    {Msg::DoYouWantTo, QT_TRANSLATE_NOOP("Catalogue", "Do you want to save your changes ?")},
    {Msg::NamingSchemeCaption, QT_TRANSLATE_NOOP("Catalogue", "Naming Scheme")},
    {Msg::ChartDepthCaption, QT_TRANSLATE_NOOP("Catalogue", "Chart Depth")},
    {Msg::MakeChartCaption, QT_TRANSLATE_NOOP("Catalogue", "Make Chart")},
    {Msg::ViewChartCaption, QT_TRANSLATE_NOOP("Catalogue", "View Chart")},
    {Msg::SaveDataCaption, QT_TRANSLATE_NOOP("Catalogue", "Save Data")},
    {Msg::Output, QT_TRANSLATE_NOOP("Catalogue", "Output")},
    {Msg::ParamsCaption, QT_TRANSLATE_NOOP("Catalogue", "Params")},
    {Msg::BrowseCaption, QT_TRANSLATE_NOOP("Catalogue", "Browse")},
    {Msg::IncludeDescendantsCaption, QT_TRANSLATE_NOOP("Catalogue", "Include descendants")},
    {Msg::OptionsCaption, QT_TRANSLATE_NOOP("Catalogue", "Options")},

    // The naming scheme's hint
    {Msg::HowToShowHide, QT_TRANSLATE_NOOP("Catalogue", "How to show/hide names")},
    {Msg::Conditions, QT_TRANSLATE_NOOP("Catalogue", "Conditions")},
    {Msg::Display, QT_TRANSLATE_NOOP("Catalogue", "Display")},
    {Msg::ShowNoName, QT_TRANSLATE_NOOP("Catalogue", "<show no name>")},
    {Msg::Surname, QT_TRANSLATE_NOOP("Catalogue", "surname")},
    {Msg::InitialSurname, QT_TRANSLATE_NOOP("Catalogue", "initial + surname")},
    {Msg::GivenName, QT_TRANSLATE_NOOP("Catalogue", "given name")},
    {Msg::GivenNameSurname, QT_TRANSLATE_NOOP("Catalogue", "given name + surname")},
    {Msg::HighlightFamilyNameBranches,
     QT_TRANSLATE_NOOP("Catalogue", "highlight family name branches")},
    {Msg::Alive, QT_TRANSLATE_NOOP("Catalogue", "alive")},
    {Msg::Female, QT_TRANSLATE_NOOP("Catalogue", "female")},
    {Msg::Male, QT_TRANSLATE_NOOP("Catalogue", "male")},
    {Msg::NameOfFamily, QT_TRANSLATE_NOOP("Catalogue", "name of family")},
    {Msg::NoOffspring, QT_TRANSLATE_NOOP("Catalogue", "no offspring")},
    {Msg::ParentsName, QT_TRANSLATE_NOOP("Catalogue", "parent's name")},
    {Msg::Everybody, QT_TRANSLATE_NOOP("Catalogue", "everybody")},

    // Chart windows and the close-family window
    {Msg::PreviousFocusPerson, QT_TRANSLATE_NOOP("Catalogue", "Previous focus person")},
    {Msg::NextFocusPerson, QT_TRANSLATE_NOOP("Catalogue", "Next focus person")},
    {Msg::DoubleClickAnyPerson,
     QT_TRANSLATE_NOOP("Catalogue", "Double-click any person to re-focus")},
    {Msg::FocusOnPerson, QT_TRANSLATE_NOOP("Catalogue", "Focus on %person")},
    {Msg::Descendants, QT_TRANSLATE_NOOP("Catalogue", "Descendants")},
    {Msg::RightClickABox,
     QT_TRANSLATE_NOOP("Catalogue",
                       "Right-click a box to alter the display of the name. The HTML "
                       "files will reflect your choice.")},
    {Msg::Time, QT_TRANSLATE_NOOP("Catalogue", "Time")},
    {Msg::Blank, QT_TRANSLATE_NOOP("Catalogue", "<blank>")},
    {Msg::AtBranchOff, QT_TRANSLATE_NOOP("Catalogue", "@ branch OFF")},
    {Msg::AtBranchOn, QT_TRANSLATE_NOOP("Catalogue", "@ branch ON")},
    {Msg::AtNotAnOption, QT_TRANSLATE_NOOP("Catalogue", "@ not an option")},
    {Msg::Ancestors, QT_TRANSLATE_NOOP("Catalogue", "Ancestors")},
    {Msg::GrayishBoxesIndicateThat,
     QT_TRANSLATE_NOOP("Catalogue",
                       "Grayish boxes indicate that the person involved has both parents in the "
                       "chart (an inbreeding relationship exesits, but the gray coloring does not "
                       "indicate how tight it is). You can find the other parent by clicking on "
                       "the person. Further offspring is only shown in one branch.")},
    {Msg::DropDownShowsEverybody,
     QT_TRANSLATE_NOOP("Catalogue",
                       "The drop-down list shows everybody in the chart. Select one and the "
                       "display will center around him. If you step through the list, every "
                       "person visited will be highlighted.")},
    {Msg::AGrayishBoxIndicates,
     QT_TRANSLATE_NOOP("Catalogue",
                       "A grayish box indicates that the person involved appears more than once "
                       "in the chart (a common ancestor). Further ancestors are only shown in the "
                       "principal branch, which you can find by clicking on such a person. ")},
    {Msg::TimeNeededGrowsExponentially,
     QT_TRANSLATE_NOOP("Catalogue", "Time needed grows exponentially with %chartdepth ...")},

    // The selection dialog's help
    {Msg::ClickInTheList,
     QT_TRANSLATE_NOOP("Catalogue",
                       "Click in the list and type a few letters to jump to the first entry with "
                       "those letters. (Don't wait too long between letters, otherwise it is "
                       "interpreted as a restart.) Double-click or press OK, otherwise the person "
                       "with the largest tree will be chosen.")},
    {Msg::TheProbandWillBe,
     QT_TRANSLATE_NOOP("Catalogue",
                       "The proband will be remembered. Next time you make a chart, your previous "
                       "selection will be highlighted in the list. If you want to continue without "
                       "change, just press OK.")},

    // The chart windows' help (the other help pages stay English)
    {Msg::Genealogy, QT_TRANSLATE_NOOP("Catalogue", "Genealogy")},
    {Msg::IfBlankNoName,
     QT_TRANSLATE_NOOP("Catalogue",
                       "If you select <blank>, then the box will be shown without a name.")},
    {Msg::IfBlankNoNameGenealogy,
     QT_TRANSLATE_NOOP("Catalogue",
                       "If you select <blank>, then the box will be shown without a name and the "
                       "genealogy text will only show sex and birthyear.")},
    {Msg::EmptyBoxesHelp,
     QT_TRANSLATE_NOOP(
         "Catalogue",
         "Boxes without a name: the naming scheme (the \"Naming Scheme\" field of the "
         "main window) picks the name form of each box, and the digit 0 shows no "
         "name. The genealogy's default scheme \"a0n3z2@\" shows persons who may "
         "still be alive (born less than 100 years ago, without a date of death) "
         "without a name, so that pages put on the web do not name living persons. "
         "Change the scheme to show them, or choose a name form for a single box "
         "with the right mouse button. The hint of an empty box says why it is "
         "empty.")},

    // The inbreeding and kinship windows' help
    {Msg::WhiteBoxedPersonsHave,
     QT_TRANSLATE_NOOP(
         "Catalogue",
         "White-boxed persons have 2 parents, 4 grandparents, and so on. For persons in a grayish "
         "box this is not the case: one or more ancestors are reached via more than one route. The "
         "loss-% shows how far back this happens (losing 1 out of 4 grandparents implies a loss of "
         "25%; 1 out of 8 grand-grandparents is 12.5% and so on). The higher the loss, the darker "
         "the box.")},
    {Msg::MoveOverAName,
     QT_TRANSLATE_NOOP("Catalogue", "Move over a name to get the person's details.")},
    {Msg::ClickBoxSeeAncestors,
     QT_TRANSLATE_NOOP(
         "Catalogue",
         "Click on a box to see the ancestors and descendants of that person ('double' ancestors "
         "will be highlighted, as do descendants who get this person's genes from both parents).")},
    {Msg::ClickAnywhereElseTo,
     QT_TRANSLATE_NOOP(
         "Catalogue", "Click anywhere else to remove the highlights (and remove this help text).")},
    {Msg::DropDownShowsLossPersons,
     QT_TRANSLATE_NOOP(
         "Catalogue",
         "The drop-down list shows the persons who suffer pedigree loss. By selecting one, you "
         "move to a graph where this person's ancestry is shown. It may be that the same person "
         "appears in another graph - but with incomplete ancestor lines.")},
    {Msg::KinshipVisualised, QT_TRANSLATE_NOOP("Catalogue", "Kinship visualised")},
    {Msg::GraphShowsAllAncestors,
     QT_TRANSLATE_NOOP("Catalogue",
                       "The graph shows all ancestors necessary to explain the kinship between the "
                       "highlighted probands.")},
    {Msg::ClickBoxHighlightLines,
     QT_TRANSLATE_NOOP(
         "Catalogue",
         "Click on a box to highlight the lines to ancestors and descendants of that person.")},
    {Msg::DropDownShowsCommonAncestors,
     QT_TRANSLATE_NOOP(
         "Catalogue",
         "The drop-down list shows all the ancestors whose genes pass via different routes to two "
         "or more of the probands. (These ancestors are on meeting points of the pedigrees of the "
         "probands.) In the graph they are grayish. When you select one from the list, the "
         "corresponding box will be accentuated.")},

    // The hint of a box without a name
    {Msg::NoNameByScheme,
     QT_TRANSLATE_NOOP("Catalogue",
                       "No name is shown: the naming scheme \"%scheme\" gives the condition "
                       "\"%condition\" (%pair) no name. Change the Naming Scheme in the main "
                       "window, or choose a name form for this box with the right mouse button.")},
    {Msg::NoNameByChoice,
     QT_TRANSLATE_NOOP("Catalogue",
                       "No name is shown: <blank> was chosen for this person with the right mouse "
                       "button, where another name form can be chosen.")},
};

// Lines of the chart windows' help that are not a whole catalogue text: a
// text and the full stop after it, or one line of a text of several.
[[maybe_unused]] constexpr const char* kHelpLines[] = {
    QT_TRANSLATE_NOOP("Catalogue", "The chart shows all known offspring of the proband."),
    QT_TRANSLATE_NOOP("Catalogue",
                      "Navigation: use PgUp/PgDn to scroll vertically; in combination with Ctrl "
                      "to scroll horizontally."),
    QT_TRANSLATE_NOOP("Catalogue", "Double-click a name for a display of close family."),
    QT_TRANSLATE_NOOP("Catalogue", "Right-click between boxes to alter dimensions."),
};

constexpr ChartTypeEntry kChartTypeTexts[] = {
    {ChartType::Genealogy, QT_TRANSLATE_NOOP("ChartType", "Genealogy (HTML)")},
    {ChartType::Inbreeding, QT_TRANSLATE_NOOP("ChartType", "Inbreeding (on screen)")},
    {ChartType::Kinship, QT_TRANSLATE_NOOP("ChartType", "Kinship (on screen)")},
    {ChartType::Offspring, QT_TRANSLATE_NOOP("ChartType", "Offspring tree")},
    {ChartType::Pedigree, QT_TRANSLATE_NOOP("ChartType", "Pedigree (HTML)")},
    {ChartType::Timeline, QT_TRANSLATE_NOOP("ChartType", "Timeline")},
};

QString Translated(const char* context, const QString& english) {
    const QByteArray source = english.toUtf8();
    return QCoreApplication::translate(context, source.constData());
}

// As FillIn spells a placeholder.
const QRegularExpression kPlaceholder(QStringLiteral("%[A-Za-z0-9]+"));

}  // namespace

std::span<const CatalogueEntry> WidgetCatalogueTexts() {
    return kWidgetTexts;
}

std::span<const ChartTypeEntry> ChartTypeTexts() {
    return kChartTypeTexts;
}

QString UiText(Msg id) {
    return UiText(MessageText(id));
}

QString UiText(std::string_view english) {
    return Translated(kCatalogueContext, ToQString(english));
}

QString UiLines(std::string_view composed) {
    static const QRegularExpression kCode(QStringLiteral("^(\\S [:=] )?(.*)$"));
    QStringList lines = ToQString(composed).split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        const QRegularExpressionMatch match = kCode.match(line);
        line = match.captured(1) + Translated(kCatalogueContext, match.captured(2));
    }
    return lines.join(QLatin1Char('\n'));
}

QString UiDialogText(std::string_view text) {
    const QString shown = ToQString(text);
    for (const CatalogueEntry& entry : kWidgetTexts) {
        const QString english = QString::fromUtf8(entry.english);
        if (shown == english) return Translated(kCatalogueContext, english);
        const QRegularExpressionMatch slot = kPlaceholder.match(english);
        if (!slot.hasMatch() || kPlaceholder.match(english, slot.capturedEnd()).hasMatch())
            continue;
        const QString before = english.left(slot.capturedStart());
        const QString after = english.mid(slot.capturedEnd());
        if (shown.size() < before.size() + after.size() || !shown.startsWith(before) ||
            !shown.endsWith(after))
            continue;
        const QString value = shown.mid(before.size(), shown.size() - before.size() - after.size());
        return Translated(kCatalogueContext, english).replace(slot.captured(), value);
    }
    return shown;
}

QString UiChartTypeText(std::string_view english) {
    return Translated(kChartTypeContext, ToQString(english));
}

}  // namespace lg::gui
