#include "html/person_description.h"

#include <algorithm>
#include <vector>

#include "base/encoding.h"
#include "base/fill_in.h"
#include "base/messages.h"
#include "base/text_helpers.h"

namespace lg {

std::string DescriptionContext::FileText(std::string_view text) const {
    return codePage1250 ? ForCodePage1250(text) : std::string(text);
}

namespace {

constexpr std::string_view kLineBreak = "<br>\r\n";

bool IsMale(const Tindividual& person) {
    return person.sex == 'M';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string result;
    for (const std::string& line : lines) result = JoinWith(result, kLineBreak, line);
    return result;
}

std::string NameWithSuffix(const Tindividual& person, const DescriptionContext& context) {
    return context.FileText(JoinWith(person.FullName(context.nameStyle), " ", person.nameSuffix));
}

// The event word for the tag; empty for tags that have none.
std::string EventWord(const Tag& tag, bool male, const Tlanguage& language) {
    std::string_view text = TagText(tag);
    if (text == "ADOP") return language.Adopted(male);
    if (text == "BIRT") return language.Born(male);
    if (text == "CHR " || text == "BAPM") return language.Christened(male);
    if (text == "BURI") return language.Buried(male);
    if (text == "CREM") return language.Cremated(male);
    if (text == "DEAT") return language.Died(male);
    if (text == "DIV ") return language.Divorced(male);
    if (text == "DIVF") return language.Separated(male);
    if (text == "ENGA") return language.Engaged(male);
    if (text == "MARC" || text == "MARL" || text == "MARR" || text == "MARS")
        return male ? language.married : language.sheMarried;
    return {};
}

std::string DateWords(const std::string& date, const Tlanguage& language) {
    if (date.empty()) return {};
    if (ToUpperAscii(date).find("NOT MARRIED") != std::string::npos) return language.unofficially;
    return language.TranslateDate(date);
}

std::string PlaceWords(const std::string& place, const DescriptionContext& context) {
    std::string cut = TruncatePlace(place, context.placeLevels);
    cut.resize(TrimRightBlanks(cut).size());
    if (!cut.empty() && cut.back() == ',') cut.pop_back();
    if (cut.empty()) return {};
    std::string phrase =
        context.language->PlacePhrase(context.FileText(cut), context.placeNameBrackets);
    return context.placeNameBrackets ? "(" + phrase + ")" : phrase;
}

// Whether the word stands in the text on its own, between blanks or the
// ends. A plain substring test would take the Italian qualifier "a" out of
// "marzo" or the French "et" out of "juillet", and an empty qualifier slot
// out of anything.
bool ContainsWord(std::string_view text, std::string_view word) {
    if (word.empty()) return false;
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        std::size_t end = at + word.size();
        if ((at == 0 || text[at - 1] == ' ') && (end == text.size() || text[end] == ' '))
            return true;
    }
    return false;
}

// Where the last run of exactly four digits starts; npos without one.
std::size_t YearPosition(std::string_view date) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < date.size();) {
        if (!IsDigit(date[i])) {
            ++i;
            continue;
        }
        std::size_t start = i;
        while (i < date.size() && IsDigit(date[i])) ++i;
        if (i - start == 4) found = start;
    }
    return found;
}

// 0 doubtful, 1 qualified (about, before, ...), 2 year or month missing,
// 3 month and year, 4 day, month and year.
int DatePrecision(const std::string& date, const Tlanguage& language) {
    if (date.find('?') != std::string::npos) return 0;
    std::string translated = language.TranslateDate(date);
    for (const DateQualifier& qualifier : kDateQualifiers)
        if (ContainsWord(translated, language.Slot(qualifier.slot))) return 1;
    std::size_t year = YearPosition(date);
    if (year == std::string::npos || MonthOf(date) == 0) return 2;
    bool dayBefore =
        std::any_of(date.begin(), date.begin() + static_cast<std::ptrdiff_t>(year), IsDigit);
    return dayBefore ? 4 : 3;
}

// A pair of events told as one: birth with christening, or death with
// burial. `main` is birth or death.
struct EventPair {
    const TEventRecord& main;
    const TEventRecord& second;
    bool deathRules;
    bool male;
    const DescriptionContext& context;

    bool MainDate() const { return !main.date.empty(); }
    bool MainPlace() const { return !main.place.empty(); }
    bool SecondDate() const { return !second.date.empty(); }
    bool SecondPlace() const { return !second.place.empty(); }
    bool SamePlace() const { return main.place == second.place; }
    std::string Full(const TEventRecord& event) const {
        return EventText(event, male, EventParts::DateAndPlace, context);
    }
    std::string PlaceOnly(const TEventRecord& event) const {
        return EventText(event, male, EventParts::PlaceOnly, context);
    }
};

// Both dates recorded: the more precise one leads.
std::string ByPrecision(const EventPair& pair) {
    const Tlanguage& language = *pair.context.language;
    bool secondFirst =
        DatePrecision(pair.second.date, language) > DatePrecision(pair.main.date, language);
    bool bothPlaces = pair.MainPlace() && pair.SecondPlace();
    std::string main = pair.Full(pair.main);
    std::string second = pair.Full(pair.second);
    if (pair.deathRules && bothPlaces) return secondFirst ? second : main;
    if (secondFirst) {
        if (bothPlaces && pair.SamePlace()) return second;
        if (pair.MainPlace()) return JoinWith(pair.PlaceOnly(pair.main), ", ", second);
        return second;
    }
    if (bothPlaces && pair.SamePlace()) return main;
    if (pair.SecondPlace()) return JoinWith(main, ", ", pair.PlaceOnly(pair.second));
    return main;
}

std::string CondensedPair(const EventPair& pair) {
    if (pair.MainDate() && pair.SecondDate()) return ByPrecision(pair);
    std::string main = pair.Full(pair.main);
    std::string second = pair.Full(pair.second);
    if (!pair.SecondDate() && !pair.SecondPlace()) return main;
    if (!pair.MainDate() && !pair.MainPlace()) return second;
    // Both places, one date at most: one event tells enough.
    if (pair.MainPlace() && pair.SecondPlace() && (pair.deathRules || pair.SamePlace()))
        return pair.SecondDate() ? second : main;
    return JoinWith(main, ", ", second);
}

std::string PairText(const TEventRecord* main, const TEventRecord* second, bool full,
                     bool deathRules, const Tindividual& person,
                     const DescriptionContext& context) {
    bool male = IsMale(person);
    if (!main && !second) return {};
    if (!second) return EventText(*main, male, EventParts::DateAndPlace, context);
    if (!main) return EventText(*second, male, EventParts::DateAndPlace, context);
    EventPair pair{*main, *second, deathRules, male, context};
    if (full) return JoinWith(pair.Full(*main), ", ", pair.Full(*second));
    return CondensedPair(pair);
}

// The family's other partner. A man without a wife in the family would
// otherwise be taken for his own spouse and described twice.
const Tindividual* SpouseIn(const Tfamily& family, const Tindividual& person) {
    const Tindividual* spouse = IsMale(person) && family.wife ? family.wife : family.husband;
    if (spouse == &person) spouse = family.husband == &person ? family.wife : family.husband;
    return spouse;
}

void ReportMarriedTwice(const Tindividual& person, const Tindividual& spouse,
                        const DescriptionContext& context) {
    if (!context.reporter) return;
    context.reporter->AddMessage(FillInAll(
        Msg::MarriedTwice,
        {NameWithSuffix(person, context), person.ID, NameWithSuffix(spouse, context), spouse.ID}));
}

// A marriage line's text after the verb for a marriage outside the chart.
std::string OtherMarriage(const Tfamily& family, const Tindividual* spouse,
                          const DescriptionContext& context) {
    std::string m = MarriageText(family, context);
    std::string d = spouse ? PersonDescription(*spouse, false, context) : std::string();
    if (!d.empty()) return JoinWith(JoinWith(m, ", ", context.language->with), " ", d);
    if (spouse || !m.empty()) m += ".";
    return m;
}

}  // namespace

std::string DatePlaceText(const TEventRecord& event, EventParts parts,
                          const DescriptionContext& context) {
    std::string date =
        parts == EventParts::PlaceOnly ? std::string() : DateWords(event.date, *context.language);
    std::string place =
        parts == EventParts::DateOnly ? std::string() : PlaceWords(event.place, context);
    if (context.placeNameBrackets) return JoinWith(place, " ", date);
    return JoinWith(date, " ", place);
}

std::string EventText(const TEventRecord& event, bool male, EventParts parts,
                      const DescriptionContext& context) {
    std::string text = DatePlaceText(event, parts, context);
    if (text.empty()) return {};
    return JoinWith(EventWord(event.tag, male, *context.language), " ", text);
}

std::string NameWithAlias(const Tindividual& person, const DescriptionContext& context) {
    std::string_view alias = TrimLeftBlanks(TrimRightBlanks(person.alias));
    std::string aliasText =
        alias.empty() ? std::string() : FillIn(Msg::AliasString, context.FileText(alias));
    return JoinWith(NameWithSuffix(person, context), " ", aliasText);
}

std::string BirthPart(const Tindividual& person, const DescriptionContext& context) {
    return PairText(person.birth.get(), person.christening.get(), context.fullBaptiseData, false,
                    person, context);
}

std::string DeathPart(const Tindividual& person, const DescriptionContext& context) {
    return PairText(person.death.get(), person.burial.get(), context.fullBurialData, true, person,
                    context);
}

std::string PersonDescription(const Tindividual& person, bool bold,
                              const DescriptionContext& context) {
    std::string name = NameWithAlias(person, context);
    if (bold) name = "<b>" + name + "</b>";
    std::string facts =
        JoinWith(BirthPart(person, context), ", ",
                 JoinWith(context.FileText(person.occupation), ", ", DeathPart(person, context)));
    return JoinWith(name, "; ", facts) + ".";
}

std::string MarriageText(const Tfamily& family, const DescriptionContext& context) {
    const Tlanguage& language = *context.language;
    std::string result;
    if (const TEventRecord* marriage = family.marriage.get()) {
        bool partners = ToUpperAscii(marriage->eventType).find("PARTNERS") != std::string::npos;
        std::string unofficial = partners ? language.unofficially : std::string();
        std::string_view tag = TagText(marriage->tag);
        std::string when;
        if (tag == "MARR") {
            when = DatePlaceText(*marriage, EventParts::DateAndPlace, context);
        } else if (tag == "MARB" || tag == "MARL") {
            std::string text = DatePlaceText(*marriage, EventParts::DateAndPlace, context);
            if (!text.empty()) when = language.after + " " + text;
        }
        result = JoinWith(unofficial, " ", when);
    }
    // The family has no sex of its own; the divorce is told in the male form.
    if (family.divorce)
        result = JoinWith(result, ", ",
                          EventText(*family.divorce, true, EventParts::DateAndPlace, context));
    return result;
}

std::string MarriagesText(const Tindividual& person, const MarriageVerb& verb,
                          const DescriptionContext& context) {
    bool male = IsMale(person);
    bool numbered = person.famsList.size() > 1;
    std::vector<std::string> lines;
    std::vector<std::string> chartLines;
    for (std::size_t i = 0; i < person.famsList.size(); ++i) {
        const Tfamily* family = person.famsList[i].family;
        if (!family) continue;
        std::string prefix = male ? verb.male : verb.female;
        prefix += ' ';
        if (numbered) prefix.append("(").append(std::to_string(i + 1)).append(") ");
        const Tindividual* spouse = SpouseIn(*family, person);
        if (spouse && !person.chartPartnerID.empty() && spouse->ID == person.chartPartnerID) {
            if (!chartLines.empty()) ReportMarriedTwice(person, *spouse, context);
            // The chart partner has a row of her own: no description here.
            chartLines.push_back(
                prefix + JoinWith(MarriageText(*family, context), ", ", context.language->with));
            continue;
        }
        std::string m = OtherMarriage(*family, spouse, context);
        if (!m.empty()) lines.push_back(prefix + m);
    }
    lines.insert(lines.end(), chartLines.begin(), chartLines.end());
    return JoinLines(lines);
}

std::string OtherMarriagesText(const Tindividual& woman, const DescriptionContext& context) {
    if (woman.famsList.empty()) return {};
    const Tlanguage& language = *context.language;
    std::string lead =
        woman.chartPartnerID.empty() ? language.sheMarried : language.sheMarriedEarlier;
    std::vector<std::string> lines;
    std::string last;
    for (const Tspouse& link : woman.famsList) {
        const Tindividual* husband = link.family ? SpouseIn(*link.family, woman) : nullptr;
        if (!husband) continue;
        if (!woman.chartPartnerID.empty() && husband->ID == woman.chartPartnerID) {
            lead = language.sheRemarried;
            continue;
        }
        last = JoinWith(JoinWith(MarriageText(*link.family, context), ", ", language.with), " ",
                        PersonDescription(*husband, false, context));
        if (!last.empty()) lines.push_back(lead + " " + last);
    }
    std::string result = JoinLines(lines);
    if (!last.empty()) result += kLineBreak;
    return result;
}

std::string SiblingsParagraph(const Tindividual& proband, const DescriptionContext& context) {
    const Tlanguage& language = *context.language;
    MarriageVerb verb{language.heMarried, language.sheMarried};
    const auto block = [&](const Tindividual& person) {
        return JoinWith(PersonDescription(person, true, context), kLineBreak,
                        MarriagesText(person, verb, context));
    };
    // Without a birth family the proband is a sibship of one.
    if (proband.famcList.empty() || !proband.famcList.front().family) return block(proband);
    std::vector<std::string> blocks;
    for (const TfamilyChild& child : proband.famcList.front().family->children) {
        if (child.person) blocks.push_back(block(*child.person));
    }
    return JoinLines(blocks);
}

std::string MarriageSummary(const Tindividual& person, const Database& db,
                            const DescriptionContext& descriptions) {
    const Tlanguage& language = *descriptions.language;
    std::string result;
    for (const Tspouse& link : person.famsList) {
        const Tfamily* family = db.families.Find(link.familyID);
        if (!family) continue;
        const Tindividual* partner = nullptr;
        if (!family->husbandID.empty()) {
            partner = db.persons.Find(family->husbandID);
            if (!partner) continue;
            if (partner->ID == person.ID) partner = nullptr;
        }
        if (!partner) {
            partner = db.persons.Find(family->wifeID);
            if (partner && partner->ID == person.ID) partner = nullptr;
        }
        if (!partner) continue;
        std::string d = PersonDescription(*partner, false, descriptions);
        // Languages without a word here ("with" is empty in English) would
        // otherwise leave a double blank after the comma.
        if (d != ".") d = JoinWith(language.with, " ", d);
        std::string t = JoinWith(MarriageText(*family, descriptions), ", ", d);
        const std::string& verb = person.sex == 'M' ? language.heMarried : language.sheMarried;
        result += "\r\n" + JoinWith(verb, t == "." ? "" : " ", t);
    }
    if (result.empty() && !person.famsList.empty()) result = "\r\n" + language.partnerUnknown;
    return result;
}

std::string BoxHint(const TlossPerson& node, const DescriptionContext& context) {
    if (!node.person) return {};
    std::string hint = node.person->ID;
    hint.append(":\r\n").append(PersonDescription(*node.person, false, context));
    if (!node.key.empty())
        hint.append("(").append(context.language->also).append(": ").append(node.key).append(".)");
    else
        hint += node.name;
    // A double whose other box is not in the chart has no link to click for.
    if (node.isDouble && node.twin)
        hint.append("\r\n\r\n").append(MessageText(Msg::DoubleClickForLink));
    return hint;
}

}  // namespace lg
