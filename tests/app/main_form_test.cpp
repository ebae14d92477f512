#include "app/main_form.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace lg {
namespace {

TEST(MainForm, RulesPerChartType) {
    struct Case {
        ChartType type;
        bool gedcom;
        bool files;    // output, links, page, outline
        bool tableau;  // output alone
        bool nameLength;
        bool depth;
        bool genealogy;
        bool scheme;
    };
    const Case cases[] = {
        {ChartType::Pedigree, false, true, true, true, false, false, false},
        {ChartType::Pedigree, true, true, true, true, false, false, true},
        {ChartType::Inbreeding, true, false, false, false, true, false, false},
        {ChartType::Kinship, true, false, false, false, true, false, false},
        {ChartType::Genealogy, false, true, true, true, false, true, true},
        {ChartType::Offspring, true, false, true, true, false, true, true},
        {ChartType::Timeline, true, false, true, true, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        FormRules r = RulesFor(c.type, c.gedcom);
        EXPECT_EQ(r.tableauEdit, c.tableau);
        EXPECT_EQ(r.pageEdits, c.tableau);
        for (bool file : {r.textEdit, r.framesEdit, r.outlineEdit, r.tableauSpace})
            EXPECT_EQ(file, c.files);
        EXPECT_EQ(r.nameLength, c.nameLength);
        EXPECT_EQ(r.chartDepthVisible, c.depth);
        EXPECT_EQ(r.genealogyVisible, c.genealogy);
        EXPECT_EQ(r.namingSchemeVisible, c.scheme);
    }
    // The list is sorted by text, the timeline after the others.
    const auto& items = ChartTypeItems();
    EXPECT_EQ(items.front().text, "Genealogy (HTML)");
    EXPECT_EQ(items[items.size() - 2].text, "Pedigree (HTML)");
    EXPECT_EQ(items.back().type, ChartType::Timeline);
    EXPECT_EQ(items.back().text, "Timeline");
}

TEST(MainForm, FormRoundTripMarksOnlyRealChanges) {
    test::FakeHost host;
    Session session(host);
    FormValues form = SettingsToForm(session);
    EXPECT_EQ(form.fontname, "Arial");
    EXPECT_EQ(form.Number(NumberField::BoxWidth), "60");
    EXPECT_EQ(form.language, "nederlands");
    EXPECT_EQ(FormToSettings(session, form), -1);
    EXPECT_FALSE(session.settings.changed);

    // An invalid number keeps the value and names the first bad field.
    FormValues bad = form;
    bad.Number(NumberField::Xoffset) = "-5";
    bad.Number(NumberField::FontSize) = "big";
    EXPECT_EQ(FormToSettings(session, bad), static_cast<int>(NumberField::Xoffset));
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0], "-5 is not a valid number.");
    EXPECT_EQ(session.settings.current.xoffset, 10);
    EXPECT_EQ(session.settings.current.fontsize, 7);
    EXPECT_FALSE(session.settings.changed);

    form.fontname = "\"Times New Roman\"";
    form.genealogytype = 'n';
    form.Number(NumberField::Yspace) = " 20 ";
    form.namingscheme = "n2z1@";  // no branch highlight on a pedigree
    EXPECT_EQ(FormToSettings(session, form), -1);
    EXPECT_TRUE(session.settings.changed);
    EXPECT_EQ(session.settings.current.fontname, "'Times New Roman'");
    EXPECT_EQ(session.settings.current.genealogytype, 'n');
    EXPECT_EQ(session.settings.current.yspace, 20);
    EXPECT_EQ(form.namingscheme, "n2z1");  // written back into the field
    EXPECT_EQ(session.settings.current.namingscheme, "n2z1");
}

TEST(MainForm, BranchHighlightOnlyForDescendantCharts) {
    EXPECT_EQ(SchemeForChartType("N2Z1@", ChartType::Pedigree), "n2z1");
    EXPECT_EQ(SchemeForChartType("a0n3z2@", ChartType::Genealogy), "a0n3z2@");
    EXPECT_EQ(SchemeForChartType("", ChartType::Offspring), "z2");
}

TEST(MainForm, SwitchingChartTypesKeepsEachTypesSettings) {
    test::FakeHost host;
    Session session(host);
    host.messages.push_back("old");
    FormValues form = SettingsToForm(session);
    form.output = "mine.htm";
    SwitchChartType(session, form, ChartType::Genealogy);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.statuses.back().text, "Help is updated" + std::string(21, ' '));
    EXPECT_TRUE(session.settings.changed);
    form = SettingsToForm(session);
    EXPECT_EQ(form.chartType, ChartType::Genealogy);
    EXPECT_EQ(form.output, "lgfamchart.htm");
    EXPECT_EQ(form.namingscheme, "a0n3z2@");
    form.namingscheme = "z4@";
    SwitchChartType(session, form, ChartType::Pedigree);
    EXPECT_EQ(SettingsToForm(session).output, "mine.htm");
    EXPECT_EQ(session.settings.Record(ChartType::Genealogy).namingscheme, "z4@");
    EXPECT_FALSE(session.viewEnabled);  // no chart of either type
}

TEST(MainForm, UnsavedChangesAndSmallTexts) {
    Settings settings;
    EXPECT_FALSE(HasUnsavedChanges(settings));
    settings.Record(ChartType::Kinship).modified = true;
    EXPECT_TRUE(HasUnsavedChanges(settings));

    EXPECT_EQ(ColourSetting(219, 248, 253), "#DBF8FD");
    EXPECT_EQ(LanguageItemIndex("english"), 1);
    EXPECT_EQ(LanguageItemIndex("klingon"), -1);
    EXPECT_EQ(OutputLabelText("/home/anna/family"), "Output (-> /home/anna/family)");
    std::string label = OutputLabelText("/home/anna/genealogy/exports/2026/december/web/pages");
    EXPECT_LE(label.size(), std::string("Output (-> )").size() + 40);
    EXPECT_TRUE(label.starts_with("Output (-> /home/...")) << label;
    EXPECT_TRUE(label.ends_with("/web/pages)")) << label;

    std::string help = NamingSchemeHelp();
    EXPECT_TRUE(help.starts_with("How to show/hide names\r\nConditions\r\na : alive\r\n")) << help;
    EXPECT_NE(help.find("z : everybody\r\nDisplay\r\n0 : <show no name>"), std::string::npos);
    EXPECT_TRUE(help.ends_with("@ = highlight family name branches"));
}

}  // namespace
}  // namespace lg
