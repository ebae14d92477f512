#pragma once
// The order of the lists a user looks persons up in: by letters, as a reader
// does, not by byte value, so "Élisabeth" stands with "Elisabeth" and "de
// Burgh" among the B..D names rather than after "Woodville". The core folds
// accents and case itself; the desktop program orders by its locale's
// collator instead (through the Host), so both fronts list the same way
// wherever the locale agrees with the folding.

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace lg {

class Collation {
  public:
    virtual ~Collation() = default;

    // The listing order of the texts (internal text): a permutation of
    // their indexes. Texts that collate alike follow in byte order and
    // equal texts keep their places, so the order is total and stable.
    // This one compares FoldedSortKey.
    virtual std::vector<std::size_t> Order(const std::vector<std::string_view>& texts) const;
};

// The order of texts by their sort keys (anything with an int compare(),
// as std::string and a locale collator's keys have), texts that collate
// alike in byte order, equal ones in their places.
template <typename Key>
std::vector<std::size_t> OrderByKeys(const std::vector<Key>& keys,
                                     const std::vector<std::string_view>& texts) {
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (const int c = keys[a].compare(keys[b])) return c < 0;
        return texts[a] < texts[b];
    });
    return order;
}

// The collation of surfaces without a locale collator: the command line,
// the batch mode, tests.
const Collation& FoldingCollation();

// The key the folding collation compares, as UTF-8: the Latin letters with
// diacritics of Latin-1 and Latin Extended-A become their base letters
// ("ß" "ss", "æ" "ae", "œ" "oe", "þ" "th", "ĳ" "ij", "ø" "o", "ł" "l"), and
// letters are lower case. Character references are decoded first, so
// "&Lstrok;" folds like the code page's letters; other characters stay.
std::string FoldedSortKey(std::string_view internal);

}  // namespace lg
