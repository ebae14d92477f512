#include "database/date_checks.h"

#include <algorithm>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "base/messages.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

constexpr std::string_view kTableOpen = "<table border=0 cellpadding=0>";
constexpr std::string_view kColumns =
    "<col><col><col style=\"color:maroon\"><col><col style=\"color:maroon\"><col>"
    "<col style=\"color:maroon\" align=right>";
constexpr std::string_view kMissingYear = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;?";

const std::string& DateOf(const std::unique_ptr<TEventRecord>& event) {
    static const std::string none;
    return event ? event->date : none;
}
int YearOfEvent(const std::unique_ptr<TEventRecord>& event) {
    return event ? YearNumber(event->date) : 0;
}
int MarriageYear(const Tfamily* family) {
    return family ? YearOfEvent(family->marriage) : 0;
}
int DivorceYear(const Tfamily* family) {
    return family ? YearOfEvent(family->divorce) : 0;
}

std::string YearText(int year) {
    return year != 0 ? std::to_string(year) : std::string(kMissingYear);
}

// One event as a report row: its tag, date and place.
std::string EventRow(const std::unique_ptr<TEventRecord>& event) {
    if (!event) return {};
    return Row(Cell(TrimRightBlanks(TagText(event->tag))) + Cell(event->date) + Cell(event->place));
}

// The catalogue words of the simple findings, each already a table cell.
struct EventWords {
    std::string born = Cell(MessageText(Msg::Born));
    std::string died = Cell(MessageText(Msg::Died));
    std::string baptised = Cell(MessageText(Msg::Baptised));
    std::string married = Cell(MessageText(Msg::Married));
    std::string separated = Cell(MessageText(Msg::Separated));
    std::string remarried = Cell(MessageText(Msg::Remarried));
    std::string buried = Cell(MessageText(Msg::Buried));
    std::string child = Cell(MessageText(Msg::Child));
    std::string years = std::string(MessageText(Msg::Years));
};

class DateChecker {
  public:
    DateChecker(const Database& db, const DateQualifiers* language, const DateCheckOptions& options,
                const ReportLineWriter& write)
        : db_(db), language_(language), options_(options), write_(write) {}

    int Run();

  private:
    bool Plausible(std::string_view first, std::string_view second) const {
        return DatesPlausible(first, second, language_, options_.checkLevel);
    }
    std::string PersonCells(const Tindividual& person) const {
        return Cell(person.ID) + Cell(person.FullName(options_.nameStyle));
    }
    // The heading of the findings table goes before the run's first finding,
    // on a line of its own: a finding written as text, not as a row, would
    // otherwise run on after it.
    void CountFinding(bool withHeading) {
        if (scouting_) {
            found_ = true;
            return;
        }
        if (findings_ == 0 && withHeading)
            write_(Bold(MessageText(Msg::DubiousOrInconsistentDates)) + "<br>" +
                   std::string(kTableOpen) + std::string(kColumns));
        ++findings_;
    }
    void Simple(const Tindividual& person, const std::string& word1, std::string_view date1,
                const std::string& word2, std::string_view date2, int difference) {
        if (scouting_) {
            found_ = true;
            return;
        }
        CountFinding(true);
        write_(Row(PersonCells(person) + word1 + Cell(date1) + word2 + Cell(date2) +
                   Cell(std::to_string(difference) + " " + words_.years)));
    }

    // A scout only notes whether a check would write; it writes nothing.
    void Write(std::string_view line) {
        if (!scouting_) write_(line);
    }

    // Which records each pass writes about, in list order.
    template <typename Record, typename Pass>
    std::vector<std::vector<std::size_t>> Scout(const TrecordList<Record>& list,
                                                const std::vector<Pass>& passes) {
        scouting_ = true;
        std::vector<std::vector<std::size_t>> hits(passes.size());
        for (std::size_t i = 0; i < list.Count(); ++i) {
            FetchAhead(list, i);
            for (std::size_t k = 0; k < passes.size(); ++k) {
                found_ = false;
                passes[k](*this, list[i]);
                if (found_) hits[k].push_back(i);
            }
        }
        return hits;
    }

    void CheckLifespan(const Tindividual& p);
    void CheckChristening(const Tindividual& p);
    void CheckBurial(const Tindividual& p);
    void CheckMarriageAge(const Tfamily& family, const Tindividual& p);
    void CheckRemarriage(const Tindividual& p);
    void CheckParentsAge(const Tfamily& family, const Tindividual& parent);
    void CheckBirthAfterDeath(const Tfamily& family, const Tindividual& parent, bool isFather);

    void CheckMarriageOrder(const Tindividual& p);
    void CheckOverlap(const Tfamily& family);
    void CheckChildrenOrder(const Tfamily& family);
    void CheckCloseChildren(const Tindividual& woman);
    void CheckBaptismPractice(const Tfamily& family);
    void WriteBaptismBlock(const Tfamily& family, const Tindividual* reported);

    const Database& db_;
    const DateQualifiers* language_;
    DateCheckOptions options_;
    const ReportLineWriter& write_;
    EventWords words_;
    int findings_ = 0;
    bool scouting_ = false;
    bool found_ = false;
};

void DateChecker::CheckLifespan(const Tindividual& p) {
    if (p.deathYear != 0 && p.deathYear < p.birthYear) {
        if (!Plausible(p.BirthDate(), p.DeathDate()))
            Simple(p, words_.born, p.BirthDate(), words_.died, p.DeathDate(),
                   p.deathYear - p.birthYear);
        return;
    }
    // Married people are known to have lived; the longest lives on record
    // are a little over 110 years.
    const int limit = p.famsList.empty() ? 100 : 112;
    if (p.birthYear != 0 && p.birthYear + limit < p.deathYear)
        Simple(p, words_.born, p.BirthDate(), words_.died, p.DeathDate(),
               p.deathYear - p.birthYear);
}

void DateChecker::CheckChristening(const Tindividual& p) {
    if (!p.christening) return;
    const std::string& date = p.christening->date;
    const int x = YearNumber(date);
    if (x != 0 && x < p.birthYear) {
        if (!Plausible(p.BirthDate(), date))
            Simple(p, words_.born, p.BirthDate(), words_.baptised, date, x - p.birthYear);
    } else if (p.deathYear != 0 && x > p.deathYear) {
        if (!Plausible(date, p.DeathDate()))
            Simple(p, words_.baptised, date, words_.died, p.DeathDate(), p.deathYear - x);
    }
}

void DateChecker::CheckBurial(const Tindividual& p) {
    const int b = YearOfEvent(p.burial);
    if (b != 0 && b < p.deathYear) {
        if (!Plausible(p.DeathDate(), p.BurialDate()))
            Simple(p, words_.died, p.DeathDate(), words_.buried, p.BurialDate(), b - p.deathYear);
    } else if (p.deathYear != 0 && p.deathYear < b) {
        // A December death is often followed by a burial in January.
        const bool nextJanuary = MonthOf(p.DeathDate()) == 12 && b <= p.deathYear + 1;
        if (!nextJanuary)
            Simple(p, words_.died, p.DeathDate(), words_.buried, p.BurialDate(), b - p.deathYear);
    }
}

void DateChecker::CheckMarriageAge(const Tfamily& family, const Tindividual& p) {
    const int m = MarriageYear(&family);
    const int v = DivorceYear(&family);
    const std::string& married = DateOf(family.marriage);
    const std::string& divorced = DateOf(family.divorce);
    // Without a birth year there is no age to compare.
    if (m != 0 && p.birthYear != 0 && p.birthYear + MinimumAge(p.birthYear) > m)
        Simple(p, words_.born, p.BirthDate(), words_.married, married, m - p.birthYear);
    else if (p.deathYear != 0 && p.deathYear < v)
        Simple(p, words_.died, p.DeathDate(), words_.separated, divorced, v - p.deathYear);
    else if (p.deathYear != 0 && p.deathYear < m) {
        if (!Plausible(married, p.DeathDate()))
            Simple(p, words_.married, married, words_.died, p.DeathDate(), p.deathYear - m);
    } else if (v != 0 && v < p.birthYear)
        Simple(p, words_.born, p.BirthDate(), words_.separated, divorced, v - p.birthYear);
}

void DateChecker::CheckRemarriage(const Tindividual& p) {
    if (p.famsList.size() < 2) return;
    const Tfamily* previous = p.famsList.front().family;
    int s = DivorceYear(previous);
    for (std::size_t k = 1; k < p.famsList.size(); ++k) {
        const Tfamily* family = p.famsList[k].family;
        const int r = MarriageYear(family);
        if (r != 0 && r < s) {
            const std::string& separated = DateOf(previous->divorce);
            const std::string& remarried = DateOf(family->marriage);
            if (!Plausible(separated, remarried))
                Simple(p, words_.separated, separated, words_.remarried, remarried, r - s);
        }
        previous = family;
        s = DivorceYear(family);
    }
}

void DateChecker::CheckParentsAge(const Tfamily& family, const Tindividual& parent) {
    if (parent.birthYear == 0) return;
    for (auto it = family.children.rbegin(); it != family.children.rend(); ++it) {
        const Tindividual* child = it->person;
        if (!child || child->birthYear == 0) continue;
        if (parent.birthYear > child->birthYear - 13)
            Simple(parent, words_.born, parent.BirthDate(), words_.child, child->BirthDate(),
                   child->birthYear - parent.birthYear);
    }
}

void DateChecker::CheckBirthAfterDeath(const Tfamily& family, const Tindividual& parent,
                                       bool isFather) {
    const int d = parent.deathYear;
    if (d == 0) return;
    // A child may be born up to nine months after its father's death.
    const int yearAllowance = isFather ? 1 : 0;
    const int monthAllowance = isFather ? 9 : 0;
    const int dm = MonthOf(parent.DeathDate());
    for (auto it = family.children.rbegin(); it != family.children.rend(); ++it) {
        const Tindividual* child = it->person;
        if (!child) continue;
        const int y = child->birthYear;
        if (y == 0 || y < d) continue;
        bool finding = false;
        if (y - yearAllowance > d) {
            finding = isFather || !Plausible(child->BirthDate(), parent.DeathDate());
        } else {
            const int ym = MonthOf(child->BirthDate());
            finding = dm != 0 && ym != 0 && d * 12 + dm < y * 12 + ym - monthAllowance;
        }
        if (finding)
            Simple(parent, words_.child, child->BirthDate(), words_.died, parent.DeathDate(),
                   d - y);
    }
}

void DateChecker::CheckMarriageOrder(const Tindividual& p) {
    if (p.famsList.size() < 2) return;
    auto partnerOf = [&p](const Tfamily* family) -> const Tindividual* {
        if (!family) return nullptr;
        return family->husband != &p ? family->husband : family->wife;
    };
    auto timeOf = [&](const Tfamily* family) {
        if (!family) return 0;
        if (family->marriage) return YearNumber(family->marriage->date);
        const Tindividual* partner = partnerOf(family);
        return partner ? partner->deathYear : 0;
    };
    bool outOfOrder = false;
    int previous = timeOf(p.famsList.front().family);
    for (std::size_t k = 1; k < p.famsList.size() && !outOfOrder; ++k) {
        const int time = timeOf(p.famsList[k].family);
        outOfOrder = previous != 0 && time != 0 && previous - 1 > time;
        previous = time;
    }
    if (!outOfOrder) return;

    CountFinding(true);
    Write(Maroon(MessageText(Msg::MarriagesOutOfOrder)));
    Write(std::string(kTableOpen) + Row(Cell("INDI") + PersonCells(p)));
    for (const Tspouse& link : p.famsList) {
        const Tfamily* family = link.family;
        std::string inner;
        if (family) {
            inner = EventRow(family->marriage) + EventRow(family->divorce);
            const Tindividual* partner = partnerOf(family);
            if (partner && partner->death)
                inner += Row(Cell(partner == family->husband ? "HUSB" : "WIFE") +
                             PersonCells(*partner)) +
                         EventRow(partner->death);
        }
        Write(Row(Cell("FAM") + Cell(link.familyID) + "<td colspan=3><table>" + inner +
                  "</table></td>"));
    }
    Write("</table><br>");
}

void DateChecker::CheckOverlap(const Tfamily& family) {
    const Tindividual* husband = family.husband;
    const Tindividual* wife = family.wife;
    if (!husband || !wife || MarriageYear(&family) != 0 || DivorceYear(&family) != 0) return;
    const int end = std::min(husband->deathYear, wife->deathYear);
    const int start = std::max(husband->birthYear, wife->birthYear);
    if (end <= 0 || start <= 0 || MinimumAge(start) <= end - start) return;

    CountFinding(true);
    auto partnerRow = [this](std::string_view label, const Tindividual& person) {
        return Row(Cell(label) +
                   Cell(YearText(person.birthYear) + " - " + YearText(person.deathYear)) +
                   PersonCells(person));
    };
    Write(Maroon(MessageText(Msg::EnoughOverlapForMarriage)));
    Write(std::string(kTableOpen) + Row(Cell("FAM") + Cell(family.ID)) +
          partnerRow("HUSB", *husband) + partnerRow("WIFE", *wife) + "</table>");
    Write("<br>");
}

void DateChecker::CheckChildrenOrder(const Tfamily& family) {
    if (family.children.size() < 2) return;
    std::vector<bool> early(family.children.size(), false);
    bool any = false;
    int latest = 0;
    for (std::size_t i = 0; i < family.children.size(); ++i) {
        const Tindividual* child = family.children[i].person;
        const int year = child ? child->birthYear : 0;
        if (year == 0) continue;
        if (year < latest) early[i] = any = true;
        latest = std::max(latest, year);
    }
    if (!any) return;

    CountFinding(true);
    auto partnerRow = [this](std::string_view label, const Tindividual* person) {
        return Row(Cell(label) + (person ? PersonCells(*person) : std::string()));
    };
    Write(Maroon(MessageText(Msg::ChildrenOutOfOrder)));
    Write(std::string(kTableOpen) + Row(Cell("FAM") + Cell(family.ID)) +
          partnerRow("WIFE", family.wife) + partnerRow("HUSB", family.husband));
    for (std::size_t i = 0; i < family.children.size(); ++i) {
        const TfamilyChild& entry = family.children[i];
        if (!entry.person) {
            Write(Row(Cell("CHIL") + Cell("") + Cell(entry.childID)));
            continue;
        }
        const std::string& date = entry.person->BirthDate();
        Write(Row(Cell("CHIL") + Cell(early[i] ? Red(date) : date) + PersonCells(*entry.person)));
    }
    Write("</table><br>");
}

// Calls visit(child, close) for each child of the woman's families in turn;
// close: born too soon after the child before for both to be hers.
template <typename Visit>
void VisitChildrenOf(const Tindividual& woman, Visit visit) {
    // The last child with a birth year; its month is looked up only when a
    // birth follows within a year, since two births further apart are
    // never close, and that spares a big file most of the birth events.
    int previousYear = 0;
    const Tindividual* previousChild = nullptr;
    for (const Tspouse& link : woman.famsList) {
        if (!link.family) continue;
        for (const TfamilyChild& entry : link.family->children) {
            const Tindividual* child = entry.person;
            if (!child) continue;
            const int year = child->birthYear;
            bool close = false;
            if (year != 0 && previousYear != 0 &&
                (year == previousYear || year == previousYear + 1)) {
                const int month = MonthOf(child->BirthDate());
                if (month != 0) {
                    // A birth year without a month counts as January.
                    const int previous =
                        previousYear * 12 + std::max(1, MonthOf(previousChild->BirthDate()));
                    const int time = year * 12 + month;
                    // Twins are born in the same or the next month; a stillborn
                    // child may come early (asked last: it compares strings).
                    close = previous + 1 < time && time < previous + 9 &&
                            (time < previous + 6 || !child->IsStillborn());
                }
            }
            if (year != 0) {
                previousYear = year;
                previousChild = child;
            }
            visit(*child, close);
        }
    }
}

void DateChecker::CheckCloseChildren(const Tindividual& woman) {
    if (woman.sex != 'F' || woman.famsList.empty()) return;
    // Most women have none: they are found without keeping anything.
    bool any = false;
    VisitChildrenOf(woman, [&](const Tindividual&, bool close) { any = any || close; });
    if (!any) return;

    CountFinding(true);
    Write(Maroon(MessageText(Msg::TwoChildrenWithin9Months)));
    Write(std::string(kTableOpen) + Row(Cell("WIFE") + PersonCells(woman)));
    VisitChildrenOf(woman, [&](const Tindividual& child, bool close) {
        const std::string date = child.BirthDate();
        Write(Row(Cell("CHIL") + Cell(close ? Red(date) : date) + PersonCells(child)));
    });
    Write("</table><br>");
}

void DateChecker::WriteBaptismBlock(const Tfamily& family, const Tindividual* reported) {
    CountFinding(false);
    Write(Maroon(MessageText(Msg::BaptiseInconsistentWithinFamily)));
    Write(std::string(kTableOpen) + Row(Cell("FAM") + Cell(family.ID)));
    for (const TfamilyChild& entry : family.children) {
        const Tindividual* child = entry.person;
        if (!child) continue;
        const std::string christened = child->ChristeningDate();
        Write(Row(Cell("CHIL") + Cell(child->BirthDate()) +
                  Cell(child == reported ? Red(christened) : christened) + PersonCells(*child)));
    }
    Write("</table><br><br>");
}

void DateChecker::CheckBaptismPractice(const Tfamily& family) {
    const auto& children = family.children;
    if (children.size() < 2) return;
    auto baptised = [](const Tindividual* c) { return c && c->christening && c->birthYear != 0; };
    std::size_t n = 0;
    long long sum = 0;
    for (const TfamilyChild& entry : children) {
        const Tindividual* child = entry.person;
        if (!baptised(child)) continue;
        const int x = YearNumber(child->christening->date);
        if (x < child->birthYear || x > child->deathYear) return;
        ++n;
        sum += x - child->birthYear;
    }
    if (n == children.size()) {
        // Every child was baptised: one baptised after a younger sibling
        // stands out by itself.
        const int last = YearNumber(children.back().person->christening->date);
        for (std::size_t i = children.size() - 1; i-- > 0;) {
            const Tindividual* child = children[i].person;
            if (YearNumber(child->christening->date) > last) {
                WriteBaptismBlock(family, child);
                n = 0;
            }
        }
    }
    const long long count = static_cast<long long>(children.size());
    const long long baptisedCount = static_cast<long long>(n);
    // Too few baptised children to speak of a family practice.
    if (baptisedCount < 3 || count - 3 > baptisedCount) return;
    const long long limit = 2 * sum / baptisedCount + 1;

    const Tindividual* candidate = nullptr;
    int after = 0;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const Tindividual* child = it->person;
        if (!child || !child->christening) continue;
        const int x = YearNumber(child->christening->date);
        if (child->birthYear != 0 && x - child->birthYear > limit && x != after) {
            if (candidate) return;
            candidate = child;
        }
        after = x;
    }
    if (candidate) WriteBaptismBlock(family, candidate);
}

int DateChecker::Run() {
    const int level = std::clamp(options_.checkLevel, 0, 2);
    if (level > 0 && !options_.hidden) {
        using PersonPass = void (*)(DateChecker&, const Tindividual&);
        using FamilyPass = void (*)(DateChecker&, const Tfamily&);
        const std::vector<PersonPass> personPasses = {
            [](DateChecker& c, const Tindividual& p) {
                c.CheckLifespan(p);
                c.CheckChristening(p);
                c.CheckBurial(p);
            },
            [](DateChecker& c, const Tindividual& p) { c.CheckRemarriage(p); },
            [](DateChecker& c, const Tindividual& p) { c.CheckMarriageOrder(p); },
            [](DateChecker& c, const Tindividual& p) { c.CheckCloseChildren(p); },
        };
        std::vector<FamilyPass> familyPasses = {
            [](DateChecker& c, const Tfamily& f) {
                if (MarriageYear(&f) == 0 && DivorceYear(&f) == 0) return;
                if (f.husband) c.CheckMarriageAge(f, *f.husband);
                if (f.wife) c.CheckMarriageAge(f, *f.wife);
            },
            [](DateChecker& c, const Tfamily& f) {
                if (f.children.empty()) return;
                if (f.husband) c.CheckParentsAge(f, *f.husband);
                if (f.wife) c.CheckParentsAge(f, *f.wife);
            },
            [](DateChecker& c, const Tfamily& f) {
                if (f.children.empty()) return;
                if (f.husband) c.CheckBirthAfterDeath(f, *f.husband, true);
                if (f.wife) c.CheckBirthAfterDeath(f, *f.wife, false);
            },
            [](DateChecker& c, const Tfamily& f) { c.CheckOverlap(f); },
            [](DateChecker& c, const Tfamily& f) { c.CheckChildrenOrder(f); },
        };
        if (level == 2)
            familyPasses.push_back(
                [](DateChecker& c, const Tfamily& f) { c.CheckBaptismPractice(f); });

        // A pass over a big file's records in identifier order misses the
        // cache at nearly every record. So scouts find which records the
        // passes write about, all passes of a list in one sweep and the two
        // lists at once, and then the passes write about those records
        // alone, in their order: the same report for a fraction of the
        // misses.
        DateChecker familyScout(db_, language_, options_, write_);
        std::vector<std::vector<std::size_t>> familyHits;
        std::exception_ptr failure;
        std::thread familySweep([&] {
            try {
                familyHits = familyScout.Scout(db_.families, familyPasses);
            } catch (...) {
                failure = std::current_exception();
            }
        });
        std::vector<std::vector<std::size_t>> personHits;
        try {
            personHits =
                DateChecker(db_, language_, options_, write_).Scout(db_.persons, personPasses);
        } catch (...) {
            familySweep.join();
            throw;
        }
        familySweep.join();
        if (failure) std::rethrow_exception(failure);

        const auto persons = [&](std::size_t k) {
            for (std::size_t i : personHits[k]) personPasses[k](*this, db_.persons[i]);
        };
        const auto families = [&](std::size_t k) {
            for (std::size_t i : familyHits[k]) familyPasses[k](*this, db_.families[i]);
        };
        persons(0);
        families(0);
        persons(1);
        families(1);
        families(2);
        if (findings_ > 0) write_("</table><br>");

        persons(2);
        families(3);
        families(4);
        persons(3);
        if (level == 2) families(5);
    }
    if (findings_ > 0) write_("</table><br><br>");
    return findings_;
}

}  // namespace

int MinimumAge(int birthYear) {
    if (birthYear <= 1700) return 13;
    if (birthYear <= 1811) return 15;
    return 16;
}

bool DatesPlausible(std::string_view first, std::string_view second, const DateQualifiers* language,
                    int checkLevel) {
    if (checkLevel >= 2) return YearNumber(first) <= YearNumber(second) + 1;
    if (!language) return true;
    const std::string_view firstQualifier = language->QualifierOf(first);
    const std::string_view secondQualifier = language->QualifierOf(second);
    return firstQualifier.find("AFT") == std::string_view::npos &&
           secondQualifier.find("BEF") == std::string_view::npos;
}

int RunDateChecks(const Database& db, const DateQualifiers* language,
                  const DateCheckOptions& options, const ReportLineWriter& write) {
    return DateChecker(db, language, options, write).Run();
}

int CheckDates(Database& db, const DateQualifiers& language, ErrorReport& report,
               Reporter& reporter, const DateCheckOptions& options) {
    const int level = std::clamp(options.checkLevel, 0, 2);
    if (level > 0 && !options.hidden)
        reporter.ShowStatus(MessageText(Msg::VerifyingGedcomConsistency), StatusColour::Error);
    const ReportLineWriter write = [&report](std::string_view line) { report.WriteReport(line); };
    const int findings = RunDateChecks(db, &language, options, write);
    if (findings > 0)
        report.ReportSection(MessageText(Msg::DubiousOrInconsistentDates), findings, reporter);
    reporter.ShowStatus(MessageText(Msg::ReadyToCalculate), StatusColour::Normal);
    return findings;
}

void CheckDates(Database& db, const DateQualifiers& language, ErrorReport& report,
                Reporter& reporter) {
    DateCheckOptions options;
    options.checkLevel = report.Context().checkLevel;
    CheckDates(db, language, report, reporter, options);
}

}  // namespace lg
