#include "base/fill_in.h"

#include <gtest/gtest.h>

#include "base/help_texts.h"
#include "base/messages.h"

namespace lg {
namespace {

TEST(FillIn, PlaceholdersAreFilledByPosition) {
    EXPECT_EQ(FillIn("Common ancestors: %n", "3"), "Common ancestors: 3");
    EXPECT_EQ(FillIn(Msg::CannotProcessLevel, "1 NAME"),
              "Reading \"1 NAME\". Can not process the LEVEL indicator.");
    EXPECT_EQ(FillIn("Input error on %file.", "a.txt"), "Input error on a.txt.");
    EXPECT_EQ(FillIn("%n x", "5"), "5 x");
    EXPECT_EQ(FillIn("100%", "x"), "100x");  // a placeholder with an empty name
    EXPECT_EQ(FillIn("no placeholder", "x"), "no placeholder");
    EXPECT_EQ(FillIn("[%s]", std::string(300, 'v')), "[" + std::string(255, 'v') + "]");
    EXPECT_EQ(FillInAll(Msg::MarriedTwice, {"A", "I1", "B", "I2"}),
              "A (gedcom ID=I1) and B (gedcom ID=I2) seem to have married twice.");
    EXPECT_EQ(FillInAll("%a and %b", {}), " and %b");
    EXPECT_EQ(FillInAll("%a", {"x", "y"}), "x");         // surplus values are dropped
    EXPECT_EQ(FillInAll("%a %b", {"%c", "y"}), "y %b");  // a value's own % takes the next value
    EXPECT_EQ(FillInNumber(Msg::RunNCompleted, -1), "Run -1 completed");
    EXPECT_EQ(FillInNumbers("page %y/%x", {2, 3}), "page 2/3");
    EXPECT_EQ(FillInNumbers("%n", {}), "");
}

TEST(Catalogue, TextsAreExactAndComposedTextsNameTheControls) {
    EXPECT_EQ(MessageText(Msg::LastFAMRecord), "Last FAM  record:");
    EXPECT_EQ(MessageText(Msg::CharacterCodingNotSpecified).back(), '.');
    EXPECT_NE(MessageText(Msg::CharacterCodingNotSpecified).find("(such as \xE2)"),
              std::string_view::npos);
    for (int i = 0; i < static_cast<int>(Msg::Count_); ++i)
        EXPECT_FALSE(MessageText(static_cast<Msg>(i)).empty()) << i;

    std::string started = GettingStartedText();
    EXPECT_NE(started.find("with the Make Chart button.\r\nStep 4: view your results with the "
                           "View Chart button.\r\n\r\nRight-click"),
              std::string::npos);
    EXPECT_NE(started.find("with the Save Data button. When you open the program next time, "
                           "browse for this file with the Params Browse button"),
              std::string::npos);
    // The first genealogy paragraph runs on into the next without a break.
    EXPECT_NE(GenealogyHelp().find("everybody with genes from the proband. You can also make a "
                                   "tree"),
              std::string::npos);
    EXPECT_NE(GenealogyHelp().find("'Include descendants' buttons."), std::string::npos);
    EXPECT_EQ(ChartDepthWarning(), "Time needed grows exponentially with Chart Depth ...");
    EXPECT_EQ(ErrorReportHint(),
              "Maybe your gedcom contains inconsistent data. Click View Chart to inspect a "
              "detailed error report. (You can subsequently print it via right mouse button.)");
    EXPECT_EQ(StartupText().substr(0, 4), " -  ");
    EXPECT_NE(ProgramErrorText().find(kContactEmail), std::string::npos);
    EXPECT_EQ(KinshipWindowHelp().substr(0, 22), "Kinship visualised\r\n\r\n");
    EXPECT_EQ(TruncationNote().find("%"), std::string::npos);
}

}  // namespace
}  // namespace lg
