#pragma once
// Checks a folder of written pages the way a browser would meet them: every
// local link must lead to a file of the folder and to an anchor of the
// page it names, and every character reference must be one HTML knows.

#include <cstddef>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace lg::test {

// One fault found in a page: the page's file name, its line (1 for the
// first) and what is wrong there.
struct PageProblem {
    std::string file;
    int line = 0;
    std::string what;
};

// A link of a page: the value of an href or src attribute as it stands in
// the page (character references not yet decoded), with its line.
struct PageLink {
    int line = 0;
    std::string target;
};

// What a page offers and what it points to.
struct PageOutline {
    std::set<std::string> anchors;  // <a name="..."> and id="...", decoded
    std::vector<PageLink> links;
};

// Reads the tags of a page (comments skipped; attribute values in double
// or single quotes or unquoted) for its anchors and links.
PageOutline OutlinePage(std::string_view html);

// An attribute value as HTML reads it: character references decoded and
// the bytes taken as code page 1252, the code page of the pages, giving
// UTF-8. References HTML does not decode stay as written.
std::string DecodeAttribute(std::string_view value);

// The character references of the page that HTML does not define: a named
// one ("&" letters or digits ";") whose name HTML lacks, or a numeric one
// that is no character (0, a surrogate half, beyond U+10FFFF).
std::vector<PageProblem> CheckReferences(const std::string& file, std::string_view html);

// The links of the folder's pages (".htm" and ".html" files) that lead
// nowhere: a local file that is not there, or a fragment that names no
// anchor of its page. Links with http:, https: or mailto: are not followed.
std::vector<PageProblem> CheckLinks(const std::filesystem::path& dir);

// The problems as lines "file:line: what", at most perFile of each file
// followed by a count of the others; empty for no problems.
std::string DescribeProblems(const std::vector<PageProblem>& problems, std::size_t perFile = 20);

}  // namespace lg::test
