#pragma once
// The sentences that describe a person on the text pages, in the hints of
// the chart windows and in a box's marriages summary: the name with its
// alias, birth and death parts chosen by what is recorded, the marriages
// with their dates and partners. All text is in the output language and in
// the program's 8-bit code page.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/reporter.h"
#include "charts/chart_records.h"
#include "charts/settings_types.h"
#include "database/records.h"
#include "text/language.h"

namespace lg {

// What the descriptions depend on besides the person.
struct DescriptionContext {
    const Tlanguage* language = nullptr;      // never null when a text is built
    NameStyle nameStyle = NameStyle::Proper;  // setting "tidynames"
    int32_t placeLevels = 0;                  // setting "placelevels"
    bool placeNameBrackets = false;           // place first, in parentheses
    bool fullBaptiseData = false;             // birth and christening both in full
    bool fullBurialData = false;              // death and burial both in full
    // Receives the "seem to have married twice" note; may be null.
    Reporter* reporter = nullptr;
    // The language's pages are in code page 1250, while text from the file
    // is in 1252.
    bool codePage1250 = false;

    // Text taken from the file (a name, place, occupation, note), ready to
    // stand beside the language's phrases.
    std::string FileText(std::string_view text) const;
};

// The descriptions as the options ask for them.
inline DescriptionContext DescriptionContextOf(const GlobalOptions& options,
                                               const Tlanguage& language, Reporter* reporter) {
    DescriptionContext d;
    d.language = &language;
    d.nameStyle = options.properdisplay;
    d.placeLevels = options.placelevels;
    d.placeNameBrackets = options.placenamebrackets;
    d.fullBaptiseData = options.fullbaptisedata;
    d.fullBurialData = options.fullburialdata;
    d.reporter = reporter;
    d.codePage1250 = language.codePage == "1250";
    return d;
}

// Which parts of an event's date and place a text shows.
enum class EventParts { DateAndPlace, DateOnly, PlaceOnly };

// The event's translated date and its place phrase, as the parts ask: date
// then place joined by a blank, or with placeNameBrackets the place first in
// parentheses. A date containing "NOT MARRIED" gives the "unofficially"
// phrase instead of a date. Empty when nothing is recorded.
std::string DatePlaceText(const TEventRecord& event, EventParts parts,
                          const DescriptionContext& context);

// The event's phrase by tag ("born", "died", ... in the male or female
// form) joined by a blank to DatePlaceText; empty when that is empty.
std::string EventText(const TEventRecord& event, bool male, EventParts parts,
                      const DescriptionContext& context);

// Full name, name suffix and "(alias ...)" joined by blanks.
std::string NameWithAlias(const Tindividual& person, const DescriptionContext& context);

// Birth and christening, or death and burial, condensed by what is recorded
// and by which date is more precise.
std::string BirthPart(const Tindividual& person, const DescriptionContext& context);
std::string DeathPart(const Tindividual& person, const DescriptionContext& context);

// "Name; born ..., occupation, died ..." with a final "."; the name in
// <b></b> when bold. A person with nothing recorded gives ".".
std::string PersonDescription(const Tindividual& person, bool bold,
                              const DescriptionContext& context);

// The family's marriage (date and place, "after" banns or licence,
// "(unofficially)" for partners) and its divorce, joined by ", ".
std::string MarriageText(const Tfamily& family, const DescriptionContext& context);

// The sentence opening of a marriage line, by the sex of the person.
struct MarriageVerb {
    std::string male;
    std::string female;
};

// One line per own family of the person, "<br>" CR LF between them: the
// verb, "(i) " when there is more than one family, the marriage text and
// the spouse's description. The marriage with the person's chartPartnerID
// comes last and without the spouse's description (the spouse has a row of
// her own); meeting it twice adds the "married twice" note.
std::string MarriagesText(const Tindividual& person, const MarriageVerb& verb,
                          const DescriptionContext& context);

// A woman's marriages besides the chart marriage ("She married earlier",
// "She remarried"); empty without own families.
std::string OtherMarriagesText(const Tindividual& woman, const DescriptionContext& context);

// The proband with all full siblings of the first birth family, each with
// the bold description and the marriages; the proband alone without such a
// family.
std::string SiblingsParagraph(const Tindividual& proband, const DescriptionContext& context);

// The marriages of the person as the chart windows' hints show them: one
// line per own family with a known partner, each starting with CR LF.
std::string MarriageSummary(const Tindividual& person, const Database& db,
                            const DescriptionContext& descriptions);

// The hint of a chart window's box: "ID:", the person's description,
// "(Also: key.)" or the marriages summary, and for a double the invitation
// to click for the link. Empty for a box without person.
std::string BoxHint(const TlossPerson& node, const DescriptionContext& context);

}  // namespace lg
