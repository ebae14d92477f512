#include "base/messages.h"

#include <iterator>

namespace lg {
namespace {

// One entry per Msg, in the same order. "\r\n" is the line break inside a
// text; bytes above 127 are code page 1252 and written as escapes.
constexpr std::string_view kTexts[] = {

    // Main window and run
    "Ready to calculate",
    "Specify input file with saved parameter settings",
    "Input",
    "Specify your source gedcom file",
    "Type of file is not clear.",
    "%string is not a valid number.",
    "Save your parameters in an input file",
    "Do you want to save your changes ?",
    "No file to view",
    "Help is updated",
    "Process interrupted by user",
    "Input error on %file.",
    "Family data on source file. That is not allowed (as of V4.0).",
    "An error was reported.",
    "Error trapped, cause unknown.",
    "No output file specified.",
    "%n names in tree.",
    "No output generated",
    "Run %n completed",
    "You can bypass the selection of probands by holding down the Ctrl key while pressing %key",
    "A program error occurred. Please report by e-mail to %email with a brief problem description "
    "and your input files as attachment.",

    // Captions that the main window puts on its controls and that help texts name
    "Naming Scheme",
    "Chart Depth",
    "Make Chart",
    "View Chart",
    "Save Data",
    "Output",
    "Params",
    "Browse",
    "Include descendants",
    "Options",
    "Introduction",
    "To get started",

    // Naming-scheme dialog vocabulary
    "How to show/hide names",
    "Conditions",
    "Display",
    "<show no name>",
    "surname",
    "initial + surname",
    "given name",
    "given name + surname",
    "highlight family name branches",
    "alive",
    "female",
    "male",
    "name of family",
    "no offspring",
    "parent's name",
    "everybody",

    // Parameter file
    "Can not open the file \"%name\"",
    "File \"%name\" is empty.",
    "File \"%name\" is a folder, not a GEDCOM file.",

    // GEDCOM reading
    "Reading \"%sstring\". Can not process the LEVEL indicator.",
    "There is an illegal character in your gedcom, around line nr %n.",
    "Problem line : \"%string\"",
    "Last complete line:",
    "Last INDI record:",
    "Last FAM  record:",
    "Error reading gedcom file.",
    "%n persons",
    "%n families",
    "Your Gedcom file uses %string character coding.",
    "Your gedcom file has not (or illegally) specified its character encoding. Check the helpfile "
    "if you have problems with diacritics (such as \xE2"
    ").",
    "Gedcom file \"%name\" does not exist in directory \"%dir\".",
    "Can not open the gedcom file \"%name\"",
    "Data file format: GEDCOM",
    "Your gedcom is corrupt around line nr %n",
    "(at or before character position %pos.)",
    "(a byte too many or too few in its UTF-16 text): the rest of that line could not be read.",
    "(a byte too many or too few in its UTF-16 text): the rest of the file could not be read.",
    "%n %tag records have the ID @%ID@ (lines %lines); links go to the first of them, at line "
    "%line.",
    "%n more IDs are shared by several records; the error report lists them all.",

    // Person records
    "(alias %string)",
    "unknown",

    // Consistency checks and error report
    "Verifying gedcom consistency",
    "Your gedcom file has inconsistent links or dates, reported below. Check the WWW help page for "
    "further insight into these errors:",
    "Dubious data on your gedcom file",
    "This file",
    "Path",
    "Date",
    "Checks",
    "Persons with improper sex",
    "Person (not a stillborn) has incorrect sex.",
    "HUSB has wrong sex",
    "WIFE has wrong sex",
    "Partner has wrong sex",
    "Incorrect FAMC links",
    "Lignorama will disregard the FAMC link.",
    "FAMC link in INDI record does not exist. (The person seems to be child of a non-existing "
    "family.)",
    "FAMC link in INDI record is not matched with a corresponding CHIL link in the FAM record. "
    "(The person claims to be child of an existing family, but that family does not list him/her "
    "as a child.)",
    "Details of the FAMC reference:",
    "Incorrect FAMS links",
    "Lignorama will disregard the FAMS link.",
    "FAMS link in INDI record does not exist. (The person seems to be partner in a non-existing "
    "family.)",
    "FAMS link in INDI record is not matched with a corresponding HUSB/WIFE link in the FAM "
    "record. (The person claims to be partner in an existing family, but that family does not list "
    "him/her as a HUSB or WIFE.)",
    "INDI record links to FAMS twice. (The person is listed more than once as partner in the same "
    "marriage.)",
    "Two FAM records appear to be identical. (The person is married twice, while these marriages "
    "can not be distiguished or it can not be determined which marriage came first)",
    "Details of the FAMS reference:",
    "Incorrect CHIL links",
    "Lignorama will disregard the CHIL link.",
    "CHIL link in FAM record does not exist. (The family lists a child for which there is no INDI "
    "record.)",
    "CHIL link in FAM record is not matched with a corresponding FAMC link in the INDI record. "
    "(The family claims to have an existing child, but that child does not list the family as a "
    "FAMC.)",
    "Details of the CHIL link:",
    "Incorrect HUSB/WIFE links",
    "HUSB link in FAM record does not exist. (The family lists a husband for which there is no "
    "INDI record.)",
    "HUSB link in FAM record is not matched with a corresponding FAMS link in the INDI record. "
    "(The family claims to have an existing husband, but that husband does not list the family as "
    "a FAMS.)",
    "WIFE link in FAM record does not exist. (The family lists a wife for which there is no INDI "
    "record.)",
    "WIFE link in FAM record is not matched with a corresponding FAMS link in the INDI record. "
    "(The family claims to have an existing wife, but that wife does not list the family as a "
    "FAMS.)",
    "Details of the HUSB link:",
    "Details of the WIFE link:",
    "Lignorama will disregard the HUSB link.",
    "Lignorama will disregard the WIFE link.",
    "More than one birth family",
    "Lignorama will keep BIRT in %ID and change the others to ADOP",
    "A person seems to be child (through birth) in more than one family. Most likely an adoption "
    "is not presented correctly.",
    "A person is linked to the same family twice.",
    "Dubious or inconsistent dates",
    "Baptise inconsistent within family practice",
    "Enough overlap for marriage?",
    "Marriages out of order ?",
    "Children out of order",
    "2 children born within 9 months",
    "born",
    "died",
    "baptised",
    "married",
    "separated",
    "remarried",
    "buried",
    "child",
    "years",
    "Maybe your gedcom contains inconsistent data. Click %viewbutton to inspect a detailed error "
    "report. (You can subsequently print it via right mouse button.)",
    "Records with the same ID",
    "Several records have the same ID. (Every link to that ID reaches only one of them.)",
    "Lignorama will link to the first of them, at line %line.",
    "The error report \"%file\" could not be written: %reason.",

    // Tree construction and placement
    "Constructing the tree",
    "Constructing ancestor trees: %n",
    "Gedcom file has no names.",
    "%n name boxes in chart.",
    "There seems to be a loop in your gedcom.",
    "Lignorama is unable to pinpoint the problem spot. Try \"inbreeding\". There is a chance that "
    "you get more information about the problem via that function.",
    "Calculating tree size: %n",
    "Automatic selection of proband, based on tree depth.",
    "Calculating vertical placements",
    "group %nr",
    "Time-spacing in group %nr is problematic. There may be a cyclic relationship.",
    "There is an infinite loop in your family data.",
    "This means that someones child is also his/her (grand)parent.",
    "The following trace should allow you to locate the problem. Each following line is a child of "
    "the person above it.",
    "This report may be wrong.",
    "The last person appears earlier in this list, and hence is an ancestor of itself",

    // Pedigree loss
    "There is definitely a loop in your gedcom.\r\nThe problem is detected when tracking the "
    "%family of (%ID) %name.",
    "Calculating pedigree loss: %n",
    "Collecting relevant persons : %n",
    "Preparing for tracking and tracing",
    "Press Esc to interrupt calculations",
    "There is no inbreeding in the recorded data.",
    "Pedigree loss and group size for persons with gene-related parents",
    "Preparing selection lists; %n to go",
    "Building chart %index; To go : %n",
    "Ready to view %n charts",
    "parents",
    "children",

    // Kinship
    "Calculating kinship coefficients",
    "Coding of persons:",
    "Kinship coefficients:",
    "Kinship coefficients (in %):",
    "Kinship coefficients (in generations):",
    "Save kinship coefficients",
    "Persons:",
    "Coefficients written in ;-separated format",
    "Calculations completed",
    "No kinship to show (less than 2 persons specified).",
    "No chart to show",
    "Building chart",
    "Building trees; To go : %n",
    "Common ancestors: %n",
    "No common ancestors",

    // HTML pages
    "The character \"#\" in \"%link\" (Text Links) indicates that the textual links will be to a "
    "collection of files, rather than to one file. You will have to supply them yourself. In this "
    "case Lignorama will not generate a text file.",
    "The file %file already exists and it was not generated by this program. In order not to "
    "overwrite your work, %what was not produced.",
    "Unable to open/create %file",
    "Unable to write %file: %reason. The pages were left as they were.",
    "The file name \"%name\" holds a folder. Pages are written into the output folder only: "
    "give a file name without a folder.",
    "Producing HTML genealogy",
    "Pages written: %file",
    "Settings saved in %file",
    "%name (gedcom ID=%ID) and %name (gedcom ID=%ID) seem to have married twice.",
    "WARNING",
    "NOTE",

    // Printing
    "(no title)",
    "Ready with printing",
    "page %y/%x",
    "Printing page %y/%x",

    // Chart windows
    "Pedigree",
    "Pedigree loss",
    "Inbreeding chart",
    "Kinship",
    "Previous focus person",
    "Next focus person",
    "Double-click any person to re-focus",
    "Focus on %person",
    "grandparents",
    "focus person",
    "partner",
    "chart",
    "Descendants",
    "Genealogy",
    "Time",
    "The chart shows all known offspring of the proband",
    "The chart shows all known ancestors of the proband",
    " (via sons)",
    " (with the same name)",
    "Those that descended via the male family lines (or kept their name via the mother) are drawn "
    "with black connecting lines (the other lines are gray).",
    "Right-click a box to alter the display of the name. The HTML files will reflect your choice.",
    "<blank>",
    "@ branch OFF",
    "@ branch ON",
    "@ not an option",
    "--- Double: click for link ---",
    "Ancestors",
    "Navigation: use PgUp/PgDn to scroll vertically; in combination with Ctrl to scroll "
    "horizontally.\r\nDouble-click a name for a display of close family.\r\nRight-click between "
    "boxes to alter dimensions.",
    "Grayish boxes indicate that the person involved has both parents in the chart (an inbreeding "
    "relationship exesits, but the gray coloring does not indicate how tight it is). You can find "
    "the other parent by clicking on the person. Further offspring is only shown in one branch.",
    "If you select <blank>, then the box will be shown without a name.",
    "The drop-down list shows everybody in the chart. Select one and the display will center "
    "around him. If you step through the list, every person visited will be highlighted.",
    "A grayish box indicates that the person involved appears more than once in the chart (a "
    "common ancestor). Further ancestors are only shown in the principal branch, which you can "
    "find by clicking on such a person. ",
    "Move over a name to get the person's details.",
    "Click anywhere else to remove the highlights (and remove this help text).",
    "Time needed grows exponentially with %chartdepth ...",
    "Move the %chartdepth bar to the right to raise the truncation limit (max nr of persons per "
    "generation). Beware that this may lengthen the calculations.",
    "Note: this graph has been truncated in order to limit its size to manageable proportions. As "
    "a result some ancestor lines will terminate before they reach a common ancestor and therefore "
    "some persons will not respond to a click, because their common ancestors can not be shown.",
    "White-boxed persons have 2 parents, 4 grandparents, and so on. For persons in a grayish box "
    "this is not the case: one or more ancestors are reached via more than one route. The loss-% "
    "shows how far back this happens (losing 1 out of 4 grandparents implies a loss of 25%; 1 out "
    "of 8 grand-grandparents is 12.5% and so on). The higher the loss, the darker the box.",
    "Click on a box to see the ancestors and descendants of that person ('double' ancestors will "
    "be highlighted, as do descendants who get this person's genes from both parents).",
    "The drop-down list shows the persons who suffer pedigree loss. By selecting one, you move to "
    "a graph where this person's ancestry is shown. It may be that the same person appears in "
    "another graph - but with incomplete ancestor lines.",
    "Kinship visualised",
    "The graph shows all ancestors necessary to explain the kinship between the highlighted "
    "probands.",
    "Click on a box to highlight the lines to ancestors and descendants of that person.",
    "The drop-down list shows all the ancestors whose genes pass via different routes to two or "
    "more of the probands. (These ancestors are on meeting points of the pedigrees of the "
    "probands.) In the graph they are grayish. When you select one from the list, the "
    "corresponding box will be accentuated.",

    // Selection dialogs
    "Select a name in the left list and double-click, space bar, Ins or use > button, to add it to "
    "the right list. Remove from right list in a similar way (or press Del).",
    "The left list contains all the persons in the gedcom.",
    "For the ones you select in the right list, a kinship chart will be produced and their kinship "
    "coefficients will be calculated.",
    "For the ones you select in the right list, an inbreeding chart will be produced and their "
    "pedigree loss calculated.",
    "An empty list means: analysis for all persons in gedcom.",
    "Click in the list and type a few letters to jump to the first entry with those letters. "
    "(Don't wait too long between letters, otherwise it is interpreted as a restart.) Double-click "
    "or press OK, otherwise the person with the largest tree will be chosen.",
    "The proband will be remembered. Next time you make a chart, your previous selection will be "
    "highlighted in the list. If you want to continue without change, just press OK.",

    // Help pages (titles and paragraphs)
    "A person's pedigree",
    "Program output",
    "Inbreeding and pedigree reduction",
    "Kinship theory",
    "A person's genealogy",
    "A person's offspring",
    "You can use the program Lignorama.exe to generate HTML files for the display of a graphical "
    "pedigree or genealogy chart.\r\nSuch a chart is a great way to visualize your family tree.",
    "You can also analyse the inbreeding and kinship relationships in your family. The output of "
    "this process is on-screen. You will not be able to publish it in html form.",
    "More extensive help you can find on the web. Once you have generated a pedigree or genealogy, "
    "you can follow the Info link on it. This will guide you to the help page, which has further "
    "links to the original site and our email address, and to a list of other graphical family "
    "trees. But in particular, the site will assist you with the parameters and discuss more "
    "advanced issues. It will also tell you if there is a more recent version of the program and "
    "what changes have been incorporated.",
    "Nb: once you have selected a chart-type, this help text will change to be specific for that "
    "type of analysis.",
    "Make sure you have exported your family data to a gedcom file.\r\nStep 1: select this file "
    "with the Gedcom Browse button and choose a language for the textual bits.\r\nStep 2: choose "
    "the type of chart in the output-type list.\r\nStep 3: calculate a chart with the %go "
    "button.\r\nStep 4: view your results with the %view button.",
    "Right-click to change some of the dimensions or name presentations until you are satisfied "
    "with the result. Then click HTML to produce the html outputs (and view them).",
    "Save your settings (the parameters) in a file with the %SaveData button. When you open the "
    "program next time, browse for this file with the %Params %Browse button and all your settings "
    "are restored.",
    "The HTML output files are stored in the directory where your gedcom or parameter input file "
    "was found. The Frames Page is the key one: it is the container in which graphical tableau and "
    "textual references are bound together. This is the one to link to when you publish. And the "
    "other output files should be published in the same directory.",
    " -  Make a pedigree, genealogy or inbreeding "
    "chart.\r\n======================================================\r\nUse Lignorama for "
    "graphical analysis of genealogical data.\r\nYou can make a pedigree or genealogy for "
    "web-publishing, visualise the inbreeding in your family or compute and show the kinship "
    "between various persons.",
    "Check the Help button for a quick start.",
    "A pedigree is the simplest genealogical report. It starts with one person - the proband - "
    "and, banning inbreeding, doubles with every generation (backwards in time).",
    "The program uses a special algorithm to lay out the branches without white space. It spreads "
    "them such that the descendant is always halfway between father and mother, and these are "
    "placed in such a way that there is no wasted space between branches.",
    "We avoid the connecting lines necessary to display common ancestors since they confuse, "
    "rather then provide insight. Use the inbreeding graphs to analyse this phenomenon.",
    "The program produces four pedigree output files in html format:",
    "1: the pedigree in text form, with essential personal data in the language of your choice;",
    "2: the graphical tableau, with all the ancestors of the proband.",
    "3: an outline tableau, without names and without hyperlinks. It serves as a helicopter view "
    "for very large tableaus;",
    "4: a frames page to bind the other three together. This is the one to link to when you "
    "publish on the web.",
    "To cope with the difficulty of displaying lines in html we use features which are only "
    "supported by the latest browsers.",
    "Any person receives half of its genetic material from the father and half of it from the "
    "mother. It is subsequently passed on to the grandchildren, and so on, every time diluting the "
    "kinship correlation by a factor 2.",
    "Suppose you put someones DNA strands in a bowl and pick two from it at random. Now check if "
    "the genes on the one are similar to those on the other strand. Typically, you have a 50/50 "
    "chance of drawing two strands from the father side or from the mother side. In that case the "
    "genes will match. In the other 50% of the cases, you have one from the father and one from "
    "the mother. There is now no match if father and mother were unrelated. But if father and "
    "mother share one or more ancestors, their DNA will be correlated and the matching percentage "
    "is higher than 0.",
    "So, if father and mother are unrelated, the gene matching percentage of their child is 50; "
    "when they are related, the matching percentage is higher than 50. This percentage is the "
    "kinship coefficient. It can likewise be calculated for any two persons. If their kinship "
    "coefficient is zero, then their ancestry is unrelated. If it is non-zero, they share one or "
    "more ancestors.",
    "The kinship coefficient is calculated for any combination of up to 10 persons.",
    "Since kinship = having a common ancestor, the calculation focusses on finding these common "
    "ancestors. They are listed in the report memo in the order by which they are encountered.",
    "The report continues with a listing of the persons for which the kinship is calculated. Each "
    "gets an identification letter. This letter is subsequently used to label the entries in the "
    "coefficient matrices. There are two matrices: the first one with the coefs expressed as a "
    "percentage; the second one expresses it as a generation distance. (The distance parent-child "
    "is 1, brother-half sister is 2, brother - sister (two common parents) is 1, etc.)",
    "In the graph, all common ancestors are shown, together with the intermediate persons who pass "
    "their genes on. Clicking any name will reveal ancestors and descendants of that person.",
    "The chart will be truncated if it is too large. Move the %chartdepth bar to the right to "
    "raise the truncation limit (max nr of persons per generation). Beware that this may lengthen "
    "the calculations.",
    "Consider the pedigree for a person. Typically, the number of ancestors in a given generation "
    "away from the proband can be twice the number in the previous generation. The tree grows with "
    "a factor 2 per generation. However, when there is any form of inbreeding, this is no longer "
    "the case.",
    "Inbreeding means that an ancestor's genes are received via the mother as well as via the "
    "father. In the pedigree it implies that two branches meet. Once that has happened the "
    "pedigree will grow further with a factor of 2 per generation, but without the part for the "
    "'double' ancestor.",
    "Inbreeding thus leads to pedigree reduction but pedigree reduction does not imply that a "
    "person is 'inbred'. To be inbred, your father and mother must have a common ancestor. You "
    "then suffer pedigree loss. But you have loss as well when one of your ancestors is inbred "
    "while you are clean. For, if you have an ancestor with related parents, he will suffer "
    "pedigree loss and this loss will show up in your pedigree as well, even when your father and "
    "mother are absolutely unrelated.",
    "Use the Kinship function to determine if and how much your father and mother are related.",
    "You can specify persons for whom pedigree loss must be calculated, or you can run the "
    "analysis for the whole gedcom. Even for very large gedcoms this latter option will work fine, "
    "unless there is very much inbreeding.",
    "The graphs show persons with common genes via father and mother, i.e. with some grade of "
    "inbreeding - even if it spans 10 generations or more. Each graph is a part of the pedigree of "
    "one person. It is the part responsible for his pedigree loss. So, only the ancestors in "
    "meeting branches are displayed. It may well be that the complete graph of one person is "
    "contained in that of another. Select the person of your choice in the drop down list of the "
    "graph.",
    "We use a color code to indicate the pedigree loss: the higher the loss, the darker the "
    "person's box. The loss is expressed as a percentage: the part of the pedigree that is missing "
    "for that person.",
    "The genealogy shows a person's descendants. A full genealogy will contain everybody with "
    "genes from the proband. ",
    "The offspring tree shows a person's descendants. A full tree will contain everybody with "
    "genes from the proband. ",
    "You can also make a tree with descendants who carry the proband's name, or with those that "
    "descend via sons. These options are selected with the '%geneaType' buttons.",
    "The display of names requires special attention. With many surnames identical, showing the "
    "given name is often more appropriate; and there are cases that you want to suppress names "
    "altogether.",
    "The %namescheme parameter lets you define rules on how to display the name, depending on a "
    "few criteria. Check the web help page for details. Change the output manually by "
    "right-clicking a name in the view window and then selecting one of several options. Your "
    "design will be copied to the HTML files (and will be saved for future re-editing).",
    "Inbreeding relationships are indicated but not made explicit . You may need the latest "
    "browsers to be able to see the dotted boxes of persons who appear twice.",
    "The program produces four genealogy output files in html format:",
    "1: a text file, with essential personal data in the language of your choice. It will also "
    "show from which marriage a child was born.",
    "2: the graphical tableau, with all the descendants of the proband (within the selected type "
    "of genealogy). Each one is clickable, and hyperlinks to the related paragraph in the text "
    "file;",
    "The text and the tableau will be consistent with each other. All the names in the tableau "
    "link to text references and when you have opted to suppress a name then neither the tableau "
    "nor the text will show it (but the person's existence is not suppressed: there is still an "
    "empty box and the text will list an unnamed son or daughter with birth year).",
    "The program produces two offspring output files in html format:",
    "1: the graphical tableau, with all the descendants of the proband (as far as they fit in the "
    "tree). A person's details will be revealed when the mouse moves over the name;",
    "2: a JPG image with the branches and background colors of the tree. This file will have the "
    "same name as the tableau and should be placed in the same directory. ",
    "You can opt to suppress a name with %NameScheme. The person's existence is not suppressed: "
    "there is still an empty box; but no text will show when the mouse moves over it.",
    "If you select <blank>, then the box will be shown without a name and the genealogy text will "
    "only show sex and birthyear.",
    "Boxes without a name: the naming scheme (the \"Naming Scheme\" field of the main window) "
    "picks the name form of each box, and the digit 0 shows no name. The genealogy's default "
    "scheme \"a0n3z2@\" shows persons who may still be alive (born less than 100 years ago, "
    "without a date of death) without a name, so that pages put on the web do not name living "
    "persons. Change the scheme to show them, or choose a name form for a single box with the "
    "right mouse button. The hint of an empty box says why it is empty.",
    "No name is shown: the naming scheme \"%scheme\" gives the condition \"%condition\" "
    "(%pair) no name. Change the Naming Scheme in the main window, or choose a name form for "
    "this box with the right mouse button.",
    "No name is shown: <blank> was chosen for this person with the right mouse button, where "
    "another name form can be chosen.",
};
static_assert(std::size(kTexts) == static_cast<std::size_t>(Msg::Count_),
              "every message needs its text");

}  // namespace

std::string_view MessageText(Msg id) {
    return kTexts[static_cast<std::size_t>(id)];
}

}  // namespace lg
