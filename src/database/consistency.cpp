#include "database/consistency.h"

#include <algorithm>
#include <exception>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "base/encoding.h"
#include "base/fill_in.h"
#include "base/help_texts.h"
#include "base/messages.h"
#include "base/text_helpers.h"
#include "database/date_checks.h"

namespace lg {
namespace {

const Tag kBirt = MakeTag("BIRT");
const Tag kAdop = MakeTag("ADOP");
const Tag kLegi = MakeTag("LEGI");
// Below this many persons a second thread costs more than it saves.
constexpr std::size_t kTwoCoresFrom = 20000;

std::string Text(Msg id) {
    return std::string(MessageText(id));
}

bool HasChild(const Tfamily& family, std::string_view id) {
    return std::any_of(family.children.begin(), family.children.end(),
                       [&](const TfamilyChild& c) { return c.childID == id; });
}

bool HasFams(const Tindividual& person, std::string_view familyID) {
    return std::any_of(person.famsList.begin(), person.famsList.end(),
                       [&](const Tspouse& s) { return s.familyID == familyID; });
}

bool HasFamc(const Tindividual& person, const Tfamily* family) {
    return std::any_of(person.famcList.begin(), person.famcList.end(),
                       [&](const Tchild& c) { return c.family == family; });
}

bool HasMarriageOrDivorce(const Tfamily& family) {
    return family.marriage != nullptr || family.divorce != nullptr;
}

// Two marriages of the same couple that nothing tells apart or orders.
bool Indistinguishable(const Tfamily& a, const Tfamily& b) {
    return a.husbandID == b.husbandID && a.wifeID == b.wifeID &&
           !(HasMarriageOrDivorce(a) && HasMarriageOrDivorce(b));
}

int MarriageYear(const Tfamily& family) {
    return family.marriage ? YearNumber(family.marriage->date) : 0;
}

// What each check asks of one link or record; the sweep that finds where to
// look and the check that reports ask the same.
bool FamcMatched(const Tindividual& person, const Tchild& link) {
    return link.family && HasChild(*link.family, person.ID);
}

bool FamsMatched(const Tindividual& person, const Tspouse& link) {
    const Tfamily* family = link.family;
    return family && (family->husbandID == person.ID || family->wifeID == person.ID);
}

// Whether an earlier link names the family the link at `i` names.
bool FamsTwice(const std::vector<Tspouse>& links, std::size_t i) {
    return std::any_of(links.begin(), links.begin() + static_cast<std::ptrdiff_t>(i),
                       [&](const Tspouse& s) { return s.familyID == links[i].familyID; });
}

bool PartnerMatched(const Tfamily& family, const std::string& id, const Tindividual* partner) {
    return id.empty() || (partner && HasFams(*partner, family.ID));
}

bool ChildMatched(const Tfamily& family, const TfamilyChild& entry) {
    return entry.person && HasFamc(*entry.person, &family);
}

bool HusbandIsFemale(const Tfamily& family) {
    return family.husband && family.husband->sex == 'F';
}

bool WifeIsMale(const Tfamily& family) {
    return family.wife && family.wife->sex == 'M';
}

bool HasImproperSex(const Tindividual& person) {
    return person.sex != 'M' && person.sex != 'F' && !person.famsList.empty();
}

// The records each check has to look at, in list order, found in one sweep
// over each list instead of a sweep per check: on a big file every sweep
// misses the cache at nearly every record.
struct Scouted {
    // Persons.
    std::vector<std::size_t> famc, fams, improperSex, severalFamc, staleParents;
    // Families.
    std::vector<std::size_t> chil, partners, partnerSex;

    void Person(const Tindividual& person, std::size_t i, int level) {
        const auto& famcs = person.famcList;
        if (!std::all_of(famcs.begin(), famcs.end(),
                         [&](const Tchild& link) { return FamcMatched(person, link); }))
            famc.push_back(i);
        if (FamsToCheck(person, level)) fams.push_back(i);
        if (HasImproperSex(person)) improperSex.push_back(i);
        // Only these can have a choice of birth family or a legitimation.
        if (famcs.size() >= 2) severalFamc.push_back(i);
        if (!HasParentsSet(person)) staleParents.push_back(i);
    }

    void Family(const Tfamily& family, std::size_t i) {
        const auto& children = family.children;
        if (!std::all_of(children.begin(), children.end(),
                         [&](const TfamilyChild& entry) { return ChildMatched(family, entry); }))
            chil.push_back(i);
        if (!PartnerMatched(family, family.husbandID, family.husband) ||
            !PartnerMatched(family, family.wifeID, family.wife))
            partners.push_back(i);
        if (HusbandIsFemale(family) || WifeIsMale(family)) partnerSex.push_back(i);
    }

    // Appends what a sweep over later records found.
    void Append(const Scouted& later) {
        auto join = [](std::vector<std::size_t>& to, const std::vector<std::size_t>& from) {
            to.insert(to.end(), from.begin(), from.end());
        };
        join(famc, later.famc);
        join(fams, later.fams);
        join(improperSex, later.improperSex);
        join(severalFamc, later.severalFamc);
        join(staleParents, later.staleParents);
        join(chil, later.chil);
        join(partners, later.partners);
        join(partnerSex, later.partnerSex);
    }

  private:
    static bool FamsToCheck(const Tindividual& person, int level) {
        const auto& links = person.famsList;
        if (!std::all_of(links.begin(), links.end(),
                         [&](const Tspouse& link) { return FamsMatched(person, link); }))
            return true;
        for (std::size_t i = 1; i < links.size(); ++i) {
            if (FamsTwice(links, i)) return true;
            if (level < 2) continue;
            for (std::size_t j = 0; j < i; ++j)
                if (Indistinguishable(*links[j].family, *links[i].family)) return true;
        }
        return false;
    }
};

class Checker {
  public:
    Checker(Database& db, Reporter& reporter, const CheckOptions& options, ErrorReport& report)
        : db_(db),
          reporter_(reporter),
          style_(options.nameStyle),
          report_(report),
          level_(report.Context().checkLevel) {}

    void Run() {
        TidyAndScout();
        Section(Msg::RecordsWithTheSameID, &Checker::SharedIdentifiers);
        Section(Msg::IncorrectFAMCLinks, &Checker::FamcLinks);
        Section(Msg::IncorrectFAMSLinks, &Checker::FamsLinks);
        Section(Msg::PersonsWithImproperSex, &Checker::ImproperSex);
        Section(Msg::IncorrectCHILLinks, &Checker::ChilLinks);
        Section(Msg::IncorrectHUSBWIFELinks, &Checker::PartnerLinks);
        Section(Msg::PartnerHasWrongSex, &Checker::PartnerSex);
        Section(Msg::MoreThanOneBirth, &Checker::BirthFamilies);
        MarkLegitimations();
        // Parents were taken from the first FAMC link before the repairs
        // dropped or reordered links; charts must follow the repaired one.
        // Without a dropped FAMC, HUSB or WIFE link, only a person with a
        // choice of birth family can have others now.
        if (famcDropped_ || partnersDropped_) {
            SetAllParents(db_.persons);
        } else {
            for (std::size_t i : scouted_.staleParents) SetParents(db_.persons[i]);
            for (std::size_t i : scouted_.severalFamc) SetParents(db_.persons[i]);
        }
    }

  private:
    using Step = int (Checker::*)();

    void Busy() {
        reporter_.ShowStatus(MessageText(Msg::VerifyingGedcomConsistency), StatusColour::Error);
    }

    void Section(Msg title, Step step) {
        Busy();
        int count = (this->*step)();
        if (count > 0) report_.ReportSection(MessageText(title), count, reporter_);
    }

    std::string Record(const Tindividual& person) const { return person.RecordDetails(style_); }
    std::string Details(const Tfamily& family) const { return family.FamilyDetails(style_); }

    void Entry(Msg problem, const std::string& body, Msg action) {
        report_.WriteReport(Bold(MessageText(problem)) + body + Maroon(MessageText(action)) +
                            "<br><br>");
    }

    // Every record is tidied and looked at on its own, so a big file's
    // second halves go to a second core; a thread that cannot start leaves
    // them to this one.
    void TidyAndScout() {
        Busy();
        const auto sweep = [this](std::size_t part, std::size_t parts) {
            Scouted found;
            const std::size_t persons = db_.persons.Count();
            for (std::size_t i = persons * part / parts; i < persons * (part + 1) / parts; ++i) {
                FetchAhead(db_.persons, i);
                Tindividual& person = db_.persons[i];
                DeleteEmptyEvents(person);
                person.ComputeYears();
                found.Person(person, i, level_);
            }
            const std::size_t families = db_.families.Count();
            for (std::size_t i = families * part / parts; i < families * (part + 1) / parts; ++i) {
                FetchAhead(db_.families, i);
                found.Family(db_.families[i], i);
            }
            return found;
        };
        Scouted later;
        std::exception_ptr failure;
        std::thread second;
        std::size_t parts = 1;
        if (db_.persons.Count() >= kTwoCoresFrom && std::thread::hardware_concurrency() >= 2) {
            try {
                second = std::thread([&] {
                    try {
                        later = sweep(1, 2);
                    } catch (...) {
                        failure = std::current_exception();
                    }
                });
                parts = 2;
            } catch (const std::system_error&) {
            }
        }
        try {
            scouted_ = sweep(0, parts);
        } catch (...) {
            if (second.joinable()) second.join();
            throw;
        }
        if (second.joinable()) second.join();
        if (failure) std::rethrow_exception(failure);
        scouted_.Append(later);
    }

    // The records the sweep picked, or every record where a repair since
    // may have made a check find more than the sweep saw.
    template <typename List, typename Visit>
    static void ForEach(List& list, const std::vector<std::size_t>* picked, Visit visit) {
        if (picked) {
            for (std::size_t i : *picked) visit(list[i]);
            return;
        }
        for (std::size_t i = 0; i < list.Count(); ++i) {
            FetchAhead(list, i);
            visit(list[i]);
        }
    }

    // Every record of an ID that several share, each with the line where
    // it starts in the file, and the one that links reach.
    int SharedIdentifiers() {
        return SharedIn(db_.persons, [this](const Tindividual& p) { return Record(p); }) +
               SharedIn(db_.families, [this](const Tfamily& f) { return Details(f); });
    }

    template <typename List, typename Describe>
    int SharedIn(const List& list, const Describe& describe) {
        int count = 0;
        for (const auto& run : list.SharedIdentifiers()) {
            std::string body = "<br>";
            for (std::size_t i = 0; i < run.count; ++i) {
                const auto& record = list[run.first + i];
                body += "line " + std::to_string(record.line) + describe(record);
            }
            const std::string first = std::to_string(list[run.first].line);
            report_.WriteReport(Bold(MessageText(Msg::RecordsShareAnID)) + body +
                                Maroon(FillIn(Msg::WillLinkToTheFirst, first)) + "<br><br>");
            ++count;
        }
        return count;
    }

    int FamcLinks() {
        int count = 0;
        ForEach(db_.persons, &scouted_.famc, [&](Tindividual& person) {
            for (std::size_t i = person.famcList.size(); i-- > 0;) {
                const Tfamily* family = person.famcList[i].family;
                if (FamcMatched(person, person.famcList[i])) continue;
                if (!family)
                    Entry(Msg::FamcNotExisting, Record(person), Msg::WillDisregardFamc);
                else
                    Entry(Msg::FamcNotMatched,
                          Record(person) + Text(Msg::DetailsOfTheFAMC) + Details(*family),
                          Msg::WillDisregardFamc);
                person.famcList.erase(person.famcList.begin() + static_cast<std::ptrdiff_t>(i));
                famcDropped_ = true;
                ++count;
            }
        });
        return count;
    }

    int FamsLinks() {
        int count = 0;
        ForEach(db_.persons, &scouted_.fams, [&](Tindividual& person) {
            auto& links = person.famsList;
            for (std::size_t i = links.size(); i-- > 0;) {
                const Tfamily* family = links[i].family;
                if (FamsMatched(person, links[i])) continue;
                if (!family)
                    Entry(Msg::FamsNotExisting, Record(person), Msg::WillDisregardFams);
                else
                    Entry(Msg::FamsNotMatched,
                          Record(person) + Text(Msg::DetailsOfTheFAMS) + Details(*family),
                          Msg::WillDisregardFams);
                links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
                famsDropped_ = true;
                ++count;
            }
            for (std::size_t i = links.size(); i-- > 1;) {
                if (!FamsTwice(links, i)) continue;
                Entry(Msg::FamsTwice,
                      Record(person) + Text(Msg::DetailsOfTheFAMS) + Details(*links[i].family),
                      Msg::WillDisregardFams);
                links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
                famsDropped_ = true;
                ++count;
            }
            if (level_ >= 2) count += IdenticalFamilies(person);
        });
        return count;
    }

    int IdenticalFamilies(const Tindividual& person) {
        int count = 0;
        const auto& links = person.famsList;
        for (std::size_t i = 1; i < links.size(); ++i)
            for (std::size_t j = 0; j < i; ++j) {
                const Tfamily& a = *links[j].family;
                const Tfamily& b = *links[i].family;
                if (!Indistinguishable(a, b)) continue;
                report_.WriteReport(Bold(MessageText(Msg::TwoIdenticalFamilies)) + Record(person) +
                                    Text(Msg::DetailsOfTheFAMS) + Details(a) + Details(b) +
                                    Maroon("") + "<br><br>");
                ++count;
            }
        return count;
    }

    int ImproperSex() {
        int count = 0;
        // Dropped FAMS links can only make fewer persons qualify.
        const auto& picked = scouted_.improperSex;
        for (auto p = picked.rbegin(); p != picked.rend(); ++p) {
            const Tindividual& person = db_.persons[*p];
            if (!HasImproperSex(person)) continue;
            if (count == 0)
                report_.WriteReport(Bold(MessageText(Msg::PersonIncorrectSex)) + "<br>");
            report_.WriteReport("(" + person.ID + ") " + person.FullName(style_) + "<br>");
            ++count;
        }
        return count;
    }

    int ChilLinks() {
        int count = 0;
        // Child entries are matched against the FAMC links, as repaired.
        ForEach(db_.families, famcDropped_ ? nullptr : &scouted_.chil, [&](Tfamily& family) {
            for (std::size_t i = family.children.size(); i-- > 0;) {
                const Tindividual* child = family.children[i].person;
                if (ChildMatched(family, family.children[i])) continue;
                if (!child)
                    Entry(Msg::ChilNotExisting, Details(family), Msg::WillDisregardChil);
                else
                    Entry(Msg::ChilNotMatched,
                          Details(family) + Text(Msg::DetailsOfTheCHIL) + Record(*child),
                          Msg::WillDisregardChil);
                family.children.erase(family.children.begin() + static_cast<std::ptrdiff_t>(i));
                ++count;
            }
        });
        return count;
    }

    struct PartnerTexts {
        Msg notExisting, notMatched, details, action;
    };

    // Returns true when the link was dropped.
    bool CheckPartner(Tfamily& family, const std::string& id, const Tindividual* partner,
                      const PartnerTexts& texts) {
        if (PartnerMatched(family, id, partner)) return false;
        if (!partner)
            Entry(texts.notExisting, Details(family), texts.action);
        else
            Entry(texts.notMatched, Details(family) + Text(texts.details) + Record(*partner),
                  texts.action);
        return true;
    }

    int PartnerLinks() {
        static const PartnerTexts husband{Msg::HusbNotExisting, Msg::HusbNotMatched,
                                          Msg::DetailsOfTheHUSB, Msg::WillDisregardHusb};
        static const PartnerTexts wife{Msg::WifeNotExisting, Msg::WifeNotMatched,
                                       Msg::DetailsOfTheWIFE, Msg::WillDisregardWife};
        int count = 0;
        // HUSB and WIFE are matched against the FAMS links, as repaired.
        ForEach(db_.families, famsDropped_ ? nullptr : &scouted_.partners, [&](Tfamily& family) {
            if (CheckPartner(family, family.husbandID, family.husband, husband)) {
                family.DeleteHUSB();
                partnersDropped_ = true;
                ++count;
            }
            if (CheckPartner(family, family.wifeID, family.wife, wife)) {
                family.DeleteWIFE();
                partnersDropped_ = true;
                ++count;
            }
        });
        return count;
    }

    int PartnerSex() {
        int count = 0;
        // Cleared HUSB and WIFE links can only make fewer families qualify.
        ForEach(db_.families, &scouted_.partnerSex, [&](const Tfamily& family) {
            if (HusbandIsFemale(family)) {
                report_.WriteReport(Bold(MessageText(Msg::HUSBHasWrongSex)) + Details(family) +
                                    "<font color=maroon></font><br><br>");
                ++count;
            }
            if (WifeIsMale(family)) {
                report_.WriteReport(Bold(MessageText(Msg::WIFEHasWrongSex)) + Details(family) +
                                    "<font color=maroon></font><br><br>");
                ++count;
            }
        });
        return count;
    }

    // Links that are neither birth nor adoption give way when a person has
    // several; both sides of each such link go.
    static void DropOtherRelations(Tindividual& person) {
        auto& links = person.famcList;
        for (std::size_t i = links.size(); i-- > 0;) {
            if (links[i].pedigree == kBirt || links[i].pedigree == kAdop) continue;
            Tfamily* family = links[i].family;
            if (!family) continue;
            links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
            // Another link to the same family still needs its CHIL entry.
            if (HasFamc(person, family)) continue;
            std::erase_if(family->children,
                          [&](const TfamilyChild& c) { return c.childID == person.ID; });
        }
    }

    static void MoveBirthFamilyToFront(TchildList& links) {
        std::size_t chosen = links.size();
        int firstMarriage = 0;
        for (std::size_t i = 0; i < links.size(); ++i) {
            if (!(links[i].pedigree == kBirt)) continue;
            const Tfamily* family = links[i].family;
            if (chosen == links.size()) {
                chosen = i;
                firstMarriage = family ? MarriageYear(*family) : 0;
            } else if (!family || !family->marriage || !family->husband ||
                       MarriageYear(*family) <= firstMarriage) {
                chosen = i;
            }
        }
        if (chosen == 0 || chosen == links.size()) return;
        std::rotate(links.begin(), links.begin() + static_cast<std::ptrdiff_t>(chosen),
                    links.begin() + static_cast<std::ptrdiff_t>(chosen) + 1);
    }

    // Removes every later link to a family linked before; true when any was.
    bool SameFamilyTwice(Tindividual& person) {
        auto& links = person.famcList;
        bool reported = false;
        for (std::size_t i = links.size(); i-- > 1;) {
            Tfamily* family = links[i].family;
            bool twice = std::any_of(links.begin(), links.begin() + static_cast<std::ptrdiff_t>(i),
                                     [&](const Tchild& c) { return c.family == family; });
            if (!twice) continue;
            if (!reported)
                report_.WriteReport(
                    Bold(MessageText(Msg::LinkedToSameFamilyTwice)) + Record(person) +
                    Maroon(FillIn(Msg::WillKeepBirt, links[i].familyID)) + "<br><br>");
            reported = true;
            links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
            if (family) KeepOneChildEntry(*family, person.ID);
        }
        return reported;
    }

    // One child link in each direction: a family that lists the child as
    // often as the child listed it keeps the first entry.
    static void KeepOneChildEntry(Tfamily& family, const std::string& id) {
        bool seen = false;
        std::erase_if(family.children, [&](const TfamilyChild& c) {
            if (c.childID != id) return false;
            bool drop = seen;
            seen = true;
            return drop;
        });
    }

    void ReportSeveralBirthFamilies(const Tindividual& person) {
        const auto& links = person.famcList;
        bool allAdopted = std::all_of(links.begin() + 1, links.end(),
                                      [](const Tchild& c) { return c.pedigree == kAdop; });
        if (allAdopted) return;
        report_.WriteReport(Bold(MessageText(Msg::MoreThanOneBirthFamilyText)) + Record(person));
        for (const Tchild& link : links)
            report_.WriteReport(Text(Msg::DetailsOfTheFAMC) + "<br>" +
                                (link.family ? Details(*link.family) : std::string()));
        report_.WriteReport(Maroon(FillIn(Msg::WillKeepBirt, links.front().familyID)) + "<br><br>");
        ++birthCount_;
    }

    int BirthFamilies() {
        birthCount_ = 0;
        // Dropped FAMC links can only make fewer persons qualify.
        ForEach(db_.persons, &scouted_.severalFamc, [&](Tindividual& person) {
            if (person.famcList.size() < 2) return;
            DropOtherRelations(person);
            auto& links = person.famcList;
            if (links.size() < 2) return;
            if (std::count_if(links.begin(), links.end(),
                              [](const Tchild& c) { return c.pedigree == kBirt; }) < 2)
                return;
            MoveBirthFamilyToFront(links);
            if (SameFamilyTwice(person))
                ++birthCount_;
            else
                ReportSeveralBirthFamilies(person);
            for (std::size_t i = 1; i < links.size(); ++i) links[i].pedigree = kAdop;
        });
        return birthCount_;
    }

    // A child adopted into a family with one of its birth parents is
    // recognised by that parent.
    void MarkLegitimations() {
        ForEach(db_.persons, &scouted_.severalFamc, [&](Tindividual& person) {
            auto& links = person.famcList;
            if (links.size() < 2 || !links.front().family) return;
            const Tfamily& birth = *links.front().family;
            for (std::size_t i = 1; i < links.size(); ++i) {
                const Tfamily* other = links[i].family;
                if (!(links[i].pedigree == kAdop) || !other) continue;
                if ((birth.husband && other->husband == birth.husband) ||
                    (birth.wife && other->wife == birth.wife))
                    links[i].pedigree = kLegi;
            }
        });
    }

    Database& db_;
    Reporter& reporter_;
    NameStyle style_;
    ErrorReport& report_;
    int level_;
    int birthCount_ = 0;
    Scouted scouted_;
    // Whether a check dropped links that later checks match against.
    bool famcDropped_ = false;
    bool famsDropped_ = false;
    bool partnersDropped_ = false;
};

void DropIfEmpty(std::unique_ptr<TEventRecord>& event) {
    if (event && !event->asserted && event->date.empty() && event->place.empty()) event.reset();
}

}  // namespace

void DeleteEmptyEvents(Tindividual& person) {
    DropIfEmpty(person.birth);
    DropIfEmpty(person.christening);
    DropIfEmpty(person.death);
    DropIfEmpty(person.burial);
}

CheckOutcome CheckGedcom(Database& db, const DateQualifiers* language, Reporter& reporter,
                         const CheckOptions& options) {
    ReportContext context = options.report;
    context.checkLevel = std::clamp(context.checkLevel, 0, 2);
    ErrorReport report(std::move(context));
    reporter.BeginInterruptible();
    try {
        Checker(db, reporter, options, report).Run();
        if (language) {
            DateCheckOptions dates;
            dates.checkLevel = report.Context().checkLevel;
            dates.hidden = options.skipDateChecks;
            dates.nameStyle = options.nameStyle;
            CheckDates(db, *language, report, reporter, dates);
        } else {
            reporter.ShowStatus(MessageText(Msg::ReadyToCalculate), StatusColour::Normal);
        }
    } catch (...) {
        reporter.EndInterruptible();
        // Whatever was repaired so far, charts must not follow dropped links.
        SetAllParents(db.persons);
        throw;
    }
    reporter.EndInterruptible();
    if (!report.IsOpen()) return CheckOutcome::Clean;
    if (!report.Close()) {
        // The report is a by-product of the load: its loss is a warning,
        // and the load goes on without it.
        const std::string name = DecodeUtf8(report.Path().filename().string());
        reporter.AddMessage(
            report.Refused() ? FillInAll(Msg::FileNotGeneratedByUs, {name, "the error report"})
                             : FillInAll(Msg::ReportNotWritten, {DecodeUtf8(report.Path().string()),
                                                                 report.Failure().reason}));
        return CheckOutcome::ReportNotWritten;
    }
    int32_t state = reporter.RunState();
    reporter.AddMessage(ErrorReportHint(), true);
    reporter.SetRunState(state);
    return CheckOutcome::Reported;
}

}  // namespace lg
