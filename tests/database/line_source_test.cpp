#include "database/line_source.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace lg {
namespace {

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
    GedcomLineSource source;
    EXPECT_TRUE(source.Open(file));
    std::vector<std::string> lines;
    std::string_view line;
    while (source.Next(line)) lines.emplace_back(line);
    EXPECT_FALSE(source.ReadFailed());
    return lines;
}

TEST(LineSource, LinesAcrossBlockBoundariesInEveryLineEndStyle) {
    // Enough lines to need several buffer fills, of varying lengths, with
    // one line longer than a whole block.
    std::vector<std::string> expected;
    for (int i = 0; i < 60000; ++i) expected.push_back(std::string(i % 97, 'a' + i % 26));
    expected[30000] = std::string(3 << 20, 'x');
    test::TempDir dir;
    for (std::string end : {"\n", "\r\n", "\r", "\n\r"}) {
        SCOPED_TRACE(testing::PrintToString(end));
        std::string text;
        for (const std::string& line : expected) text += line + end;
        std::vector<std::string> lines = ReadLines(dir.Write("f", text));
        ASSERT_EQ(lines.size(), expected.size());
        EXPECT_TRUE(lines == expected);
        // Without an end on the last line the line still counts.
        text.resize(text.size() - end.size());
        EXPECT_EQ(ReadLines(dir.Write("g", text)).size(), expected.size());
    }
}

TEST(LineSource, MixedEndsAndEmptyLines) {
    test::TempDir dir;
    EXPECT_EQ(ReadLines(dir.Write("f", "a\r\n\r\nb\rc\n\nd")),
              (std::vector<std::string>{"a", "", "b", "c", "", "d"}));
    GedcomLineSource source;
    ASSERT_TRUE(source.Open(dir.Write("bom", "\xEF\xBB\xBF")));
    EXPECT_TRUE(source.IsEmpty());
    EXPECT_EQ(source.Encoding(), ByteEncoding::Utf8Bom);
    EXPECT_FALSE(source.Open(dir.Path() / "missing"));
}

}  // namespace
}  // namespace lg
