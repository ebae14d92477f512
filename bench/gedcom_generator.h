#pragma once
// Writes synthetic GEDCOM 5.5 files (UTF-8, LF line ends) for benchmarks and
// stress tests: invented persons and families in a few shapes, the same bytes
// for the same options on every run and every platform. Stands alone: it uses
// nothing of the rest of the project.
//
// Dates are plausible, so that date checks stay quiet on these files: the
// youngest generation is born around 1990 and generations are about 30 years
// apart; parents are 18 to 44 years older than their children; siblings are
// born in the order of their CHIL lines, at least a year apart; marriages
// come after both partners are 18 and not after the first child; a second
// marriage follows the end of the first (a divorce, or the death of the
// first spouse). Persons who would die after 2024 are living.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string_view>

namespace lg::bench {

// The shape of the family tree to write; `GeneratorOptions::size` means
// something different for each.
enum class GeneratorMode {
    // `size` persons in families over ten to fifteen generations: couples
    // (mostly from the same generation, never siblings) with 0 to 8 children,
    // some remarriages with children from both marriages, founders and spouses
    // from outside without parents.
    kPopulation,
    // The complete ancestry of one proband (I1) over `size` generations:
    // 2^size - 1 persons, everyone up to the oldest generation with both
    // parents. Person n has father 2n and mother 2n + 1; F n is their family.
    kAncestors,
    // One founder (I1) with `size` descendants (children, grandchildren, ...);
    // every descendant who marries takes a spouse from outside, who is written
    // as a person without parents, so the file holds more than `size` persons.
    kDescendants,
    // A single line of `size` generations: every line person is the only child
    // of the previous line person's family (2 * size - 1 persons with the
    // spouses). I1 is the oldest, I(2 * size - 1) the youngest. Only the last
    // 66 generations carry dates; older events have places but no dates.
    kChain,
};

struct GeneratorOptions {
    GeneratorMode mode = GeneratorMode::kPopulation;
    std::int64_t size = 1000;
    std::uint64_t seed = 1;
};

// The largest accepted `size` of a mode. The population and descendants
// modes build the tree in memory first (about 30 bytes per person); the
// others need no memory beyond the output buffer.
std::int64_t MaxGeneratorSize(GeneratorMode mode);

// Writes one complete file (HEAD to TRLR) to `out`. Persons are I1..In and
// families F1..Fm, written in that order after the header and the source
// records; every CHIL has its FAMC and every HUSB/WIFE its FAMS. Output is
// buffered internally and handed to `out` in large blocks; `out` is not
// flushed. Throws std::invalid_argument when `size` is below 1 or above
// MaxGeneratorSize(mode), std::runtime_error when `out` fails while writing.
void WriteSyntheticGedcom(std::ostream& out, const GeneratorOptions& options);

// "population", "ancestors", "descendants", "chain" and back. Parsing is
// case-sensitive; an unknown name gives nullopt.
std::optional<GeneratorMode> ParseGeneratorMode(std::string_view name);
std::string_view GeneratorModeName(GeneratorMode mode);

}  // namespace lg::bench
