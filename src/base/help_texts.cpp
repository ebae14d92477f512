#include "base/help_texts.h"

#include <string_view>
#include <variant>

#include "base/fill_in.h"
#include "base/messages.h"

namespace lg {
namespace {

constexpr std::string_view kBreak = "\r\n";
constexpr std::string_view kParagraph = "\r\n\r\n";

// A composed text is a sequence of catalogue texts and literal separators.
using Piece = std::variant<Msg, std::string_view, std::string>;

std::string Compose(std::initializer_list<Piece> pieces) {
    std::string result;
    for (const Piece& piece : pieces) {
        if (const Msg* id = std::get_if<Msg>(&piece)) {
            result += MessageText(*id);
        } else if (const auto* view = std::get_if<std::string_view>(&piece)) {
            result += *view;
        } else {
            result += std::get<std::string>(piece);
        }
    }
    return result;
}

std::string WithCaption(Msg text, Msg caption) {
    return FillIn(text, MessageText(caption));
}

}  // namespace

std::string IntroductionText() {
    return Compose({Msg::Introduction1, kParagraph, Msg::Introduction2, kParagraph,
                    Msg::Introduction3, kParagraph, Msg::Introduction4});
}

std::string GettingStartedText() {
    return Compose({FillInAll(Msg::GettingStarted1, {MessageText(Msg::MakeChartCaption),
                                                     MessageText(Msg::ViewChartCaption)}),
                    kParagraph, Msg::GettingStarted2, kParagraph,
                    FillInAll(Msg::GettingStarted3,
                              {MessageText(Msg::SaveDataCaption), MessageText(Msg::ParamsCaption),
                               MessageText(Msg::BrowseCaption)}),
                    kParagraph, Msg::GettingStarted4});
}

std::string StartupText() {
    return Compose({Msg::StartupBanner, kParagraph, Msg::CheckTheHelpButton});
}

std::string ProgramErrorText() {
    return FillIn(Msg::ProgramError, kContactEmail);
}

std::string ErrorReportHint() {
    return WithCaption(Msg::ErrorReportHintText, Msg::ViewChartCaption);
}

std::string TruncationNote() {
    return Compose({Msg::NoteThisGraphHas, std::string_view(" "),
                    WithCaption(Msg::MoveChartDepthBar, Msg::ChartDepthCaption)});
}

std::string ChartDepthWarning() {
    return WithCaption(Msg::TimeNeededGrowsExponentially, Msg::ChartDepthCaption);
}

std::string DescendantWindowHelp() {
    return Compose({Msg::GrayishBoxesIndicateThat, kParagraph, Msg::RightClickABox, kBreak,
                    Msg::IfBlankNoNameGenealogy, kParagraph, Msg::EmptyBoxesHelp, kParagraph,
                    Msg::DropDownShowsEverybody});
}

std::string OffspringWindowHelp() {
    return Compose({Msg::Genealogy, kParagraph, Msg::ChartShowsAllOffspring, std::string_view("."),
                    kBreak, Msg::GrayishBoxesIndicateThat, kParagraph, Msg::RightClickABox, kBreak,
                    Msg::IfBlankNoName, kParagraph, Msg::DropDownShowsEverybody, kParagraph,
                    Msg::NavigationUsePgUpPgDn});
}

std::string PedigreeWindowHelp() {
    return Compose({Msg::AGrayishBoxIndicates, kParagraph, Msg::RightClickABox, kParagraph,
                    Msg::EmptyBoxesHelp, kParagraph, Msg::DropDownShowsEverybody});
}

std::string InbreedingWindowHelp() {
    return Compose({Msg::WhiteBoxedPersonsHave, kParagraph, Msg::MoveOverAName, kParagraph,
                    Msg::ClickBoxSeeAncestors, kParagraph, Msg::ClickAnywhereElseTo, kParagraph,
                    Msg::DropDownShowsLossPersons});
}

std::string KinshipWindowHelp() {
    return Compose({Msg::KinshipVisualised, kParagraph, Msg::GraphShowsAllAncestors, kParagraph,
                    Msg::MoveOverAName, kParagraph, Msg::ClickBoxHighlightLines, kParagraph,
                    Msg::ClickAnywhereElseTo, kParagraph, Msg::DropDownShowsCommonAncestors});
}

std::string SelectionHelp() {
    return Compose({Msg::ClickInTheList, kParagraph, Msg::TheProbandWillBe});
}

std::string PedigreeHelp() {
    return Compose({Msg::APedigreeIsThe, kParagraph, Msg::TheProgramUsesA, kParagraph,
                    Msg::WeAvoidTheConnecting});
}

std::string PedigreeOutputHelp() {
    return Compose({Msg::PedigreeOutputFiles, kParagraph, Msg::PedigreeOutput1, kBreak,
                    Msg::PedigreeOutput2, kBreak, Msg::OutlineOutput3, kBreak, Msg::FramesOutput4,
                    kParagraph, Msg::ToCopeWithThe});
}

std::string KinshipHelp() {
    return Compose({Msg::AnyPersonReceivesHalf, kBreak, Msg::SupposeYouPutSomeones, kBreak,
                    Msg::SoIfFatherAnd});
}

std::string KinshipOutputHelp() {
    return Compose({Msg::TheKinshipCoefficientIs, kBreak, Msg::SinceKinshipHavingA, kBreak,
                    Msg::TheReportContinuesWith, kParagraph, Msg::InTheGraphAll, kParagraph,
                    WithCaption(Msg::ChartWillBeTruncated, Msg::ChartDepthCaption)});
}

std::string InbreedingHelp() {
    return Compose({Msg::ConsiderThePedigreeFor, kBreak, Msg::InbreedingMeansThatAn, kParagraph,
                    Msg::InbreedingThusLeadsTo, kParagraph, Msg::UseTheKinshipFunction});
}

std::string InbreedingOutputHelp() {
    return Compose({Msg::YouCanSpecifyPersons, kParagraph, Msg::TheGraphsShowPersons, kParagraph,
                    Msg::WeUseAColor, kParagraph,
                    WithCaption(Msg::ChartWillBeTruncated, Msg::ChartDepthCaption)});
}

std::string GenealogyHelp() {
    // The first paragraph ends in a blank and runs on into the next one.
    return Compose({Msg::TheGenealogyShowsA,
                    WithCaption(Msg::YouCanAlsoMake, Msg::IncludeDescendantsCaption), kParagraph,
                    Msg::TheDisplayOfNames, kParagraph,
                    WithCaption(Msg::TheNameschemeParameterLets, Msg::NamingSchemeCaption),
                    kParagraph, Msg::InbreedingRelationshipsAreIndicated});
}

std::string GenealogyOutputHelp() {
    return Compose({Msg::GenealogyOutputFiles, kBreak, Msg::GenealogyOutput1, kBreak,
                    Msg::GenealogyOutput2, kBreak, Msg::OutlineOutput3, kBreak, Msg::FramesOutput4,
                    kParagraph, Msg::TheTextAndThe, kBreak, Msg::ToCopeWithThe});
}

std::string OffspringHelp() {
    return Compose({Msg::TheOffspringTreeShows, kParagraph, Msg::TheDisplayOfNames, kParagraph,
                    WithCaption(Msg::TheNameschemeParameterLets, Msg::NamingSchemeCaption),
                    kParagraph, Msg::InbreedingRelationshipsAreIndicated});
}

std::string OffspringOutputHelp() {
    return Compose({Msg::OffspringOutputFiles, kBreak, Msg::OffspringOutput1, kBreak,
                    Msg::OffspringOutput2, kParagraph,
                    WithCaption(Msg::YouCanOptTo, Msg::NamingSchemeCaption)});
}

}  // namespace lg
