#include "html/pedigree_text.h"

#include <vector>

#include "base/text_helpers.h"
#include "html/text_page_common.h"

namespace lg {
namespace {

// The pedigree's text cells are grey; td rule and a:link share a line.
TextPageHeadStyle PedigreeHeadStyle(const Tvariables& settings) {
    return {"td           { font-family: " + settings.fontname + "; font-size: 10pt }" +
                TextLinkRules(14, "{ "),
            "<table border=0pt cellpadding=0pt cellspacing=0pt width=\"100%\">",
            "<td width=\"*\" align=center style='color:gray'>"};
}

std::string NumberCell(const TlossPerson& node, int bookmarks) {
    // A further occurrence has no anchor: its tableau box links to the
    // first. Aligned to the top like the other rows, so that the number
    // stands beside its line instead of half a line below it.
    if (node.twin) return "<tr><td valign=top>" + NumberLabel(node) + "\r\n";
    return "<tr><td valign=top><a name=\"" + PersonAnchor(node, bookmarks) + "\">" +
           NumberLabel(node) + "</a>\r\n";
}

std::string TextCell(const TlossPerson& node, const DescriptionContext& descriptions) {
    const Tindividual& person = *node.person;
    const Tlanguage& language = *descriptions.language;
    if (node.generation == 1)
        return "<td><td>" + SiblingsParagraph(person, descriptions) + "<br>&nbsp;</tr>\r\n";
    if (node.twin)
        return "<td><td>= " + NumberLabel(*node.twin) + " (" +
               descriptions.FileText(
                   JoinWith(person.FullName(descriptions.nameStyle), " ", person.nameSuffix)) +
               ")<br>&nbsp;</tr>\r\n";
    std::string marriages;
    if (person.sex == 'M') {
        marriages =
            MarriagesText(person, {language.married, language.sheMarried}, descriptions) + "<br>";
    } else {
        marriages = OtherMarriagesText(person, descriptions);
        marriages = marriages.empty() ? "&nbsp;" : marriages + "<br>";
    }
    return "<td><td>" + PersonDescription(person, true, descriptions) + "<br>" + marriages +
           "\r\n</tr>\r\n";
}

// The parents are described in the next generation; this tells their
// marriage lists which marriage carries the chart.
void NoteChartPartners(const Tindividual& child) {
    if (!child.father || !child.mother) return;
    child.father->chartPartnerID = child.mother->ID;
    child.mother->chartPartnerID = child.father->ID;
}

// Partners noted by an earlier chart would hide a spouse's description here
// (the proband's and siblings' too, whose marriage lists are read as well).
void ForgetChartPartners(const std::vector<TlossPerson*>& rows) {
    for (const TlossPerson* node : rows) node->person->chartPartnerID.clear();
    if (rows.empty() || rows.front()->generation != 1) return;
    const Tindividual& proband = *rows.front()->person;
    if (proband.famcList.empty() || !proband.famcList.front().family) return;
    for (const TfamilyChild& child : proband.famcList.front().family->children)
        if (child.person) child.person->chartPartnerID.clear();
}

void WriteRows(PageFile& file, const std::vector<TlossPerson*>& rows, const PageContext& context) {
    DescriptionContext descriptions = context.Descriptions();
    auto row = [&](const TlossPerson& node) {
        file.Write(NumberCell(node, context.options.bookmarks));
        file.Write(TextCell(node, descriptions));
        NoteChartPartners(*node.person);
    };
    WriteTextRows(file, rows, "<tr>\r\n<td><td><td align=center style='color:gray'>",
                  context.language, row);
}

}  // namespace

void WritePedigreeTextPage(std::span<TlossPerson* const> nodes, PageContext& context) {
    WriteTextPageFile(context, "a pedigree text file", [&](PageFile& file) {
        std::vector<TlossPerson*> rows = TextRowOrder(nodes);
        ForgetChartPartners(rows);
        file.Write(TextPageHead(context, PedigreeHeadStyle(context.settings)));
        WriteRows(file, rows, context);
    });
}

}  // namespace lg
