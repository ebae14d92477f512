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

// Couples `from` to `to` with a child each, and `extra` after couple `at`;
// LF line ends. Every seventh husband has an occupation continued at level 0.
std::string Couples(int from, int to, int at = -1, const std::string& extra = "") {
    std::string text;
    for (int i = from; i < to; ++i) {
        const std::string couple =
            "0 @I#a@ INDI\n1 NAME J\303\266rg <b>#</b> /M\303\274ller/\n1 SEX M\n1 BIRT\n"
            "2 DATE 3 MAR 18" +
            std::to_string(10 + i % 80) + "\n2 PLAC Gie\303\237en\n1 FAMS @F#@\n" +
            (i % 7 == 0 ? "1 OCCU farmer\n0 CONC hand\n1 NOTE a\n2 CONT b\n" : "") +
            "0 @I#b@ INDI\n1 NAME Anna /Smit/\n1 SEX F\n1 FAMS @F#@\n"
            "0 @I#c@ INDI\n1 NAME Kind /M\303\274ller/\n1 FAMC @F#@\n"
            "0 @F#@ FAM\n1 HUSB @I#a@\n1 WIFE @I#b@\n1 CHIL @I#c@\n1 MARR\n2 DATE 1840\n";
        for (char c : couple) text += c == '#' ? std::to_string(i) : std::string(1, c);
        if (i == at) text += extra;
    }
    return text;
}

constexpr std::string_view kHeader = "0 HEAD\n1 CHAR UTF-8\n";

std::string Ended(std::string_view text, std::string_view lineEnd = "\n") {
    std::string ended;
    for (char c : text) ended += c == '\n' ? lineEnd : std::string_view(&c, 1);
    return ended;
}

// Where there is no second core, every file is read in one piece.
const bool kTwoCores = std::thread::hardware_concurrency() >= 2;

// Reads the bytes in one piece and split where they can be: both reads
// leave the same behind. Returns what they left.
std::string ExpectSameEitherWay(const std::string& bytes, bool splits) {
    TempDir dir;
    const auto file = dir.Write("t.ged", bytes);
    const Outcome one = Read(file, 0);
    const Outcome two = Read(file, 1);
    EXPECT_EQ(one.splitAt, 0u);
    EXPECT_EQ(two.splitAt != 0, kTwoCores && splits);
    EXPECT_EQ(one.text, two.text);
    return one.text;
}

constexpr int kCouples = 400;

TEST(SplitReading, TheSecondHalfGivesWhatReadingOnWould) {
    // The later records carry their lines counted from the file's start, the
    // second half's names are decoded by the first half's character set, and
    // a continuation at level 0 after the middle still belongs to the
    // occupation before it. A file without LF has no place to split.
    for (std::string_view end : {"\n", "\r\n", "\n\r", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(end)));
        const std::string file =
            Ended(std::string(kHeader) + Couples(0, kCouples) + "0 TRLR\n", end);
        EXPECT_NE(ExpectSameEitherWay(file, end == "\n" || end == "\r\n").find("I399c|"),
                  std::string::npos);
    }
}

TEST(SplitReading, AnythingUnusualInTheSecondHalfIsReadOn) {
    struct Case {
        const char* name;
        int at;
        std::string extra;
        bool splits;
    };
    const Case cases[] = {
        // A message there would come out of order and with its own count.
        {"damaged line", 300, "garbage\n", false},
        // A later header changes the character set for the rest.
        {"second header", 150, "0 HEAD\n1 CHAR ANSI\n", false},
        // Nothing after the trailer counts.
        {"early trailer", 100, "0 TRLR\n", false},
        {"late trailer", 300, "0 TRLR\n", true},
        // An error before the split changes nothing after it.
        {"error in the first half", 100, std::string("1 NOTE a\0b\n", 11), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSameEitherWay(std::string(kHeader) + Couples(0, kCouples, c.at, c.extra) + "0 TRLR\n",
                            c.splits);
    }
}

TEST(SplitReading, AHeaderOrTrailerJustBeforeTheSecondHalfEndsTheSplit) {
    // A long note fills the middle, so the second half starts with the first
    // record after what stands between the note and it.
    const std::string note = "0 @N1@ NOTE x\n1 CONT " + std::string(60000, 'y') + "\n";
    for (const char* between : {"0 HEAD\n1 CHAR ANSI\n", "0 HEAD\n", "0 TRLR\n", ""}) {
        for (std::string_view end : {"\n", "\r\n"}) {
            SCOPED_TRACE(testing::PrintToString(between + std::string(end)));
            ExpectSameEitherWay(Ended(std::string(kHeader) + Couples(0, 20) + note + between +
                                          Couples(20, 40) + "0 TRLR\n",
                                      end),
                                std::string(between).empty());
        }
    }
}

TEST(SplitReading, SmallFilesAndFilesWithoutRecordsPastTheMiddleAreReadWhole) {
    TempDir dir;
    const auto file = dir.Write("t.ged", std::string(kHeader) + Couples(0, kCouples) + "0 TRLR\n");
    EXPECT_EQ(Read(file, 1u << 30).splitAt, 0u);
    // One big note after the last record: nothing to split at.
    ExpectSameEitherWay(std::string(kHeader) + Couples(0, 3) + "0 @N1@ NOTE x\n1 CONT " +
                            std::string(200000, 'y') + "\n0 TRLR\n",
                        false);
}

}  // namespace
}  // namespace lg
