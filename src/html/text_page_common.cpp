#include "html/text_page_common.h"

#include <algorithm>

#include "base/fill_in.h"
#include "base/messages.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

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

}  // namespace

std::string TextLinkRules(std::size_t selectorWidth, std::string_view brace) {
    constexpr std::string_view kLinkStyle =
        "mso-text-animation:none; font-weight:normal; text-decoration:none; "
        "text-underline:none; text-line-through:none;}\r\n";
    constexpr std::string_view kRules[][2] = {
        {"a:link", "blue"}, {"a:visited", "purple"}, {"a:active", "red"}};
    std::string rules;
    for (const auto& [selector, colour] : kRules) {
        std::string padded(selector);
        padded.resize(std::max(selectorWidth, padded.size()), ' ');
        rules += padded + std::string(brace) + "color:" + std::string(colour) + "; " +
                 std::string(kLinkStyle);
    }
    return rules;
}

std::string TextPageHead(const PageContext& context, const TextPageHeadStyle& style) {
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
    head += "<title>" + context.FileText(settings.title) + "</title>\r\n";
    head += "<style type=\"text/css\"><!--\r\n";
    head += style.rules;
    head += "--></style>\r\n</head>\r\n";
    head += "<body bgcolor=\"" + settings.bgcolor + "\">\r\n";
    head += std::string(style.table) + "\r\n";
    head += "<colgroup><col align=right valign=top><col><col align=left></colgroup>\r\n";
    head += "<tr><td width=60>" + HeadLinks(settings, context.language) +
            "</td><td width=10> </td>" + std::string(style.titleCell) + "<b>" + context.chartTitle +
            "</b><br>&nbsp;</tr>\r\n";
    return head;
}

void WriteTextRows(PageFile& file, std::span<const TlossPerson* const> rows,
                   std::string_view generationOpening, const Tlanguage& language,
                   const std::function<void(const TlossPerson&)>& row) {
    bool first = true;
    int32_t generation = 0;
    for (const TlossPerson* node : rows) {
        if (first || node->generation != generation)
            file.Write(std::string(generationOpening) + "<br><b>" + language.generation + " " +
                       RomanNumeral(node->generation) + "</b><br>&nbsp;</tr>\r\n");
        first = false;
        generation = node->generation;
        row(*node);
    }
}

std::vector<TlossPerson*> TextRowOrder(std::span<TlossPerson* const> nodes) {
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

void WriteTextPageFile(PageContext& context, std::string_view what,
                       const std::function<void(PageFile&)>& body) {
    const std::string& links = context.settings.links;
    // Without a links file the user asked for no text page.
    if (links.empty()) return;
    if (!MayWriteTextPage(context, what)) return;
    PageFile file(context, links, what);
    body(file);
    file.Line("</table></body></html>");
    file.Close();
}

}  // namespace lg
