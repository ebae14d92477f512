#include "support/page_check.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "base/encoding.h"
#include "base/html_text.h"
#include "support/test_support.h"

namespace lg::test {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool IsAsciiAlpha(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAsciiAlnum(char c) {
    return IsAsciiAlpha(c) || IsAsciiDigit(c);
}
bool IsHexDigit(char c) {
    return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int HexValue(char c) {
    return IsAsciiDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && Lower(text.substr(0, prefix.size())) == prefix;
}

// Line numbers from byte offsets.
class Lines {
  public:
    explicit Lines(std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\n') breaks_.push_back(i);
    }
    int At(std::size_t offset) const {
        return static_cast<int>(std::lower_bound(breaks_.begin(), breaks_.end(), offset) -
                                breaks_.begin()) +
               1;
    }

  private:
    std::vector<std::size_t> breaks_;
};

struct Attribute {
    std::string name;  // lower case
    std::string value;
    std::size_t offset;
};

// Reads the attributes of a start tag from just after its name up to and
// including the closing ">"; returns the position after it.
std::size_t ReadAttributes(std::string_view html, std::size_t pos,
                           std::vector<Attribute>& attributes) {
    const std::size_t n = html.size();
    while (pos < n) {
        while (pos < n && (IsSpace(html[pos]) || html[pos] == '/')) ++pos;
        if (pos >= n) break;
        if (html[pos] == '>') return pos + 1;
        const std::size_t nameStart = pos;
        // A name runs to a space, "/", ">" or "="; a leading "=" belongs to it.
        ++pos;
        while (pos < n && !IsSpace(html[pos]) && html[pos] != '/' && html[pos] != '>' &&
               html[pos] != '=')
            ++pos;
        Attribute attribute{Lower(html.substr(nameStart, pos - nameStart)), "", nameStart};
        std::size_t look = pos;
        while (look < n && IsSpace(html[look])) ++look;
        if (look < n && html[look] == '=') {
            pos = look + 1;
            while (pos < n && IsSpace(html[pos])) ++pos;
            if (pos < n && (html[pos] == '"' || html[pos] == '\'')) {
                const char quote = html[pos];
                const std::size_t end = html.find(quote, pos + 1);
                const std::size_t stop = end == std::string_view::npos ? n : end;
                attribute.value = std::string(html.substr(pos + 1, stop - pos - 1));
                pos = stop == n ? n : stop + 1;
            } else {
                const std::size_t start = pos;
                while (pos < n && !IsSpace(html[pos]) && html[pos] != '>') ++pos;
                attribute.value = std::string(html.substr(start, pos - start));
            }
        }
        attributes.push_back(std::move(attribute));
    }
    return n;
}

std::string PercentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && IsHexDigit(text[i + 1]) &&
            IsHexDigit(text[i + 2])) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool IsPageName(const std::filesystem::path& file) {
    const std::string extension = Lower(file.extension().string());
    return extension == ".htm" || extension == ".html";
}

bool IsExternal(std::string_view url) {
    for (std::string_view scheme : {"http:", "https:", "mailto:"})
        if (StartsWithNoCase(url, scheme)) return true;
    return false;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

// The outlines of the folder's pages, read when first asked for.
class Folder {
  public:
    // Null when the file is not a page of the folder.
    const PageOutline* Outline(const std::filesystem::path& file) {
        const std::string key = file.lexically_normal().string();
        auto found = outlines_.find(key);
        if (found != outlines_.end()) return found->second ? &*found->second : nullptr;
        std::optional<PageOutline> outline;
        std::error_code error;
        if (IsPageName(file) && std::filesystem::is_regular_file(file, error))
            outline = OutlinePage(ReadFile(file));
        auto& slot = outlines_[key] = std::move(outline);
        return slot ? &*slot : nullptr;
    }

  private:
    std::map<std::string, std::optional<PageOutline>> outlines_;
};

}  // namespace

PageOutline OutlinePage(std::string_view html) {
    PageOutline outline;
    const Lines lines(html);
    const std::size_t n = html.size();
    std::size_t pos = 0;
    while ((pos = html.find('<', pos)) != std::string_view::npos) {
        if (html.substr(pos, 4) == "<!--") {
            const std::size_t end = html.find("-->", pos + 4);
            pos = end == std::string_view::npos ? n : end + 3;
            continue;
        }
        if (pos + 1 < n && (html[pos + 1] == '!' || html[pos + 1] == '?' || html[pos + 1] == '/')) {
            const std::size_t end = html.find('>', pos + 1);
            pos = end == std::string_view::npos ? n : end + 1;
            continue;
        }
        if (pos + 1 >= n || !IsAsciiAlpha(html[pos + 1])) {
            ++pos;  // a "<" of text, not a tag
            continue;
        }
        std::size_t nameEnd = pos + 1;
        while (nameEnd < n && !IsSpace(html[nameEnd]) && html[nameEnd] != '/' &&
               html[nameEnd] != '>')
            ++nameEnd;
        const std::string tag = Lower(html.substr(pos + 1, nameEnd - pos - 1));
        std::vector<Attribute> attributes;
        pos = ReadAttributes(html, nameEnd, attributes);
        for (const Attribute& attribute : attributes) {
            if (attribute.name == "href" || attribute.name == "src")
                outline.links.push_back({lines.At(attribute.offset), attribute.value});
            else if (attribute.name == "id" || (attribute.name == "name" && tag == "a"))
                outline.anchors.insert(DecodeAttribute(attribute.value));
        }
        // Script and style text is no markup.
        if (tag == "script" || tag == "style") {
            const std::string close = "</" + tag;
            std::size_t end = pos;
            while (end < n && !StartsWithNoCase(html.substr(end), close)) {
                end = html.find('<', end + 1);
                if (end == std::string_view::npos) end = n;
            }
            pos = end;
        }
    }
    return outline;
}

std::string DecodeAttribute(std::string_view value) {
    return ToUtf8(value);
}

std::vector<PageProblem> CheckReferences(const std::string& file, std::string_view html) {
    std::vector<PageProblem> problems;
    const Lines lines(html);
    const std::size_t n = html.size();
    for (std::size_t pos = html.find('&'); pos != std::string_view::npos;
         pos = html.find('&', pos + 1)) {
        std::size_t i = pos + 1;
        if (i < n && html[i] == '#') {
            ++i;
            const bool hex = i < n && (html[i] == 'x' || html[i] == 'X');
            if (hex) ++i;
            const std::size_t first = i;
            uint64_t value = 0;
            while (i < n && (hex ? IsHexDigit(html[i]) : IsAsciiDigit(html[i]))) {
                value = std::min<uint64_t>(value * (hex ? 16 : 10) + HexValue(html[i]),
                                           uint64_t{1} << 40);
                ++i;
            }
            if (i == first || i >= n || html[i] != ';') continue;
            if (value == 0 || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
                problems.push_back({file, lines.At(pos),
                                    "numeric reference of no character " +
                                        std::string(html.substr(pos, i + 1 - pos))});
            continue;
        }
        while (i < n && IsAsciiAlnum(html[i])) ++i;
        if (i == pos + 1 || i >= n || html[i] != ';') continue;
        const std::string_view name = html.substr(pos + 1, i - pos - 1);
        if (!IsHtmlEntityName(name))
            problems.push_back(
                {file, lines.At(pos), "undefined reference &" + std::string(name) + ";"});
    }
    return problems;
}

std::vector<PageProblem> CheckLinks(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> pages;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.is_regular_file() && IsPageName(entry.path())) pages.push_back(entry.path());
    std::sort(pages.begin(), pages.end());

    Folder folder;
    std::vector<PageProblem> problems;
    for (const std::filesystem::path& page : pages) {
        const std::string name = page.filename().string();
        const PageOutline* outline = folder.Outline(page);
        if (!outline) continue;
        for (const PageLink& link : outline->links) {
            // A browser decodes the attribute before it reads the address.
            const std::string decoded = DecodeAttribute(link.target);
            const std::string_view url = Trimmed(decoded);
            if (IsExternal(url)) continue;
            const std::size_t hash = url.find('#');
            std::string_view path = url.substr(0, hash);
            path = path.substr(0, path.find('?'));
            std::filesystem::path target = page;
            if (!path.empty()) {
                std::string local = PercentDecoded(path);
                std::replace(local.begin(), local.end(), '\\', '/');
                target = (dir / local).lexically_normal();
                std::error_code error;
                if (!std::filesystem::is_regular_file(target, error)) {
                    problems.push_back({name, link.line, "no file for link " + link.target});
                    continue;
                }
            }
            if (hash == std::string_view::npos) continue;
            const std::string fragment(url.substr(hash + 1));
            // "#" and "#top" lead to the top of any page.
            if (fragment.empty() || Lower(fragment) == "top") continue;
            const PageOutline* targetOutline = folder.Outline(target);
            if (!targetOutline) continue;  // a fragment of a picture is not ours to judge
            if (targetOutline->anchors.count(fragment) ||
                targetOutline->anchors.count(PercentDecoded(fragment)))
                continue;
            problems.push_back({name, link.line,
                                "no anchor \"" + fragment + "\" in " + target.filename().string() +
                                    " for link " + link.target});
        }
    }
    return problems;
}

std::string DescribeProblems(const std::vector<PageProblem>& problems, std::size_t perFile) {
    std::vector<std::string> order;
    std::map<std::string, std::vector<const PageProblem*>> byFile;
    for (const PageProblem& problem : problems) {
        auto& list = byFile[problem.file];
        if (list.empty()) order.push_back(problem.file);
        list.push_back(&problem);
    }
    std::string text;
    for (const std::string& file : order) {
        const auto& list = byFile[file];
        for (std::size_t i = 0; i < list.size() && i < perFile; ++i)
            text += file + ":" + std::to_string(list[i]->line) + ": " + list[i]->what + "\n";
        if (list.size() > perFile)
            text += file + ": ... and " + std::to_string(list.size() - perFile) + " more\n";
    }
    return text;
}

}  // namespace lg::test
