#include "database/records.h"

#include <algorithm>
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

}  // namespace

template <typename Record>
void TrecordList<Record>::IndexByID() {
    std::size_t size = 16;
    while (size < 2 * records_.size()) size *= 2;
    slots_.assign(size, nullptr);
    for (const auto& record : records_) {
        std::size_t slot = std::hash<std::string_view>{}(record->ID) & (size - 1);
        while (slots_[slot] && slots_[slot]->ID != record->ID) slot = (slot + 1) & (size - 1);
        // A later record of an identifier already there is not found.
        if (!slots_[slot]) slots_[slot] = record.get();
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
    std::vector<std::unique_ptr<Record>> sorted(records_.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        sorted[i] = std::move(records_[entries[i].index]);
    records_ = std::move(sorted);
}

template <typename Record>
Record* TrecordList<Record>::Find(std::string_view id) const {
    if (slots_.empty()) return Bisect(id);
    std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = std::hash<std::string_view>{}(id)&mask;; slot = (slot + 1) & mask) {
        Record* record = slots_[slot];
        if (!record || record->ID == id) return record;
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

void LinkFamilies(TfamilyList& families, const TindividualList& persons) {
    for (std::size_t i = 0; i < families.Count(); ++i) {
        Tfamily& family = families[i];
        family.husband = family.husbandID.empty() ? nullptr : persons.Find(family.husbandID);
        family.wife = family.wifeID.empty() ? nullptr : persons.Find(family.wifeID);
        for (TfamilyChild& child : family.children) child.person = persons.Find(child.childID);
    }
}

void LinkIndividuals(TindividualList& persons, const TfamilyList& families) {
    for (std::size_t i = 0; i < persons.Count(); ++i) {
        Tindividual& person = persons[i];
        for (Tchild& link : person.famcList) link.family = families.Find(link.familyID);
        for (Tspouse& link : person.famsList) link.family = families.Find(link.familyID);
    }
}

void SetParents(Tindividual& person) {
    // Parents come from the first FAMC family alone. Nothing recurses, so a
    // chain of a million generations or a loop in the data is harmless.
    Tfamily* family = person.FirstFamily();
    person.father = family ? family->husband : nullptr;
    person.mother = family ? family->wife : nullptr;
}

}  // namespace lg
