// The phrase tables of the fifteen output languages, in list order. Each
// table names the slots its language stores; a slot it leaves out is filled
// by the construction rules (female forms, date words) or stays empty.
// Texts are code page 1252 bytes, the Polish ones code page 1250.

#include "text/language.h"

namespace lg {
namespace {

using enum PhraseSlot;

// clang-format off
constexpr LanguageDefinition kLanguages[] = {
    {.listEntry = "nederlands/dutch",
     .rules = {},
     .phrases = {
         // Event words, male and female forms
         .adopted = "geadopteerd", .legitimated = "ge\xEB" "cht", .born = "geboren",
         .buried = "begraven", .christened = "gedoopt", .cremated = "gecremeerd",
         .died = "overleden", .divorced = "gescheiden", .separated = Same(divorced),
         .engaged = "verloofd",
         // Marriage phrases
         .married = "Trouwde", .sheMarried = "Zij trouwde", .heMarried = "Hij trouwde",
         .sheMarriedEarlier = "Zij trouwde eerder", .sheRemarried = "Zij hertrouwde",
         .unofficially = "(niet officieel)", .partnerUnknown = "Partner onbekend.",
         // Connectives
         .generation = "generatie", .also = "Ook", .at = "te", .with = "met", .of = "van",
         .and_ = "en", .after = "na", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Kwartierstaat", .outlineTitle = "Overzicht",
         .outlineLink = "Structuur plaatje", .detailsLink = "Tableau",
         .completeTableau = "Complete tableau", .genealogyTitle = "Stamboom",
         .maleLine = "via de mannelijke lijn", .sameNamesOnly = "alleen dezelfde namen",
         // Person words
         .man = "man", .woman = "vrouw", .male = "man", .female = "vrouw", .son = "zoon",
         .daughter = "dochter", .children = "Kinderen", .seeHusband = "zie man",
         .pedigreeLoss = "kwartier verlies",
         // Navigation words
         .clickHint = "Klik op een naam voor link naar tekst.", .aboutPage = "over deze stek",
         .gotoProband = "begin bij proband", .start = "start", .home = "Home", .tableau = "Tableau",
         .codePage = "1252",
         // Months
         .month1 = "jan", .month2 = "feb", .month3 = "maart", .month4 = "april", .month5 = "mei",
         .month6 = "juni", .month7 = "juli", .month8 = "aug", .month9 = "sep", .month10 = "okt",
         .month11 = "nov", .month12 = "dec",
         // Date words
         .dateBefore = "voor", .dateAfter = "na", .dateAbout = "rond", .dateBetween = "tussen",
         .dateFrom = "van", .dateTo = "tot",
     }},
    {.listEntry = "english",
     .rules = {},
     .phrases = {
         // Event words, male and female forms
         .adopted = "adopted", .legitimated = "legitimated", .born = "born", .buried = "buried",
         .christened = "christened", .cremated = "cremated", .died = "died", .divorced = "divorced",
         .separated = Same(divorced), .engaged = "engaged",
         // Marriage phrases
         .married = "Married", .sheMarried = "She married", .heMarried = "He married",
         .sheMarriedEarlier = "She married earlier", .sheRemarried = "She remarried",
         .unofficially = "(unofficially)", .partnerUnknown = "Partner unknown.",
         // Connectives
         .generation = "generation", .also = "Also", .at = "at", .with = "", .of = "of",
         .and_ = "and", .after = "after", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Pedigree", .outlineTitle = "Outline", .outlineLink = "Helicopter view",
         .detailsLink = "Details", .completeTableau = "Complete tableau",
         .genealogyTitle = "Genealogy", .maleLine = "in the male line",
         .sameNamesOnly = "same names only",
         // Person words
         .man = "man", .woman = "woman", .male = "male", .female = "female", .son = "son",
         .daughter = "daughter", .children = "Children", .seeHusband = "see husband",
         .pedigreeLoss = "pedigree loss",
         // Navigation words
         .clickHint = "Click a name for a link to the text.", .aboutPage = "about this page",
         .gotoProband = "goto proband", .start = "start", .home = "Home", .tableau = "Tableau",
         .codePage = "1252",
         // Months
         .month1 = "Jan", .month2 = "Feb", .month3 = "March", .month4 = "April", .month5 = "May",
         .month6 = "June", .month7 = "July", .month8 = "Aug", .month9 = "Sep", .month10 = "Oct",
         .month11 = "Nov", .month12 = "Dec",
         // Date words
         .dateBefore = "before", .dateAfter = "after", .dateAbout = "about",
         .dateBetween = "between", .dateFrom = "from", .dateTo = "to",
     }},
    {.listEntry = "frysk/frisian",
     .rules = {},
     .phrases = {
         // Event words (the female forms equal them)
         .adopted = "adoptearre", .legitimated = "ge\xEB" "cht", .born = "berne",
         .buried = "begroeven", .christened = "doopt", .cremated = "kremearre", .died = "stoarn",
         .divorced = "skaat", .separated = Same(divorced), .engaged = "ferloofd",
         // Marriage phrases
         .married = "Troude", .sheMarried = "Hja troude", .heMarried = "Hij troude",
         .sheMarriedEarlier = "Hja troude earder", .sheRemarried = "Hja wertroude",
         .unofficially = "(net offisjeel)", .partnerUnknown = "Partner \xFBnbekend.",
         // Connectives
         .generation = "generaasje", .also = "Ek", .at = "te", .with = "mei", .of = "fan",
         .and_ = "en", .after = "nei", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Kertiersteat", .outlineTitle = "Outline", .outlineLink = "Outline view",
         .detailsLink = "Tableau", .completeTableau = "Complete tableau",
         .genealogyTitle = "Stambeam", .maleLine = "yn de manlike line",
         .sameNamesOnly = "allinnich deselde nammen",
         // Person words
         .man = "man", .woman = "frou", .male = Same(man), .female = Same(woman), .son = "soan",
         .daughter = "dochter", .children = "Bern", .seeHusband = "zie man",
         .pedigreeLoss = "kertier ferlies",
         // Navigation words
         .clickHint = "Klik op in namme foar link nei tekst.", .aboutPage = "over deze stek",
         .gotoProband = "begin bij proband", .start = "start", .home = "Home", .tableau = "Tableau",
         .codePage = "1252",
         // Months
         .month1 = "jan", .month2 = "feb", .month3 = "maart", .month4 = "april", .month5 = "maaie",
         .month6 = "juny", .month7 = "july", .month8 = "aug", .month9 = "sep", .month10 = "okt",
         .month11 = "nov", .month12 = "des",
         // Date words
         .dateBefore = "foar", .dateAfter = "nei", .dateAbout = "ca.", .dateBetween = "tusken",
         .dateFrom = "fan", .dateTo = "ta",
     }},
    {.listEntry = "fran\xE7" "ais/french/francais",
     .rules = {.elideOf = true},
     .phrases = {
         // Event words, male and female forms
         .adopted = "adopt\xE9", .adoptedFemale = "adopt\xE9" "e", .legitimated = "legitim\xE9",
         .legitimatedFemale = "legitim\xE9" "e", .born = "n\xE9", .bornFemale = "n\xE9" "e",
         .buried = "enterr\xE9", .buriedFemale = "enterr\xE9" "e", .christened = "baptis\xE9",
         .christenedFemale = "baptis\xE9" "e", .cremated = "incin\xE9r\xE9",
         .crematedFemale = "incin\xE9r\xE9" "e", .died = "d\xE9" "c\xE9" "d\xE9",
         .diedFemale = "d\xE9" "c\xE9" "d\xE9" "e", .divorced = "divorc\xE9",
         .divorcedFemale = "divorc\xE9" "e", .separated = Same(divorced),
         .separatedFemale = Same(divorcedFemale), .engaged = "fianc\xE9",
         .engagedFemale = "fianc\xE9" "e",
         // Marriage phrases
         .married = "Mari\xE9", .sheMarried = "Elle s'est mari\xE9" "e",
         .heMarried = "Il s'est mari\xE9",
         .sheMarriedEarlier = "Elle avait auparavant \xE9t\xE9 mari\xE9" "e",
         .sheRemarried = "Elle s'est remari\xE9" "e", .unofficially = "(pas officiellement)",
         .partnerUnknown = "",
         // Connectives
         .generation = "G\xE9n\xE9ration", .also = "Aussi", .at = "\xE0", .with = "avec",
         .of = "de", .and_ = "et", .after = "apr\xE8s", .dateArticle = "le",
         // Page words
         .pedigreeTitle = "Arbre g\xE9n\xE9" "alogique", .outlineTitle = "Vue d'ensemble",
         .outlineLink = "L'arbre entier sur l'\xE9" "cran", .detailsLink = "Details",
         .completeTableau = "Tableau complet", .genealogyTitle = "Ligne descendante",
         .maleLine = "via lignes m\xE2les", .sameNamesOnly = "noms identiques",
         // Person words
         .man = "homme", .woman = "femme", .male = Same(man), .female = Same(woman), .son = "fils",
         .daughter = "fille", .children = "Enfants", .seeHusband = "ref l'homme",
         .pedigreeLoss = "pedigree loss",
         // Navigation words
         .clickHint = "Cliquez sur un nom pour afficher le texte correspondant.",
         .aboutPage = "A propos de", .gotoProband = "Centre le 'De Cujus' sur l'\xE9" "cran",
         .start = "De Cujus", .home = "Retour", .tableau = "Tableau", .codePage = "1252",
         // Months
         .month1 = "jan", .month2 = "fev", .month3 = "mars", .month4 = "avril", .month5 = "mai",
         .month6 = "juin", .month7 = "juil", .month8 = "aout", .month9 = "sep", .month10 = "oct",
         .month11 = "nov", .month12 = "dec",
         // Date words
         .dateBefore = "avant", .dateAfter = "apr\xE8s", .dateAbout = "env.",
         .dateBetween = "entre", .dateFrom = "de", .dateTo = "\xE0",
     }},
    {.listEntry = "deutsch/german",
     .rules = {},
     .phrases = {
         // Event words (the female forms equal them)
         .adopted = "adoptiert", .legitimated = "legitimiert", .born = "geboren",
         .buried = "be\xEBrdigt", .christened = "getauft", .cremated = "einge\xE4schert",
         .died = "gestorben", .divorced = "geschieden", .separated = Same(divorced),
         .engaged = "verlobt",
         // Marriage phrases
         .married = "Heiratete", .sheMarried = "Sie heiratete", .heMarried = "Er heiratete",
         .sheMarriedEarlier = "Sie war fr\xFCher verheiratet",
         .sheRemarried = "Sie hat wiedergeheiratet", .unofficially = "(nicht offiziell)",
         .partnerUnknown = "Partner unbekannt",
         // Connectives
         .generation = "generation", .also = "+", .at = "in", .with = "mit", .of = "von",
         .and_ = "und", .after = "nach", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Stammbaum", .outlineTitle = "Outline", .outlineLink = "Outline view",
         .detailsLink = "Details", .completeTableau = "Complete tableau",
         .genealogyTitle = "Nachkommen", .maleLine = "m\xE4nnlicher linie",
         .sameNamesOnly = "identische Namen",
         // Person words
         .man = "Mann", .woman = "Frau", .male = Same(man), .female = Same(woman), .son = "Sohn",
         .daughter = "Tochter", .children = "Kinder", .seeHusband = "ref. Mann",
         .pedigreeLoss = "pedigree loss",
         // Navigation words
         .clickHint = "Einen Namen anklicken f\xFCr den betreffenden Link zum Text.",
         .aboutPage = "about this page", .gotoProband = "nach proband", .start = "start",
         .home = "Home", .tableau = "Tableau", .codePage = "1252",
         // Months
         .month1 = "Jan", .month2 = "Feb", .month3 = "M\xE4rz", .month4 = "April", .month5 = "Mai",
         .month6 = "Juni", .month7 = "Juli", .month8 = "Aug", .month9 = "Sep", .month10 = "Okt",
         .month11 = "Nov", .month12 = "Dez",
         // Date words
         .dateBefore = "bevor", .dateAfter = "nach", .dateAbout = "um", .dateBetween = "zwischen",
         .dateFrom = "von", .dateTo = "bis",
     }},
    {.listEntry = "norsk bokm\xE5l/bokmal",
     .rules = {},
     .phrases = {
         // Event words (the female forms equal them)
         .adopted = "adoptert", .legitimated = "adoptert", .born = "f\xF8" "dt",
         .buried = "begravet", .christened = "d\xF8pt", .cremated = "kremert", .died = "d\xF8" "d",
         .divorced = "skilt", .separated = Same(divorced), .engaged = "forlovet",
         // Marriage phrases
         .married = "Gift", .sheMarried = "Hun giftet seg", .heMarried = "Gift",
         .sheMarriedEarlier = "Hun var tidligere gift", .sheRemarried = "Hun giftet seg oppigjen",
         .unofficially = "(uoffisielt)", .partnerUnknown = "Partner NN.",
         // Connectives
         .generation = "generasjon", .also = "+", .at = "i", .with = "med", .of = "for",
         .and_ = "og", .after = ">", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Slektstre", .outlineTitle = "Outline", .outlineLink = "Outline view",
         .detailsLink = "Details", .completeTableau = "Complete tableau",
         .genealogyTitle = "Etterkommere", .maleLine = "mannslinje",
         .sameNamesOnly = "kun samme navn",
         // Person words
         .man = "mann", .woman = "kvinne", .male = Same(man), .female = Same(woman),
         .son = "s\xF8nn", .daughter = "datter", .children = "Barn", .seeHusband = "ref mann",
         .pedigreeLoss = "pedigree loss",
         // Navigation words
         .clickHint = "Klikk p\xE5 et navn for \xE5 f\xE5 opp teksten.",
         .aboutPage = "about this page", .gotoProband = "goto proband", .start = "start",
         .home = "Home", .tableau = "Tableau", .codePage = "1252",
         // Months
         .month1 = "jan", .month2 = "feb", .month3 = "mars", .month4 = "april", .month5 = "mai",
         .month6 = "juni", .month7 = "juli", .month8 = "aug", .month9 = "sep", .month10 = "okt",
         .month11 = "nov", .month12 = "des",
         // Date words
         .dateBefore = "f\xF8r", .dateAfter = "etter", .dateAbout = "rundt",
         .dateBetween = "mellom", .dateFrom = "fra", .dateTo = "til",
     }},
    {.listEntry = "norsk nynorsk/norwegian",
     .rules = {},
     .phrases = {
         // Event words (the female forms equal them)
         .adopted = "adoptert", .legitimated = "adoptert", .born = "f\xF8" "dd",
         .buried = "gravlagd", .christened = "d\xF8ypt", .cremated = "kremert", .died = "d\xF8" "d",
         .divorced = "skild", .separated = Same(divorced), .engaged = "forlova",
         // Marriage phrases
         .married = "Gift", .sheMarried = "Ho gifta seg", .heMarried = "Gift",
         .sheMarriedEarlier = "Ho var tidlegare gift", .sheRemarried = "Ho gifta seg omatt",
         .unofficially = "(uoffisielt)", .partnerUnknown = "Partner NN.",
         // Connectives
         .generation = "generasjon", .also = "+", .at = "i", .with = "med", .of = "for",
         .and_ = "og", .after = ">", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Slektstre", .outlineTitle = "Outline", .outlineLink = "Outline view",
         .detailsLink = "Details", .completeTableau = "Complete tableau",
         .genealogyTitle = "Etterkomarar", .maleLine = "mannslinje",
         .sameNamesOnly = "kun same namn",
         // Person words
         .man = "mann", .woman = "kvinne", .male = Same(man), .female = Same(woman), .son = "son",
         .daughter = "dotter", .children = "Barn", .seeHusband = "ref mann",
         .pedigreeLoss = "pedigree loss",
         // Navigation words
         .clickHint = "Klikk p\xE5 eit namn for \xE5 f\xE5 fram teksten.",
         .aboutPage = "about this page", .gotoProband = "goto proband", .start = "start",
         .home = "Home", .tableau = "Tableau", .codePage = "1252",
         // Months
         .month1 = "jan", .month2 = "feb", .month3 = "mars", .month4 = "april", .month5 = "mai",
         .month6 = "juni", .month7 = "juli", .month8 = "aug", .month9 = "sep", .month10 = "okt",
         .month11 = "nov", .month12 = "des",
         // Date words
         .dateBefore = "f\xF8r", .dateAfter = "etter", .dateAbout = "omlag",
         .dateBetween = "mellom", .dateFrom = "fr\xE5", .dateTo = "til",
     }},
    {.listEntry = "svenska/swedish",
     .rules = {},
     .phrases = {
         // Event words (the female forms equal them)
         .adopted = "adopterad", .legitimated = "adopterad", .born = "f\xF6" "dd",
         .buried = "begravd", .christened = "d\xF6pt", .cremated = "kremerad", .died = "d\xF6" "d",
         .divorced = "skild", .separated = Same(divorced), .engaged = "f\xF6rlovad",
         // Marriage phrases
         .married = "Gift", .sheMarried = "Gift", .heMarried = "Gift",
         .sheMarriedEarlier = "Hon var gift tidigare", .sheRemarried = "Hon gifte om sig",
         .unofficially = "(inofficiellt)", .partnerUnknown = "Ok\xE4nd partner.",
         // Connectives
         .generation = "generation", .also = "+", .at = "i", .with = "med", .of = "till",
         .and_ = "och", .after = ">", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Sl\xE4kttr\xE4" "d", .outlineTitle = "Outline",
         .outlineLink = "Outline view", .detailsLink = "Details",
         .completeTableau = "Complete tableau", .genealogyTitle = "\xC4ttlingar",
         .maleLine = "manslinjer", .sameNamesOnly = "med samma efternamn",
         // Person words
         .man = "man", .woman = "kvinna", .male = Same(man), .female = Same(woman), .son = "son",
         .daughter = "dotter", .children = "Barn", .seeHusband = "ref man",
         .pedigreeLoss = "anf\xF6rlust",
         // Navigation words
         .clickHint = "Klicka p\xE5 ett namn f\xF6r att visa texten.",
         .aboutPage = "about this page", .gotoProband = "goto proband", .start = "start",
         .home = "Home", .tableau = "Tableau", .codePage = "1252",
         // Months
         .month1 = "jan", .month2 = "febr", .month3 = "mars", .month4 = "april", .month5 = "maj",
         .month6 = "juni", .month7 = "juli", .month8 = "aug", .month9 = "sept", .month10 = "okt",
         .month11 = "nov", .month12 = "dec",
         // Date words
         .dateBefore = "f\xF6re/", .dateAfter = "efter", .dateAbout = "omkring",
         .dateBetween = "mellan", .dateFrom = "fr\xE5n", .dateTo = "till",
     }},
    {.listEntry = "espa\xF1ol/spanish/espanol",
     .rules = {.eBeforeI = true},
     .phrases = {
         // Event words (the female forms equal them)
         .adopted = "adoptado", .legitimated = "adoptado", .born = "nacido", .buried = "sepultado",
         .christened = "bautizado", .cremated = "cremado", .died = "falleci\xF3",
         .divorced = "se divorci\xF3", .separated = Same(divorced), .engaged = "comprometido",
         // Marriage phrases
         .married = "Se cas\xF3", .sheMarried = "Ella se cas\xF3", .heMarried = "\xC9l se cas\xF3",
         .sheMarriedEarlier = "Ella se cas\xF3 anteriormente",
         .sheRemarried = "Ella se volvi\xF3 a casar", .unofficially = "(no oficialmente)",
         .partnerUnknown = "Partner NN.",
         // Connectives
         .generation = "generaci\xF3n", .also = "+", .at = "en", .with = "con", .of = "de",
         .and_ = "y", .after = ">", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Pedigr\xE9", .outlineTitle = "Outline", .outlineLink = "Outline view",
         .detailsLink = "Details", .completeTableau = "Complete tableau",
         .genealogyTitle = "Descendientes", .maleLine = "varones",
         .sameNamesOnly = "con el mismo apellido",
         // Person words
         .man = "hombre", .woman = "mujer", .male = Same(man), .female = Same(woman), .son = "hijo",
         .daughter = "hija", .children = "Hijos", .seeHusband = "ref l'hombre",
         .pedigreeLoss = "pedigree loss",
         // Navigation words
         .clickHint = "Haga clic sobre un nombre para una conexi\xF3n al texto.",
         .aboutPage = "about this page", .gotoProband = "goto proband", .start = "start",
         .home = "Home", .tableau = "Tableau", .codePage = "1252",
         // Months
         .month1 = "enero", .month2 = "feb", .month3 = "marzo", .month4 = "abril", .month5 = "mayo",
         .month6 = "junio", .month7 = "julio", .month8 = "agosto", .month9 = "sep",
         .month10 = "oct", .month11 = "nov", .month12 = "dic",
         // Date words
         .dateBefore = "antes", .dateAfter = "despu\xE9s", .dateAbout = "cerca de",
         .dateBetween = "entre", .dateFrom = "de", .dateTo = "a",
     }},
    {.listEntry = "italiano/italian",
     .rules = {},
     .phrases = {
         // Event words, male and female forms
         .adopted = "adottato", .adoptedFemale = "adottata", .legitimated = "adottato",
         .legitimatedFemale = "adottata", .born = "nato", .bornFemale = "nata", .buried = "sepolto",
         .buriedFemale = "sepolta", .christened = "battezzato", .christenedFemale = "battezzata",
         .cremated = "cremato", .crematedFemale = "cremata", .died = "morto", .diedFemale = "morta",
         .divorced = "divorziato", .divorcedFemale = "divorziata", .separated = Same(divorced),
         .separatedFemale = Same(divorcedFemale), .engaged = "fidanzato",
         .engagedFemale = "fidanzata",
         // Marriage phrases
         .married = "Sposato", .sheMarried = "Si \xE8 sposata", .heMarried = "Si \xE8 sposato",
         .sheMarriedEarlier = "Si \xE8 sposata prima", .sheRemarried = "Si \xE8 risposata",
         .unofficially = "(non ufficialmente)", .partnerUnknown = "Partner NN.",
         // Connectives
         .generation = "generazione", .also = "+", .at = "a", .with = "con", .of = "di",
         .and_ = "e", .after = ">", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Albero Genealogico", .outlineTitle = "Schema",
         .outlineLink = "Elenco schematizzato", .detailsLink = "Particolari",
         .completeTableau = "Vista particolareggiata", .genealogyTitle = "Discendenti",
         .maleLine = "linee maschili", .sameNamesOnly = "solo omonimi",
         // Person words
         .man = "uomo", .woman = "donna", .male = Same(man), .female = Same(woman), .son = "figlio",
         .daughter = "figlia", .children = "Figli", .seeHusband = "ref uomo",
         .pedigreeLoss = "riduzione dell'albero genealogico",
         // Navigation words
         .clickHint = "Clicca il nome per vedere il testo corrispondente.",
         .aboutPage = "about this page", .gotoProband = "goto proband", .start = "start",
         .home = "Home", .tableau = "Tableau", .codePage = "1252",
         // Months
         .month1 = "gen", .month2 = "feb", .month3 = "mar", .month4 = "apr", .month5 = "mag",
         .month6 = "giugno", .month7 = "luglio", .month8 = "agosto", .month9 = "set",
         .month10 = "ott", .month11 = "nov", .month12 = "dic",
         // Date words
         .dateBefore = "prima", .dateAfter = "dopo", .dateAbout = "circa", .dateBetween = "tra",
         .dateFrom = "da", .dateTo = "a",
     }},
    {.listEntry = "dansk/danish",
     .rules = {},
     .phrases = {
         // Event words (the female forms equal them)
         .adopted = "adopteret", .legitimated = "adopteret", .born = "f\xF8" "dt",
         .buried = "begravet", .christened = "d\xF8" "bt", .cremated = "kremeret",
         .died = "d\xF8" "de", .divorced = "skilt", .separated = Same(divorced),
         .engaged = "forlovet",
         // Marriage phrases
         .married = "Giftede sig", .sheMarried = "Giftede sig", .heMarried = "Giftede sig",
         .sheMarriedEarlier = "Tidligere var hun gift", .sheRemarried = "Giftede sig igen",
         .unofficially = "(uofficielt)", .partnerUnknown = "Ukendt \xE6gtef\xE6lle.",
         // Connectives
         .generation = "Generation", .also = "+", .at = "i", .with = "med", .of = "af",
         .and_ = "og", .after = ">", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Anetr\xE6", .outlineTitle = "Skema", .outlineLink = "Skema oversigt",
         .detailsLink = "Anetr\xE6" "et", .completeTableau = "Det udfyldte skema",
         .genealogyTitle = "Efterkommere", .maleLine = "agnatiske linier",
         .sameNamesOnly = "kun samme navnelinie",
         // Person words
         .man = "mand", .woman = "kvinde", .male = Same(man), .female = Same(woman),
         .son = "s\xF8n", .daughter = "datter", .children = "B\xF8rn", .seeHusband = "ref mand",
         .pedigreeLoss = "pedigree loss",
         // Navigation words
         .clickHint = "Klik p\xE5 et Anenavn, bringer personens data frem i nederste rude.",
         .aboutPage = "about this page", .gotoProband = "goto proband", .start = "start",
         .home = "Home", .tableau = "Tableau", .codePage = "1252",
         // Months
         .month1 = "jan", .month2 = "feb", .month3 = "marts", .month4 = "april", .month5 = "maj",
         .month6 = "juni", .month7 = "juli", .month8 = "aug", .month9 = "sep", .month10 = "okt",
         .month11 = "nov", .month12 = "dec",
         // Date words
         .dateBefore = "f\xF8rend", .dateAfter = "senere end", .dateAbout = "ca.",
         .dateBetween = "mellem", .dateFrom = "fra", .dateTo = "til",
     }},
    {.listEntry = "suomi/finnish",
     .rules = {.parentsChildOf = true},
     .phrases = {
         // Event words (the female forms equal them)
         .adopted = "adoptoitu", .legitimated = "adoptoitu", .born = "syntynyt",
         .buried = "haudattu", .christened = "kastettu", .cremated = "polttohaudattu",
         .died = "kuollut", .divorced = "eronnut", .separated = Same(divorced),
         .engaged = "kihloissa",
         // Marriage phrases
         .married = "H\xE4nen puolisokseen vihittiin",
         .sheMarried = "H\xE4nen puolisokseen vihittiin",
         .heMarried = "H\xE4nen puolisokseen vihittiin",
         .sheMarriedEarlier = "H\xE4nen edellinen miehens\xE4 oli",
         .sheRemarried = "H\xE4nen seuraavaksi miehekseen vihittiin",
         .unofficially = "(ep\xE4virallisesti)", .partnerUnknown = "Puoliso tuntematon.",
         // Connectives
         .generation = "Sukupolvi", .also = "My\xF6s", .at = "", .with = "", .of = "-",
         .and_ = "ja", .after = ">", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Sukupuu", .outlineTitle = "Yleiskuva", .outlineLink = "Sukupuu",
         .detailsLink = "Sukupuu", .completeTableau = "Yleiskuva kaaviosta",
         .genealogyTitle = "J\xE4lkel\xE4iset", .maleLine = "miespuoliset",
         .sameNamesOnly = "vain samat nimet",
         // Person words
         .man = "mies", .woman = "nainen", .male = Same(man), .female = Same(woman), .son = "poika",
         .daughter = "tyt\xE4r", .children = "Lapset", .seeHusband = "ref mies",
         .pedigreeLoss = "esipolvikato",
         // Navigation words
         .clickHint = "klikkaa nimilaatikkoa linkkin\xE4 tekstiin",
         .aboutPage = "lis\xE4tietoa t\xE4st\xE4 sivusta",
         .gotoProband = "mene l\xE4ht\xF6henkil\xF6\xF6n", .start = "Aloita", .home = "Kotisivu",
         .tableau = "Taulut", .codePage = "1252",
         // Months
         .month1 = "tammikuuta", .month2 = "helmikuuta", .month3 = "maaliskuuta",
         .month4 = "huhtikuuta", .month5 = "toukokuuta", .month6 = "kes\xE4kuuta",
         .month7 = "hein\xE4kuuta", .month8 = "elokuuta", .month9 = "syyskuuta",
         .month10 = "lokakuuta", .month11 = "marraskuuta", .month12 = "joulukuuta",
         // Date words
         .dateBefore = "ennen", .dateAfter = "j\xE4lkeen", .dateAbout = "noin", .dateBetween = "",
         .dateFrom = "", .dateTo = "-",
     }},
    {.listEntry = "furlan/friulian",
     .rules = {},
     .phrases = {
         // Event words, male and female forms
         .adopted = "adot\xE2t", .adoptedFemale = "adotade", .legitimated = "adot\xE2t",
         .legitimatedFemale = "adotade", .born = "nass\xFBt", .bornFemale = "nassude",
         .buried = "soter\xE2t", .buriedFemale = "soterade", .christened = "bati\xE2t",
         .christenedFemale = "batiade", .cremated = "incinis\xE2t", .crematedFemale = "incinisade",
         .died = "muart", .diedFemale = "muarte", .divorced = "divorzi\xE2t",
         .divorcedFemale = "divorziade", .separated = Same(divorced),
         .separatedFemale = Same(divorcedFemale), .engaged = "impromet\xFBt",
         .engagedFemale = "imprometude",
         // Marriage phrases
         .married = "Al \xE0 spos\xE2t", .sheMarried = "E \xE0 spos\xE2t",
         .heMarried = "Al \xE0 spos\xE2t", .sheMarriedEarlier = "E veve spos\xE2t",
         .sheRemarried = "Dopo e \xE0 spos\xE2t", .unofficially = "(no uficialmentri)",
         .partnerUnknown = "Partner discognoss\xFBt.",
         // Connectives
         .generation = "generazion", .also = "+", .at = "a", .with = "", .of = "di", .and_ = "e",
         .after = "dopo", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Arbul Gjenealogjic", .outlineTitle = "Scheme",
         .outlineLink = "Disen schematic", .detailsLink = "Detais",
         .completeTableau = "I particol\xE2rs", .genealogyTitle = "Dissendents",
         .maleLine = "dome liniis masch\xEEls", .sameNamesOnly = "dome chei cul stes nom",
         // Person words
         .man = "omp", .woman = "femine", .male = Same(man), .female = Same(woman), .son = "fi",
         .daughter = "fie", .children = "f\xEEs", .seeHusband = "ref omp",
         .pedigreeLoss = "pierdite di rad\xEEs",
         // Navigation words
         .clickHint = "Cjalcje sul nom par viodi il test ch'al corispuint.",
         .aboutPage = "about this page", .gotoProband = "goto proband", .start = "start",
         .home = "Home", .tableau = "Tableau", .codePage = "1252",
         // Months
         .month1 = "zen\xE2r", .month2 = "fevr\xE2r", .month3 = "mar\xE7", .month4 = "avr\xEEl",
         .month5 = "mai", .month6 = "jugn", .month7 = "lui", .month8 = "avost",
         .month9 = "setembar", .month10 = "otubar", .month11 = "novembar", .month12 = "dicembar",
         // Date words
         .dateBefore = "prime", .dateAfter = "dopo", .dateAbout = "circje", .dateBetween = "tra",
         .dateFrom = "da", .dateTo = "a",
     }},
    {.listEntry = "\xEDslenska/icelandic",
     .rules = {.capitalise = false},
     .phrases = {
         // Event words, male and female forms
         .adopted = "\xE6ttleiddur", .adoptedFemale = "\xE6ttleidd", .legitimated = "\xE6ttleiddur",
         .legitimatedFemale = "\xE6ttleidd", .born = "f\xE6" "ddur", .bornFemale = "f\xE6" "dd",
         .buried = "grafinn", .buriedFemale = "grafin", .christened = "sk\xEDr\xF0ur",
         .christenedFemale = "sk\xEDr\xF0", .cremated = "b\xE1lf\xF6r",
         .crematedFemale = "b\xE1lf\xF6r", .died = "l\xE1tinn", .diedFemale = "l\xE1tin",
         .divorced = "skilinn", .divorcedFemale = "skilin", .separated = Same(divorced),
         .separatedFemale = Same(separated), .engaged = "tr\xFAlofa\xF0ur",
         .engagedFemale = "tr\xFAlofu\xF0",
         // Marriage phrases
         .married = "Kv\xE6ntur", .sheMarried = "Maki", .heMarried = "Maki",
         .sheMarriedEarlier = "Maki \xE1\xF0ur", .sheRemarried = "Maki s\xED\xF0" "ar",
         .unofficially = "(\xED samb\xFA\xF0)", .partnerUnknown = "Maki \xF3kunnur",
         // Connectives
         .generation = "\xC6ttli\xF0ur", .also = "Einnig", .at = "\xE1", .with = "", .of = ":",
         .and_ = "og", .after = "eftir", .dateArticle = "",
         // Page words
         .pedigreeTitle = "\xC6ttleggur", .outlineTitle = "Umfang", .outlineLink = "Yfirlit",
         .detailsLink = "N\xE1nar", .completeTableau = "N\xE1nari sko\xF0un",
         .genealogyTitle = "\xC6ttartr\xE9", .maleLine = "karlleggur", .sameNamesOnly = "",
         // Person words
         .man = "karl", .woman = "kona", .male = "karlar", .female = "konur", .son = "sonur",
         .daughter = "d\xF3ttir", .children = "B\xF6rn", .seeHusband = "ref karl",
         .pedigreeLoss = "v\xEDkjandi arfeind",
         // Navigation words
         .clickHint = "Smelltu \xED nafn til a\xF0 f\xE1 fram uppl\xFDsingar",
         .aboutPage = "about this page", .gotoProband = "goto proband", .start = "start",
         .home = "Home", .tableau = "Tableau", .codePage = "1252",
         // Months
         .month1 = "jan.", .month2 = "feb.", .month3 = "mars", .month4 = "apr\xEDl",
         .month5 = "ma\xED", .month6 = "j\xFAn\xED", .month7 = "j\xFAl\xED",
         .month8 = "\xE1g\xFAst", .month9 = "sept.", .month10 = "okt.", .month11 = "n\xF3v.",
         .month12 = "des.",
         // Date words
         .dateBefore = "fyrir", .dateAfter = "eftir", .dateAbout = "um", .dateBetween = "milli",
         .dateFrom = "fr\xE1", .dateTo = "til",
     }},
    {.listEntry = "polski/polish",
     .rules = {},
     .phrases = {
         // Event words, male and female forms
         .adopted = "adoptowany", .adoptedFemale = "adoptowana", .legitimated = "adoptowany",
         .legitimatedFemale = "adoptowana", .born = "urodzony", .bornFemale = "urodzona",
         .buried = "pochowany", .buriedFemale = "pochowana", .christened = "ochrzczony",
         .christenedFemale = "ochrzczona", .cremated = "skremowany", .crematedFemale = "skremowana",
         .died = "zmar\xB3", .diedFemale = "zmar\xB3" "a", .divorced = "rozwiedzony",
         .divorcedFemale = "rozwiedzona", .separated = Same(divorced),
         .separatedFemale = Same(divorcedFemale), .engaged = "zar\xEA" "czony",
         .engagedFemale = "zar\xEA" "czona",
         // Marriage phrases
         .married = "O\xBF" "eni\xB3 si\xEA", .sheMarried = "O\xBF" "eni\xB3" "a si\xEA",
         .heMarried = "O\xBF" "eni\xB3 si\xEA",
         .sheMarriedEarlier = "O\xBF" "eni\xB3" "a si\xEA wcze\x9Cniej",
         .sheRemarried = "O\xBF" "eni\xB3" "a si\xEA powt\xF3rnie",
         .unofficially = "(nieoficjalnie)", .partnerUnknown = "Partner nieznany.",
         // Connectives
         .generation = "pokolenie", .also = "r\xF3wnie\xBF", .at = "-", .with = "z", .of = ": ",
         .and_ = "i", .after = "po", .dateArticle = "",
         // Page words
         .pedigreeTitle = "Rodow\xF3" "d", .outlineTitle = "Schemat",
         .outlineLink = "Widok z lotu ptaka", .detailsLink = "Szczeg\xF3\xB3y",
         .completeTableau = "Ca\xB3" "e drzewo", .genealogyTitle = "Drzewo genealogiczne",
         .maleLine = "w linii m\xEAskiej", .sameNamesOnly = "same names only",
         // Person words
         .man = "m\xEA\xBF" "czyzna", .woman = "kobieta", .male = "m\xEAski",
         .female = "\xBF" "e\xF1ski", .son = "syn", .daughter = "c\xF3rka", .children = "Dzieci",
         .seeHusband = "ref m\xEA\xBF" "czyzna", .pedigreeLoss = "rodow\xF3" "d utracony",
         // Navigation words
         .clickHint = "Wybierz osob\xEA, aby przej\x9C\xE6 do opisu w tek\x9C" "cie.",
         .aboutPage = "about this page", .gotoProband = "goto proband", .start = "start",
         .home = "Home", .tableau = "Tableau", .codePage = "1250",
         // Months
         .month1 = "Sty", .month2 = "Lut", .month3 = "Mar", .month4 = "Kwi", .month5 = "Maj",
         .month6 = "Cze", .month7 = "Lip", .month8 = "Sie", .month9 = "Wrz", .month10 = "Pa\x9F",
         .month11 = "Lis", .month12 = "Gru",
         // Date words
         .dateBefore = "przed", .dateAfter = "po", .dateAbout = "oko\xB3o",
         .dateBetween = "mi\xEA" "dzy", .dateFrom = "od", .dateTo = "do",
     }},
};
// clang-format on

}  // namespace

std::span<const LanguageDefinition> LanguageDefinitions() {
    return kLanguages;
}

}  // namespace lg
