#include "html/pedigree_text.h"

#include <algorithm>
#include <vector>

#include "text/fill_in.h"
#include "text/messages.h"
#include "text/text_helpers.h"

namespace lg {
namespace {

constexpr std::string_view kLinkStyle =
    "mso-text-animation:none; font-weight:normal; text-decoration:none; text-underline:none; "
    "text-line-through:none;}";

std::string HeadLinks(const Tvariables& settings, const Tlanguage& language) {
    std::string links;
    if (!settings.homeurl.empty())
        links += "<a href=\"" + settings.homeurl + "\" target=\"_top\" title=\"" +
                 settings.hometitle + "\"><b>" + language.home + "</b></a><br>";
    if (!settings.page.empty())
        links +=
            "<a href=\"" + settings.page + "\" target=\"_top\"><b>" + language.tableau + "</b></a>";
    return links;
}

// The document head and the title row, every line ending in CR LF.
std::string PageHead(const PageContext& context) {
    const Tvariables& settings = context.settings;
    std::string head =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
        "<html>\r\n"
        "<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-" +
        context.language.codePage + "\">\r\n";
    // The GENERATOR line is what lets a later run overwrite the page.
    head += "<meta name=\"GENERATOR\" content=\"LIGNORAMA.EXE\">\r\n";
    head += "<meta name=\"AUTHOR\" content=\"" + ToUpperAscii(kAuthorName) + "\">\r\n";
    head += "<title>" + settings.title + "</title>\r\n";
    head += "<style type=\"text/css\"><!--\r\n";
    head += "td           { font-family: " + settings.fontname + "; font-size: 10pt }";
    head += "a:link        { color:blue; " + std::string(kLinkStyle) + "\r\n";
    head += "a:visited     { color:purple; " + std::string(kLinkStyle) + "\r\n";
    head += "a:active      { color:red; " + std::string(kLinkStyle) + "\r\n";
    head += "--></style>\r\n</head>\r\n";
    head += "<body bgcolor=\"" + settings.bgcolor + "\">\r\n";
    head += "<table border=0pt cellpadding=0pt cellspacing=0pt width=\"100%\">\r\n";
    head += "<colgroup><col align=right valign=top><col><col align=left></colgroup>\r\n";
    head += "<tr><td width=60>" + HeadLinks(settings, context.language) +
            "</td><td width=10> </td><td width=\"*\" align=center style='color:gray'><b>" +
            context.chartTitle + "</b><br>&nbsp;</tr>\r\n";
    return head;
}

std::string GenerationRow(int32_t generation, const Tlanguage& language) {
    return "<tr>\r\n<td><td><td align=center style='color:gray'><br><b>" + language.generation +
           " " + RomanNumeral(generation) + "</b><br>&nbsp;</tr>\r\n";
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
               JoinWith(person.FullName(descriptions.nameStyle), " ", person.nameSuffix) +
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

std::vector<TlossPerson*> RowOrder(std::span<TlossPerson* const> nodes) {
    std::vector<TlossPerson*> rows;
    rows.reserve(nodes.size());
    for (TlossPerson* node : nodes)
        if (node && node->person) rows.push_back(node);
    std::stable_sort(rows.begin(), rows.end(), [](const TlossPerson* a, const TlossPerson* b) {
        if (a->generation != b->generation) return a->generation < b->generation;
        return a->rank < b->rank;
    });
    return rows;
}

void WriteRows(PageFile& file, const std::vector<TlossPerson*>& rows, const PageContext& context) {
    DescriptionContext descriptions = context.Descriptions();
    bool first = true;
    int32_t generation = 0;
    for (const TlossPerson* node : rows) {
        if (first || node->generation != generation)
            file.Write(GenerationRow(node->generation, context.language));
        first = false;
        generation = node->generation;
        file.Write(NumberCell(*node, context.options.bookmarks));
        file.Write(TextCell(*node, descriptions));
        NoteChartPartners(*node->person);
    }
}

}  // namespace

void WritePedigreeTextPage(std::span<TlossPerson* const> nodes, PageContext& context) {
    const std::string& links = context.settings.links;
    // Without a links file the user asked for no text page.
    if (links.empty()) return;
    if (!MayWriteTextPage(context)) return;
    try {
        PageFile file(context.PathOf(links));
        std::vector<TlossPerson*> rows = RowOrder(nodes);
        ForgetChartPartners(rows);
        file.Write(PageHead(context));
        WriteRows(file, rows, context);
        file.Line("</table></body></html>");
        file.Close();
    } catch (const PageWriteError&) {
        context.reporter.AddMessage(FillIn(Msg::UnableToOpenCreate, links), true);
    }
}

}  // namespace lg
