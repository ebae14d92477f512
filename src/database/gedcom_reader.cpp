#include "database/gedcom_reader.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>
#include <cstring>
#include <functional>
#include <future>
#include <thread>

#include "base/fill_in.h"
#include "base/html_text.h"
#include "base/text_helpers.h"
#include "database/charset.h"
#include "database/heap_prefault.h"
#include "database/line_source.h"

namespace lg {
namespace {

constexpr Tag kHEAD = MakeTag("HEAD"), kINDI = MakeTag("INDI"), kFAM = MakeTag("FAM"),
              kTRLR = MakeTag("TRLR"), kCHAR = MakeTag("CHAR"), kNAME = MakeTag("NAME"),
              kTYPE = MakeTag("TYPE"), kSEX = MakeTag("SEX"), kPAT = MakeTag("_PAT"),
              kALI = MakeTag("_ALI"), kOCCU = MakeTag("OCCU"), kNOTE = MakeTag("NOTE"),
              kCONT = MakeTag("CONT"), kCONC = MakeTag("CONC"), kFAMC = MakeTag("FAMC"),
              kFAMS = MakeTag("FAMS"), kPEDI = MakeTag("PEDI"), kADOP = MakeTag("ADOP"),
              kBIRT = MakeTag("BIRT"), kCHR = MakeTag("CHR"), kBAPM = MakeTag("BAPM"),
              kDEAT = MakeTag("DEAT"), kBURI = MakeTag("BURI"), kCREM = MakeTag("CREM"),
              kHUSB = MakeTag("HUSB"), kWIFE = MakeTag("WIFE"), kCHIL = MakeTag("CHIL"),
              kENGA = MakeTag("ENGA"), kANUL = MakeTag("ANUL"), kDIV = MakeTag("DIV"),
              kDIVF = MakeTag("DIVF"), kDATE = MakeTag("DATE"), kPLAC = MakeTag("PLAC"),
              kAGE = MakeTag("AGE");

constexpr int32_t kDamagedLevel = INT32_MAX;

bool IsBlankOrBell(char c) {
    return c == ' ' || c == '\a' || c == '\t';
}

// Blanks, tabs and BEL characters alone make no line.
bool IsEmptyLine(std::string_view line) {
    for (char c : line)
        if (c != ' ' && c != '\t' && c != '\a') return false;
    return true;
}

std::string_view TrimBlanksAndControls(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

// string_view::find for a character a few bytes on, as the end of a tag or
// of an identifier is: on every line, a loop beats a library call.
std::size_t FindNear(std::string_view text, char c, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i)
        if (text[i] == c) return i;
    return std::string_view::npos;
}

Tag PedigreeCode(std::string_view value) {
    std::string lower = ToLowerAscii(value);
    if (lower == "birth") return MakeTag("BIRT");
    if (lower == "adopted") return MakeTag("ADOP");
    if (lower == "foster") return MakeTag("FOST");
    if (lower == "sealing") return MakeTag("SEAL");
    return MakeTag("");
}

// The line being read, split into its parts. xref and value point into the
// reader's current raw line.
struct GedcomLine {
    int32_t level = 0;
    std::string_view xref;
    Tag tag = MakeTag("");
    std::string_view value;
};

class GedcomReader {
  public:
    GedcomReader(Database& db, Reporter& reporter, const ReadOptions& options, std::size_t fileSize,
                 HeapPrefaulter::Heap heap = HeapPrefaulter::Heap::Main)
        : db_(db), reporter_(reporter), options_(options), prefaulter_(fileSize, heap) {}

    void ReadAll(GedcomLineSource& source);

    // Called once the first header has been read, while reading goes on.
    void OnFirstHeader(std::function<void()> call) { onFirstHeader_ = std::move(call); }
    // For a reader that starts in the middle of a file: the character set
    // its header named.
    void ContinueAfterHeader(CharSet charSet) {
        charSet_ = charSet;
        headerDone_ = true;
    }
    CharSet CharSetInUse() const { return charSet_; }
    int Headers() const { return headers_; }
    bool InHeader() const { return inHeader_; }
    bool EndedAtTrailer() const { return trailer_; }
    int32_t LineCount() const { return lineCounter_; }
    const HeapPrefaulter& Prefaulter() const { return prefaulter_; }

  private:
    // Line level.
    bool NextLine();
    void SkipDeeper(int32_t level);
    bool ReadRaw(std::string_view& raw);
    void TakeLine(std::string_view raw);
    void Convert();
    int32_t ParseLevel(std::size_t& pos);
    void ParseLine();
    void ReportDamagedLevel(std::size_t position);
    void ReportDamagedBytes();
    void EndOfFile();

    // Records.
    void ReadHeader();
    void ReadPerson();
    void ReadFamily();
    bool HandlePersonTag(Tindividual& person, int32_t level);
    bool HandleFamilyTag(Tfamily& family);
    void ReadName(Tindividual& person, int32_t level);
    void ReadNote(Tindividual& person, int32_t level);
    void ReadFamc(Tindividual& person, int32_t level);
    void ReadAdoption(Tindividual& person, int32_t level);
    void ReadEvent(TEventRecord& event);
    std::string ReadContinuation();
    void ReadFirstEvent(std::unique_ptr<TEventRecord>& slot);
    void ReadMarriage(Tfamily& family);
    void ShowProgress();

    Database& db_;
    Reporter& reporter_;
    const ReadOptions& options_;
    GedcomLineSource* source_ = nullptr;

    std::string raw_;
    bool plain_ = false;  // raw_ needs neither escaping nor conversion
    std::string previousRaw_;
    GedcomLine line_;
    bool haveLine_ = false;
    int32_t lineCounter_ = 0;
    CharSet charSet_ = CharSet::Unknown;
    bool headerDone_ = false;
    bool stopped_ = false;  // a read error ended the file
    int headers_ = 0;
    bool inHeader_ = false;
    bool trailer_ = false;
    std::function<void()> onFirstHeader_;
    HeapPrefaulter prefaulter_;
    TextPool places_;
};

bool GedcomReader::ReadRaw(std::string_view& raw) {
    if (stopped_) return false;
    if (!source_->Next(raw)) {
        if (source_->ReadFailed()) {
            reporter_.AddMessage(MessageText(Msg::ErrorReadingGedcomFile), true);
            stopped_ = true;
        }
        return false;
    }
    if (lineCounter_ < INT32_MAX) ++lineCounter_;
    if (source_->Damage() != LineDamage::None) ReportDamagedBytes();
    return true;
}

void GedcomReader::ReportDamagedBytes() {
    const Msg rest = source_->Damage() == LineDamage::RestOfFile ? Msg::Utf16RestOfFileLost
                                                                 : Msg::Utf16RestOfLineLost;
    reporter_.AddMessage(FillInNumber(Msg::GedcomCorruptAroundLine, lineCounter_) + " " +
                             std::string(MessageText(rest)),
                         true);
}

void GedcomReader::EndOfFile() {
    haveLine_ = false;
    line_ = GedcomLine{};
}

bool GedcomReader::NextLine() {
    std::swap(previousRaw_, raw_);
    std::string_view raw;
    do {
        if (!ReadRaw(raw)) {
            EndOfFile();
            return false;
        }
    } while (IsEmptyLine(raw));
    TakeLine(raw);
    Convert();
    ParseLine();
    haveLine_ = true;
    return true;
}

void GedcomReader::SkipDeeper(int32_t level) {
    std::string_view raw;
    for (;;) {
        if (!ReadRaw(raw)) {
            EndOfFile();
            return;
        }
        if (IsEmptyLine(raw)) continue;
        std::swap(previousRaw_, raw_);
        TakeLine(raw);
        std::size_t pos = 0;
        if (ParseLevel(pos) <= level) break;
    }
    Convert();
    ParseLine();
    haveLine_ = true;
}

// Whether the line holds a byte that escaping or any character set would
// change, or a NUL. Most lines of a file are plain ASCII without markup; one
// pass over them replaces the half dozen scans of the steps they skip.
bool NeedsConversion(std::string_view line) {
    // Eight bytes at a time: a byte of a word is zero exactly where
    // (word - 0x01...) sets its high bit and the word's own byte had none.
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const auto hasZeroByte = [](std::uint64_t w) { return (w - kOnes) & ~w & kHighs; };
    std::size_t i = 0;
    for (; i + 8 <= line.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, line.data() + i, 8);
        if ((w & kHighs) || hasZeroByte(w) || hasZeroByte(w ^ (kOnes * '&')) ||
            hasZeroByte(w ^ (kOnes * '<')) || hasZeroByte(w ^ (kOnes * '>')))
            return true;
    }
    for (; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte >= 0x80 || byte == '&' || byte == '<' || byte == '>' || byte == '\0') return true;
    }
    return false;
}

// Every later step, and every message that quotes the line, sees text that
// is safe to write into a page: markup in a note or name stays text.
void GedcomReader::TakeLine(std::string_view raw) {
    raw_.assign(raw);
    plain_ = !NeedsConversion(raw_);
    if (!plain_) EscapeMarkupInPlace(raw_);
}

void GedcomReader::Convert() {
    if (!headerDone_ || plain_) return;
    if (std::memchr(raw_.data(), '\0', raw_.size())) {
        for (char& c : raw_)
            if (c == '\0') c = '?';
        if (raw_.size() > 255) raw_ = raw_.substr(0, 255) + " *** + more***";
        reporter_.AddMessage(FillInNumber(Msg::IllegalCharacter, lineCounter_), true);
        reporter_.AddMessage(FillIn(Msg::ProblemLine, raw_), true);
    }
    ConvertText(raw_, charSet_);
}

int32_t GedcomReader::ParseLevel(std::size_t& pos) {
    while (pos < raw_.size() && IsBlankOrBell(raw_[pos])) ++pos;
    if (pos >= raw_.size()) {
        reporter_.AddMessage(FillInNumber(Msg::GedcomCorruptAroundLine, lineCounter_), true);
        return 0;
    }
    // A line that does not start with a digit has no level at all; it is
    // reported and then skipped with the record it stands in.
    if (raw_[pos] < '0' || raw_[pos] > '9') {
        ReportDamagedLevel(pos + 1);
        return kDamagedLevel;
    }
    int64_t level = 0;
    while (pos < raw_.size() && raw_[pos] >= '0' && raw_[pos] <= '9') {
        level = std::min<int64_t>(level * 10 + (raw_[pos] - '0'), kDamagedLevel);
        ++pos;
    }
    return static_cast<int32_t>(level);
}

void GedcomReader::ReportDamagedLevel(std::size_t position) {
    std::string text = FillInNumber(Msg::GedcomCorruptAroundLine, lineCounter_) + " " +
                       FillInNumber(Msg::AtOrBeforePosition, static_cast<int32_t>(position)) +
                       "\r\n" + FillIn(Msg::CannotProcessLevel, raw_);
    reporter_.AddMessage(text, true);
    if (!db_.persons.Empty()) {
        const Tindividual& last = db_.persons.Last();
        reporter_.AddMessage(
            std::string(MessageText(Msg::LastINDIRecord)) + " (" + last.ID + ") " + last.fullName,
            true);
    }
    if (!db_.families.Empty()) {
        reporter_.AddMessage(
            std::string(MessageText(Msg::LastFAMRecord)) + " " + db_.families.Last().ID, true);
    }
    reporter_.AddMessage(std::string(MessageText(Msg::LastCompleteLine)) + " " + previousRaw_,
                         true);
}

void GedcomReader::ParseLine() {
    line_ = GedcomLine{};
    std::size_t pos = 0;
    line_.level = ParseLevel(pos);
    std::string_view text = raw_;
    auto skipBlanks = [&] {
        while (pos < text.size() && text[pos] == ' ') ++pos;
    };
    skipBlanks();
    if (pos < text.size() && text[pos] == '@') {
        std::size_t start = pos + 1;
        std::size_t close =
            start < text.size() ? FindNear(text, '@', start + 1) : std::string::npos;
        if (close == std::string_view::npos) close = text.size();
        line_.xref = text.substr(start, close - start);
        pos = close + 1;
        skipBlanks();
    }
    std::size_t tagEnd = pos < text.size() ? FindNear(text, ' ', pos) : std::string::npos;
    if (tagEnd == std::string_view::npos) tagEnd = text.size();
    for (std::size_t i = 0; i < 4 && pos + i < tagEnd; ++i) {
        char c = text[pos + i];
        line_.tag[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    pos = tagEnd;
    skipBlanks();
    if (pos < text.size()) {
        std::string_view value = text.substr(pos);
        if (value.front() == '@') value.remove_prefix(1);
        value = TrimRightBlanks(value);
        if (value.size() > 1 && value.back() == '@') value.remove_suffix(1);
        line_.value = value;
    }
}

void GedcomReader::ReadAll(GedcomLineSource& source) {
    source_ = &source;
    reporter_.BeginInterruptible();
    int32_t nextCheck = 1000;
    const void* newest = nullptr;  // the record read last
    NextLine();
    while (haveLine_) {
        if (line_.tag == kHEAD) {
            ReadHeader();
            if (++headers_ == 1 && onFirstHeader_) onFirstHeader_();
        } else if (line_.tag == kINDI) {
            ReadPerson();
            if (db_.persons.Count()) newest = &db_.persons.Last();
        } else if (line_.tag == kFAM) {
            ReadFamily();
            if (db_.families.Count()) newest = &db_.families.Last();
        } else if (line_.tag == kTRLR) {
            trailer_ = true;
            break;
        } else {
            SkipDeeper(0);
        }
        // Checking at every record would slow big files down; once per
        // thousand lines keeps Esc and Ctrl-C responsive.
        if (lineCounter_ >= nextCheck) {
            nextCheck = lineCounter_ - lineCounter_ % 1000 + 1000;
            prefaulter_.Poll(newest);
            if (reporter_.CheckInterrupted()) break;
        }
    }
    reporter_.EndInterruptible();
}

void GedcomReader::ReadHeader() {
    inHeader_ = true;
    std::string charName;
    bool found = false;
    NextLine();
    while (haveLine_ && line_.level > 0) {
        if (line_.level == 1 && line_.tag == kCHAR) {
            charName = ToUpperAscii(line_.value);
            found = true;
        }
        SkipDeeper(1);
    }
    charSet_ = found ? CharSetFromName(charName) : CharSet::Unknown;
    if (found) reporter_.AddMessage(FillIn(Msg::CharacterCodingUsed, charName));
    if (charSet_ == CharSet::Unknown)
        reporter_.AddMessage(MessageText(Msg::CharacterCodingNotSpecified));
    // A byte-order mark outranks what the header claims.
    if (source_->Encoding() != ByteEncoding::EightBit) charSet_ = CharSet::Utf8;
    headerDone_ = true;
    inHeader_ = false;
}

void GedcomReader::ShowProgress() {
    std::string text =
        "Gedcom: " + FillInNumber(Msg::NPersons, static_cast<int32_t>(db_.persons.Count())) + "; " +
        FillInNumber(Msg::NFamilies, static_cast<int32_t>(db_.families.Count()));
    reporter_.ShowProgress(text, StatusColour::Error, source_->PercentRead());
}

void GedcomReader::ReadPerson() {
    auto person = std::make_unique<Tindividual>();
    person->ID = line_.xref;
    person->line = lineCounter_;
    Tindividual& p = db_.persons.Add(std::move(person));
    if (db_.persons.Count() % 300 == 0) ShowProgress();
    int32_t level = line_.level;
    bool nameSeen = false;
    NextLine();
    while (haveLine_ && line_.level > level) {
        if (line_.level != level + 1) {
            SkipDeeper(level + 1);
        } else if (line_.tag == kNAME && !nameSeen) {
            nameSeen = true;
            ReadName(p, level + 1);
        } else if (!HandlePersonTag(p, level + 1)) {
            SkipDeeper(level + 1);
        }
    }
}

bool GedcomReader::HandlePersonTag(Tindividual& p, int32_t level) {
    const Tag& tag = line_.tag;
    if (tag == kSEX) {
        std::string value = ToUpperAscii(line_.value);
        p.sex = (!value.empty() && (value[0] == 'F' || value[0] == 'M')) ? value[0] : '?';
        NextLine();
    } else if (tag == kPAT) {
        p.patronym = line_.value;
        NextLine();
    } else if (tag == kALI) {
        p.alias = line_.value;
        NextLine();
    } else if (tag == kOCCU) {
        std::string occupation(line_.value);
        NextLine();
        p.occupation = occupation + ReadContinuation();
    } else if (tag == kNOTE) {
        ReadNote(p, level);
    } else if (tag == kFAMC) {
        ReadFamc(p, level);
    } else if (tag == kFAMS) {
        p.famsList.push_back(Tspouse{std::string(line_.value), nullptr});
        SkipDeeper(level);
    } else if (tag == kADOP) {
        ReadAdoption(p, level);
    } else if (tag == kBIRT) {
        if (!p.birth) {
            ReadFirstEvent(p.birth);
        } else if (p.birth->date.empty()) {
            TEventRecord scratch;
            ReadEvent(scratch);
            if (!scratch.date.empty()) *p.birth = std::move(scratch);
        } else {
            return false;
        }
    } else if (tag == kCHR || tag == kBAPM) {
        if (p.christening) return false;
        ReadFirstEvent(p.christening);
    } else if (tag == kDEAT) {
        if (p.death) return false;
        ReadFirstEvent(p.death);
    } else if (tag == kBURI || tag == kCREM) {
        if (p.burial) return false;
        ReadFirstEvent(p.burial);
    } else {
        return false;
    }
    return true;
}

void GedcomReader::ReadName(Tindividual& p, int32_t level) {
    p.fullName = CleanName(line_.value, options_.nameStyle);
    SplitName(p);
    NextLine();
    while (haveLine_ && line_.level > level) {
        if (line_.level == level + 1 && line_.tag == kTYPE) {
            if (ToLowerAscii(line_.value).find("patr") != std::string::npos) {
                p.patronym = std::move(p.surname);
                p.surname.clear();
            }
            NextLine();
        } else {
            SkipDeeper(level + 1);
        }
    }
}

void GedcomReader::ReadNote(Tindividual& p, int32_t level) {
    std::string notes = p.notes;
    notes += TrimBlanksAndControls(line_.value);
    NextLine();
    while (haveLine_ && line_.level > level) {
        if (line_.level == level + 1 && line_.tag == kCONT) {
            notes += ' ';
            notes += TrimBlanksAndControls(line_.value);
            NextLine();
        } else if (line_.level == level + 1 && line_.tag == kCONC) {
            notes += TrimBlanksAndControls(line_.value);
            NextLine();
        } else {
            SkipDeeper(level + 1);
        }
    }
    notes += ' ';
    p.notes = std::move(notes);
}

void GedcomReader::ReadFamc(Tindividual& p, int32_t level) {
    Tchild link;
    link.familyID = line_.value;
    NextLine();
    while (haveLine_ && line_.level > level) {
        if (line_.level == level + 1 && line_.tag == kPEDI) {
            link.pedigree = PedigreeCode(line_.value);
            NextLine();
        } else {
            SkipDeeper(level + 1);
        }
    }
    if (!p.famcList.empty() && p.famcList.front().familyID == link.familyID) {
        link.pedigree = MakeTag("ADOP");
        p.famcList.front() = std::move(link);
    } else {
        p.famcList.push_back(std::move(link));
    }
}

void GedcomReader::ReadAdoption(Tindividual& p, int32_t level) {
    NextLine();
    while (haveLine_ && line_.level > level) {
        if (line_.tag != kFAMC) {
            NextLine();
            continue;
        }
        std::string_view familyID = line_.value;
        Tchild* found = nullptr;
        for (Tchild& link : p.famcList)
            if (link.familyID == familyID) found = &link;
        if (!found) {
            p.famcList.insert(p.famcList.begin(), Tchild{std::string(familyID), nullptr, {}});
            found = &p.famcList.front();
        }
        found->pedigree = MakeTag("ADOP");
        SkipDeeper(level);
        return;
    }
}

void GedcomReader::ReadFirstEvent(std::unique_ptr<TEventRecord>& slot) {
    slot = std::make_unique<TEventRecord>();
    ReadEvent(*slot);
}

void GedcomReader::ReadEvent(TEventRecord& event) {
    int32_t level = line_.level;
    event.tag = line_.tag;
    event.asserted = ToUpperAscii(line_.value) == "Y";
    NextLine();
    // Lines deeper than the event's own sub-lines (a MAP under PLAC, say)
    // are skipped without ending the event, so later sub-lines still count.
    while (haveLine_ && line_.level > level) {
        if (line_.level != level + 1) {
            SkipDeeper(level + 1);
            continue;
        }
        const Tag& tag = line_.tag;
        if (tag == kTYPE) {
            event.eventType = line_.value;
        } else if (tag == kDATE) {
            event.date = line_.value == "?" ? std::string_view() : line_.value;
        } else if (tag == kPLAC) {
            event.place = places_.Get(line_.value == "?" ? std::string_view() : line_.value);
        } else if (tag == kAGE) {
            event.age = line_.value;
        } else {
            SkipDeeper(level + 1);
            continue;
        }
        NextLine();
    }
}

std::string GedcomReader::ReadContinuation() {
    std::string text;
    while (haveLine_ && (line_.tag == kCONC || line_.tag == kCONT)) {
        if (line_.tag == kCONT) text += "\r\n";
        text += line_.value;
        NextLine();
    }
    return text;
}

void GedcomReader::ReadFamily() {
    auto family = std::make_unique<Tfamily>();
    family->ID = line_.xref;
    family->line = lineCounter_;
    Tfamily& f = db_.families.Add(std::move(family));
    if (db_.families.Count() % 300 == 0) ShowProgress();
    int32_t level = line_.level;
    NextLine();
    while (haveLine_ && line_.level > level) {
        if (line_.level != level + 1 || !HandleFamilyTag(f)) SkipDeeper(level + 1);
    }
}

bool GedcomReader::HandleFamilyTag(Tfamily& f) {
    const Tag& tag = line_.tag;
    if (tag == kHUSB) {
        f.husbandID = line_.value;
        NextLine();
    } else if (tag == kWIFE) {
        f.wifeID = line_.value;
        NextLine();
    } else if (tag == kCHIL) {
        f.children.push_back(TfamilyChild{std::string(line_.value), nullptr});
        NextLine();
    } else if (tag == kENGA || (tag[0] == 'M' && tag[1] == 'A' && tag[2] == 'R')) {
        ReadMarriage(f);
    } else if (tag == kANUL || tag == kDIV || tag == kDIVF) {
        if (f.divorce) return false;
        ReadFirstEvent(f.divorce);
    } else {
        return false;
    }
    return true;
}

void GedcomReader::ReadMarriage(Tfamily& f) {
    if (!f.marriage) {
        ReadFirstEvent(f.marriage);
        return;
    }
    TEventRecord scratch;
    ReadEvent(scratch);
    bool storedDated = !f.marriage->date.empty();
    bool newDated = !scratch.date.empty();
    if ((!storedDated && newDated) || (storedDated && newDated && scratch.tag == MakeTag("MARR")))
        *f.marriage = std::move(scratch);
}

// A file where every record comes twice (two exports pasted together, say)
// would bury the other messages; the error report lists every ID.
constexpr std::size_t kSharedIdentifiersListed = 10;
constexpr std::size_t kLinesListed = 10;

// One message per identifier that several records share, naming their
// lines: only the first of them is reached by links.
template <typename Record>
void ReportSharedIdentifiers(const TrecordList<Record>& list, std::string_view tag,
                             Reporter& reporter) {
    const auto runs = list.SharedIdentifiers();
    for (std::size_t r = 0; r < runs.size() && r < kSharedIdentifiersListed; ++r) {
        const auto& run = runs[r];
        std::string lines;
        for (std::size_t i = 0; i < run.count && i < kLinesListed; ++i)
            lines += (i ? ", " : "") + std::to_string(list[run.first + i].line);
        if (run.count > kLinesListed) lines += ", ...";
        const Record& first = list[run.first];
        reporter.AddMessage(FillInAll(
            Msg::SharedIdentifier,
            {std::to_string(run.count), tag, first.ID, lines, std::to_string(first.line)}));
    }
    if (runs.size() > kSharedIdentifiersListed)
        reporter.AddMessage(
            FillInNumber(Msg::MoreSharedIdentifiers,
                         static_cast<int32_t>(runs.size() - kSharedIdentifiersListed)));
}

// Where a second reader may start: the first person or family record past
// the middle of the file. Every loop of the reader ends at such a line, so
// the records read from there are those that reading on would give. 0 when
// there is none near the middle.
std::uintmax_t FindSplit(const std::filesystem::path& file, std::uintmax_t size) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(file.c_str(), "rb"), std::fclose);
    const std::uintmax_t middle = size / 2;
    if (!f || std::fseek(f.get(), static_cast<long>(middle), SEEK_SET) != 0) return 0;
    std::string bytes(1u << 20, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f.get()));
    for (std::size_t at = bytes.find("\n0 @"); at != std::string::npos;
         at = bytes.find("\n0 @", at + 1)) {
        const std::size_t close = bytes.find('@', at + 4);
        if (close == std::string::npos || close + 1 >= bytes.size()) return 0;
        const std::string_view rest = std::string_view(bytes).substr(close + 1, 6);
        for (std::string_view tag : {" INDI", " FAM"}) {
            if (rest.size() > tag.size() && rest.substr(0, tag.size()) == tag &&
                (rest[tag.size()] == '\r' || rest[tag.size()] == '\n'))
                return middle + at + 1;
        }
    }
    return 0;
}

// A message list that only counts, for the second reader: a message there
// would have come out of order and with the wrong line number, so its half
// is read again by the first reader instead.
class CountingSink : public MessageSink {
  public:
    void AppendMessage(const std::string&) override { ++messages; }
    void ClearMessages() override {}
    void SetStatus(const std::string&, StatusColour) override {}
    bool ProcessPendingEvents() override { return stop.load(std::memory_order_relaxed); }

    int messages = 0;
    std::atomic<bool> stop{false};
};

// The second half of a big file, read on another core while the first
// reader reads the first half. The first reader stops at the split only
// when this half came out as reading on would have made it: no message, no
// second header, no read error; otherwise it reads on over the same lines.
class SecondHalf {
  public:
    SecondHalf(const std::filesystem::path& file, std::uintmax_t split, const ReadOptions& options)
        : file_(file), split_(split), options_(options) {}
    ~SecondHalf() { Finish(); }
    SecondHalf(const SecondHalf&) = delete;
    SecondHalf& operator=(const SecondHalf&) = delete;

    // The first reader waits until the half's heap is set up: no other
    // thread may allocate meanwhile.
    void Start(CharSet charSet, const HeapPrefaulter& prefaulter) {
        std::promise<void> heapReady;
        std::future<void> ready = heapReady.get_future();
        thread_ = std::thread([this, charSet, &prefaulter, &heapReady] {
            prefaulter.PrepareThreadHeap();
            populate_ = prefaulter.Active();
            heapReady.set_value();
            Read(charSet);
        });
        ready.wait();
    }
    // Waits for the half; true when it may stand for reading on.
    bool Usable() {
        if (!thread_.joinable()) return false;
        thread_.join();
        return usable_;
    }
    // Stops the half when the first reader ended before the split.
    void Finish() {
        sink_.stop = true;
        if (thread_.joinable()) thread_.join();
    }
    std::uintmax_t Where() const { return split_; }
    // Appends the half's records to the database, with their lines counted
    // from the file's start.
    void MoveInto(Database& db, int32_t linesBefore) {
        // The line counter stops at the largest number, and so do these.
        const auto shifted = [linesBefore](int32_t line) {
            return static_cast<int32_t>(std::min<int64_t>(int64_t{line} + linesBefore, INT32_MAX));
        };
        for (std::size_t i = 0; i < db_.persons.Count(); ++i)
            db_.persons[i].line = shifted(db_.persons[i].line);
        for (std::size_t i = 0; i < db_.families.Count(); ++i)
            db_.families[i].line = shifted(db_.families[i].line);
        db.persons.Splice(db_.persons);
        db.families.Splice(db_.families);
    }

  private:
    void Read(CharSet charSet) {
        try {
            GedcomLineSource source;
            if (!source.OpenAt(file_, split_)) return;
            GedcomReader reader(db_, reporter_, options_, populate_ ? 1 : 0,
                                HeapPrefaulter::Heap::Thread);
            reader.ContinueAfterHeader(charSet);
            reader.ReadAll(source);
            usable_ = sink_.messages == 0 && !reporter_.Interrupted() &&
                      reporter_.RunState() == kRunNormal && !source.ReadFailed() &&
                      reader.Headers() == 0;
        } catch (...) {
            usable_ = false;
        }
    }

    std::filesystem::path file_;
    std::uintmax_t split_;
    const ReadOptions& options_;
    Database db_;
    CountingSink sink_;
    Reporter reporter_{sink_};
    std::thread thread_;
    bool populate_ = false;  // the half's heap, as the first reader's is
    bool usable_ = false;
};

}  // namespace

bool ReadGedcom(const std::filesystem::path& file, Database& db, Reporter& reporter,
                const ReadOptions& options) {
    db.Clear();
    std::string name = file.filename().string();
    std::error_code error;
    if (!name.empty() && std::filesystem::is_directory(file, error)) {
        reporter.AddMessage(FillIn(Msg::FileIsAFolder, name), true);
        return false;
    }
    if (name.empty() || !std::filesystem::is_regular_file(file, error)) {
        std::filesystem::path dir = file.parent_path();
        if (dir.empty()) dir = std::filesystem::current_path(error);
        reporter.AddMessage(FillInAll(Msg::GedcomFileDoesNotExist, {name, dir.string()}), true);
        return false;
    }
    if (options.splitAt) *options.splitAt = 0;
    GedcomLineSource source;
    if (!source.Open(file)) {
        reporter.AddMessage(FillIn(Msg::CanNotOpenGedcom, name), true);
        return false;
    }
    reporter.AddMessage(MessageText(Msg::DataFileFormatGEDCOM));
    if (!source.IsEmpty()) {
        std::uintmax_t size = std::filesystem::file_size(file, error);
        GedcomReader reader(db, reporter, options, error ? 0 : static_cast<std::size_t>(size));
        std::unique_ptr<SecondHalf> half;
        bool split = false;
        if (!error && options.splitFrom > 0 && size >= options.splitFrom &&
            std::thread::hardware_concurrency() >= 2 &&
            (source.Encoding() == ByteEncoding::EightBit ||
             source.Encoding() == ByteEncoding::Utf8Bom)) {
            if (const std::uintmax_t at = FindSplit(file, size)) {
                half = std::make_unique<SecondHalf>(file, at, options);
                // A header still being read, or about to be, would change
                // the character set of what follows.
                const bool paused = source.PauseAt(at, [&](std::string_view pending) {
                    split = reader.Headers() == 1 && !reader.InHeader() &&
                            ToUpperAscii(pending).find("HEAD") == std::string::npos &&
                            !reporter.Interrupted() && half->Usable();
                    return split;
                });
                if (paused)
                    reader.OnFirstHeader(
                        [&] { half->Start(reader.CharSetInUse(), reader.Prefaulter()); });
                else
                    half.reset();
            }
        }
        reader.ReadAll(source);
        if (half) {
            half->Finish();
            // Past the split the first reader saw the file end; reading on
            // would have stopped at a trailer or an interruption too.
            split = split && !reader.EndedAtTrailer() && !reporter.Interrupted();
            if (split) half->MoveInto(db, reader.LineCount());
        }
        if (options.splitAt) *options.splitAt = split ? half->Where() : 0;
    }
    if (reporter.RunState() == kRunError) return false;
    reporter.AddMessage(FillInNumber(Msg::NPersons, static_cast<int32_t>(db.persons.Count())));
    reporter.AddMessage(FillInNumber(Msg::NFamilies, static_cast<int32_t>(db.families.Count())));
    // Linked while the lists are still in file order, which is the order of
    // the records in memory: in the sorted order every record would be a
    // cache miss. Links reach the first record of an identifier either way.
    db.persons.IndexByID();
    db.families.IndexByID();
    LinkFamilies(db.families, db.persons);
    LinkIndividuals(db.persons, db.families);
    SetAllParents(db.persons);
    db.persons.SortByID();
    db.families.SortByID();
    ReportSharedIdentifiers(db.persons, "INDI", reporter);
    ReportSharedIdentifiers(db.families, "FAM", reporter);
    return true;
}

}  // namespace lg
