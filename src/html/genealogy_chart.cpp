#include <string>

#include "base/text_helpers.h"
#include "html/genealogy_pages.h"
#include "html/pedigree_tableau.h"

// The genealogy's chart page and its outline: the pedigree's page writer,
// growing to the children, with grey boxes and lines off the family line.

namespace lg {

std::string GenealogyTitle(const TlossPerson& root, const PageContext& context, bool withType) {
    const Tvariables& s = context.settings;
    if (!s.title.empty()) return context.FileText(s.title);
    const Tlanguage& words = context.language;
    std::string name;
    if (root.person && IsUnnamed(*root.person))
        name = UnnamedWord(*root.person, words);
    else if (root.person)
        name = context.FileText(root.person->FullName(context.options.properdisplay));
    std::string title = words.genealogyTitle + " " + words.OfPhrase(name);
    if (!withType) return title;
    if (s.genealogytype == 'm') title += " (" + words.maleLine + ")";
    if (s.genealogytype == 'n' && !words.sameNamesOnly.empty())
        title += " (" + words.sameNamesOnly + ")";
    return title;
}

namespace {

// The genealogy's boxes: coloured by sex (white when it is not recorded),
// with grey borders off the family line when the naming scheme asks for
// it, and the rows' numbers in the hints.
class GenealogyBoxes final : public ChartBoxes {
  public:
    GenealogyBoxes(const PageContext& context, const GenealogyRows& rows)
        : context_(context), rows_(rows), greyOffLine_(GreyOffFamilyLine(context.settings)) {}

    std::string Class(const TlossPerson& node) const override {
        const char sex = node.person ? node.person->sex : ' ';
        std::string result = sex == 'M' ? " class=m" : sex == 'F' ? " class=f" : " class=u";
        if (!node.lineFlag && greyOffLine_) result += 's';
        return result;
    }

    // Every occurrence of a person names the one row of the person: that of
    // the principal occurrence. (Its twin would do for the others, but the
    // principal's twin has no row of its own.)
    std::string Hint(const TlossPerson& node) const override {
        const TlossPerson& row = node.isDouble ? Principal(node) : node;
        return std::to_string(row.generation) + "." + std::to_string(rows_.RankOf(row)) + ": " +
               node.person->FullName(context_.options.properdisplay) +
               node.person->BirthYearSuffix();
    }

    // Every occurrence of a person leads to the same row, so the anchor is
    // the person's, never the box's number.
    std::string Anchor(const TlossPerson& node) const override {
        return BookmarkOf(node.person->ID, context_.options.bookmarks);
    }

  private:
    static const TlossPerson& Principal(const TlossPerson& node) {
        if (node.principal) return *node.principal;
        return node.twin ? *node.twin : node;
    }

    const PageContext& context_;
    const GenealogyRows& rows_;
    bool greyOffLine_;
};

}  // namespace

void WriteGenealogyPage(const TinbredPerson& chart, const GenealogyRows& rows,
                        PageContext& context) {
    context.chartTitle = GenealogyTitle(*chart.proband, context, true);
    const GenealogyBoxes boxes(context, rows);
    WriteChartPage(chart, context, {ChartDirection::Descendants, boxes});
}

void WriteGenealogyOutline(const TinbredPerson& chart, const GenealogyRows& rows,
                           PageContext& context) {
    const std::string& outline = context.settings.outline;
    if (outline.empty() || outline == kDisabledOutput) return;
    const GenealogyBoxes boxes(context, rows);
    WriteChartOutline(chart, context, {ChartDirection::Descendants, boxes});
}

}  // namespace lg
