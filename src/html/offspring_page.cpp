#include "html/offspring_page.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "base/html_text.h"
#include "base/text_helpers.h"
#include "charts/chart_view.h"
#include "charts/node_names.h"
#include "html/genealogy_pages.h"
#include "html/pedigree_tableau.h"
#include "html/person_description.h"

namespace lg {
namespace {

// Whether the file may be replaced by a picture: it is missing, empty, or
// carries the program's mark near its start.
bool PictureIsOurs(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return true;
    std::string head(4096, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head.empty() || head.find(kOffspringImageMark) != std::string::npos;
}

// The picture's name as the page's src attribute, which has no quotes: a
// blank would end it.
std::string ImageSource(std::string_view name) {
    std::string source;
    for (char c : name) {
        if (c == ' ')
            source += "%20";
        else
            source += c;
    }
    return source;
}

std::string Number(int64_t number) {
    return std::to_string(number);
}

// The box's hint: the description and the marriages, one line each.
std::string BoxHint(const Tindividual& person, const PageContext& context) {
    if (context.settings.fontsize == 0) return {};
    return DropFinalLineBreak(PersonDescription(person, false, context.Descriptions()) + "\r\n" +
                              LineBreaksFromHtml(MarriagesBlock(person, context)));
}

std::string BoxLine(const TlossPerson& node, PixelPoint centre, const PageContext& context) {
    const Tvariables& s = context.settings;
    const char sex = node.person ? node.person->sex : ' ';
    std::string line = sex == 'M' ? "<p class=m" : sex == 'F' ? "<p class=f" : "<p class=u";
    line += " style=\"top:" + Number(centre.y - s.boxheight / 2) +
            ";left:" + Number(centre.x - s.boxwidth / 2);
    if (node.isDouble) line += "; border-style:dotted";
    line += "\">";
    std::string text;
    if (node.person) {
        for (char c : context.FileText(
                 NameForNode(node, s.namingscheme, context.Names(), context.CurrentYear()))) {
            if (c == ' ')
                text += "&nbsp;";
            else
                text += c;
        }
    }
    // The link leads nowhere: it only carries the hint.
    if (!s.links.empty() && !text.empty()) {
        text = "<a href=\"#top\" title=\"" + AttributeText(BoxHint(*node.person, context)) + "\">" +
               text + "</a>";
    }
    return line + text + "</p>";
}

bool InChart(const TinbredPerson& chart, const TlossPerson& node) {
    return node.index >= 0 && static_cast<std::size_t>(node.index) < chart.nodes.size() &&
           chart.nodes[static_cast<std::size_t>(node.index)] == &node;
}

}  // namespace

std::string OffspringImageName(std::string_view output) {
    const std::size_t dot = output.rfind('.');
    return std::string(output.substr(0, dot)) + ".jpg";
}

void WriteOffspringImage(const TinbredPerson& chart, PageContext& context) {
    const std::string& output = context.settings.output;
    if (output.empty()) return;
    const std::string name = OffspringImageName(output);
    const std::string path = context.PathOf(name);
    if (!PictureIsOurs(path)) {
        ReportNotGeneratedByUs(context, name, "the offspring picture");
        return;
    }
    const ChartImage image = context.chartImage ? context.chartImage(chart, context)
                                                : ChartImage{{}, "this build cannot draw."};
    if (image.bytes.empty()) {
        context.reporter.AddMessage("The picture " + name + " was not made: " + image.error, true);
        return;
    }
    std::unique_ptr<SafeFile> own;
    SafeFile* file = nullptr;
    if (context.pages) {
        file = &context.pages->Open(path);
    } else {
        own = std::make_unique<SafeFile>(path);
        file = own.get();
    }
    file->Write(image.bytes);
    if (!file->Ok() || !(own ? own->Commit() : file->Finish())) throw PageWriteError(file->Error());
}

void WriteOffspringPage(const TinbredPerson& chart, PageContext& context) {
    const Tvariables& s = context.settings;
    // Without a file name the run already said "No output file specified."
    if (s.output.empty() || !chart.proband) return;
    context.chartTitle = GenealogyTitle(*chart.proband, context, false);
    const ChartLayout layout = LayOutChart(chart, ChartMetrics::Of(s), ChartShape::Fan);
    PageFile file(context, s.output, "the offspring page");
    WriteGenealogyHead(file, context);
    WriteChartHeader(file, context, false, ImageSource(OffspringImageName(s.output)));
    file.Line("<a name=\"top\"></a>");
    std::vector<const TlossPerson*> work{chart.proband};
    while (!work.empty()) {
        const TlossPerson& node = *work.back();
        work.pop_back();
        if (node.sosa == 1 && InChart(chart, node))
            file.Line(BoxLine(node, layout.CentreOf(node), context));
        for (auto child = node.children.rbegin(); child != node.children.rend(); ++child)
            if (*child) work.push_back(*child);
    }
    file.Line("</body>");
    file.Line("</html>");
    file.Close();
}

}  // namespace lg
