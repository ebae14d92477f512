#include "charts/tree_placement.h"

#include <algorithm>
#include <utility>

namespace lg {
namespace {

// Per level, the row of the box placed last at that level, with range
// additions: a subtree moved down takes the last boxes of all its levels
// with it. A Fenwick tree of differences, so both operations are O(log n);
// it is rebuilt at twice the size when a level is appended to a full one.
class LevelRows {
  public:
    std::size_t Size() const { return size_; }
    void Append(long double row) {
        if (size_ + 1 >= tree_.size()) Grow();
        ++size_;
        Set(size_ - 1, row);
    }
    long double Get(std::size_t level) const {
        long double sum = 0;
        for (std::size_t i = level + 1; i > 0; i -= i & (~i + 1)) sum += tree_[i];
        return sum;
    }
    void Set(std::size_t level, long double row) { AddRange(level, level, row - Get(level)); }
    // Adds dy to the rows of the levels first..last.
    void AddRange(std::size_t first, std::size_t last, long double dy) {
        AddFrom(first, dy);
        AddFrom(last + 1, -dy);
    }

  private:
    void AddFrom(std::size_t level, long double delta) {
        for (std::size_t i = level + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
    }
    void Grow() {
        std::vector<long double> rows(size_);
        for (std::size_t level = 0; level < size_; ++level) rows[level] = Get(level);
        tree_.assign(2 * tree_.size() + 2, 0);
        long double previous = 0;
        for (std::size_t level = 0; level < size_; ++level) {
            AddFrom(level, rows[level] - previous);
            previous = rows[level];
        }
    }

    std::size_t size_ = 0;
    std::vector<long double> tree_{0};
};

}  // namespace

void PlaceTree(TlossPerson& root, TreeLinks links, std::size_t maxLevel, CentreRule centre) {
    // Depth first like the recursive definition, on an explicit stack. A
    // move of a subtree is recorded on its root (pending, in layoutKey) and
    // handed on to the linked boxes in one pass at the end; the rows of the
    // last boxes per level, which the packing reads, are kept up to date in
    // LevelRows.
    struct Frame {
        TlossPerson* node;
        std::size_t level;
        std::size_t next;  // the next link to place
        long double lowest;
        std::size_t deepest;  // the deepest level of the subtree placed so far
    };
    LevelRows rows;
    std::vector<Frame> stack;
    auto enter = [&](TlossPerson* node, std::size_t level) {
        node->x = static_cast<long double>(level);
        node->layoutKey = 0;
        long double lowest;
        if (level < rows.Size()) {
            lowest = rows.Get(level) + 1;
        } else {
            rows.Append(0);
            lowest = -100.0L * static_cast<long double>(level);
        }
        stack.push_back({node, level, 0, lowest, level});
    };
    enter(&root, 0);
    while (!stack.empty()) {
        Frame& f = stack.back();
        TlossPerson& node = *f.node;
        const std::vector<TlossPerson*>& next = node.*links;
        bool leaf = next.empty() || f.level >= maxLevel;
        if (!leaf && f.next < next.size()) {
            std::size_t level = f.level + 1;
            enter(next[f.next++], level);
            continue;
        }
        if (leaf) {
            node.y = f.lowest;
        } else {
            centre(node, next);
            if (f.lowest > node.y) {
                long double dy = f.lowest - node.y;
                node.y += dy;
                node.layoutKey += dy;
                rows.AddRange(f.level + 1, f.deepest, dy);
            }
        }
        rows.Set(f.level, node.y);
        std::size_t deepest = f.deepest;
        stack.pop_back();
        if (!stack.empty()) stack.back().deepest = std::max(stack.back().deepest, deepest);
    }
    // Hand every pending move on to the boxes placed from the one it was
    // made on.
    struct Pending {
        TlossPerson* node;
        std::size_t level;
        long double shift;
    };
    std::vector<Pending> pending{{&root, 0, 0}};
    while (!pending.empty()) {
        Pending p = pending.back();
        pending.pop_back();
        p.node->y += p.shift;
        long double onward = p.shift + p.node->layoutKey;
        p.node->layoutKey = 0;
        if (p.level >= maxLevel) continue;
        for (TlossPerson* linked : p.node->*links) pending.push_back({linked, p.level + 1, onward});
    }
}

}  // namespace lg
