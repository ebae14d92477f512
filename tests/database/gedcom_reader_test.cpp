#include "database/gedcom_reader.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace lg {
namespace {

using test::FakeHost;
using test::Gedcom;
using test::TempDir;

// Reads GEDCOM text from a file into a fresh database.
struct Loaded {
    FakeHost host;
    Reporter reporter{host};
    Database db;
    bool linked = false;

    Loaded(std::string_view bytes, NameStyle style = NameStyle::Proper) {
        TempDir dir;
        ReadOptions options;
        options.nameStyle = style;
        linked = ReadGedcom(dir.Write("t.ged", bytes), db, reporter, options);
    }
    const Tindividual& Person(std::string_view id) const {
        const Tindividual* p = db.persons.Find(id);
        if (!p) throw std::runtime_error("no person " + std::string(id));
        return *p;
    }
    const Tfamily& Family(std::string_view id) const {
        const Tfamily* f = db.families.Find(id);
        if (!f) throw std::runtime_error("no family " + std::string(id));
        return *f;
    }
};

// An event as "TAG date|place|age", with " Y" when asserted; "-" for none.
std::string Event(const std::unique_ptr<TEventRecord>& e) {
    return e ? std::string(TagText(e->tag)) + " " + e->date + "|" + e->place.str() + "|" +
                   e->age.str() + (e->asserted ? " Y" : "")
             : "-";
}

TEST(GedcomReader, NamesAreCleanedUnlessTheStyleIsGedcom) {
    using enum NameStyle;
    // Underscores that join words read as one blank; at a word's edge they join nothing.
    const std::tuple<const char*, NameStyle, const char*, const char*, const char*> cases[] = {
        {"Jan /JANSEN/", Proper, "Jan /Jansen/", "Jan", "Jansen"},
        {"Jan /JANSEN/", Gedcom, "Jan /JANSEN/", "Jan", "JANSEN"},
        {"Jan /JANSEN/", Formal, "Jan /Jansen/", "Jan", "Jansen"},
        {"J.P. /de BOER/", Proper, "J P /de Boer/", "J P", "de Boer"},
        {"Louis XIV /BOURBON/", Proper, "Louis XIV /Bourbon/", "Louis XIV", "Bourbon"},
        {"Jean /D'ARTOIS/", Proper, "Jean /d'Artois/", "Jean", "d'Artois"},
        {"Pieter/MAAS/", Proper, "Pieter /Maas/", "Pieter", "Maas"},
        {"Anna \"Ans\" /NN/", Proper, "Anna 'Ans' /NN/", "Anna 'Ans'", "NN"},
        {"___ /Smit/", Proper, "? /Smit/", "?", "Smit"},
        {"Edward__IV /Plantagenet/", Proper, "Edward IV /Plantagenet/", "Edward IV", "Plantagenet"},
        {"Albert /of_Prussia/", Proper, "Albert /of Prussia/", "Albert", "of Prussia"},
        {"Anna_ /_Berg/", Proper, "Anna /Berg/", "Anna", "Berg"},
        {"Jan /_/", Proper, "Jan /?/", "Jan", "?"},
        {"\xC9MILE /\xC9TIENNE/", Proper, "\xC9mile /\xC9tienne/", "\xC9mile", "\xC9tienne"},
        {"&Eacute;MILE /ZOLA/", Proper, "&Eacute;mile /Zola/", "&Eacute;mile", "Zola"},
    };
    for (const auto& [value, style, fullName, given, surname] : cases) {
        SCOPED_TRACE(value);
        Tindividual p;
        p.fullName = CleanName(value, style);
        EXPECT_EQ(p.fullName, fullName);
        SplitName(p);
        EXPECT_EQ(p.givenNames, given);
        EXPECT_EQ(p.surname, surname);
    }
}

TEST(GedcomReader, PersonTagsFollowTheirRules) {
    // I4: event sub-lines after deeper structures.
    // clang-format off
    Loaded file(Gedcom({
        "0 @I1@ INDI", "1 NAME Jan van der /Berg/ jr", "1 NAME Second /Name/", "1 SEX m",
        "1 _PATRONYM Janszoon", "1 _ALI Jantje", "1 OCCU farmer", "2 CONT and miller", "2 CONC s",
        "1 NOTE  first note ", "2 CONT second", "2 CONC part", "2 SOUR @S1@", "1 NOTE again",
        "1 BIRT", "2 PLAC Leiden", "1 BIRT", "2 DATE 1 JAN 1850", "1 BIRT", "2 DATE 1851",
        "1 BAPM", "2 DATE 3 JAN 1850", "1 CHR", "2 DATE 1900", "1 DEAT Y",
        "1 CREM", "2 PLAC ?", "2 DATE ?",
        "0 @I2@ INDI", "1 NAME Piet /Dirks/", "2 TYPE patronymic", "1 SEX X",
        "0 @I3@ INDI", "1 SEX",
        "0 @I4@ INDI", "1 BIRT", "2 PLAC Delft", "3 MAP", "4 LATI N52", "2 DATE 2 FEB 1900",
        "2 SOUR @S1@", "3 PAGE 12", "2 AGE 0",
    }));
    // clang-format on
    ASSERT_TRUE(file.linked) << file.host.AllMessages();
    const Tindividual& jan = file.Person("I1");
    EXPECT_EQ(jan.givenNames, "Jan");
    EXPECT_EQ(jan.surname, "van der Berg");
    EXPECT_EQ(jan.nameSuffix, "jr");
    EXPECT_EQ(jan.sex, 'M');
    EXPECT_EQ(jan.patronym, "Janszoon");
    EXPECT_EQ(jan.alias, "Jantje");
    EXPECT_EQ(jan.occupation, "farmer\r\nand millers");
    EXPECT_EQ(jan.notes, "first note secondpart again ");
    EXPECT_EQ(Event(jan.birth), "BIRT 1 JAN 1850||");  // the dated second BIRT replaced the first
    EXPECT_EQ(Event(jan.christening), "BAPM 3 JAN 1850||");
    EXPECT_EQ(Event(jan.death), "DEAT || Y");
    EXPECT_EQ(Event(jan.burial), "CREM ||");

    const Tindividual& piet = file.Person("I2");
    EXPECT_EQ(piet.patronym, "Dirks");
    EXPECT_EQ(piet.surname, "");
    EXPECT_EQ(piet.sex, '?');
    EXPECT_EQ(file.Person("I3").sex, '?');
    EXPECT_EQ(Event(file.Person("I4").birth), "BIRT 2 FEB 1900|Delft|0");
}

TEST(GedcomReader, FamilyEventsAndLinks) {
    Loaded file(Gedcom({
        "0 @F1@ FAM",  "1 HUSB @I1@",    "1 WIFE @I9@", "1 WIFE @I2@",       "1 CHIL @I3@",
        "1 CHIL @I4@", "1 MARR",         "1 MARB",      "2 DATE 1 MAY 1900", "1 DIV",
        "2 DATE 1910", "1 DIVF",         "2 DATE 1911", "0 @F2@ FAM",        "1 MARB",
        "2 DATE 1900", "1 MARR",         "2 DATE 1901", "2 PLAC Ede",        "0 @F3@ FAM",
        "1 MARR",      "2 DATE 1900",    "1 MARS",      "2 DATE 1899",       "0 @I1@ INDI",
        "1 FAMS @F1@", "2 NOTE skipped", "1 FAMS @F9@", "0 @I2@ INDI",       "1 FAMS @F1@",
        "0 @I3@ INDI", "1 FAMC @F1@",
    }));
    ASSERT_TRUE(file.linked);
    const Tfamily& f1 = file.Family("F1");
    EXPECT_EQ(f1.wifeID, "I2");
    EXPECT_EQ(f1.husband, &file.Person("I1"));
    EXPECT_EQ(f1.wife, &file.Person("I2"));
    ASSERT_EQ(f1.children.size(), 2u);
    EXPECT_EQ(f1.children[0].person, &file.Person("I3"));
    EXPECT_EQ(f1.children[1].person, nullptr);  // I4 has no record
    EXPECT_EQ(f1.children[1].childID, "I4");
    EXPECT_EQ(Event(f1.marriage), "MARB 1 MAY 1900||");  // dated beats undated
    EXPECT_EQ(Event(f1.divorce), "DIV  1910||");
    EXPECT_EQ(Event(file.Family("F2").marriage), "MARR 1901|Ede|");  // both dated: MARR wins
    EXPECT_EQ(Event(file.Family("F3").marriage), "MARR 1900||");

    const Tindividual& husband = file.Person("I1");
    ASSERT_EQ(husband.famsList.size(), 2u);
    EXPECT_EQ(husband.famsList[0].family, &f1);
    EXPECT_EQ(husband.famsList[1].family, nullptr);  // dangling, identifier kept
    EXPECT_EQ(husband.famsList[1].familyID, "F9");
    EXPECT_EQ(file.Person("I3").father, &husband);
    EXPECT_EQ(file.Person("I3").mother, &file.Person("I2"));
}

TEST(GedcomReader, ChildLinksAndAdoptions) {
    Loaded file(Gedcom({
        "0 @I1@ INDI", "1 FAMC @F1@",  "2 PEDI adopted", "1 FAMC @F2@", "2 PEDI step",
        "1 FAMC @F3@", "2 PEDI Birth", "0 @I2@ INDI",    "1 FAMC @F1@", "1 FAMC @F1@",
        "0 @I3@ INDI", "1 FAMC @F1@",  "1 ADOP",         "2 DATE 1900", "2 FAMC @F2@",
        "3 ADOP BOTH", "0 @I4@ INDI",  "1 FAMC @F1@",    "1 ADOP",      "2 FAMC @F1@",
        "0 @I5@ INDI", "1 FAMC @F9@",  "0 @F1@ FAM",     "1 WIFE @I9@", "0 @F2@ FAM",
        "1 HUSB @I1@",
    }));
    auto codes = [&](std::string_view id) {
        std::string result;
        for (const Tchild& link : file.Person(id).famcList)
            result += link.familyID + ":" + std::string(TagText(link.pedigree)) + " ";
        return result;
    };
    EXPECT_EQ(codes("I1"), "F1:ADOP F2:     F3:BIRT ");
    EXPECT_EQ(codes("I2"), "F1:ADOP ");  // the repeated link replaces the first
    EXPECT_EQ(codes("I3"), "F2:ADOP F1:BIRT ");
    EXPECT_EQ(codes("I4"), "F1:ADOP ");
    // First family without a husband: no father, even though F2 has one.
    EXPECT_EQ(file.Person("I1").father, nullptr);
    EXPECT_EQ(file.Person("I3").father, &file.Person("I1"));
    EXPECT_EQ(file.Person("I5").father, nullptr);
    EXPECT_EQ(file.Person("I5").FirstFamily(), nullptr);
}

TEST(GedcomReader, LineGrammar) {
    // Blanks before the level, several blanks after it, tags of other lengths,
    // values with at-signs, a level too big for any number (not the
    // record's first NAME line), a file ending without a trailer.
    Loaded file(
        "0 HEAD\r\n   0 @I1@   INDI\r\n99999999999999999999999 NAME X /Y/\r\n"
        "1   NAME  Anna /Visser/  \r\n"
        "1 sex f\r\n1 FAMS @F1@\r\n1 NOTE mail me@\r\n1 _ALIAS x@\r\n"
        "0 @F1@ FAM\r\n1 HUSB @I1@");
    ASSERT_TRUE(file.linked) << file.host.AllMessages();
    const Tindividual& anna = file.Person("I1");
    EXPECT_EQ(anna.fullName, "Anna /Visser/");
    EXPECT_EQ(anna.sex, 'F');
    EXPECT_EQ(anna.notes, "mail me ");
    EXPECT_EQ(anna.alias, "x");
    EXPECT_EQ(file.Family("F1").husbandID, "I1");
}

TEST(GedcomReader, LinesOfEveryLengthAndEndAreReadWholeAndConverted) {
    // Line ends and the bytes that need escaping or conversion are looked
    // for several bytes at a time: put each at every place of a word. An
    // empty line is no record.
    for (std::string_view end : {"\n", "\r\n", "\r", "\n\r"}) {
        for (std::size_t before = 0; before < 18; ++before) {
            SCOPED_TRACE(testing::PrintToString(std::string(end)) + " " + std::to_string(before));
            const std::string pad(before, 'x');
            Loaded file(Gedcom({"0 @I1@ INDI", "1 OCCU " + pad, "", "0 @I2@ INDI",
                                "1 OCCU " + pad + "<", "0 @I3@ INDI", "1 OCCU " + pad + "\xC3\xA9",
                                "0 @I4@ INDI", "1 NOTE " + pad + "&amp"},
                               "UTF-8", end));
            EXPECT_EQ(file.Person("I1").occupation, pad);
            EXPECT_EQ(file.Person("I2").occupation, pad + "&lt;");
            EXPECT_EQ(file.Person("I3").occupation, pad + "\xE9");
            EXPECT_EQ(file.Person("I4").notes, pad + "&amp;amp ");
            EXPECT_TRUE(file.host.HasMessage("4 persons")) << file.host.AllMessages();
        }
    }
}

TEST(GedcomReader, IdsInAnyOrderLinkAndListSorted) {
    // Records link forwards and backwards, the last ID of the sorted list
    // is in the middle of the file, and one link names no record.
    Loaded file(
        Gedcom({"0 @I9@ INDI", "1 FAMC @F2@", "0 @F2@ FAM", "1 HUSB @I10@", "1 WIFE @I2@",
                "1 CHIL @I9@", "1 CHIL @I404@", "0 @I2@ INDI", "1 FAMS @F2@", "0 @I10@ INDI",
                "1 FAMS @F2@", "1 FAMS @F1@", "0 @F1@ FAM", "1 HUSB @I10@"}));
    ASSERT_TRUE(file.linked);
    std::string order;
    for (const auto& p : file.db.persons) order += p->ID + " ";
    EXPECT_EQ(order, "I10 I2 I9 ");
    // Unmatched links and the other partner are in FamilyEventsAndLinks.
    EXPECT_EQ(file.Family("F2").husband, &file.Person("I10"));
    EXPECT_EQ(file.Family("F2").children[0].person, &file.Person("I9"));
    EXPECT_EQ(file.Person("I9").father, &file.Person("I10"));
    EXPECT_EQ(file.Person("I10").famsList[1].family, &file.Family("F1"));
    EXPECT_EQ(&file.db.families[0], &file.Family("F1"));
}

TEST(GedcomReader, DamagedLevelIsReportedWithItsLineAndSkipped) {
    Loaded file(
        "0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME Jan /Berg/\n\n-1 BIRT\n2 DATE 1850\n"
        "1 SEX M\n0 @F1@ FAM\nfamily text\n0 TRLR\n");
    EXPECT_FALSE(file.linked);
    EXPECT_EQ(file.reporter.RunState(), kRunError);
    const auto& m = file.host.messages;
    ASSERT_GE(m.size(), 5u) << file.host.AllMessages();
    EXPECT_TRUE(file.host.HasMessage(
        "*** Your gedcom is corrupt around line nr 6 (at or before character position 1.)\r\n"
        "Reading \"-1 BIRT\". Can not process the LEVEL indicator."))
        << file.host.AllMessages();
    EXPECT_TRUE(file.host.HasMessage("*** Last INDI record: (I1) Jan /Berg/"));
    EXPECT_TRUE(file.host.HasMessage("*** Last complete line: 1 NAME Jan /Berg/"));
    // The second damaged line comes after a family: that is reported too.
    EXPECT_TRUE(file.host.HasMessage("*** Last FAM  record: F1"));
    // Reading went on: the SEX line after the damaged one was read.
    EXPECT_EQ(file.db.persons[0].sex, 'M');
    EXPECT_FALSE(file.host.HasMessage("1 persons"));  // not counted after an error
}

TEST(GedcomReader, NulCharactersAreReplacedAndReported) {
    std::string longLine = "1 NOTE " + std::string(150, 'a') + '\0' + std::string(150, 'b');
    std::string text = Gedcom({"0 @I1@ INDI", std::string("1 NAME Ab\0c /C/", 15), longLine});
    Loaded file(text);
    const Tindividual& p = file.Person("I1");
    EXPECT_EQ(p.givenNames, "Ab?c");
    EXPECT_EQ(p.notes.size(), 255u - 7u + std::string(" *** + more***").size() + 1u);
    EXPECT_TRUE(file.host.HasMessage(
        "*** There is an illegal character in your gedcom, around line nr 4."));
    EXPECT_EQ(file.reporter.ErrorCount(), 4);
}

TEST(GedcomReader, CharacterSetsConvertAfterTheHeader) {
    // The header is never converted; everything after it is.
    Loaded ansel(Gedcom({"0 @I1@ INDI",
                         "1 NAME Ren\xE2"
                         "e /M\xE8uller/"},
                        "ANSEL"));
    EXPECT_EQ(ansel.Person("I1").fullName, "Ren\xE9 /M\xFCller/");
    EXPECT_TRUE(ansel.host.HasMessage("Your Gedcom file uses ANSEL character coding."));

    Loaded none(Gedcom({"0 @I1@ INDI", "1 NAME A /B/"}, ""));
    EXPECT_TRUE(none.host.HasMessage(
        "Your gedcom file has not (or illegally) specified its character encoding. Check the "
        "helpfile if you have problems with diacritics (such as \xE2)."));
}

TEST(GedcomReader, FileTextCannotBecomeMarkup) {
    for (const char* charSet : {"ANSI", "UTF-8", "ISO-8859-1", "ANSEL"}) {
        SCOPED_TRACE(charSet);
        Loaded file(Gedcom({"0 @I1@ INDI", "1 NAME Jan <b>/Berg & Zn/", "1 BIRT",
                            "2 PLAC A&P <Dorp>", "1 OCCU Emperor & \"scholar\" <b>bold</b>",
                            "1 NOTE <script>alert(\"x\")</script> &copy; &#321; &Bgrave;"},
                           charSet));
        const Tindividual& p = file.Person("I1");
        EXPECT_EQ(p.givenNames, "Jan &lt;b&gt;");
        EXPECT_EQ(p.surname, "Berg &amp; Zn");
        EXPECT_EQ(p.birth->place, "A&amp;P &lt;Dorp&gt;");
        EXPECT_EQ(p.occupation, "Emperor &amp; \"scholar\" &lt;b&gt;bold&lt;/b&gt;");
        EXPECT_EQ(p.notes.find('<'), std::string::npos) << p.notes;
        EXPECT_NE(p.notes.find("&lt;script&gt;"), std::string::npos) << p.notes;
        // References the file holds stay references (or their letters), an
        // unknown name is shown as the file wrote it.
        EXPECT_NE(p.notes.find("&amp;Bgrave;"), std::string::npos) << p.notes;
        EXPECT_EQ(p.notes.find("&Bgrave;"), std::string::npos) << p.notes;
    }
    // A damaged line is quoted in the messages as text too.
    Loaded damaged("0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n<b>x</b>\n0 TRLR\n");
    EXPECT_NE(damaged.host.AllMessages().find("&lt;b&gt;x&lt;/b&gt;"), std::string::npos)
        << damaged.host.AllMessages();
    EXPECT_EQ(damaged.host.AllMessages().find("<b>"), std::string::npos);
}

// UTF-8 text of characters below U+10000 as UTF-16 without a byte-order mark.
std::string Utf16(std::string_view text, bool bigEndian) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned cp = static_cast<unsigned char>(text[i]);
        const int more = cp >= 0xE0 ? 2 : cp >= 0xC0 ? 1 : 0;
        if (more) cp &= 0x3Fu >> more;
        for (int k = 0; k < more; ++k)
            cp = cp << 6 | (static_cast<unsigned char>(text[++i]) & 0x3F);
        const char hi = static_cast<char>(cp >> 8), lo = static_cast<char>(cp & 0xFF);
        bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return bytes;
}

TEST(GedcomReader, ByteOrderMarksAndUtf16) {
    std::string utf8 = Gedcom({"0 @I1@ INDI", "1 NAME J\xC3\xBCrgen /M\xC3\xBCller/"}, "ANSI");
    Loaded withMark("\xEF\xBB\xBF" + utf8);  // the mark outranks the header's claim
    EXPECT_EQ(withMark.Person("I1").fullName, "J\xFCrgen /M\xFCller/");
    EXPECT_EQ(withMark.reporter.ErrorCount(), 0);

    const std::string text =
        Gedcom({"0 @I1@ INDI", "1 NAME J\xC3\xBCrgen /\xE2\x82\xAC/"}, "UNICODE", "\r\n");
    for (bool bigEndian : {false, true}) {
        for (std::string mark : {"", bigEndian ? "\xFE\xFF" : "\xFF\xFE"}) {
            Loaded file(mark + Utf16(text, bigEndian));
            EXPECT_EQ(file.Person("I1").fullName, "J\xFCrgen /\x80/") << bigEndian << mark.size();
        }
    }
}

TEST(GedcomReader, Utf16WithAByteTooManyOrTooFewLosesOnlyThatLine) {
    const std::string head = "0 HEAD\r\n1 CHAR UNICODE\r\n";
    const std::string first = "0 @I1@ INDI\r\n1 NAME Anna /Berg/\r\n";
    const std::string rest = "0 @I2@ INDI\r\n1 NAME Jan /Berg/\r\n1 SEX M\r\n0 TRLR\r\n";
    for (bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        // A stray byte in the middle of the name line (line 4) puts every
        // later character out of step until that line's end.
        std::string bytes = Utf16(head + first + rest, bigEndian);
        const std::size_t inName = Utf16(head + first, bigEndian).size() - 12;
        for (const std::string& damaged : {bytes.substr(0, inName) + "\x41" + bytes.substr(inName),
                                           bytes.substr(0, inName) + bytes.substr(inName + 1)}) {
            Loaded file(damaged);
            EXPECT_TRUE(file.host.HasMessage(
                "*** Your gedcom is corrupt around line nr 4 (a byte too many or too few in its "
                "UTF-16 text): the rest of that line could not be read."))
                << file.host.AllMessages();
            EXPECT_EQ(file.reporter.RunState(), kRunError);
            // Everything after the damaged line was read as it stands.
            ASSERT_EQ(file.db.persons.Count(), 2u) << file.host.AllMessages();
            EXPECT_EQ(file.db.persons[1].ID, "I2");
            EXPECT_EQ(file.db.persons[1].fullName, "Jan /Berg/");
            EXPECT_EQ(file.db.persons[1].sex, 'M');
        }
        // Half a character at the very end, after the last line end: the
        // damage has no line end to mend it.
        Loaded cut(bytes.substr(0, bytes.size() - 3));
        EXPECT_TRUE(cut.host.HasMessage(
            "*** Your gedcom is corrupt around line nr 8 (a byte too many or too few in its "
            "UTF-16 text): the rest of the file could not be read."))
            << cut.host.AllMessages();
        Loaded whole(bytes);
        EXPECT_EQ(whole.reporter.ErrorCount(), 0) << whole.host.AllMessages();
    }
}

TEST(GedcomReader, SharedIdsAreReportedAndLinksReachTheFirstRecord) {
    Loaded file(Gedcom({"0 @I1@ INDI", "1 NAME First /One/", "1 FAMS @F1@", "0 @I2@ INDI",
                        "0 @I1@ INDI", "1 NAME Second /One/", "0 @F1@ FAM", "1 HUSB @I1@",
                        "0 @I1@ INDI", "1 NAME Third /One/", "0 @F1@ FAM"}));
    EXPECT_TRUE(
        file.host.HasMessage("3 INDI records have the ID @I1@ (lines 3, 7, 11); links go "
                             "to the first of them, at line 3."))
        << file.host.AllMessages();
    EXPECT_TRUE(file.host.HasMessage(
        "2 FAM records have the ID @F1@ (lines 9, 13); links go to the first of them, at line 9."))
        << file.host.AllMessages();
    EXPECT_EQ(file.reporter.ErrorCount(), 0);
    EXPECT_EQ(file.Person("I1").fullName, "First /One/");
    EXPECT_EQ(file.Family("F1").husband, &file.Person("I1"));
    EXPECT_EQ(file.Person("I2").line, 6);

    // A file pasted twice would drown the other messages: ten IDs are
    // named, the rest counted.
    std::vector<std::string> twice;
    for (int copy = 0; copy < 2; ++copy)
        for (int i = 0; i < 12; ++i) twice.push_back("0 @P" + std::to_string(i) + "@ INDI");
    Loaded pasted(Gedcom(twice));
    int named = 0;
    for (const std::string& m : pasted.host.messages) named += m.starts_with("2 INDI records");
    EXPECT_EQ(named, 10);
    EXPECT_TRUE(
        pasted.host.HasMessage("2 more IDs are shared by several records; the error report lists "
                               "them all."))
        << pasted.host.AllMessages();
}

TEST(GedcomReader, MissingFilesFoldersAndEmptyFiles) {
    TempDir dir;
    std::filesystem::create_directory(dir.Path() / "sub.ged");
    const auto read = [&](const std::filesystem::path& file, bool linked) {
        FakeHost host;
        Reporter reporter(host);
        Database db;
        EXPECT_EQ(ReadGedcom(file, db, reporter), linked) << file;
        return host.messages;
    };
    EXPECT_EQ(read(dir.Path() / "absent.ged", false).back(),
              "*** Gedcom file \"absent.ged\" does not exist in directory \"" +
                  dir.Path().string() + "\".");
    EXPECT_EQ(read(dir.Path() / "sub.ged", false),
              (std::vector<std::string>{"*** File \"sub.ged\" is a folder, not a GEDCOM file."}));
    EXPECT_EQ(read(dir.Write("empty.ged", ""), true),
              (std::vector<std::string>{"Data file format: GEDCOM", "0 persons", "0 families"}));
}

TEST(GedcomReader, InterruptionStopsAtARecordBoundaryWithoutLinking) {
    std::vector<std::string> lines;
    for (int i = 0; i < 2000; ++i) {
        lines.push_back("0 @I" + std::to_string(i) + "@ INDI");
        lines.push_back("1 NAME A /B/");
    }
    TempDir dir;
    auto file = dir.Write("big.ged", Gedcom(lines));
    test::FakeHost host;
    host.cancelAtPoll = 1;
    Reporter reporter(host);
    Database db;
    EXPECT_FALSE(ReadGedcom(file, db, reporter));
    EXPECT_TRUE(host.HasMessage("*** Process interrupted by user"));
    EXPECT_GT(db.persons.Count(), 400u);
    EXPECT_LT(db.persons.Count(), 600u);
    EXPECT_EQ(host.sectionsBegun, 1);
    EXPECT_EQ(host.sectionsEnded, 1);
    EXPECT_EQ(db.persons[0].ID, "I0");  // not sorted: linking was skipped

    // Progress shows every 300 persons in the error colour.
    bool progressShown = false;
    for (const auto& status : host.statuses)
        if (status.text.starts_with("Gedcom: 300 persons; 0 families"))
            progressShown = status.colour == StatusColour::Error;
    EXPECT_TRUE(progressShown);
}

TEST(GedcomReader, AMillionGenerationChainLinksWithoutRecursion) {
    constexpr int kGenerations = 1000000;
    std::string text = "0 HEAD\n";
    text.reserve(40u * kGenerations);
    for (int i = 0; i < kGenerations; ++i) {
        std::string n = std::to_string(i);
        text += "0 @I" + n + "@ INDI\n1 FAMC @F" + n + "@\n0 @F" + n + "@ FAM\n1 HUSB @I" +
                std::to_string(i + 1) + "@\n";
    }
    Loaded file(text);
    ASSERT_TRUE(file.linked);
    EXPECT_EQ(file.Person("I0").father, &file.Person("I1"));
    EXPECT_EQ(file.Person("I999998").father, &file.Person("I999999"));
    EXPECT_EQ(file.Person("I999999").father, nullptr);
}

}  // namespace
}  // namespace lg
