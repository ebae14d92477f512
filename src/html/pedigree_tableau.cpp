#include "html/pedigree_tableau.h"

#include <charconv>
#include <string>
#include <string_view>

#include "base/help_texts.h"
#include "base/html_text.h"
#include "base/text_helpers.h"
#include "charts/node_names.h"

namespace lg {
namespace {

void AppendNumber(std::string& text, int64_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text.append(digits, end);
}

std::string Number(int64_t number) {
    std::string text;
    AppendNumber(text, number);
    return text;
}

std::string ChartTitle(const TlossPerson& root, const PageContext& context) {
    if (!context.settings.title.empty()) return context.FileText(context.settings.title);
    std::string name = root.person ? root.person->FullName(context.options.properdisplay) : "";
    return context.language.pedigreeTitle + " " + context.language.OfPhrase(context.FileText(name));
}

// The boxes' styles: coloured by sex; the genealogy's also white for an
// unknown sex, and with grey borders ("s") off the family line.
void WriteBoxStyles(PageFile& file, const Tvariables& s, bool descendants) {
    file.Line("p             { font-family:" + s.fontname + "; font-size:" + Number(s.fontsize) +
              "pt; position: absolute; width:" + Number(s.boxwidth) +
              "; height:" + Number(s.boxheight) +
              "; left: 0; text-align: Center; border: 1pt solid black;"
              "margin-top: 0pt; margin-bottom: 1pt }");
    file.Line("p.m           { background-color:" + s.mcolor + "}");
    file.Line("p.f           { background-color:" + s.fcolor + "}");
    if (!descendants) return;
    file.Line("p.u           { background-color:#FFFFFF}");
    file.Line("p.ms          { background-color:" + s.mcolor + "; border: 1pt solid gray}");
    file.Line("p.fs          { background-color:" + s.fcolor + "; border: 1pt solid gray}");
    file.Line("p.us          { background-color:#FFFFFF; border: 1pt solid gray}");
}

// The lines' styles. A table without class is half a gap wide and shows
// its top, left and bottom borders (a bracket), class w is one column step
// wide, class h keeps only the top border (a horizontal line); the same
// with "s" appended are grey, and vs keeps only a grey left border.
void WriteTableStyles(PageFile& file, const Tvariables& s, bool descendants) {
    file.Line(
        "table         { position: absolute; border: 1pt solid black; "
        "border-right: 0pt; border-spacing: 0; width:" +
        Number(s.xspace / 2) + " }");
    if (descendants) {
        file.Line(
            "table.s       { position: absolute; border: 1pt solid gray; "
            "border-right: 0pt; border-spacing: 0; width:" +
            Number(s.xspace / 2) + " }");
    }
    file.Line("table.w       { width: " + Number(s.xspace + s.boxwidth) + "}");
    if (descendants) {
        file.Line("table.ws      { width: " + Number(s.xspace + s.boxwidth) +
                  "; border: 1pt solid gray; border-right: 0pt}");
    }
    file.Line("table.h       { border-left: 0pt; border-bottom: 0pt}");
    if (descendants) {
        file.Line(
            "table.hs      { border-top: 1pt solid gray; border-left: 0pt; border-bottom: 0pt}");
        file.Line(
            "table.vs      { border-left: 1pt solid gray; border-top: 0pt; border-bottom: 0pt}");
    }
}

// Head and style sheet of a chart page and its outline.
void WriteHead(PageFile& file, const PageContext& context, bool descendants) {
    const Tvariables& s = context.settings;
    const std::string linkRule =
        "; mso-text-animation:none; font-weight:normal; text-decoration:none; "
        "text-underline:none; text-line-through:none;}";
    file.Line("<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
    file.Line("<html>");
    file.Line("<head>");
    file.Line("  <meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
              context.language.Charset() + "\">");
    file.Line("  <meta name=\"Creator\" content=\"Lignorama by " + std::string(kAuthorName) + "; " +
              kContactEmail + "\">");
    file.Line(descendants
                  ? "  <meta name=\"Subject\" content=\"Descendants chart; genealogy\">"
                  : "  <meta name=\"Subject\" content=\"Ancestor chart; genealogy; pedigree\">");
    file.Line("  <meta name=\"Version\" content=\"" + std::string(kProgramVersion) + "\">");
    file.Line("  <meta name=\"Date\" content=\"" + PageDate(context.clock) + "\">");
    file.Line((descendants ? "<title>" : "  <title>") + context.FileText(s.title) + "</title>");
    file.Line("<style type=\"text/css\">");
    file.Line("<!--");
    WriteBoxStyles(file, s, descendants);
    WriteTableStyles(file, s, descendants);
    file.Line("a:link        { color:blue" + linkRule);
    file.Line("a:visited     { color:purple" + linkRule);
    file.Line("a:active      { color:red" + linkRule);
    file.Line("-->");
    file.Line("</style>");
    file.Line("<base target=\"_self\">");
    file.Line("</head>");
    file.Line("<body BGcolor=\"" + s.bgcolor + "\">");
}

// Title, sex legend and link block at the top left of a chart page. The
// genealogy's leaves the outline link out when the outline is disabled.
void WriteHeader(PageFile& file, const PageContext& context, bool probandLink, bool descendants) {
    const Tvariables& s = context.settings;
    const Tlanguage& words = context.language;
    const std::string legendLeft = Number(s.boxwidth / 4 + 10);
    file.Line("  <div style=\"position:absolute; left:" + Number(2 * s.boxwidth) +
              "; top:15\"><font face=" + s.fontname + "><b>" + context.chartTitle +
              "</b><br>&nbsp;</font></div>");
    file.Line("  <p class=m style=\"top:10; left:" + legendLeft + ";\">" + words.male + "</p>");
    file.Line("  <p class=f style=\"top:30; left:" + legendLeft + ";\">" + words.female + "</p>");
    file.Line("  <div style=\"position:absolute; top:50; left:10; width:" +
              Number(3 * s.boxwidth / 2) + "; height:44; text-align:center\">");
    file.Line("    <font face=\"Arial\" size=\"1\">");
    if (!s.links.empty()) file.Line((descendants ? "    " : "  ") + words.clickHint + "<br><br>");
    if (!s.homeurl.empty()) {
        file.Line("    <a href=\"" + s.homeurl + "\" target=\"" + s.homeframe +
                  "\" style=\"font-size:10pt\" title=\"" + s.hometitle + "\"><b>" + words.home +
                  "</b></a>");
    }
    file.Line("    <br>");
    file.Line("    <a href=\"" + std::string(kHomePageUrl) +
              "\" target=new style=\"font-size:8pt\" title=\"" + words.aboutPage + " (V" +
              std::string(kProgramVersion) + ")\">info</a>");
    if (!s.outline.empty() && !(descendants && s.outline == kDisabledOutput)) {
        file.Line("    <br><br><a href=\"" + s.outline +
                  "\" target=\"_self\" style=\"font-size:10pt\" title=\"" + words.outlineLink +
                  "\"><b>" + words.outlineTitle + "</b></a>");
    }
    if (probandLink) {
        file.Line("    <br><br><a href=\"#proband\" style=\"font-size:8pt\" title=\"" +
                  words.gotoProband + "\"><b>" + words.start + "</b></a>");
    }
    file.Line("    </font>");
    file.Line("  </div>");
}

void WriteOutlineHeader(PageFile& file, const PageContext& context) {
    const Tvariables& s = context.settings;
    file.Line("<div style=\"position:absolute; left:" + Number(2 * s.boxwidth) + "; top:15\">");
    file.Line("   <font face=" + s.fontname + ">");
    file.Line("     <b>" + context.chartTitle + "</b>");
    file.Line("     <br>&nbsp;<br>");
    file.Line(
        "     <a href=\"" + s.output + "\" target=\"_self\" style=\"font-size:10pt\" title=\"" +
        context.language.completeTableau + "\"><b>" + context.language.detailsLink + "</b></a>");
    file.Line("   </font>");
    file.Line("</div>");
}

// The sex shared by the proband and all full siblings, or a blank: the
// proband's box stands for the whole sibship.
char SiblingSex(const Tindividual& person) {
    const Tfamily* family = person.FirstFamily();
    if (!family) return ' ';
    char sex = 0;
    for (const TfamilyChild& child : family->children) {
        if (!child.person) continue;
        if (sex == 0) sex = child.person->sex;
        if (child.person->sex != sex) return ' ';
    }
    return sex == 0 ? ' ' : sex;
}

// The given names of the proband and all full siblings, then the surname.
std::string SiblingCaption(const Tindividual& person) {
    std::string names;
    const Tfamily* family = person.FirstFamily();
    if (family) {
        bool first = true;
        for (const TfamilyChild& child : family->children) {
            if (!child.person) continue;
            if (!first) names += ", ";
            names += child.person->givenNames;
            first = false;
        }
    }
    return JoinWith(names, " ", person.surname);
}

// The box's text: its label, linked to the person's row on the text page.
std::string BoxText(const TlossPerson& node, const ChartBoxes& boxes, const PageContext& context) {
    const Tvariables& s = context.settings;
    if (s.fontsize == 0 || !node.person) return {};
    std::string text;
    const std::string name =
        context.FileText(NameForNode(node, s.namingscheme, context.Names(), context.CurrentYear()));
    for (char c : name) {
        if (c == ' ') {
            text += "&nbsp;";
        } else {
            text += c;
        }
    }
    if (s.links.empty() || text.empty()) return text;
    return "<a href=\"" + TextLink(boxes.Anchor(node), s.links) + "\" title=\"" +
           AttributeText(context.FileText(boxes.Hint(node))) + "\" target=\"" + s.frame + "\">" +
           text + "</a>";
}

void WriteBox(PageFile& file, const TableauItem& box, int32_t pageX, int32_t pageY,
              const ChartBoxes& boxes, const PageContext& context) {
    const TlossPerson& node = *box.node;
    std::string line = "<p" + boxes.Class(node) + " style=\"top:";
    AppendNumber(line, pageY - context.settings.boxheight / 2);
    line += ";left:";
    AppendNumber(line, pageX - context.settings.boxwidth / 2);
    if (node.isDouble) line += "; border-style:dotted";
    line += "\">" + BoxText(node, boxes, context) + "</p>";
    file.Line(line);
}

// The opening of a line's table with its class (see WriteTableStyles).
const char* LineTable(const TableauItem& item, int32_t columnStep) {
    switch (item.kind) {
        case TableauItem::Horizontal:
            return item.solid ? "<table class=h" : "<table class=hs";
        case TableauItem::Vertical:
            return "<table class=vs";
        default:
            if (item.width == columnStep) return item.solid ? "<table class=w" : "<table class=ws";
            return item.solid ? "<table" : "<table class=s";
    }
}

void WriteLine(PageFile& file, const TableauItem& item, int32_t pageX, int32_t pageY,
               const Tvariables& s) {
    const int32_t linkLineWidth = s.xspace / 2 + s.boxwidth;
    const int32_t columnStep = s.boxwidth + s.xspace;
    std::string line = LineTable(item, columnStep);
    line += " style=\"top:";
    AppendNumber(line, pageY);
    line += ";left:";
    AppendNumber(line, pageX);
    // The style sheet's widths cover the usual lines and brackets.
    bool withWidth = item.width > linkLineWidth;
    if (item.kind != TableauItem::Horizontal) {
        line += ";height:";
        AppendNumber(line, int64_t{item.height} + 1);
        withWidth = item.kind == TableauItem::Bracket && item.width != linkLineWidth &&
                    item.width != columnStep;
    }
    if (withWidth) {
        line += ";width:";
        AppendNumber(line, item.width);
    }
    line += "\"><tr><td></table>";
    file.Line(line);
}

void WriteChartBody(PageFile& file, const PreparedTableau& page, const ChartBoxes& boxes,
                    const PageContext& context) {
    const Tvariables& s = context.settings;
    const int32_t dx = s.xoffset - page.left;
    const int32_t dy = s.yoffset - page.top;
    for (const TableauItem* item : page.lists.elements) {
        const int32_t pageX = item->x + dx;
        const int32_t pageY = item->y + dy;
        if (item->kind == TableauItem::Box) {
            WriteBox(file, *item, pageX, pageY, boxes, context);
        } else {
            WriteLine(file, *item, pageX, pageY, s);
        }
    }
    const int32_t rootY = page.rootY + dy;
    if (rootY > 600) {
        file.Line("<p style=\"top:" + Number(rootY - 300) +
                  ";left:10;border:0pt\"><a name=\"proband\"></a></p>");
    }
    file.Line("</body>");
    file.Line("</html>");
}

// Shrinks the chart to the outline's small boxes without text while the
// outline is written, whatever way the writer leaves.
class OutlineSizes {
  public:
    explicit OutlineSizes(Tvariables& settings)
        : settings_(settings),
          saved_{settings.boxwidth, settings.boxheight, settings.xspace, settings.yspace,
                 settings.fontsize} {
        Set({30, 4, 16, 4, 0});
    }
    ~OutlineSizes() { Set(saved_); }
    OutlineSizes(const OutlineSizes&) = delete;
    OutlineSizes& operator=(const OutlineSizes&) = delete;

  private:
    struct Sizes {
        int32_t boxwidth, boxheight, xspace, yspace, fontsize;
    };
    void Set(const Sizes& sizes) {
        settings_.boxwidth = sizes.boxwidth;
        settings_.boxheight = sizes.boxheight;
        settings_.xspace = sizes.xspace;
        settings_.yspace = sizes.yspace;
        settings_.fontsize = sizes.fontsize;
    }

    Tvariables& settings_;
    Sizes saved_;
};

// The pedigree's boxes: coloured by sex (the proband's by the sex of the
// whole sibship), with ancestor numbers in the hints.
class PedigreeBoxes final : public ChartBoxes {
  public:
    PedigreeBoxes(const TlossPerson& root, const PageContext& context)
        : root_(root), context_(context) {}

    std::string Class(const TlossPerson& node) const override {
        if (!node.person) return {};
        const char sex = &node == &root_ ? SiblingSex(*node.person) : node.person->sex;
        if (sex == 'F') return " class=f";
        if (sex == 'M') return " class=m";
        return {};
    }

    std::string Hint(const TlossPerson& node) const override {
        const Tindividual& person = *node.person;
        std::string hint = &node == &root_ ? SiblingCaption(person)
                                           : NumberLabel(node) + ": " +
                                                 person.FullName(context_.options.properdisplay);
        hint += person.BirthYearSuffix();
        if (node.isDouble && node.twin) hint += " (eq: " + NumberLabel(*node.twin) + ")";
        return hint;
    }

    // A further occurrence leads to the one description of the person.
    std::string Anchor(const TlossPerson& node) const override {
        const TlossPerson& principal = node.isDouble && node.twin ? *node.twin : node;
        return PersonAnchor(principal, context_.options.bookmarks);
    }

  private:
    const TlossPerson& root_;
    const PageContext& context_;
};

}  // namespace

void WriteChartPage(const TinbredPerson& chart, PageContext& context, const ChartPageKind& kind) {
    Tvariables& s = context.settings;
    // Without a file name the run already said "No output file specified."
    if (s.output.empty()) return;
    PreparedTableau page;
    if (!PrepareTableau(chart, s, kind.direction, context.reporter, page)) return;
    const int32_t clearance = HeaderClearance(page.left, page.top, page.lists.elements, s);
    if (clearance > s.yoffset) s.yoffset = clearance;
    const bool descendants = kind.direction == ChartDirection::Descendants;
    PageFile file(context, s.output, "the chart page");
    WriteHead(file, context, descendants);
    WriteHeader(file, context, page.probandLink, descendants);
    WriteChartBody(file, page, kind.boxes, context);
    file.Close();
}

void WriteChartOutline(const TinbredPerson& chart, PageContext& context,
                       const ChartPageKind& kind) {
    OutlineSizes sizes(context.settings);
    PreparedTableau page;
    if (!PrepareTableau(chart, context.settings, kind.direction, context.reporter, page)) return;
    PageFile file(context, context.settings.outline, "the outline page");
    WriteHead(file, context, kind.direction == ChartDirection::Descendants);
    WriteOutlineHeader(file, context);
    WriteChartBody(file, page, kind.boxes, context);
    file.Close();
}

void WriteGenealogyHead(PageFile& file, const PageContext& context) {
    WriteHead(file, context, true);
}

void WriteChartHeader(PageFile& file, const PageContext& context, bool probandLink,
                      std::string_view imageFile) {
    if (!imageFile.empty()) {
        file.Line("<img style=\"position: absolute; top:0; left:0\" src=" + std::string(imageFile) +
                  ">");
    }
    WriteHeader(file, context, probandLink, true);
}

void WriteTableauPage(const TinbredPerson& chart, PageContext& context) {
    const TlossPerson& root = *chart.proband;
    context.chartTitle = ChartTitle(root, context);
    const PedigreeBoxes boxes(root, context);
    WriteChartPage(chart, context, {ChartDirection::Ancestors, boxes});
}

void WriteOutlinePage(const TinbredPerson& chart, PageContext& context) {
    if (context.settings.outline.empty()) return;
    const PedigreeBoxes boxes(*chart.proband, context);
    WriteChartOutline(chart, context, {ChartDirection::Ancestors, boxes});
}

}  // namespace lg
