#include "gedcom_generator.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <limits>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace lg::bench {
namespace {

// ---------------------------------------------------------------------------
// Random numbers. The shape of a stored tree comes from one stream; the
// details of each record from a stream seeded by (seed, purpose, identifier),
// so that a record's text depends only on its identifier and a change to how
// one field is drawn shifts nothing else.

constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;

constexpr std::uint64_t Mix(std::uint64_t x) {
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// SplitMix64: one word of state and a few multiplications per draw, cheap
// enough for a million persons in a few seconds.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        state_ += kGolden;
        return Mix(state_);
    }
    // Uniform in [0, n); n > 0.
    std::uint32_t Below(std::uint32_t n) {
        return static_cast<std::uint32_t>(((Next() >> 32) * n) >> 32);
    }
    bool Percent(std::uint32_t p) { return Below(100) < p; }

  private:
    std::uint64_t state_;
};

enum class Stream : std::uint64_t { kStructure = 1, kPerson, kFamily, kSurname, kBirth, kPlace };

std::uint64_t StreamSeed(std::uint64_t seed, Stream stream, std::int64_t index) {
    return Mix(Mix(seed + kGolden * static_cast<std::uint64_t>(stream)) ^
               (static_cast<std::uint64_t>(index) * kGolden));
}

// ---------------------------------------------------------------------------
// Invented names, places and texts. Non-ASCII letters are UTF-8 byte escapes
// so that the source stays ASCII whatever editor touches it.

struct Surname {
    std::string_view particle;
    std::string_view core;
};

struct NoteText {
    std::string_view first;
    std::string_view second;
};

// clang-format off
constexpr std::string_view kMaleNames[] = {
    "Jan", "Pieter", "Hendrik", "Willem", "Johannes", "Cornelis", "Gerrit", "Dirk", "Jacobus",
    "Adriaan", "Frederik", "Theodorus", "Sjoerd", "Jean", "Pierre", "Fran\xc3\xa7ois", "Jacques",
    "Louis", "\xc3\x89tienne", "No\xc3\xabl", "Andr\xc3\xa9", "Th\xc3\xa9ophile", "Friedrich",
    "Heinrich", "Karl", "Johann", "Wilhelm", "J\xc3\xbcrgen", "G\xc3\xbcnther", "S\xc3\xb8ren",
    "Lucas", "Daan"
};
constexpr std::string_view kFemaleNames[] = {
    "Maria", "Anna", "Johanna", "Cornelia", "Geertruida", "Elisabeth", "Wilhelmina", "Hendrika",
    "Aaltje", "Marie", "Jeanne", "Fran\xc3\xa7oise", "\xc3\x89lise", "Madeleine",
    "H\xc3\xa9l\xc3\xa8ne", "Am\xc3\xa9lie", "Zo\xc3\xab", "Katharina", "Margarethe", "Sophie",
    "Ingrid", "K\xc3\xa4the", "Brigitte", "Anneke", "Emma", "Greta", "Chlo\xc3\xab", "Liesbeth"
};
constexpr Surname kSurnames[] = {
    {"van der", "Berg"}, {"de", "Vries"}, {"van", "Dijk"}, {"", "Jansen"}, {"de", "Jong"},
    {"", "Bakker"}, {"", "Visser"}, {"", "Smit"}, {"", "Meijer"}, {"de", "Boer"}, {"", "Mulder"},
    {"van den", "Broek"}, {"ter", "Horst"}, {"van", "Leeuwen"}, {"", "Hoekstra"},
    {"", "M\xc3\xbcller"}, {"", "Sch\xc3\xa4" "fer"}, {"", "Wei\xc3\x9f"},
    {"", "Br\xc3\xbc" "ckner"}, {"von", "Ahlen"}, {"", "Schr\xc3\xb6" "der"},
    {"", "Lef\xc3\xa8vre"}, {"", "Dubois"}, {"", "Moreau"}, {"", "Gar\xc3\xa7on"},
    {"de la", "Fontaine"}, {"", "Mercier"}, {"", "Janssens"}, {"", "Peeters"}, {"van", "Acker"},
    {"", "S\xc3\xb8rensen"}, {"", "N\xc3\xb8rgaard"}
};
constexpr std::string_view kPlaces[] = {
    "Utrecht, Utrecht, Nederland", "Amersfoort, Utrecht, Nederland",
    "Amsterdam, Noord-Holland, Nederland", "Haarlem, Noord-Holland, Nederland",
    "Leiden, Zuid-Holland, Nederland", "Rotterdam, Zuid-Holland, Nederland",
    "'s-Hertogenbosch, Noord-Brabant, Nederland", "Leeuwarden, Friesland, Nederland",
    "Groningen, Groningen, Nederland", "Maastricht, Limburg, Nederland",
    "Brugge, West-Vlaanderen, Belgi\xc3\xab", "Li\xc3\xa8ge, Li\xc3\xa8ge, Belgique",
    "Namur, Namur, Belgique", "Lille, Nord, France", "Roubaix, Nord, France",
    "Besan\xc3\xa7on, Doubs, France", "N\xc3\xaemes, Gard, France", "Strasbourg, Bas-Rhin, France",
    "D\xc3\xbcsseldorf, Nordrhein-Westfalen, Deutschland",
    "K\xc3\xb6ln, Nordrhein-Westfalen, Deutschland",
    "M\xc3\xbcnster, Nordrhein-Westfalen, Deutschland", "Gie\xc3\x9f" "en, Hessen, Deutschland",
    "T\xc3\xb8nder, Syddanmark, Danmark", "Z\xc3\xbcrich, Z\xc3\xbcrich, Schweiz"
};
constexpr std::string_view kOccupations[] = {
    "Landbouwer", "Smid", "Timmerman", "Bakker", "Koopman", "Schipper", "Arbeider", "Onderwijzer",
    "Notaris", "Boulanger", "Tisserand", "Meunier", "Cordonnier", "Vigneron", "Instituteur",
    "Schuhmacher", "B\xc3\xa4" "cker", "Zimmermann", "Lehrer", "F\xc3\xb6rster", "Kaufmann",
    "Dienstbode"
};
constexpr NoteText kNotes[] = {
    {"Gegevens overgenomen uit het doopregister;",
     "de spelling van de naam wisselt per akte."},
    {"Donn\xc3\xa9" "es reprises des registres paroissiaux.",
     "Le pr\xc3\xa9nom d'usage diff\xc3\xa8re de l'acte de bapt\xc3\xaame."},
    {"Angaben laut Kirchenbuch, Schreibweise unsicher.",
     "Vater in der Heiratsurkunde als Tagel\xc3\xb6hner genannt."},
    {"Verhuisde na het huwelijk naar de stad.",
     "Zie ook de bevolkingsregisters van de gemeente."}
};
constexpr std::string_view kSourceTitles[] = {
    "Burgerlijke stand Utrecht", "Doop-, trouw- en begraafboeken Amsterdam",
    "Registres paroissiaux de Lille", "\xc3\x89tat civil de Li\xc3\xa8ge",
    "Kirchenbuch Gie\xc3\x9f" "en", "Familienarchiv M\xc3\xbcller"
};
// clang-format on

constexpr std::string_view kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

template <typename T, std::size_t N>
constexpr std::uint32_t Count(const T (&)[N]) {
    return static_cast<std::uint32_t>(N);
}

char Opposite(char sex) {
    return sex == 'M' ? 'F' : 'M';
}

// ---------------------------------------------------------------------------
// Dates. A date is a month count, year * 12 + month (month 0 to 11); a value
// below 12 (year 0 or earlier) means "no date". Generations are
// kGenerationGap years apart and the youngest is born around
// kYoungestGenerationYear. Persons without parents in the tree are born
// within kLooseBirthSpread years of their generation's year, children within
// the window of kChildWindowStart to kChildWindowEnd years around it, so that
// parents are always 18 to 44 years older than their children.

constexpr std::int64_t kYoungestGenerationYear = 1990;
constexpr std::int64_t kGenerationGap = 30;
constexpr std::int64_t kLooseBirthSpread = 6;
constexpr std::int64_t kChildWindowStart = -4;
constexpr std::int64_t kChildWindowEnd = 8;
constexpr std::int64_t kMarriageAge = 18;
// Fixed rather than read from the clock, so that the output never changes.
constexpr std::int64_t kCurrentYear = 2024;

constexpr std::int64_t kNoDate = 0;

constexpr std::int64_t YearOf(std::int64_t date) {
    return date / 12;
}
constexpr std::int64_t MonthOf(std::int64_t date) {
    return date % 12;
}
constexpr bool IsDated(std::int64_t date) {
    return date >= 12;
}

// A marriage at least kMarriageAge years after the younger partner's birth
// (`youngest`) and not after the first child (`firstChild`, kNoDate for none).
std::int64_t ScheduleMarriage(std::int64_t youngest, std::int64_t firstChild, Rng& rng) {
    if (!IsDated(youngest)) return kNoDate;
    const std::int64_t earliest = YearOf(youngest) + kMarriageAge;
    std::int64_t year = earliest + 2 + rng.Below(8);
    if (IsDated(firstChild)) year = std::max(earliest, std::min(year, YearOf(firstChild)));
    std::int64_t month = rng.Below(12);
    if (IsDated(firstChild) && year == YearOf(firstChild))
        month = rng.Below(static_cast<std::uint32_t>(MonthOf(firstChild)) + 1);
    return year * 12 + month;
}

// Birth in a tree whose dates follow from the identifier alone: `gap`
// generations above the youngest.
std::int64_t HashedBirth(std::uint64_t seed, std::int64_t id, std::int64_t gap) {
    if (gap > kYoungestGenerationYear / kGenerationGap) return kNoDate;
    const std::uint64_t hash = StreamSeed(seed, Stream::kBirth, id);
    const auto spread = static_cast<std::int64_t>(hash % (2 * kLooseBirthSpread + 1));
    const std::int64_t year =
        kYoungestGenerationYear - kGenerationGap * gap + spread - kLooseBirthSpread;
    if (year <= 0) return kNoDate;
    return year * 12 + static_cast<std::int64_t>((hash >> 40) % 12);
}

// ---------------------------------------------------------------------------
// The tree to write, seen record by record. Identifiers are 1-based; 0 means
// "none".

struct PersonInfo {
    std::int64_t famc = 0;
    std::int64_t fams[2] = {0, 0};
    std::uint32_t surnameKey = 0;
    char sex = 'M';
    std::int64_t birth = kNoDate;
    // kNoDate leaves the death to the writer, which draws a lifespan.
    std::int64_t death = kNoDate;
};

struct FamilyInfo {
    std::int64_t husband = 0;
    std::int64_t wife = 0;
    // The children are firstChild ... firstChild + childCount - 1, in order of
    // birth.
    std::int64_t firstChild = 0;
    std::int64_t childCount = 0;
    std::int64_t marriage = kNoDate;
    std::int64_t divorce = kNoDate;
};

class TreeModel {
  public:
    virtual ~TreeModel() = default;
    virtual std::int64_t PersonCount() const = 0;
    virtual std::int64_t FamilyCount() const = 0;
    virtual PersonInfo Person(std::int64_t id) const = 0;
    virtual FamilyInfo Family(std::int64_t id) const = 0;
};

// A tree built in memory, for the shapes whose links are random. Dates are
// kept relative to the oldest generation and shifted when read, because the
// number of generations is known only at the end.
class StoredModel final : public TreeModel {
  public:
    std::int64_t PersonCount() const override { return std::ssize(persons_); }
    std::int64_t FamilyCount() const override { return std::ssize(families_); }

    PersonInfo Person(std::int64_t id) const override {
        const StoredPerson& p = persons_[static_cast<std::size_t>(id - 1)];
        return {p.famc, {p.fams[0], p.fams[1]}, p.surnameKey,
                p.sex,  Shift(p.birth),         Shift(p.death)};
    }

    FamilyInfo Family(std::int64_t id) const override {
        const StoredFamily& f = families_[static_cast<std::size_t>(id - 1)];
        return {f.husband, f.wife, f.firstChild, f.childCount, Shift(f.marriage), Shift(f.divorce)};
    }

    // The relative year of a generation: far enough from 0 that no relative
    // date of the tree is negative.
    static std::int64_t GenerationYear(std::int64_t generation) {
        return kGenerationGap * (generation + 1);
    }

    // Compact forms of PersonInfo and FamilyInfo; dates relative, see above.
    struct StoredPerson {
        std::int32_t famc = 0;
        std::int32_t fams[2] = {0, 0};
        std::int32_t generation = 0;
        std::int32_t birth = kNoDate;
        std::int32_t death = kNoDate;
        std::uint32_t surnameKey = 0;
        char sex = 'M';
    };
    struct StoredFamily {
        std::int32_t husband = 0;
        std::int32_t wife = 0;
        std::int32_t firstChild = 0;
        std::int32_t childCount = 0;
        std::int32_t marriage = kNoDate;
        std::int32_t divorce = kNoDate;
    };

    StoredPerson& At(std::int32_t id) { return persons_[static_cast<std::size_t>(id - 1)]; }
    StoredFamily& FamilyAt(std::int32_t id) { return families_[static_cast<std::size_t>(id - 1)]; }

    std::int32_t AddPerson(const StoredPerson& person) {
        persons_.push_back(person);
        youngest_ = std::max<std::int64_t>(youngest_, person.generation);
        return static_cast<std::int32_t>(persons_.size());
    }

    // Links the couple to a new family; each partner has room for two.
    std::int32_t AddFamily(std::int32_t a, std::int32_t b) {
        const bool aIsHusband = At(a).sex == 'M';
        families_.push_back({.husband = aIsHusband ? a : b, .wife = aIsHusband ? b : a});
        const auto id = static_cast<std::int32_t>(families_.size());
        for (std::int32_t partner : {a, b}) {
            StoredPerson& p = At(partner);
            p.fams[p.fams[0] == 0 ? 0 : 1] = id;
        }
        return id;
    }

    // Called once all persons exist: from then on dates read as calendar
    // dates, the youngest generation born around kYoungestGenerationYear.
    void Finish() { shift_ = 12 * (kYoungestGenerationYear - GenerationYear(youngest_)); }

  private:
    std::int64_t Shift(std::int32_t date) const {
        return date == kNoDate ? kNoDate : std::max<std::int64_t>(kNoDate, date + shift_);
    }

    std::vector<StoredPerson> persons_;
    std::vector<StoredFamily> families_;
    std::int64_t youngest_ = 0;
    std::int64_t shift_ = 0;
};

// Percent weights of 0, 1, ..., 8 children per couple (mean about 2.9).
constexpr std::uint32_t kChildWeights[] = {10, 14, 22, 20, 14, 9, 6, 3, 2};

// Marriages, children and remarriages of a stored tree, with plausible dates:
// siblings in order of birth at least a year apart, a remarriage after the
// first marriage's last child and after a divorce or the first spouse's death.
class StoredBuilder {
  protected:
    StoredBuilder(StoredModel& model, std::uint64_t seed, std::int64_t personLimit,
                  std::int64_t childLimit)
        : model_(model),
          rng_(StreamSeed(seed, Stream::kStructure, 0)),
          personLimit_(personLimit),
          childLimit_(childLimit) {}

    std::int64_t PersonRoom() const { return personLimit_ - model_.PersonCount(); }
    std::int64_t ChildRoom() const { return std::min(PersonRoom(), childLimit_ - children_); }
    char RandomSex() { return rng_.Percent(50) ? 'M' : 'F'; }

    // A person without parents in the tree: a founder or a spouse from outside.
    std::int32_t AddLoose(char sex, std::int32_t generation) {
        const std::int64_t year = StoredModel::GenerationYear(generation) - kLooseBirthSpread +
                                  rng_.Below(2 * kLooseBirthSpread + 1);
        const auto birth = static_cast<std::int32_t>(year * 12 + rng_.Below(12));
        const auto surname = static_cast<std::uint32_t>(rng_.Next());
        return model_.AddPerson(
            {.generation = generation, .birth = birth, .surnameKey = surname, .sex = sex});
    }

    std::int32_t AddSpouseFor(std::int32_t person) {
        return AddLoose(Opposite(model_.At(person).sex), model_.At(person).generation);
    }

    // A first marriage with at least `minChildren` children (as far as the
    // limits allow); now and then a partner marries again.
    void StartFamily(std::int32_t a, std::int32_t b, std::uint32_t minChildren,
                     std::vector<std::int32_t>& next) {
        const std::int32_t family = model_.AddFamily(a, b);
        const std::int64_t window = 12 * StoredModel::GenerationYear(model_.At(a).generation + 1);
        AddChildren(family, std::max(minChildren, DrawChildCount()),
                    window + 12 * kChildWindowStart, window + 12 * kChildWindowEnd + 11, next);
        Marry(family, a, b);
        const bool againA = PersonRoom() > 0 && rng_.Percent(6);
        const bool againB = PersonRoom() > 1 && rng_.Percent(6);
        if (!againA && !againB) return;
        const StoredModel::StoredFamily first = model_.FamilyAt(family);
        const std::int64_t lastBirth =
            first.childCount > 0 ? model_.At(first.firstChild + first.childCount - 1).birth
                                 : first.marriage;
        const auto ended = static_cast<std::int32_t>(lastBirth + 1 + rng_.Below(12));
        // When both marry again the first marriage ended in divorce;
        // otherwise it may also have ended with the other partner's death.
        if ((againA && againB) || rng_.Percent(30)) {
            model_.FamilyAt(family).divorce = ended;
        } else {
            model_.At(againA ? b : a).death = ended;
        }
        const std::int64_t windowEnd = window + 12 * kChildWindowEnd + 11;
        if (againA) Remarry(a, ended, lastBirth + 12, windowEnd, next);
        if (againB) Remarry(b, ended, lastBirth + 12, windowEnd, next);
    }

  private:
    std::uint32_t DrawChildCount() {
        std::uint32_t roll = rng_.Below(100);
        std::uint32_t count = 0;
        while (count + 1 < Count(kChildWeights) && roll >= kChildWeights[count]) {
            roll -= kChildWeights[count];
            ++count;
        }
        return count;
    }

    // Up to `count` children born between the months `earliest` and
    // `latest`, 12 to 20 months apart; fewer when they do not fit.
    void AddChildren(std::int32_t family, std::int64_t count, std::int64_t earliest,
                     std::int64_t latest, std::vector<std::int32_t>& into) {
        count = std::min(count, ChildRoom());
        std::vector<std::int64_t> gaps;
        std::int64_t span = 0;
        for (std::int64_t i = 1; i < count; ++i) {
            gaps.push_back(12 + rng_.Below(9));
            span += gaps.back();
        }
        while (count > 0 && earliest + span > latest) {
            --count;
            if (!gaps.empty()) {
                span -= gaps.back();
                gaps.pop_back();
            }
        }
        if (count <= 0) return;
        std::int64_t birth =
            earliest + rng_.Below(static_cast<std::uint32_t>(latest - earliest - span + 1));
        // Copied: adding persons moves the stored records.
        const StoredModel::StoredPerson father = model_.At(model_.FamilyAt(family).husband);
        for (std::int64_t i = 0; i < count; ++i) {
            if (i > 0) birth += gaps[static_cast<std::size_t>(i - 1)];
            const std::int32_t child = model_.AddPerson({.famc = family,
                                                         .generation = father.generation + 1,
                                                         .birth = static_cast<std::int32_t>(birth),
                                                         .surnameKey = father.surnameKey,
                                                         .sex = RandomSex()});
            if (i == 0) model_.FamilyAt(family).firstChild = child;
            into.push_back(child);
        }
        model_.FamilyAt(family).childCount = static_cast<std::int32_t>(count);
        children_ += count;
    }

    void Marry(std::int32_t family, std::int32_t a, std::int32_t b) {
        StoredModel::StoredFamily& f = model_.FamilyAt(family);
        const std::int64_t firstChild = f.childCount > 0 ? model_.At(f.firstChild).birth : kNoDate;
        const std::int32_t youngest = std::max(model_.At(a).birth, model_.At(b).birth);
        f.marriage = static_cast<std::int32_t>(ScheduleMarriage(youngest, firstChild, rng_));
    }

    // `person` marries again after the first marriage `ended`, to a spouse
    // from outside; their children are born between `firstBirth` (a year
    // after the last child of the first marriage) and `lastBirth`.
    void Remarry(std::int32_t person, std::int64_t ended, std::int64_t firstBirth,
                 std::int64_t lastBirth, std::vector<std::int32_t>& next) {
        const std::int32_t spouse = AddSpouseFor(person);
        const std::int64_t marriage = std::max<std::int64_t>(
            ended + 1 + rng_.Below(24), model_.At(spouse).birth + 12 * kMarriageAge + 12);
        const std::int32_t second = model_.AddFamily(person, spouse);
        model_.FamilyAt(second).marriage = static_cast<std::int32_t>(marriage);
        // One draw per statement: compilers evaluate call arguments in
        // different orders, and the output must not depend on the compiler.
        const std::uint32_t count = rng_.Below(5);
        const std::int64_t earliest = std::max(firstBirth, marriage + rng_.Below(12));
        AddChildren(second, count, earliest, lastBirth, next);
    }

  protected:
    StoredModel& model_;
    Rng rng_;

  private:
    std::int64_t personLimit_;
    std::int64_t childLimit_;
    std::int64_t children_ = 0;
};

// population: generation after generation, the members of a generation pair
// up among themselves (never siblings) or with spouses from outside, until
// the target number of persons is reached.
class PopulationBuilder : StoredBuilder {
  public:
    PopulationBuilder(StoredModel& model, std::int64_t target, std::uint64_t seed)
        : StoredBuilder(model, seed, target, std::numeric_limits<std::int64_t>::max()),
          founders_(std::max<std::int64_t>(2, target / 250)) {}

    void Build() {
        std::vector<std::int32_t> current;
        AddFounders(0, current);
        for (std::int32_t generation = 0; PersonRoom() > 0; ++generation) {
            std::vector<std::int32_t> next;
            MarryGeneration(current, next);
            // A generation without children would end the population early.
            if (next.empty()) AddFounders(generation + 1, next);
            current.swap(next);
        }
        model_.Finish();
    }

  private:
    void AddFounders(std::int32_t generation, std::vector<std::int32_t>& into) {
        for (std::int64_t i = 0; i < founders_ && PersonRoom() > 0; ++i)
            into.push_back(AddLoose(RandomSex(), generation));
    }

    void MarryGeneration(const std::vector<std::int32_t>& current,
                         std::vector<std::int32_t>& next) {
        std::vector<std::int32_t> men;
        std::vector<std::int32_t> women;
        for (std::int32_t id : current) (model_.At(id).sex == 'M' ? men : women).push_back(id);
        Shuffle(men);
        Shuffle(women);
        const std::size_t rows = std::max(men.size(), women.size());
        for (std::size_t i = 0; i < rows && PersonRoom() > 0; ++i) {
            const std::int32_t man = i < men.size() ? men[i] : 0;
            const std::int32_t woman = i < women.size() ? women[i] : 0;
            if (man != 0 && woman != 0 && !Siblings(man, woman) && rng_.Percent(60)) {
                StartFamily(man, woman, 0, next);
                continue;
            }
            for (std::int32_t single : {man, woman})
                if (single != 0 && PersonRoom() > 0 && rng_.Percent(55))
                    StartFamily(single, AddSpouseFor(single), 0, next);
        }
    }

    bool Siblings(std::int32_t a, std::int32_t b) {
        return model_.At(a).famc != 0 && model_.At(a).famc == model_.At(b).famc;
    }

    void Shuffle(std::vector<std::int32_t>& ids) {
        for (std::size_t i = ids.size(); i > 1; --i)
            std::swap(ids[i - 1], ids[rng_.Below(static_cast<std::uint32_t>(i))]);
    }

    std::int64_t founders_;
};

// descendants: breadth first from the founder, so that generations fill up
// evenly; the last person in the queue always has children, so the line
// never dies out before the target is reached.
class DescendantsBuilder : StoredBuilder {
  public:
    DescendantsBuilder(StoredModel& model, std::int64_t target, std::uint64_t seed)
        : StoredBuilder(model, seed, std::numeric_limits<std::int32_t>::max() - 1, target) {}

    void Build() {
        std::vector<std::int32_t> queue{AddLoose(RandomSex(), 0)};
        for (std::size_t head = 0; head < queue.size() && ChildRoom() > 0;) {
            const std::int32_t person = queue[head++];
            const bool lastHope = head == queue.size();
            if (!lastHope && !rng_.Percent(85)) continue;
            StartFamily(person, AddSpouseFor(person), lastHope ? 1 : 0, queue);
        }
        model_.Finish();
    }
};

// ancestors: person n has father 2n and mother 2n + 1, who form family n.
class AncestorsModel final : public TreeModel {
  public:
    AncestorsModel(std::int64_t generations, std::uint64_t seed)
        : generations_(generations), seed_(seed) {}

    std::int64_t PersonCount() const override { return (std::int64_t{1} << generations_) - 1; }
    std::int64_t FamilyCount() const override {
        return (std::int64_t{1} << (generations_ - 1)) - 1;
    }

    PersonInfo Person(std::int64_t id) const override {
        const std::int64_t depth = Depth(id);
        PersonInfo p;
        p.famc = depth < generations_ - 1 ? id : 0;
        p.fams[0] = id / 2;
        // Everyone bears the surname of the oldest man of their paternal line.
        p.surnameKey = static_cast<std::uint32_t>(
            StreamSeed(seed_, Stream::kSurname, id << (generations_ - 1 - depth)));
        if (id == 1) {
            p.sex = (StreamSeed(seed_, Stream::kPerson, 0) & 1) != 0 ? 'M' : 'F';
        } else {
            p.sex = id % 2 == 0 ? 'M' : 'F';
        }
        p.birth = HashedBirth(seed_, id, depth);
        return p;
    }

    FamilyInfo Family(std::int64_t id) const override {
        Rng rng(StreamSeed(seed_, Stream::kFamily, id));
        const std::int64_t youngest = std::max(Person(2 * id).birth, Person(2 * id + 1).birth);
        return {2 * id, 2 * id + 1, id, 1, ScheduleMarriage(youngest, Person(id).birth, rng),
                kNoDate};
    }

  private:
    static std::int64_t Depth(std::int64_t id) {
        return static_cast<std::int64_t>(std::bit_width(static_cast<std::uint64_t>(id))) - 1;
    }

    std::int64_t generations_;
    std::uint64_t seed_;
};

// chain: line person k (k = 0 the oldest) is I(2k + 1), married to I(2k + 2)
// in family F(k + 1), whose only child is the next line person. The line
// alternates between sons (even k) and daughters (odd k).
class ChainModel final : public TreeModel {
  public:
    ChainModel(std::int64_t generations, std::uint64_t seed)
        : generations_(generations), seed_(seed) {}

    std::int64_t PersonCount() const override { return 2 * generations_ - 1; }
    std::int64_t FamilyCount() const override { return generations_ - 1; }

    PersonInfo Person(std::int64_t id) const override {
        PersonInfo p;
        const bool line = id % 2 == 1;
        const std::int64_t k = line ? (id - 1) / 2 : id / 2 - 1;
        p.fams[0] = k < generations_ - 1 ? k + 1 : 0;
        p.birth = HashedBirth(seed_, id, generations_ - 1 - k);
        if (line) {
            p.famc = k;
            p.sex = k % 2 == 0 ? 'M' : 'F';
            // The father is the line person before when that one is a son,
            // otherwise that daughter's husband.
            const std::int64_t son = k % 2 == 0 ? k : k - 1;
            p.surnameKey = SurnameKey(son == 0 ? 1 : 2 * son);
        } else {
            p.sex = k % 2 == 0 ? 'F' : 'M';
            p.surnameKey = SurnameKey(id);
        }
        return p;
    }

    FamilyInfo Family(std::int64_t id) const override {
        const std::int64_t line = 2 * id - 1;
        const bool sonLine = (id - 1) % 2 == 0;
        Rng rng(StreamSeed(seed_, Stream::kFamily, id));
        const std::int64_t youngest = std::max(Person(line).birth, Person(line + 1).birth);
        return {sonLine ? line : line + 1,
                sonLine ? line + 1 : line,
                line + 2,
                1,
                ScheduleMarriage(youngest, Person(line + 2).birth, rng),
                kNoDate};
    }

  private:
    std::uint32_t SurnameKey(std::int64_t id) const {
        return static_cast<std::uint32_t>(StreamSeed(seed_, Stream::kSurname, id));
    }

    std::int64_t generations_;
    std::uint64_t seed_;
};

// ---------------------------------------------------------------------------
// Output.

// Collects the text in a large block and hands whole blocks to the stream:
// per-line stream calls would cost more than generating the data.
class OutBuffer {
  public:
    explicit OutBuffer(std::ostream& out) : out_(&out) { data_.reserve(kBlock + kBlock / 8); }

    void Put(std::string_view text) { data_.append(text); }
    void Put(char c) { data_.push_back(c); }
    void Number(std::uint64_t value) {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        data_.append(digits, result.ptr);
    }
    void Number(std::int64_t value) {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        data_.append(digits, result.ptr);
    }
    void TwoDigits(std::uint32_t value) {
        Put(static_cast<char>('0' + value / 10 % 10));
        Put(static_cast<char>('0' + value % 10));
    }
    // "0 @<kind><id>@ <tag>\n", the first line of every record.
    void Record(char kind, std::int64_t id, std::string_view tag) {
        Put("0 @");
        Put(kind);
        Number(id);
        Put("@ ");
        Put(tag);
        Put('\n');
    }
    // "<prefix>@<kind><id>@\n", the form of every pointer line.
    void Pointer(std::string_view prefix, char kind, std::int64_t id) {
        Put(prefix);
        Put('@');
        Put(kind);
        Number(id);
        Put("@\n");
    }

    void FlushIfFull() {
        if (data_.size() >= kBlock) Flush();
    }
    void Flush() {
        out_->write(data_.data(), static_cast<std::streamsize>(data_.size()));
        data_.clear();
        if (!*out_) throw std::runtime_error("writing the GEDCOM output failed");
    }

  private:
    static constexpr std::size_t kBlock = std::size_t{1} << 20;
    std::ostream* out_;
    std::string data_;
};

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Writes the records of a tree, drawing the details (names, places, days of
// the month, texts) from each record's own stream.
class GedcomWriter {
  public:
    GedcomWriter(std::ostream& out, const TreeModel& model, const GeneratorOptions& options)
        : out_(out), model_(model), options_(options) {}

    void WriteAll() {
        WriteHeader();
        for (std::int64_t id = 1; id <= model_.PersonCount(); ++id) {
            WritePerson(id);
            out_.FlushIfFull();
        }
        for (std::int64_t id = 1; id <= model_.FamilyCount(); ++id) {
            WriteFamily(id);
            out_.FlushIfFull();
        }
        out_.Put("0 TRLR\n");
        out_.Flush();
    }

  private:
    // A date and the day of the month drawn for it; the day stays at most 25
    // so that a christening or a burial a few days later is in the same month.
    struct Day {
        std::int64_t date = kNoDate;
        std::uint32_t day = 1;
    };

    static Day DrawDay(std::int64_t date, Rng& rng) { return {date, 1 + rng.Below(25)}; }
    static Day DaysLater(Day day, Rng& rng) {
        day.day += 1 + rng.Below(3);
        return day;
    }

    void WriteHeader() {
        out_.Put(
            "0 HEAD\n1 SOUR LG_GEDCOM_GEN\n2 NAME lg-gedcom-gen\n2 VERS 1.0\n1 DEST ANY\n"
            "1 DATE 1 JAN 2024\n1 SUBM @U1@\n1 GEDC\n2 VERS 5.5\n2 FORM LINEAGE-LINKED\n"
            "1 CHAR UTF-8\n1 NOTE Synthetic data, all persons invented: mode ");
        out_.Put(GeneratorModeName(options_.mode));
        out_.Put(", size ");
        out_.Number(options_.size);
        out_.Put(", seed ");
        out_.Number(options_.seed);
        out_.Put(".\n0 @U1@ SUBM\n1 NAME lg-gedcom-gen\n");
        for (std::uint32_t i = 0; i < Count(kSourceTitles); ++i) {
            out_.Record('S', i + 1, "SOUR");
            out_.Put("1 TITL ");
            out_.Put(kSourceTitles[i]);
            out_.Put('\n');
        }
    }

    void WritePerson(std::int64_t id) {
        const PersonInfo person = model_.Person(id);
        Rng rng(StreamSeed(options_.seed, Stream::kPerson, id));
        out_.Record('I', id, "INDI");
        WriteName(person, rng);
        out_.Put(person.sex == 'M' ? "1 SEX M\n" : "1 SEX F\n");
        const Day birth = DrawDay(person.birth, rng);
        std::uint32_t place = rng.Below(Count(kPlaces));
        if (person.famc != 0 && rng.Percent(70)) place = FamilyPlace(person.famc);
        WriteEvent("1 BIRT\n", birth, place, false, rng);
        if (rng.Percent(40)) WriteCitation(rng);
        if (IsDated(birth.date) && YearOf(birth.date) < 1950 && rng.Percent(60))
            WriteEvent("1 CHR\n", DaysLater(birth, rng), place, true, rng);
        if (rng.Percent(12)) WriteOccupation(rng);
        WriteDeath(person, rng.Percent(50) ? place : rng.Below(Count(kPlaces)), rng);
        if (rng.Percent(25)) WriteNote(rng);
        if (person.famc != 0) out_.Pointer("1 FAMC ", 'F', person.famc);
        for (std::int64_t family : person.fams)
            if (family != 0) out_.Pointer("1 FAMS ", 'F', family);
        WriteChange(rng);
    }

    void WriteFamily(std::int64_t id) {
        const FamilyInfo family = model_.Family(id);
        Rng rng(StreamSeed(options_.seed, Stream::kFamily, id));
        out_.Record('F', id, "FAM");
        if (family.husband != 0) out_.Pointer("1 HUSB ", 'I', family.husband);
        if (family.wife != 0) out_.Pointer("1 WIFE ", 'I', family.wife);
        for (std::int64_t i = 0; i < family.childCount; ++i)
            out_.Pointer("1 CHIL ", 'I', family.firstChild + i);
        std::int64_t marriage = family.marriage;
        // The youngest generation of a tree may marry in the years to come.
        if (YearOf(marriage) > kCurrentYear) marriage = kNoDate;
        WriteEvent("1 MARR\n", DrawDay(marriage, rng), FamilyPlace(id), false, rng);
        if (rng.Percent(30)) WriteCitation(rng);
        if (family.divorce != kNoDate) {
            out_.Put("1 DIV\n");
            WriteDate(DrawDay(family.divorce, rng), true, rng);
        }
    }

    // The given names, then the surname between slashes; a particle stands
    // either inside the slashes or before them, as exports do both.
    void WriteName(const PersonInfo& person, Rng& rng) {
        const Surname& surname = kSurnames[person.surnameKey % Count(kSurnames)];
        std::string_view given[3];
        const std::uint32_t roll = rng.Below(100);
        const std::size_t count = roll < 50 ? 1 : roll < 85 ? 2 : 3;
        for (std::size_t i = 0; i < count; ++i)
            given[i] = person.sex == 'M' ? kMaleNames[rng.Below(Count(kMaleNames))]
                                         : kFemaleNames[rng.Below(Count(kFemaleNames))];
        const bool particleOutside = !surname.particle.empty() && rng.Percent(40);
        // Some exports write surnames in capitals; ASCII ones are enough to
        // exercise the tidying of readers.
        const bool capitals = IsAscii(surname.core) && rng.Percent(3);
        out_.Put("1 NAME ");
        WriteGivenNames(given, count);
        out_.Put(' ');
        if (particleOutside) {
            out_.Put(surname.particle);
            out_.Put(" /");
        } else {
            out_.Put('/');
            if (!surname.particle.empty()) {
                out_.Put(surname.particle);
                out_.Put(' ');
            }
        }
        for (char c : surname.core)
            out_.Put(capitals && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
        out_.Put("/\n");
        if (rng.Percent(20)) WriteNameParts(given, count, surname);
    }

    void WriteGivenNames(const std::string_view* given, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0) out_.Put(' ');
            out_.Put(given[i]);
        }
    }

    void WriteNameParts(const std::string_view* given, std::size_t count, const Surname& surname) {
        out_.Put("2 GIVN ");
        WriteGivenNames(given, count);
        if (!surname.particle.empty()) {
            out_.Put("\n2 SPFX ");
            out_.Put(surname.particle);
        }
        out_.Put("\n2 SURN ");
        out_.Put(surname.core);
        out_.Put('\n');
    }

    // An exact date, or (unless `exact`) now and then a month and year, a
    // year alone, a qualified year or a range. The last year written is
    // always the drawn one, since readers take a date's year from its end.
    void WriteDate(const Day& day, bool exact, Rng& rng) {
        if (!IsDated(day.date)) return;
        const std::int64_t year = YearOf(day.date);
        const std::string_view month = kMonths[MonthOf(day.date)];
        out_.Put("2 DATE ");
        const std::uint32_t roll = exact ? 0 : rng.Below(100);
        if (roll < 72) {
            out_.Number(std::int64_t{day.day});
            out_.Put(' ');
            out_.Put(month);
            out_.Put(' ');
        } else if (roll < 77) {
            out_.Put(month);
            out_.Put(' ');
        } else if (roll >= 88) {
            constexpr std::string_view kQualifiers[] = {"ABT ", "ABT ", "BEF ", "AFT ",
                                                        "EST ", "CAL ", "BET "};
            const std::string_view qualifier = kQualifiers[rng.Below(Count(kQualifiers))];
            out_.Put(qualifier);
            if (qualifier == "BET ") {
                out_.Number(std::max<std::int64_t>(1, year - 1 - rng.Below(4)));
                out_.Put(" AND ");
            }
        }
        out_.Number(year);
        out_.Put('\n');
    }

    void WriteEvent(std::string_view head, const Day& day, std::uint32_t place, bool exact,
                    Rng& rng) {
        out_.Put(head);
        WriteDate(day, exact, rng);
        out_.Put("2 PLAC ");
        out_.Put(kPlaces[place]);
        out_.Put('\n');
    }

    // A death the tree fixed (a first spouse who died before the other
    // remarried), or one drawn from a lifespan: married persons live at least
    // 50 years, past the births of their children, others may die at any age.
    // Whoever would die after kCurrentYear is living.
    void WriteDeath(const PersonInfo& person, std::uint32_t place, Rng& rng) {
        std::int64_t age = 50 + rng.Below(45);
        if (person.fams[0] == 0) {
            const std::uint32_t roll = rng.Below(100);
            if (roll < 8) age = rng.Below(5);
            if (roll >= 8 && roll < 20) age = 5 + rng.Below(45);
        }
        if (!IsDated(person.birth)) {
            if (rng.Percent(50)) out_.Put("1 DEAT Y\n");
            return;
        }
        std::int64_t death = person.death;
        if (death == kNoDate) death = (YearOf(person.birth) + age) * 12 + rng.Below(12);
        if (YearOf(death) > kCurrentYear) return;
        if (person.death == kNoDate && rng.Percent(3)) {
            out_.Put("1 DEAT Y\n");
            return;
        }
        const Day day = DrawDay(death, rng);
        WriteEvent("1 DEAT\n", day, place, false, rng);
        if (rng.Percent(10)) {
            out_.Put("2 AGE ");
            out_.Number(YearOf(death) - YearOf(person.birth));
            out_.Put("y\n");
        }
        if (rng.Percent(20)) WriteCitation(rng);
        if (rng.Percent(70)) WriteEvent("1 BURI\n", DaysLater(day, rng), place, true, rng);
    }

    void WriteCitation(Rng& rng) {
        out_.Pointer("2 SOUR ", 'S', 1 + rng.Below(Count(kSourceTitles)));
        out_.Put("3 PAGE Akte ");
        out_.Number(std::int64_t{1 + rng.Below(2000)});
        out_.Put('\n');
    }

    void WriteOccupation(Rng& rng) {
        out_.Put("1 OCCU ");
        out_.Put(kOccupations[rng.Below(Count(kOccupations))]);
        out_.Put('\n');
        if (rng.Percent(25)) {
            out_.Put("2 CONT ");
            out_.Put(kOccupations[rng.Below(Count(kOccupations))]);
            out_.Put('\n');
        }
    }

    // Two lines joined by CONT; now and then the second is split inside a
    // word and continued with CONC, as exports do with long lines.
    void WriteNote(Rng& rng) {
        const NoteText& note = kNotes[rng.Below(Count(kNotes))];
        out_.Put("1 NOTE ");
        out_.Put(note.first);
        out_.Put("\n2 CONT ");
        std::size_t split = note.second.size();
        if (rng.Percent(30)) split = WordInnerSplit(note.second);
        out_.Put(note.second.substr(0, split));
        if (split < note.second.size()) {
            out_.Put("\n2 CONC ");
            out_.Put(note.second.substr(split));
        }
        out_.Put('\n');
    }

    // A position near the middle between two ASCII letters, so that neither
    // half has blanks at the cut (readers trim them) and no UTF-8 sequence is
    // torn.
    static std::size_t WordInnerSplit(std::string_view text) {
        auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
        for (std::size_t i = text.size() / 2; i + 1 < text.size(); ++i)
            if (isLetter(text[i - 1]) && isLetter(text[i])) return i;
        return text.size();
    }

    void WriteChange(Rng& rng) {
        out_.Put("1 CHAN\n2 DATE ");
        out_.Number(std::int64_t{1 + rng.Below(28)});
        out_.Put(' ');
        out_.Put(kMonths[rng.Below(12)]);
        out_.Put(" 2023\n3 TIME ");
        out_.TwoDigits(rng.Below(24));
        out_.Put(':');
        out_.TwoDigits(rng.Below(60));
        out_.Put(':');
        out_.TwoDigits(rng.Below(60));
        out_.Put('\n');
    }

    std::uint32_t FamilyPlace(std::int64_t family) const {
        return static_cast<std::uint32_t>(StreamSeed(options_.seed, Stream::kPlace, family) %
                                          Count(kPlaces));
    }

    OutBuffer out_;
    const TreeModel& model_;
    GeneratorOptions options_;
};

std::unique_ptr<TreeModel> MakeModel(const GeneratorOptions& options) {
    const std::int64_t maximum = MaxGeneratorSize(options.mode);
    if (options.size < 1 || options.size > maximum)
        throw std::invalid_argument(std::string(GeneratorModeName(options.mode)) +
                                    " size must be between 1 and " + std::to_string(maximum));
    switch (options.mode) {
        case GeneratorMode::kPopulation: {
            auto model = std::make_unique<StoredModel>();
            PopulationBuilder(*model, options.size, options.seed).Build();
            return model;
        }
        case GeneratorMode::kDescendants: {
            auto model = std::make_unique<StoredModel>();
            DescendantsBuilder(*model, options.size, options.seed).Build();
            return model;
        }
        case GeneratorMode::kAncestors:
            return std::make_unique<AncestorsModel>(options.size, options.seed);
        case GeneratorMode::kChain:
            return std::make_unique<ChainModel>(options.size, options.seed);
    }
    throw std::invalid_argument("unknown generator mode");
}

constexpr std::string_view kModeNames[] = {"population", "ancestors", "descendants", "chain"};
constexpr GeneratorMode kModes[] = {GeneratorMode::kPopulation, GeneratorMode::kAncestors,
                                    GeneratorMode::kDescendants, GeneratorMode::kChain};

}  // namespace

void WriteSyntheticGedcom(std::ostream& out, const GeneratorOptions& options) {
    const std::unique_ptr<TreeModel> model = MakeModel(options);
    GedcomWriter(out, *model, options).WriteAll();
}

std::int64_t MaxGeneratorSize(GeneratorMode mode) {
    switch (mode) {
        case GeneratorMode::kPopulation:
            return 1'000'000'000;  // identifiers are stored as 32-bit numbers
        case GeneratorMode::kDescendants:
            return 500'000'000;  // spouses come on top
        case GeneratorMode::kAncestors:
            return 40;  // a trillion persons
        case GeneratorMode::kChain:
            return 1'000'000'000;
    }
    return 0;
}

std::optional<GeneratorMode> ParseGeneratorMode(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kModes); ++i)
        if (kModeNames[i] == name) return kModes[i];
    return std::nullopt;
}

std::string_view GeneratorModeName(GeneratorMode mode) {
    for (std::size_t i = 0; i < std::size(kModes); ++i)
        if (kModes[i] == mode) return kModeNames[i];
    return "unknown";
}

}  // namespace lg::bench
