#pragma once
// The in-memory genealogical database: person and family records, the
// events and links they own, and the two identifier-sorted lists that own
// every record. The GEDCOM reader fills it; everything else reads it.

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/shared_text.h"

namespace lg {

struct TlossPerson;  // a chart box; defined with the chart records
class Tfamily;
class Tindividual;

// A GEDCOM tag cut or padded to four characters ("BIRT", "CHR ", "DIV ").
// Compared as one number: the reader compares tags on every line.
struct Tag {
    std::array<char, 4> chars{' ', ' ', ' ', ' '};
    char& operator[](std::size_t i) { return chars[i]; }
    char operator[](std::size_t i) const { return chars[i]; }
    friend constexpr bool operator==(const Tag& a, const Tag& b) {
        return std::bit_cast<std::uint32_t>(a.chars) == std::bit_cast<std::uint32_t>(b.chars);
    }
};
constexpr Tag MakeTag(std::string_view text) {
    Tag tag;
    for (std::size_t i = 0; i < 4 && i < text.size(); ++i) tag.chars[i] = text[i];
    return tag;
}
inline std::string_view TagText(const Tag& tag) {
    return {tag.chars.data(), tag.chars.size()};
}

// How full names are written (setting "tidynames").
enum class NameStyle : int32_t { Proper = 0, Formal = 1, Gedcom = 2 };

// One event of a person or a family, with its texts as written in the file.
// A big file has millions of events: the rarely given texts and the place,
// which repeats from event to event, are shared texts.
struct TEventRecord {
    Tag tag = MakeTag("");
    bool asserted = false;  // the event line said "Y": it happened, no details known
    SharedText eventType;
    std::string date;
    SharedText place;
    SharedText age;
};

// A person's child-of-family link. The first link decides father and mother.
struct Tchild {
    std::string familyID;
    Tfamily* family = nullptr;
    Tag pedigree = MakeTag("BIRT");  // BIRT, ADOP, FOST, SEAL, or blank
};
using TchildList = std::vector<Tchild>;

// A person's partner-in-family link (FAMS).
struct Tspouse {
    std::string familyID;
    Tfamily* family = nullptr;
};

// A family's child entry (CHIL).
struct TfamilyChild {
    std::string childID;
    Tindividual* person = nullptr;
};

class Tfamily {
  public:
    std::string ID;
    int32_t line = 0;  // where the FAM record starts in the file; 0 when not read from one
    std::string husbandID;
    std::string wifeID;
    Tindividual* husband = nullptr;
    Tindividual* wife = nullptr;
    std::vector<TfamilyChild> children;
    std::unique_ptr<TEventRecord> marriage;
    std::unique_ptr<TEventRecord> divorce;

    void clear() { children.clear(); }
    void DeleteHUSB() {
        husbandID.clear();
        husband = nullptr;
    }
    void DeleteWIFE() {
        wifeID.clear();
        wife = nullptr;
    }
    // An HTML table of the family's FAM, HUSB, WIFE and CHIL lines, for the
    // consistency report.
    std::string FamilyDetails(NameStyle style) const;
};

class Tindividual {
  public:
    std::string ID;
    std::string fullName;
    std::string surname;
    std::string givenNames;
    // Empty in most records, so they hold nothing then.
    SharedText nameSuffix;
    SharedText patronym;
    SharedText alias;
    SharedText notes;
    SharedText occupation;
    SharedText chartPartnerID;
    TchildList famcList;
    std::vector<Tspouse> famsList;
    std::unique_ptr<TEventRecord> birth;
    std::unique_ptr<TEventRecord> christening;
    std::unique_ptr<TEventRecord> death;
    std::unique_ptr<TEventRecord> burial;
    int32_t line = 0;  // where the INDI record starts in the file; 0 when not read from one
    int32_t birthYear = 0;
    int32_t deathYear = 0;
    int32_t work1 = 0;
    int32_t work2 = 0;
    int32_t treeDepth = 0;
    int32_t work3 = 0;
    int32_t timelineRow = 0;
    char sex = ' ';     // 'M', 'F', '?' for another value, ' ' without a SEX line
    char nameCode = 0;  // per-person name form override, 0 for none
    bool highlighted = false;
    bool collected = false;
    bool relevant = false;
    Tindividual* father = nullptr;
    Tindividual* mother = nullptr;
    Tindividual* chainNext = nullptr;
    TlossPerson* node = nullptr;

    // The event's date; empty without the event. The checks ask for them
    // millions of times on a big file: no copies.
    const std::string& BirthDate() const;
    const std::string& ChristeningDate() const;
    const std::string& DeathDate() const;
    const std::string& BurialDate() const;
    const std::string& BirthOrChristeningDate() const;
    // birthYear as text, or the christening year when that is 0.
    std::string BirthYearText() const;
    // Sets birthYear and deathYear from the birth and death dates (0 if none).
    void ComputeYears();
    Tfamily* FirstFamily() const;
    // The pedigree code of the link to the family; empty when not its child.
    std::string PedigreeOf(const Tfamily* family) const;
    bool IsStillborn() const;
    // surname; else the patronym when the option is on; else the first given name.
    std::string FamilyName(bool usePatronym) const;
    std::string InitialAndSurname() const;
    std::string SurnameOrPatronym() const;
    // "Berg jr, van der; Jan": family name, suffix, particles, given names.
    std::string IndexName() const;
    std::string FullName(NameStyle style) const;
    std::string IDAndName(NameStyle style) const;
    // " [1850]" from the birth or christening date; empty without a year.
    std::string BirthYearSuffix() const;
    // The text under which the person is shown in selection lists.
    std::string ListingText() const { return IndexName() + BirthYearSuffix(); }
    // An HTML table of the person's INDI, SEX, FAMC and FAMS lines.
    std::string RecordDetails(NameStyle style) const;
};

// The first character of the word that is neither an apostrophe nor an
// opening bracket (the last one when all are), then a blank. A character
// reference there is one character and is kept whole.
std::string Initial(std::string_view word);

// Splits fullName into givenNames, surname and nameSuffix, moving trailing
// particles of the given names into the surname.
void SplitName(Tindividual& person);

// An owning list of records sorted by identifier (ordinal byte order).
template <typename Record>
class TrecordList {
  public:
    std::size_t Count() const { return records_.size(); }
    bool Empty() const { return records_.empty(); }
    Record& operator[](std::size_t i) { return *records_[i]; }
    const Record& operator[](std::size_t i) const { return *records_[i]; }
    Record& Last() { return *records_.back(); }
    Record& Add(std::unique_ptr<Record> record) {
        Changed();
        records_.push_back(std::move(record));
        return *records_.back();
    }
    void Clear() {
        Changed();
        records_.clear();
    }
    void Reserve(std::size_t n) { records_.reserve(n); }
    // Moves the records of `other` behind these, in their order.
    void Splice(TrecordList& other) {
        Changed();
        other.Changed();
        records_.reserve(records_.size() + other.records_.size());
        for (auto& record : other.records_) records_.push_back(std::move(record));
        other.records_.clear();
    }
    // Builds the index that makes Find fast, in the list's present order:
    // where several records share an identifier, the first of them is
    // found. The index survives SortByID; Add drops it.
    void IndexByID();
    // Stable, so records with equal identifiers keep their file order.
    // Also builds the index (IndexByID) when there is none.
    void SortByID();
    // The record with the identifier in the sorted list; null when absent.
    // Where several records share an identifier, the first of them, which
    // the stable sort keeps the first in the file.
    Record* Find(std::string_view id) const;

    // One lookup of a batch: the identifier, and where its record (or null)
    // is written.
    struct Lookup {
        std::string_view id;
        Record** result;
    };
    // Find for every lookup. A link pass over a big file misses the cache
    // twice per lookup, on the slot and on the record; a batch has those
    // misses overlap instead of waiting for each in turn.
    void FindAll(std::span<const Lookup> lookups) const;

    // A run of records in the sorted list that share a (non-empty)
    // identifier: the index of the first and how many there are.
    struct SharedRun {
        std::size_t first;
        std::size_t count;
    };
    // Every such run, in list order. Known from the sort without a pass
    // over the records.
    std::vector<SharedRun> SharedIdentifiers() const;

    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }

  private:
    Record* Bisect(std::string_view id) const;
    void Changed() {
        slots_.clear();
        sharedKnown_ = false;
    }

    // The slot that holds the record of the identifier, or the free slot
    // where it would go.
    std::size_t Probe(std::string_view id, std::size_t hash) const;

    std::vector<std::unique_ptr<Record>> records_;
    // Open-addressing hash table of the records (0 = free), one entry per
    // distinct identifier: a big file's links resolve with a cache miss or
    // two each, the table's and the record's, instead of a bisection's
    // twenty. Empty until IndexByID. Each entry is the record's address with
    // the top bits of its identifier's hash in the address's unused top
    // bits, so that probing past other identifiers compares numbers instead
    // of visiting their records.
    std::vector<std::uintptr_t> slots_;
    std::uintptr_t tagMask_ = 0;  // 0 where addresses use every bit
    // SharedIdentifiers as the last sort found them, while nothing was added.
    std::vector<SharedRun> shared_;
    bool sharedKnown_ = false;
};

using TindividualList = TrecordList<Tindividual>;
using TfamilyList = TrecordList<Tfamily>;

inline Tindividual* FindIndividual(const TindividualList& list, std::string_view id) {
    return list.Find(id);
}
inline Tfamily* FindFamily(const TfamilyList& list, std::string_view id) {
    return list.Find(id);
}

// Resolves husband, wife and children of every family.
void LinkFamilies(TfamilyList& families, const TindividualList& persons);
// Resolves every person's FAMC and FAMS family references.
void LinkIndividuals(TindividualList& persons, const TfamilyList& families);
// father and mother from the first FAMC link's family; none without one.
void SetParents(Tindividual& person);
// Whether SetParents would leave the person as they are.
bool HasParentsSet(const Tindividual& person);
// SetParents for everyone in the list.
void SetAllParents(TindividualList& persons);

// The lists are in identifier order, which is seldom the records' order in
// memory: a pass over a big file's records would miss the cache on every
// record and again on what it points to. Called at record i of a forward
// pass, these fetch record i + 16, the events and link lists of record
// i + 8 and the records that record i + 4 links to, so that the misses
// overlap.
void FetchAhead(const TindividualList& persons, std::size_t i);
void FetchAhead(const TfamilyList& families, std::size_t i);

// The person and family lists of one loaded file.
struct Database {
    TindividualList persons;
    TfamilyList families;
    void Clear() {
        // Families point into persons and back; both go together.
        families.Clear();
        persons.Clear();
    }
};

}  // namespace lg
