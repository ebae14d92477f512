#pragma once
// The compact placement shared by the ancestor and descendant charts: depth
// first from the root, each box one unit below the previous box of its
// level unless its linked boxes (parents or children) push it further down,
// a box centred on its placed links by the chart's rule, and a subtree only
// ever moved down as a whole.

#include <cstddef>
#include <vector>

#include "charts/chart_records.h"

namespace lg {

// Which list of a box leads on to the next level.
using TreeLinks = std::vector<TlossPerson*> TlossPerson::*;

// Sets node.y from its links, all placed (their y final for now). It may
// move links that have no links of their own (leaves), never others.
using CentreRule = void (*)(TlossPerson& node, const std::vector<TlossPerson*>& links);

// Places the tree: x = level (root 0), y = row. Boxes beyond maxLevel are
// not placed, and a box at maxLevel counts as having no links. Runs without
// recursion, and records each move of a subtree on its root, handing it on
// in one final pass, so that deep chains take n log n time rather than
// quadratic.
void PlaceTree(TlossPerson& root, TreeLinks links, std::size_t maxLevel, CentreRule centre);

}  // namespace lg
