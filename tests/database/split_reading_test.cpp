#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "database/gedcom_reader.h"
#include "support/test_support.h"

namespace lg {
namespace {

using test::FakeHost;
using test::TempDir;

// Everything a read leaves behind, as text: the messages, then every record
// in list order with its line, texts and links.
struct Outcome {
    std::string text;
    std::uintmax_t splitAt = 0;
};

std::string Id(const Tindividual* p) {
    return p ? p->ID : "-";
}

Outcome Read(const std::filesystem::path& file, std::uintmax_t splitFrom) {
    FakeHost host;
    Reporter reporter(host);
    Database db;
    Outcome outcome;
    ReadOptions options;
    options.splitFrom = splitFrom;
    options.splitAt = &outcome.splitAt;
    const bool linked = ReadGedcom(file, db, reporter, options);
    std::string& out = outcome.text;
    out = linked ? "linked\n" : "not linked\n";
    for (const std::string& message : host.messages) out += message + "\n";
    for (const auto& p : db.persons) {
        out += p->ID + "|" + std::to_string(p->line) + "|" + p->fullName + "|" + p->sex + "|" +
               p->BirthDate() + "|" + (p->birth ? p->birth->place.str() : "") + "|" +
               p->notes.str() + "|" + p->occupation.str() + "|" + Id(p->father) + "|" +
               Id(p->mother) + "|";
        for (const Tspouse& link : p->famsList) out += link.familyID + " ";
        out += "\n";
    }
    for (const auto& f : db.families) {
        out += f->ID + "|" + std::to_string(f->line) + "|" + Id(f->husband) + "|" + Id(f->wife) +
               "|" + (f->marriage ? f->marriage->date : "") + "|";
        for (const TfamilyChild& child : f->children) out += Id(child.person) + " ";
        out += "\n";
    }
    return outcome;
}

// Couples `from` to `to` with a child each, and what `extra(i)` adds after
// couple i; LF line ends.
template <typename Extra>
std::string Couples(int from, int to, const Extra& extra) {
    std::string text;
    for (int i = from; i < to; ++i) {
        const std::string n = std::to_string(i);
        text += "0 @I" + n + "a@ INDI\n1 NAME J\xc3\xb6rg <b>" + n + "</b> /M\xc3\xbcller/\n";
        text += "1 SEX M\n1 BIRT\n2 DATE 3 MAR 18" + std::to_string(10 + i % 80) +
                "\n2 PLAC Gie\xc3\x9f"
                "en\n1 FAMS @F" +
                n + "@\n";
        if (i % 7 == 0) text += "1 OCCU farmer\n0 CONC hand\n1 NOTE a\n2 CONT b\n";
        text += "0 @I" + n + "b@ INDI\n1 NAME Anna /Smit/\n1 SEX F\n1 FAMS @F" + n + "@\n";
        text += "0 @I" + n + "c@ INDI\n1 NAME Kind /M\xc3\xbcller/\n1 FAMC @F" + n + "@\n";
        text += "0 @F" + n + "@ FAM\n1 HUSB @I" + n + "a@\n1 WIFE @I" + n + "b@\n1 CHIL @I" + n +
                "c@\n1 MARR\n2 DATE 1840\n";
        text += extra(i);
    }
    return text;
}

std::string Ended(std::string_view text, std::string_view lineEnd) {
    std::string ended;
    for (char c : text) {
        if (c == '\n')
            ended += lineEnd;
        else
            ended += c;
    }
    return ended;
}

// Where there is no second core, every file is read in one piece.
const bool kTwoCores = std::thread::hardware_concurrency() >= 2;

constexpr std::string_view kHeader = "0 HEAD\n1 CHAR UTF-8\n";

template <typename Extra>
std::string Family(int couples, std::string_view lineEnd, const Extra& extra) {
    return Ended(std::string(kHeader) + Couples(0, couples, extra) + "0 TRLR\n", lineEnd);
}

constexpr int kCouples = 400;

TEST(SplitReading, TheSecondHalfGivesWhatReadingOnWould) {
    // The later records carry their lines counted from the file's start, the
    // second half's names are decoded by the first half's character set, and
    // a continuation at level 0 after the middle still belongs to the
    // occupation before it. A file without LF has no place to split.
    const auto none = [](int) { return std::string(); };
    for (std::string_view end : {"\n", "\r\n", "\n\r", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(end)));
        TempDir dir;
        const auto file = dir.Write("t.ged", Family(kCouples, end, none));
        const Outcome one = Read(file, 0);
        const Outcome two = Read(file, 1);
        EXPECT_EQ(one.splitAt, 0u);
        EXPECT_EQ(two.splitAt != 0, kTwoCores && (end == "\n" || end == "\r\n"));
        EXPECT_EQ(one.text, two.text);
        EXPECT_NE(one.text.find("I399c|"), std::string::npos);
    }
}

TEST(SplitReading, AnythingUnusualInTheSecondHalfIsReadOn) {
    struct Case {
        const char* name;
        std::string (*extra)(int);
    };
    const Case cases[] = {
        // A message there would come out of order and with its own count.
        {"damaged line", [](int i) { return std::string(i == 300 ? "garbage\n" : ""); }},
        // A later header changes the character set for the rest.
        {"second header",
         [](int i) { return std::string(i == 150 ? "0 HEAD\n1 CHAR ANSI\n" : ""); }},
        // Nothing after the trailer counts.
        {"early trailer", [](int i) { return std::string(i == 100 ? "0 TRLR\n" : ""); }},
        {"late trailer", [](int i) { return std::string(i == 300 ? "0 TRLR\n" : ""); }},
        // An error before the split changes nothing after it.
        {"error in the first half",
         [](int i) { return i == 100 ? std::string("1 NOTE a\0b\n", 11) : std::string(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto file = dir.Write("t.ged", Family(kCouples, "\n", c.extra));
        const Outcome one = Read(file, 0);
        const Outcome two = Read(file, 1);
        EXPECT_EQ(one.text, two.text);
        const bool splits = std::string(c.name) == "late trailer" ||
                            std::string(c.name) == "error in the first half";
        EXPECT_EQ(two.splitAt != 0, kTwoCores && splits);
    }
}

TEST(SplitReading, AHeaderOrTrailerJustBeforeTheSecondHalfEndsTheSplit) {
    // A long note fills the middle, so the second half starts with the first
    // record after what stands between the note and it.
    const auto none = [](int) { return std::string(); };
    const std::string note = "0 @N1@ NOTE x\n1 CONT " + std::string(60000, 'y') + "\n";
    for (const char* between : {"0 HEAD\n1 CHAR ANSI\n", "0 HEAD\n", "0 TRLR\n", ""}) {
        for (std::string_view end : {"\n", "\r\n"}) {
            SCOPED_TRACE(testing::PrintToString(between + std::string(end)));
            TempDir dir;
            const auto file =
                dir.Write("t.ged", Ended(std::string(kHeader) + Couples(0, 20, none) + note +
                                             between + Couples(20, 40, none) + "0 TRLR\n",
                                         end));
            const Outcome one = Read(file, 0);
            const Outcome two = Read(file, 1);
            EXPECT_EQ(one.text, two.text);
            EXPECT_EQ(two.splitAt != 0, kTwoCores && std::string(between).empty());
        }
    }
}

TEST(SplitReading, SmallFilesAndFilesWithoutRecordsPastTheMiddleAreReadWhole) {
    TempDir dir;
    const auto file = dir.Write("t.ged", Family(kCouples, "\n", [](int) { return ""; }));
    EXPECT_EQ(Read(file, 1u << 30).splitAt, 0u);
    // One big note after the last record: nothing to split at.
    std::string bytes = Family(3, "\n", [](int) { return ""; });
    bytes.insert(bytes.size() - 7, "0 @N1@ NOTE x\n" + std::string(1, '1') + " CONT " +
                                       std::string(200000, 'y') + "\n");
    const auto noted = dir.Write("n.ged", bytes);
    const Outcome one = Read(noted, 0);
    const Outcome two = Read(noted, 1);
    EXPECT_EQ(two.splitAt, 0u);
    EXPECT_EQ(one.text, two.text);
}

}  // namespace
}  // namespace lg
