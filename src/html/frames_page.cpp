#include "html/frames_page.h"

#include "base/help_texts.h"
#include "base/text_helpers.h"

namespace lg {

void WriteFramesPage(const TlossPerson& root, PageContext& context) {
    const Tvariables& s = context.settings;
    if (s.page.empty()) return;
    std::string bottom = s.links;
    if (s.links.find('#') != std::string::npos && root.person)
        bottom = TextLink(BookmarkOf(root.person->ID, context.options.bookmarks), s.links);
    PageFile file(context, s.page, "the frames page");
    file.Line("<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">");
    file.Line("<html>");
    file.Line("<head>");
    file.Line("<title>" + context.FileText(s.title) + "</title>");
    file.Line("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
              context.language.Charset() + "\">");
    file.Line("<meta name=\"Creator\" content=\"" + std::string(kContactEmail) + "\">");
    file.Line("<meta name=\"Version\" content=\"" + std::string(kProgramVersion) + "\">");
    file.Line("<meta name=\"Date\" content=\"" + PageDate(context.clock) + "\">");
    file.Line("</head>");
    file.Line("<frameset rows=\"" + std::to_string(s.tableauspace) + "%,*\">");
    file.Line("  <frame name=\"top\" src=\"" + s.output + "\">");
    file.Line("  <frame name=\"bottom\" src=\"" + bottom + "\">");
    file.Line("  <noframes>");
    file.Line("  <body>");
    file.Line("  <p>This page uses frames, but your browser doesn't support them.</p>");
    file.Line("  </body>");
    file.Line("  </noframes>");
    file.Line("</frameset>");
    file.Line("</html>");
    file.Close();
}

}  // namespace lg
