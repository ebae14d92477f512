#include "database/records.h"

#include <algorithm>
#include <array>
#include <functional>

#include "base/html_text.h"
#include "base/particles.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

const std::string& DateOf(const std::unique_ptr<TEventRecord>& event) {
    static const std::string none;
    return event ? event->date : none;
}

std::string_view FirstWord(std::string_view text) {
    return text.substr(0, text.find(' '));
}

std::string DetailRow(std::string_view label, std::string_view id, const Tindividual* person,
                      NameStyle style) {
    std::string cells = Cell(label) + Cell(id);
    if (person) cells += Cell(person->FullName(style));
    return Row(cells);
}

constexpr std::string_view kTableOpen = "<table border=0 cellpadding=0>";
constexpr std::string_view kTableClose = "</table>";

}  // namespace

const std::string& Tindividual::BirthDate() const {
    return DateOf(birth);
}
const std::string& Tindividual::ChristeningDate() const {
    return DateOf(christening);
}
const std::string& Tindividual::DeathDate() const {
    return DateOf(death);
}
const std::string& Tindividual::BurialDate() const {
    return DateOf(burial);
}

const std::string& Tindividual::BirthOrChristeningDate() const {
    const std::string& date = BirthDate();
    return date.empty() ? ChristeningDate() : date;
}

std::string Tindividual::BirthYearText() const {
    if (birthYear != 0) return std::to_string(birthYear);
    return YearOf(ChristeningDate());
}

void Tindividual::ComputeYears() {
    birthYear = YearNumber(BirthDate());
    deathYear = YearNumber(DeathDate());
}

Tfamily* Tindividual::FirstFamily() const {
    return famcList.empty() ? nullptr : famcList.front().family;
}

std::string Tindividual::PedigreeOf(const Tfamily* family) const {
    for (const Tchild& link : famcList)
        if (link.family == family && family) return std::string(TagText(link.pedigree));
    return {};
}

bool Tindividual::IsStillborn() const {
    if (birth && ToUpperAscii(birth->eventType).find("STILLBORN") != std::string::npos) return true;
    return BirthDate() == DeathDate();
}

std::string Tindividual::FamilyName(bool usePatronym) const {
    if (!surname.empty()) return surname;
    if (usePatronym && !patronym.empty()) return patronym;
    return std::string(FirstWord(givenNames));
}

std::string Initial(std::string_view word) {
    if (word.empty()) return {};
    std::size_t i = 0;
    while (i + 1 < word.size() && (word[i] == '\'' || word[i] == '(')) ++i;
    // A letter the code page lacks is a whole reference ("&#321;ukasz"
    // gives "&#321;"); its "&" alone would show as "&" in every box.
    return std::string(word.substr(i, BytesOfVisible(word.substr(i), 1))) + " ";
}

std::string Tindividual::InitialAndSurname() const {
    if (surname.empty()) return givenNames;
    return Initial(givenNames) + " " + surname;
}

std::string Tindividual::SurnameOrPatronym() const {
    if (!surname.empty()) return surname;
    if (!patronym.empty()) return patronym;
    return givenNames;
}

std::string Tindividual::IndexName() const {
    std::string_view family = surname.empty() ? patronym.str() : surname;
    std::string particles;
    while (!family.empty()) {
        std::string_view word = FirstWord(family);
        if (!IsParticle(word)) break;
        particles = JoinWith(particles, " ", word);
        family.remove_prefix(std::min(family.size(), word.size() + 1));
    }
    std::string result = JoinWith(family, " ", nameSuffix);
    result = JoinWith(result, ", ", particles);
    return JoinWith(result, "; ", givenNames);
}

std::string Tindividual::FullName(NameStyle style) const {
    const std::string& family = surname.empty() ? patronym.str() : surname;
    if (style == NameStyle::Formal) return JoinWith(ToUpperAscii(family), ", ", givenNames);
    return JoinWith(givenNames, " ", family);
}

std::string Tindividual::IDAndName(NameStyle style) const {
    return "(" + ID + ") " + FullName(style);
}

std::string Tindividual::BirthYearSuffix() const {
    std::string year = YearOf(BirthOrChristeningDate());
    return year.empty() ? std::string() : " [" + year + "]";
}

std::string Tindividual::RecordDetails(NameStyle style) const {
    std::string table(kTableOpen);
    table += Row(Cell("INDI") + Cell(ID) + Cell(FullName(style)));
    table += Row(Cell("SEX") + Cell(std::string(1, sex)));
    for (const Tchild& link : famcList) table += Row(Cell("FAMC") + Cell(link.familyID));
    for (const Tspouse& link : famsList) table += Row(Cell("FAMS") + Cell(link.familyID));
    table += kTableClose;
    return table;
}

std::string Tfamily::FamilyDetails(NameStyle style) const {
    std::string table(kTableOpen);
    table += Row(Cell("FAM") + Cell(ID));
    table += DetailRow("HUSB", husbandID, husband, style);
    table += DetailRow("WIFE", wifeID, wife, style);
    for (const TfamilyChild& child : children)
        table += DetailRow("CHIL", child.childID, child.person, style);
    table += kTableClose;
    return table;
}

void SplitName(Tindividual& person) {
    std::string_view name = person.fullName;
    std::size_t slash = name.find('/');
    if (slash == std::string_view::npos) {
        person.givenNames = TrimRightBlanks(name);
        person.surname.clear();
        person.nameSuffix.clear();
    } else {
        person.givenNames = TrimRightBlanks(name.substr(0, slash));
        std::string_view rest = name.substr(slash + 1);
        std::size_t second = rest.find('/');
        std::string_view surnamePart = rest;
        std::string_view suffix;
        if (second != std::string_view::npos) {
            surnamePart = rest.substr(0, second);
            suffix = rest.substr(second + 1);
        }
        person.surname = TrimRightBlanks(surnamePart);
        person.nameSuffix = TrimLeftBlanks(suffix);
    }
    // Particles written among the given names ("Jan van /Dijk/") belong to the surname.
    for (;;) {
        std::size_t blank = person.givenNames.rfind(' ');
        if (blank == std::string::npos) break;
        std::string_view word = std::string_view(person.givenNames).substr(blank + 1);
        if (!IsParticleInLowerCase(word)) break;
        person.surname = JoinWith(word, " ", person.surname);
        person.givenNames.erase(blank);
        person.givenNames = TrimRightBlanks(person.givenNames);
    }
}

namespace {

// Big-endian, zero-padded: comparing keys agrees with comparing the bytes
// of the identifiers, except that equal keys need the full comparison.
std::uint64_t IdKey(std::string_view id) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i)
        key = (key << 8) | (i < id.size() ? static_cast<unsigned char>(id[i]) : 0u);
    return key;
}

// Lookups and insertions go this many at a time: enough to keep the memory
// system busy with their cache misses, few enough that what they fetched is
// still in the cache when it is used.
constexpr std::size_t kBatch = 64;

// The record's identifier without reading the record: its first cache line,
// and the next, where a short identifier's characters may lie.
template <typename Record>
void PrefetchIdentifier(const Record* record) {
    const char* at = reinterpret_cast<const char*>(&record->ID);
    __builtin_prefetch(at);
    __builtin_prefetch(at + sizeof(std::string) - 1);
}

// User-space addresses leave their top 16 bits zero on the 64-bit systems
// this runs on; where one does not, the tags are off.
constexpr int kTagShift = 48;
constexpr std::uintptr_t kAddressBits = (std::uintptr_t{1} << kTagShift) - 1;

template <typename Record>
Record* Untagged(std::uintptr_t slot) {
    return reinterpret_cast<Record*>(slot & kAddressBits);
}

}  // namespace

template <typename Record>
std::size_t TrecordList<Record>::Probe(std::string_view id, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uintptr_t tag = hash & tagMask_;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uintptr_t entry = slots_[slot];
        if (!entry || ((entry & tagMask_) == tag && Untagged<Record>(entry)->ID == id)) return slot;
    }
}

template <typename Record>
void TrecordList<Record>::IndexByID() {
    std::size_t size = 16;
    while (size < 2 * records_.size()) size *= 2;
    slots_.assign(size, 0);
    tagMask_ = sizeof(std::uintptr_t) == 8 ? ~kAddressBits : 0;
    for (const auto& record : records_)
        if (reinterpret_cast<std::uintptr_t>(record.get()) & ~kAddressBits) tagMask_ = 0;
    std::size_t hash[kBatch];
    for (std::size_t start = 0; start < records_.size(); start += kBatch) {
        const std::size_t n = std::min(kBatch, records_.size() - start);
        for (std::size_t i = 0; i < n; ++i) {
            hash[i] = std::hash<std::string_view>{}(records_[start + i]->ID);
            __builtin_prefetch(&slots_[hash[i] & (size - 1)]);
        }
        // In list order: a later record of an identifier already there is
        // not found.
        for (std::size_t i = 0; i < n; ++i) {
            Record* record = records_[start + i].get();
            const std::size_t slot = Probe(record->ID, hash[i]);
            if (!slots_[slot])
                slots_[slot] = reinterpret_cast<std::uintptr_t>(record) | (hash[i] & tagMask_);
        }
    }
}

template <typename Record>
void TrecordList<Record>::SortByID() {
    // Sorting moves the owners, not the records, so the index stays right.
    if (slots_.empty()) IndexByID();
    struct Entry {
        std::uint64_t key;
        std::size_t index;
    };
    // The first eight bytes of each identifier as a number, so that the
    // sort mostly compares numbers in one array instead of following a
    // pointer per step.
    std::vector<Entry> entries(records_.size());
    for (std::size_t i = 0; i < records_.size(); ++i) entries[i] = {IdKey(records_[i]->ID), i};
    // Equal identifiers keep their file order by the index: as stable as a
    // stable sort, without its buffer of half the list.
    std::sort(entries.begin(), entries.end(), [this](const Entry& a, const Entry& b) {
        if (a.key != b.key) return a.key < b.key;
        const int order = records_[a.index]->ID.compare(records_[b.index]->ID);
        return order != 0 ? order < 0 : a.index < b.index;
    });
    // Records that share an identifier are neighbours now; most neighbours
    // differ in their keys already, without a visit to either record.
    shared_.clear();
    for (std::size_t i = 0; i < entries.size();) {
        const std::string& id = records_[entries[i].index]->ID;
        std::size_t j = i + 1;
        while (j < entries.size() && entries[j].key == entries[i].key &&
               records_[entries[j].index]->ID == id)
            ++j;
        // Records without an identifier are out of every link's reach anyway.
        if (j - i > 1 && !id.empty()) shared_.push_back({i, j - i});
        i = j;
    }
    std::vector<std::unique_ptr<Record>> sorted(records_.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        sorted[i] = std::move(records_[entries[i].index]);
    records_ = std::move(sorted);
    sharedKnown_ = true;
}

template <typename Record>
Record* TrecordList<Record>::Find(std::string_view id) const {
    if (slots_.empty()) return Bisect(id);
    return Untagged<Record>(slots_[Probe(id, std::hash<std::string_view>{}(id))]);
}

template <typename Record>
void TrecordList<Record>::FindAll(std::span<const Lookup> lookups) const {
    if (slots_.empty()) {
        for (const Lookup& lookup : lookups) *lookup.result = Find(lookup.id);
        return;
    }
    const std::size_t mask = slots_.size() - 1;
    std::size_t hash[kBatch];
    for (std::size_t start = 0; start < lookups.size(); start += kBatch) {
        const std::size_t n = std::min(kBatch, lookups.size() - start);
        const Lookup* batch = lookups.data() + start;
        for (std::size_t i = 0; i < n; ++i) {
            hash[i] = std::hash<std::string_view>{}(batch[i].id);
            __builtin_prefetch(&slots_[hash[i] & mask]);
        }
        for (std::size_t i = 0; i < n; ++i)
            if (const std::uintptr_t entry = slots_[hash[i] & mask])
                PrefetchIdentifier(Untagged<Record>(entry));
        for (std::size_t i = 0; i < n; ++i)
            *batch[i].result = Untagged<Record>(slots_[Probe(batch[i].id, hash[i])]);
    }
}

template <typename Record>
Record* TrecordList<Record>::Bisect(std::string_view id) const {
    // The first record whose identifier is not below id.
    std::size_t low = 0;
    std::size_t high = records_.size();
    while (low < high) {
        std::size_t mid = low + (high - low) / 2;
        if (std::string_view(records_[mid]->ID) < id)
            low = mid + 1;
        else
            high = mid;
    }
    if (low == records_.size() || records_[low]->ID != id) return nullptr;
    return records_[low].get();
}

template <typename Record>
std::vector<typename TrecordList<Record>::SharedRun> TrecordList<Record>::SharedIdentifiers()
    const {
    if (sharedKnown_) return shared_;
    std::vector<SharedRun> runs;
    for (std::size_t i = 0; i < records_.size();) {
        std::size_t j = i + 1;
        while (j < records_.size() && records_[j]->ID == records_[i]->ID) ++j;
        // Records without an identifier are out of every link's reach anyway.
        if (j - i > 1 && !records_[i]->ID.empty()) runs.push_back({i, j - i});
        i = j;
    }
    return runs;
}

template class TrecordList<Tindividual>;
template class TrecordList<Tfamily>;

namespace {

// Collects the lookups of a link pass and resolves them a batch at a time.
// The places the results go must stay put until the last Flush.
template <typename Record>
class BatchedFinder {
  public:
    explicit BatchedFinder(const TrecordList<Record>& list) : list_(list) {}
    ~BatchedFinder() { Flush(); }
    BatchedFinder(const BatchedFinder&) = delete;
    BatchedFinder& operator=(const BatchedFinder&) = delete;

    void Find(std::string_view id, Record*& result) {
        lookups_[count_++] = {id, &result};
        if (count_ == kBatch) Flush();
    }
    void Flush() {
        list_.FindAll(std::span(lookups_.data(), count_));
        count_ = 0;
    }

  private:
    const TrecordList<Record>& list_;
    std::array<typename TrecordList<Record>::Lookup, kBatch> lookups_{};
    std::size_t count_ = 0;
};

}  // namespace

void LinkFamilies(TfamilyList& families, const TindividualList& persons) {
    BatchedFinder<Tindividual> finder(persons);
    for (std::size_t i = 0; i < families.Count(); ++i) {
        Tfamily& family = families[i];
        family.husband = nullptr;
        family.wife = nullptr;
        if (!family.husbandID.empty()) finder.Find(family.husbandID, family.husband);
        if (!family.wifeID.empty()) finder.Find(family.wifeID, family.wife);
        for (TfamilyChild& child : family.children) finder.Find(child.childID, child.person);
    }
}

void LinkIndividuals(TindividualList& persons, const TfamilyList& families) {
    BatchedFinder<Tfamily> finder(families);
    for (std::size_t i = 0; i < persons.Count(); ++i) {
        Tindividual& person = persons[i];
        for (Tchild& link : person.famcList) finder.Find(link.familyID, link.family);
        for (Tspouse& link : person.famsList) finder.Find(link.familyID, link.family);
    }
}

void SetParents(Tindividual& person) {
    // Parents come from the first FAMC family alone. Nothing recurses, so a
    // chain of a million generations or a loop in the data is harmless.
    Tfamily* family = person.FirstFamily();
    person.father = family ? family->husband : nullptr;
    person.mother = family ? family->wife : nullptr;
}

bool HasParentsSet(const Tindividual& person) {
    const Tfamily* family = person.FirstFamily();
    return person.father == (family ? family->husband : nullptr) &&
           person.mother == (family ? family->wife : nullptr);
}

namespace {

constexpr std::size_t kRecordAhead = 32;
constexpr std::size_t kPartsAhead = 16;
constexpr std::size_t kLinksAhead = 8;
constexpr std::size_t kChildrenAhead = 4;
constexpr std::size_t kChildAhead = 2;

template <typename Record>
void PrefetchWhole(const Record& record) {
    const char* at = reinterpret_cast<const char*>(&record);
    for (std::size_t offset = 0; offset < sizeof(Record); offset += 64)
        __builtin_prefetch(at + offset);
    __builtin_prefetch(at + sizeof(Record) - 1);
}

template <typename Pointer>
void PrefetchIf(const Pointer& pointer) {
    if (pointer) __builtin_prefetch(&*pointer);
}

}  // namespace

void FetchAhead(const TindividualList& persons, std::size_t i) {
    if (i + kRecordAhead < persons.Count()) PrefetchWhole(persons[i + kRecordAhead]);
    if (i + kPartsAhead >= persons.Count()) return;
    const Tindividual& person = persons[i + kPartsAhead];
    PrefetchIf(person.birth);
    PrefetchIf(person.christening);
    PrefetchIf(person.death);
    PrefetchIf(person.burial);
    PrefetchIf(person.famcList.data());
    PrefetchIf(person.famsList.data());
    if (i + kLinksAhead >= persons.Count()) return;
    const Tindividual& linked = persons[i + kLinksAhead];
    for (const Tchild& link : linked.famcList) PrefetchIf(link.family);
    for (const Tspouse& link : linked.famsList) PrefetchIf(link.family);
    if (i + kChildrenAhead >= persons.Count()) return;
    // The child lists of those families, and then a woman's children, whose
    // births the date checks compare.
    const Tindividual& parent = persons[i + kChildrenAhead];
    for (const Tchild& link : parent.famcList)
        if (link.family) PrefetchIf(link.family->children.data());
    for (const Tspouse& link : parent.famsList)
        if (link.family) PrefetchIf(link.family->children.data());
    if (i + kChildAhead >= persons.Count()) return;
    const Tindividual& woman = persons[i + kChildAhead];
    if (woman.sex != 'F') return;
    for (const Tspouse& link : woman.famsList)
        if (link.family)
            for (const TfamilyChild& child : link.family->children)
                if (child.person) __builtin_prefetch(&child.person->birthYear);
}

void FetchAhead(const TfamilyList& families, std::size_t i) {
    if (i + kRecordAhead < families.Count()) PrefetchWhole(families[i + kRecordAhead]);
    if (i + kPartsAhead >= families.Count()) return;
    const Tfamily& family = families[i + kPartsAhead];
    PrefetchIf(family.marriage);
    PrefetchIf(family.divorce);
    PrefetchIf(family.children.data());
    PrefetchIf(family.husband);
    PrefetchIf(family.wife);
    if (i + kLinksAhead >= families.Count()) return;
    for (const TfamilyChild& child : families[i + kLinksAhead].children) PrefetchIf(child.person);
}

void SetAllParents(TindividualList& persons) {
    // The families are all over memory; fetching a few persons ahead has
    // their misses overlap.
    constexpr std::size_t kAhead = 16;
    for (std::size_t i = 0; i < persons.Count(); ++i) {
        if (i + kAhead < persons.Count())
            if (const Tfamily* family = persons[i + kAhead].FirstFamily())
                __builtin_prefetch(&family->husband);
        SetParents(persons[i]);
    }
}

}  // namespace lg
