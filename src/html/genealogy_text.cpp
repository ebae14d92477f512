// The genealogy's row list and text page.

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/messages.h"
#include "base/text_helpers.h"
#include "charts/node_names.h"
#include "html/genealogy_pages.h"
#include "html/text_page_common.h"

namespace lg {

int32_t GenealogyRows::RankOf(const TlossPerson& node) const {
    const auto i = static_cast<std::size_t>(node.index);
    return i < ranks.size() ? ranks[i] : 0;
}

const std::string& GenealogyRows::KeyOf(const TlossPerson& node) const {
    static const std::string kNone;
    const auto i = static_cast<std::size_t>(node.index);
    return i < keys.size() ? keys[i] : kNone;
}

std::string GenealogyRows::Label(const TlossPerson& node) const {
    if (node.generation <= 1) return "1";
    return std::to_string(node.generation) + "." + std::to_string(RankOf(node));
}

bool IsUnnamed(const Tindividual& person) {
    return TrimLeftBlanks(person.FullName(NameStyle::Proper)).empty();
}

std::string UnnamedWord(const Tindividual& person, const Tlanguage& language) {
    if (person.sex == 'M') return language.man;
    if (person.sex == 'F') return language.woman;
    return language.man + "/" + language.woman;
}

namespace {

// Whether the box's name form hides the name on purpose: the naming scheme
// (or the person's own name code) picked a form without a name, as "a0"
// does for the living. The forms that show a name are 1 to 4.
bool NameHidden(const TlossPerson& node, std::string_view scheme, int currentYear) {
    char form = node.person->nameCode;
    if (form == 0) form = SchemeFormAt(scheme, SelectNameCode(node, scheme, currentYear));
    return form < '1' || form > '4';
}

}  // namespace

GenealogyRows BuildGenealogyRows(const TinbredPerson& chart, const PageContext& context) {
    GenealogyRows result;
    result.ranks.assign(chart.nodes.size(), 0);
    result.keys.assign(chart.nodes.size(), std::string());
    const TlossPerson& root = *chart.proband;
    result.ranks[static_cast<std::size_t>(root.index)] = 1;
    result.rows.push_back(&root);
    // The rank last given in each generation.
    std::unordered_map<int32_t, int32_t> lastRank{{root.generation, 1}};
    struct Pending {
        const TlossPerson* node;
        const TlossPerson* parent;
    };
    std::vector<Pending> stack;
    auto pushChildren = [&stack](const TlossPerson& parent) {
        for (auto child = parent.children.rbegin(); child != parent.children.rend(); ++child)
            if (*child) stack.push_back({*child, &parent});
    };
    const NameOptions names = context.Names();
    const int year = context.CurrentYear();
    pushChildren(root);
    while (!stack.empty()) {
        auto [node, parent] = stack.back();
        stack.pop_back();
        // Further occurrences and boxes whose name the scheme hides get no
        // row, nor does anything below them. A person without a name in the
        // file is listed all the same: his descendants have boxes that link
        // to their rows.
        if (!node->person || node->principal != node) continue;
        const std::string& scheme = context.settings.namingscheme;
        if (NameForNode(*node, scheme, names, year).empty() && NameHidden(*node, scheme, year))
            continue;
        result.rows.push_back(node);
        const auto i = static_cast<std::size_t>(node->index);
        if (parent->person)
            result.keys[i] =
                std::string("#").append(BookmarkOf(parent->person->ID, context.options.bookmarks));
        result.ranks[i] = ++lastRank[node->generation];
        pushChildren(*node);
    }
    return result;
}

namespace {

// What the rows of the text page are written with.
struct TextRows {
    const PageContext& context;
    const GenealogyRows& numbers;
    DescriptionContext descriptions;
    // The row of every person that has one.
    std::unordered_map<const Tindividual*, const TlossPerson*> rowOf;
    // Every person with a box in the chart.
    std::unordered_set<const Tindividual*> inChart;

    std::string Anchor(const Tindividual& person) const {
        return BookmarkOf(person.ID, context.options.bookmarks);
    }
    // A link to the person's row in the label's words; empty without a row.
    std::string RowLink(const Tindividual& person) const {
        auto found = rowOf.find(&person);
        if (found == rowOf.end()) return {};
        return "<a href=\"#" + Anchor(person) + "\">" + numbers.Label(*found->second) + "</a>";
    }
    // The word for a man or a woman stands in for a name the file lacks.
    std::string Name(const Tindividual& person) const {
        if (IsUnnamed(person)) return UnnamedWord(person, *descriptions.language);
        return descriptions.FileText(person.FullName(descriptions.nameStyle));
    }
    std::string NameWithAlias(const Tindividual& person) const {
        std::string name = lg::NameWithAlias(person, descriptions);
        if (!IsUnnamed(person)) return name;
        return JoinWith(UnnamedWord(person, *descriptions.language), " ", name);
    }
};

std::string ParentsPhrase(const Tindividual& person, const DescriptionContext& d) {
    const Tindividual* first = person.father ? person.father : person.mother;
    if (!first) return {};
    const Tlanguage& language = *d.language;
    std::string phrase =
        language.ChildOfPhrase(person.sex == 'M', d.FileText(first->FullName(d.nameStyle)));
    if (person.father && person.mother)
        phrase.append(" ").append(
            language.AndPhrase(d.FileText(person.mother->FullName(d.nameStyle))));
    return phrase;
}

// A spouse with a row of his own is named with a link to it; any other is
// described here, with his parents.
std::string SpouseDescription(const Tindividual& spouse, const TextRows& rows) {
    const DescriptionContext& d = rows.descriptions;
    std::string link = rows.RowLink(spouse);
    if (!link.empty()) return "<b>" + rows.NameWithAlias(spouse) + "</b> [" + link + "].";
    std::string text;
    for (const std::string& part :
         {NameWithAlias(spouse, d), BirthPart(spouse, d), d.FileText(spouse.occupation),
          DeathPart(spouse, d), ParentsPhrase(spouse, d)})
        text = JoinWith(text, ", ", part);
    return text + ".";
}

std::string MarriageLine(const Tindividual& spouse, const Tfamily& family,
                         const std::string& prefix, const TextRows& rows) {
    const DescriptionContext& d = rows.descriptions;
    std::string marriage = MarriageText(family, d);
    std::string description = SpouseDescription(spouse, rows);
    if (description == "." || description == "?.") {
        // Nothing known of the spouse: the marriage alone, if anything.
        if (marriage.empty()) return {};
        return std::string(TrimRightBlanks(prefix)) + " " + marriage + ".<br>";
    }
    return prefix + JoinWith(JoinWith(marriage, " ", d.language->with), " ", description) + "<br>";
}

// The year in a column of four: leading zeros become blanks.
std::string ChildYear(const Tindividual& child) {
    std::string year = YearOf(child.BirthDate());
    if (YearNumber(year) == 0) year = YearOf(child.ChristeningDate());
    if (YearNumber(year) == 0) return {};
    std::size_t zeros = year.find_first_not_of('0');
    std::string blanks;
    for (std::size_t i = 0; i < zeros; ++i) blanks += "&nbsp;";
    return blanks + year.substr(zeros) + ":";
}

std::string ChildEntry(const Tindividual& child, const Tfamily& family, const TextRows& rows) {
    const Tlanguage& language = *rows.descriptions.language;
    std::string entry = ChildYear(child) + "<td>" + rows.Name(child);
    std::string link = child.PedigreeOf(&family);
    bool male = child.sex == 'M';
    if (link == "ADOP") entry += " (" + language.Adopted(male) + ")";
    if (link == "LEGI") entry += " (" + language.Legitimated(male) + ")";
    std::string row = rows.RowLink(child);
    if (!row.empty()) entry += " [" + row + "]";
    return entry + "</tr>\r\n";
}

// The children who have a box in the chart, with their birth years and
// links to their rows.
std::string ChildrenTable(const Tfamily& family, const TextRows& rows) {
    std::string table = "<table cellpadding=0 cellspacing=0>\r\n<tr><td width=90>&nbsp;&nbsp;" +
                        rows.descriptions.language->children + ":<td width=60>";
    bool first = true;
    for (const TfamilyChild& child : family.children) {
        if (!child.person || !rows.inChart.count(child.person)) continue;
        if (!first) table += "<tr><td><td>";
        first = false;
        table += ChildEntry(*child.person, family, rows);
    }
    return table + "</table>";
}

std::string FamilyBlock(const Tindividual& person, const TextRows& rows, bool childrenTables) {
    const bool male = person.sex == 'M';
    const bool numbered = person.famsList.size() > 1;
    std::string block;
    int k = 0;
    for (const Tspouse& link : person.famsList) {
        const Tfamily* family = link.family;
        if (!family) continue;
        // Without a partner there is no marriage line, but the children
        // are still listed: they have rows of their own in this chart.
        // The partner is whoever of the two is not the person: one without a
        // recorded sex must not marry himself.
        const Tindividual* spouse = family->husband == &person ? family->wife
                                    : family->wife == &person  ? family->husband
                                    : male                     ? family->wife
                                                               : family->husband;
        if (spouse) {
            std::string prefix = rows.descriptions.language->Married(male) + " ";
            if (numbered) prefix.append("(").append(std::to_string(++k)).append(") ");
            block += MarriageLine(*spouse, *family, prefix, rows);
        }
        if (childrenTables && !family->children.empty()) block += ChildrenTable(*family, rows);
    }
    return block;
}

void WriteRow(PageFile& file, const TlossPerson& node, const TextRows& rows) {
    const Tindividual& person = *node.person;
    std::string number = "<tr><td valign=top><a name=\"" + rows.Anchor(person) + "\"";
    const std::string& key = rows.numbers.KeyOf(node);
    if (!key.empty()) number += " href=\"" + key + "\"";
    number.append(">").append(rows.numbers.Label(node)).append("</a>");
    std::string description = PersonDescription(person, true, rows.descriptions);
    if (IsUnnamed(person)) {
        // The description opens with the name in bold, empty here (or only
        // a suffix or an alias): the word goes in front of it.
        const std::string word = UnnamedWord(person, *rows.descriptions.language);
        if (description.starts_with("<b></b>"))
            description.insert(3, word);
        else if (description.starts_with("<b>"))
            description.insert(3, word + " ");
        else
            description = "<b>" + word + "</b>; " + description;
    }
    if (rows.context.options.gedcomnotes)
        description = JoinWith(description, " ", rows.descriptions.FileText(person.notes));
    file.Line(number + "<td><td class=s>" + description + "<br>");
    file.Line(FamilyBlock(person, rows, true));
    file.Line("<br></tr>");
}

// Text cells are grey, the descriptions black.
TextPageHeadStyle GenealogyHeadStyle(const Tvariables& settings) {
    std::string rules =
        "table        { border=0pt cellpadding=0pt cellspacing=0pt width=\"100%\"}\r\n";
    rules +=
        "td           { font-family: " + settings.fontname + "; font-size: 10pt; color: gray }\r\n";
    rules += "td.s         { color: black }\r\n" + TextLinkRules(13, "{");
    return {rules, "<table>", "<td width=\"*\" align=center>"};
}

}  // namespace

std::string MarriagesBlock(const Tindividual& person, const PageContext& context) {
    const GenealogyRows none;
    const TextRows rows{context, none, context.Descriptions(), {}, {}};
    return FamilyBlock(person, rows, false);
}

void WriteGenealogyTextPage(const TinbredPerson& chart, const GenealogyRows& rows,
                            PageContext& context) {
    WriteTextPageFile(context, "a genealogy text file", [&](PageFile& file) {
        // A progress text, in the colour of work under way.
        context.reporter.ShowStatus(MessageText(Msg::ProducingHTMLGenealogy), StatusColour::Error);
        // The rows of a generation stand together in depth-first order,
        // which is the order of their ranks.
        std::vector<const TlossPerson*> order = rows.rows;
        std::stable_sort(order.begin(), order.end(),
                         [](const TlossPerson* a, const TlossPerson* b) {
                             return a->generation < b->generation;
                         });
        TextRows text{context, rows, context.Descriptions(), {}, {}};
        for (const TlossPerson* node : order) text.rowOf.emplace(node->person, node);
        for (const TlossPerson* node : chart.nodes)
            if (node->person) text.inChart.insert(node->person);
        file.Write(TextPageHead(context, GenealogyHeadStyle(context.settings)));
        WriteTextRows(file, order, "<tr><td><td><td align=center>", context.language,
                      [&](const TlossPerson& node) { WriteRow(file, node, text); });
    });
}

}  // namespace lg
