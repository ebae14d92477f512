#include "charts/graph_layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <numeric>
#include <string>
#include <unordered_map>

#include "base/fill_in.h"
#include "base/messages.h"

namespace lg {
namespace {

constexpr double kInteraction = 0.6;  // rows further apart never collide
constexpr double kTouch = 0.001;      // slack of "touching" and of pushes

// The boxes of a list with their relatives inside it, by position.
struct LocalGraph {
    std::vector<TlossPerson*> nodes;
    std::vector<std::vector<int>> parents;
    std::vector<std::vector<int>> children;

    explicit LocalGraph(const std::vector<TlossPerson*>& list) : nodes(list) {
        std::unordered_map<const TlossPerson*, int> position;
        position.reserve(list.size());
        for (std::size_t i = 0; i < list.size(); ++i)
            position.emplace(list[i], static_cast<int>(i));
        parents.resize(list.size());
        children.resize(list.size());
        auto inList = [&](const std::vector<TlossPerson*>& relatives, std::vector<int>& out) {
            for (const TlossPerson* relative : relatives) {
                auto found = position.find(relative);
                if (found != position.end()) out.push_back(found->second);
            }
        };
        for (std::size_t i = 0; i < list.size(); ++i) {
            inList(list[i]->parents, parents[i]);
            inList(list[i]->children, children[i]);
        }
    }
    std::size_t Size() const { return nodes.size(); }
};

void AddLoopErrors(Reporter& reporter) {
    reporter.AddMessage(MessageText(Msg::InfiniteLoop), true);
    reporter.AddMessage(MessageText(Msg::ChildIsOwnAncestor), true);
    reporter.AddMessage(MessageText(Msg::LoopTraceFollows), true);
}

// The vertical placement of one list.
class Generations {
  public:
    Generations(const std::vector<TlossPerson*>& nodes, Reporter& reporter)
        : graph_(nodes),
          reporter_(reporter),
          generation_(nodes.size(), kUnset),
          marked_(nodes.size(), 0),
          stamp_(nodes.size(), 0),
          state_(nodes.size(), 0),
          best_(nodes.size(), 0),
          ancestral_(nodes.size(), 0) {}

    bool Run() {
        const std::size_t n = graph_.Size();
        // Groups are connected: start nodes that share no ancestor never
        // join, so each component is placed on its own, its start nodes in
        // list order.
        std::vector<int> component = Components();
        std::vector<std::vector<int>> starts;
        std::vector<int> componentOrder;
        std::unordered_map<int, std::size_t> slot;
        for (std::size_t i = 0; i < n; ++i) {
            if (!graph_.children[i].empty()) continue;
            auto [it, added] = slot.emplace(component[i], starts.size());
            if (added) starts.emplace_back();
            starts[it->second].push_back(static_cast<int>(i));
        }
        std::vector<std::vector<int>> members(starts.size());
        for (std::size_t i = 0; i < n; ++i) {
            auto found = slot.find(component[i]);
            if (found != slot.end()) members[found->second].push_back(static_cast<int>(i));
        }
        int32_t group = 1;
        for (std::size_t c = 0; c < starts.size(); ++c) {
            std::vector<int>& pending = starts[c];
            while (!pending.empty()) {
                reporter_.ShowStatus(std::string(MessageText(Msg::CalculatingVerticalPlacements)) +
                                         ": " + FillInNumber(Msg::GroupNr, group),
                                     StatusColour::Error);
                for (int i : members[c]) {
                    generation_[i] = kUnset;
                    marked_[i] = 0;
                }
                if (!Assign(pending.front(), 1)) return false;
                pending.erase(pending.begin());
                int lowest = 1;
                bool removed = true;
                while (removed) {
                    removed = false;
                    for (std::size_t k = pending.size(); k-- > 0;) {
                        const int s = pending[k];
                        const int value = Ancestral(s);
                        if (value >= 1000) continue;
                        if (!Assign(s, value)) return false;
                        lowest = std::min(lowest, value);
                        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(k));
                        removed = true;
                    }
                }
                std::vector<int> members_of_group;
                for (int i : members[c])
                    if (marked_[i]) members_of_group.push_back(i);
                if (lowest < 1)
                    for (int i : members_of_group) generation_[i] += 1 - lowest;
                if (!Relax(members_of_group))
                    reporter_.AddMessage(FillInNumber(Msg::TimeSpacingInGroup, group));
                if (reporter_.CheckInterrupted() || reporter_.RunState() == kRunError) return false;
                ++group;
            }
        }
        return true;
    }

  private:
    static constexpr int kUnset = -1000;

    std::vector<int> Components() const {
        std::vector<int> root(graph_.Size());
        std::iota(root.begin(), root.end(), 0);
        auto find = [&root](int i) {
            while (root[i] != i) {
                root[i] = root[root[i]];
                i = root[i];
            }
            return i;
        };
        for (std::size_t i = 0; i < graph_.Size(); ++i)
            for (int p : graph_.parents[i]) {
                int a = find(static_cast<int>(i));
                int b = find(p);
                if (a != b) root[std::max(a, b)] = std::min(a, b);
            }
        for (std::size_t i = 0; i < graph_.Size(); ++i) root[i] = find(static_cast<int>(i));
        return root;
    }

    // Gives s the generation g and its ancestors at least one more per
    // step, where that raises them: the longest route decides, taken in
    // one pass over the ancestors in topological order rather than route
    // by route. A cycle among the ancestors is reported and stops.
    bool Assign(int s, int g) {
        ++round_;
        std::vector<int> order;  // postorder over the parent links
        std::vector<std::pair<int, std::size_t>> stack{{s, 0}};
        stamp_[s] = round_;
        state_[s] = 1;
        while (!stack.empty()) {
            auto& [node, next] = stack.back();
            if (next < graph_.parents[node].size()) {
                int p = graph_.parents[node][next++];
                if (stamp_[p] != round_) {
                    stamp_[p] = round_;
                    state_[p] = 1;
                    stack.emplace_back(p, 0);
                } else if (state_[p] == 1) {
                    ReportLoop(stack, p);
                    return false;
                }
                continue;
            }
            state_[node] = 2;
            order.push_back(node);
            stack.pop_back();
        }
        for (int i : order) best_[i] = std::numeric_limits<int>::min();
        best_[s] = g;
        for (std::size_t k = order.size(); k-- > 0;) {
            const int node = order[k];
            if (best_[node] <= generation_[node]) continue;
            generation_[node] = best_[node];
            marked_[node] = 1;
            for (int p : graph_.parents[node]) best_[p] = std::max(best_[p], best_[node] + 1);
        }
        return true;
    }

    // The loop on the search path from p back to p, each line a child of
    // the one above it.
    void ReportLoop(const std::vector<std::pair<int, std::size_t>>& path, int p) {
        AddLoopErrors(reporter_);
        std::size_t from = 0;
        while (path[from].first != p) ++from;
        auto trace = [this](int i) {
            const Tindividual* person = graph_.nodes[i]->person;
            std::string line = "trace: ";
            if (person) line += person->ID + " " + person->FullName(NameStyle::Proper);
            reporter_.AddMessage(line);
        };
        trace(p);
        for (std::size_t k = path.size(); k-- > from + 1;) trace(path[k].first);
        trace(p);
        reporter_.SetRunState(kRunError);
    }

    // The generation a start node would take below its nearest marked
    // ancestor: one less per step down; 1000000 and more when none is
    // marked.
    int Ancestral(int s) {
        constexpr int kNone = 1000000;
        ++round_;
        std::vector<std::pair<int, std::size_t>> stack{{s, 0}};
        stamp_[s] = round_;
        state_[s] = 1;
        ancestral_[s] = marked_[s] ? generation_[s] : kNone;
        if (marked_[s]) return generation_[s];
        while (!stack.empty()) {
            auto& [node, next] = stack.back();
            if (next < graph_.parents[node].size()) {
                int p = graph_.parents[node][next++];
                if (stamp_[p] != round_) {
                    stamp_[p] = round_;
                    state_[p] = 1;
                    if (marked_[p]) {
                        state_[p] = 2;
                        ancestral_[p] = generation_[p];
                    } else {
                        ancestral_[p] = kNone;
                        stack.emplace_back(p, 0);
                        continue;
                    }
                }
                // A link back into the path (a loop) leads nowhere.
                if (state_[p] == 2 && ancestral_[p] < kNone)
                    ancestral_[node] = std::min(ancestral_[node], ancestral_[p] - 1);
                continue;
            }
            const int done = node;
            state_[done] = 2;
            stack.pop_back();
            if (!stack.empty() && ancestral_[done] < kNone) {
                const int child = stack.back().first;
                ancestral_[child] = std::min(ancestral_[child], ancestral_[done] - 1);
            }
        }
        return ancestral_[s];
    }

    // The least-squares relaxation of a group; false when a parent does
    // not end above its child.
    bool Relax(const std::vector<int>& group) {
        const std::size_t k = group.size();
        std::unordered_map<int, std::size_t> number;
        number.reserve(k);
        for (std::size_t i = 0; i < k; ++i) number.emplace(group[i], i);
        std::vector<double> p(k);
        std::vector<std::vector<std::size_t>> neighbours(k);
        std::vector<double> balance(k, 0);
        for (std::size_t i = 0; i < k; ++i) {
            const int node = group[i];
            p[i] = generation_[node];
            int parentsTaken = 0;
            int childrenTaken = 0;
            for (int q : graph_.parents[node]) {
                auto found = number.find(q);
                if (found == number.end()) continue;
                neighbours[i].push_back(found->second);
                ++parentsTaken;
            }
            for (int q : graph_.children[node]) {
                if (neighbours[i].size() >= 7) break;
                auto found = number.find(q);
                if (found == number.end()) continue;
                neighbours[i].push_back(found->second);
                ++childrenTaken;
            }
            balance[i] = childrenTaken - parentsTaken;
        }
        for (std::size_t pass = 0; pass < k; ++pass) {
            double change = 0;
            for (std::size_t i = 0; i < k; ++i) {
                if (neighbours[i].empty()) continue;
                double sum = balance[i];
                for (std::size_t q : neighbours[i]) sum += p[q];
                const double next = sum / static_cast<double>(neighbours[i].size());
                change += (next - p[i]) * (next - p[i]);
                p[i] = next;
            }
            if (change / static_cast<double>(k + 1) < 0.000001) break;
        }
        double lowest = 2147483647.0;
        for (double value : p) lowest = std::min(lowest, value);
        for (std::size_t i = 0; i < k; ++i) graph_.nodes[group[i]]->y = p[i] - lowest;
        bool sound = true;
        for (std::size_t i = k; i-- > 0;)
            for (int q : graph_.parents[group[i]])
                if (number.count(q) && graph_.nodes[q]->y <= graph_.nodes[group[i]]->y)
                    sound = false;
        return sound;
    }

    LocalGraph graph_;
    Reporter& reporter_;
    std::vector<int> generation_;
    std::vector<char> marked_;
    std::vector<int> stamp_;
    std::vector<char> state_;
    std::vector<int> best_;
    std::vector<int> ancestral_;
    int round_ = 0;
};

// The horizontal placement of one prepared group.
class Columns {
  public:
    Columns(const std::vector<TlossPerson*>& group, Reporter& reporter)
        : graph_(group),
          reporter_(reporter),
          x_(group.size(), 0),
          y_(group.size()),
          key_(group.size(), 0),
          placed_(group.size(), 0),
          mark_(group.size(), 0),
          root_(group.size()),
          sum_(group.size()),
          count_(group.size()) {
        for (std::size_t i = 0; i < group.size(); ++i) y_[i] = static_cast<double>(group[i]->y);
    }

    bool Run(const std::vector<TlossPerson*>& youngestNodes, const std::string& status) {
        std::unordered_map<const TlossPerson*, int> position;
        for (std::size_t i = 0; i < graph_.Size(); ++i)
            position.emplace(graph_.nodes[i], static_cast<int>(i));
        std::vector<int> waiting;
        for (const TlossPerson* node : youngestNodes) {
            auto found = position.find(node);
            if (found != position.end()) waiting.push_back(found->second);
        }
        if (waiting.empty()) return true;
        const bool large = graph_.Size() > 100;
        std::vector<int> front{waiting.front()};
        std::vector<int> placed{waiting.front()};
        placed_[waiting.front()] = 1;
        waiting.erase(waiting.begin());
        double top = 0;
        while (!front.empty()) {
            std::vector<int> next;
            for (int node : front)
                for (int p : graph_.parents[node]) {
                    if (placed_[p]) continue;
                    placed_[p] = 1;
                    next.push_back(p);
                    placed.push_back(p);
                    top = std::max(top, y_[p]);
                }
            front = std::move(next);
            SeedFront(front);
            for (std::size_t k = waiting.size(); k-- > 0;) {
                const int node = waiting[k];
                if (y_[node] >= top + 0.3) continue;
                SeedEntrant(node, front);
                front.push_back(node);
                placed.push_back(node);
                placed_[node] = 1;
                top = std::max(top, y_[node]);
                waiting.erase(waiting.begin() + static_cast<std::ptrdiff_t>(k));
            }
            if (front.empty()) break;
            reporter_.ShowStatus(
                large ? status + " (w = " + RightAligned(front.size(), 3) + ")" : status,
                StatusColour::Error);
            SpreadFront(front);
            ResolveOverlaps(placed);
            std::vector<char> fixed(graph_.Size(), 0);
            for (int node : front) fixed[node] = 1;
            RelaxPlaced(placed, &fixed, 0.001);
            if (reporter_.CheckInterrupted() || reporter_.RunState() == kRunError) return false;
        }
        // Youngest boxes the sweep never reached still need a column.
        for (int node : waiting) {
            placed.push_back(node);
            placed_[node] = 1;
        }
        int worsening = 0;
        std::size_t previous = std::numeric_limits<std::size_t>::max();
        for (std::size_t pass = 0; pass < placed.size() + 10; ++pass) {
            const std::size_t swaps = CountSwaps(placed);
            if (swaps > previous) ++worsening;
            previous = swaps;
            if (swaps > 0) {
                reporter_.ShowStatus(
                    large ? status + " (i   = " + std::to_string(swaps) + ")" : status,
                    StatusColour::Error);
                ResolveOverlaps(placed);
                RelaxPlaced(placed, nullptr, 0.001);
            }
            if (20 * swaps < placed.size() || worsening > 3) break;
            if (reporter_.CheckInterrupted() || reporter_.RunState() == kRunError) return false;
        }
        RelaxPlaced(placed, nullptr, 0.0001);
        for (std::size_t i = 0; i < graph_.Size(); ++i) {
            graph_.nodes[i]->x = x_[i];
            graph_.nodes[i]->layoutKey = key_[i];
        }
        return true;
    }

  private:
    static std::string RightAligned(std::size_t value, std::size_t width) {
        std::string text = std::to_string(value);
        if (text.size() < width) text.insert(0, width - text.size(), ' ');
        return text;
    }

    bool Interact(int a, int b) const { return std::fabs(y_[a] - y_[b]) <= kInteraction; }

    // Marks the node's ancestors in the group (itself included).
    void MarkAncestors(int node) {
        ++round_;
        std::vector<int> stack{node};
        mark_[node] = round_;
        while (!stack.empty()) {
            int n = stack.back();
            stack.pop_back();
            for (int p : graph_.parents[n])
                if (mark_[p] != round_) {
                    mark_[p] = round_;
                    stack.push_back(p);
                }
        }
    }

    // Generations from the node up to the nearest marked ancestor (0 when
    // marked itself); -1 when none is marked.
    int DistanceToMarked(int node) const {
        if (mark_[node] == round_) return 0;
        std::vector<int> level{node};
        std::unordered_map<int, char> seen{{node, 1}};
        for (int d = 1; !level.empty() && d <= static_cast<int>(graph_.Size()); ++d) {
            std::vector<int> next;
            for (int n : level)
                for (int p : graph_.parents[n]) {
                    if (mark_[p] == round_) return d;
                    if (seen.emplace(p, 1).second) next.push_back(p);
                }
            level = std::move(next);
        }
        return -1;
    }

    double MeanChildX(int node) const {
        const std::vector<int>& children = graph_.children[node];
        double sum = 0;
        int count = 0;
        for (int c : children) {
            if (!placed_[c]) continue;
            sum += x_[c];
            ++count;
        }
        return count ? sum / count : 0;
    }

    // Each box of a new front starts below the mean of its children and
    // leans towards the front boxes it shares the nearest ancestors with.
    void SeedFront(const std::vector<int>& front) {
        for (int node : front) x_[node] = MeanChildX(node);
        for (int i : front) {
            MarkAncestors(i);
            int nearest = std::numeric_limits<int>::max();
            double sum = 0;
            int count = 0;
            for (int j : front) {
                if (j == i) continue;
                const int d = DistanceToMarked(j);
                if (d < 0 || d > nearest) continue;
                if (d < nearest) {
                    nearest = d;
                    sum = 0;
                    count = 0;
                }
                sum += (x_[j] - x_[i]) / (d + 1);
                ++count;
            }
            if (count) x_[i] += sum / count / 4;
            key_[i] = x_[i];
        }
    }

    // A youngest box joining the sweep goes where the front boxes nearest
    // to its ancestors are, the nearer the more.
    void SeedEntrant(int node, const std::vector<int>& front) {
        MarkAncestors(node);
        std::vector<int> distance(front.size());
        for (std::size_t k = 0; k < front.size(); ++k) distance[k] = DistanceToMarked(front[k]);
        double weighted = 0;
        double weight = 0;
        int counted = 0;
        for (int d = 0; d <= 12 && counted < 2; ++d)
            for (std::size_t k = 0; k < front.size(); ++k) {
                if (distance[k] != d) continue;
                weighted += d * x_[front[k]];
                weight += d;
                ++counted;
            }
        x_[node] = weight == 0 ? 0 : weighted / weight;
        key_[node] = x_[node];
    }

    int Find(int i) {
        while (root_[i] != i) {
            root_[i] = root_[root_[i]];
            i = root_[i];
        }
        return i;
    }

    // Moves the boxes of the set by their desired moves, boxes that push
    // against each other joined into blocks that move by their mean, each
    // block as far as it can go without running into another. Returns the
    // mean squared block move; blocks the number of blocks.
    double MoveBlocks(const std::vector<int>& set, const std::vector<double>& desired,
                      std::size_t& blocks) {
        std::vector<int> order(set);
        std::sort(order.begin(), order.end(), [this](int a, int b) { return x_[a] < x_[b]; });
        std::vector<std::pair<int, int>> touching;
        for (std::size_t i = 0; i < order.size(); ++i)
            for (std::size_t j = i + 1; j < order.size(); ++j) {
                const int a = order[i];
                const int b = order[j];
                const double dx = x_[b] - x_[a];
                if (dx >= 1 + kTouch) break;
                if (Interact(a, b) && dx <= RequiredDistance(y_[b] - y_[a]) + kTouch)
                    touching.emplace_back(a, b);
            }
        for (int i : set) {
            root_[i] = i;
            sum_[i] = desired[i];
            count_[i] = 1;
        }
        auto mean = [this](int root) { return sum_[root] / count_[root]; };
        for (bool merged = true; merged;) {
            merged = false;
            for (auto [a, b] : touching) {
                const int ra = Find(a);
                const int rb = Find(b);
                if (ra == rb || mean(rb) >= mean(ra)) continue;
                root_[rb] = ra;
                sum_[ra] += sum_[rb];
                count_[ra] += count_[rb];
                merged = true;
            }
        }
        double largest = 0;
        for (int i : set) largest = std::max(largest, std::fabs(mean(Find(i))));
        double step = 1;
        for (std::size_t i = 0; i < order.size(); ++i)
            for (std::size_t j = i + 1; j < order.size(); ++j) {
                const int a = order[i];
                const int b = order[j];
                const double dx = x_[b] - x_[a];
                if (dx >= 1 + 2 * largest + kTouch) break;
                const int ra = Find(a);
                const int rb = Find(b);
                if (ra == rb || !Interact(a, b)) continue;
                const double closing = mean(ra) - mean(rb);
                if (closing <= 0.000001) continue;
                const double gap = std::max(0.0, dx - RequiredDistance(y_[b] - y_[a]));
                step = std::min(step, gap / closing);
            }
        double squares = 0;
        blocks = 0;
        for (int i : set) {
            const int r = Find(i);
            x_[i] += mean(r) * step;
            if (r == i) {
                ++blocks;
                squares += (mean(r) * step) * (mean(r) * step);
            }
        }
        return squares / static_cast<double>(blocks + 1);
    }

    // Side by side in the order of the wanted places, then moved there in
    // blocks.
    void SpreadFront(const std::vector<int>& front) {
        std::vector<int> order(front);
        std::stable_sort(order.begin(), order.end(),
                         [this](int a, int b) { return key_[a] < key_[b]; });
        const double n = static_cast<double>(order.size());
        for (std::size_t k = 0; k < order.size(); ++k)
            x_[order[k]] = (1 - n) / 2 + static_cast<double>(k);
        std::vector<double>& desired = scratch_;
        desired.assign(graph_.Size(), 0);
        for (std::size_t pass = 0; pass < order.size(); ++pass) {
            for (int node : order) desired[node] = key_[node] - x_[node];
            std::size_t blocks = 0;
            if (MoveBlocks(order, desired, blocks) < 0.0001 || blocks <= 1) break;
        }
    }

    // Every box pulled towards the mean of its placed relatives, with some
    // damping, moved in blocks; the fixed boxes stay.
    void RelaxPlaced(const std::vector<int>& set, const std::vector<char>* fixed,
                     double tolerance) {
        std::vector<double>& velocity = scratch_;
        velocity.assign(graph_.Size(), 0);
        const std::size_t passes = std::max<std::size_t>(1, fixed ? set.size() / 10 : set.size());
        for (std::size_t pass = 0; pass < passes; ++pass) {
            for (int node : set) {
                if (fixed && (*fixed)[node]) {
                    velocity[node] = 0;
                    continue;
                }
                double sum = 0;
                int count = 0;
                for (const std::vector<int>* relatives :
                     {&graph_.parents[node], &graph_.children[node]})
                    for (int r : *relatives)
                        if (placed_[r]) {
                            sum += x_[r];
                            ++count;
                        }
                velocity[node] = count ? 0.5 * (sum / count - x_[node]) - 0.15 * velocity[node]
                                       : -0.15 * velocity[node];
            }
            std::size_t blocks = 0;
            if (MoveBlocks(set, velocity, blocks) < tolerance || blocks <= 1) break;
        }
    }

    // Pushes every box that stands too close to the node on the side of
    // the direction away, and on from there.
    void Push(int start, int direction, const std::vector<int>& set,
              const std::vector<std::size_t>& rank) {
        std::vector<int> stack{start};
        while (!stack.empty()) {
            const int n = stack.back();
            stack.pop_back();
            for (int m : set) {
                if (m == n || !Interact(m, n)) continue;
                const double dx = (x_[m] - x_[n]) * direction;
                const bool beyond = dx > 0 || (dx == 0 && (rank[m] > rank[n]) == (direction > 0));
                if (!beyond) continue;
                const double need = RequiredDistance(y_[m] - y_[n]);
                if (dx >= need - kTouch) continue;
                x_[m] = x_[n] + direction * need;
                stack.push_back(m);
            }
        }
    }

    void ResolveOverlaps(const std::vector<int>& set) {
        std::vector<int> order(set);
        std::stable_sort(order.begin(), order.end(),
                         [this](int a, int b) { return x_[a] < x_[b]; });
        std::vector<std::size_t> rank(graph_.Size(), 0);
        for (std::size_t k = 0; k < order.size(); ++k) rank[order[k]] = k;
        std::vector<int> right;
        std::vector<int> left;
        for (int node : order) (x_[node] >= 0 ? right : left).push_back(node);
        std::reverse(left.begin(), left.end());
        for (int node : right) Push(node, +1, set, rank);
        for (int node : left) Push(node, -1, set, rank);
        for (int node : right) Push(node, -1, set, rank);
        double mean = 0;
        for (int node : set) mean += x_[node];
        mean /= static_cast<double>(std::max<std::size_t>(1, set.size()));
        for (int node : set) x_[node] -= mean;
    }

    double RelativesMean(int node) const {
        double sum = 0;
        int count = 0;
        for (const std::vector<int>* relatives : {&graph_.parents[node], &graph_.children[node]})
            for (int r : *relatives) {
                sum += x_[r];
                ++count;
            }
        return count ? sum / count : x_[node];
    }

    // Boxes of one level whose order contradicts that of their relatives
    // change places; the number of such changes.
    std::size_t CountSwaps(const std::vector<int>& set) {
        std::vector<int> order(set);
        std::stable_sort(order.begin(), order.end(),
                         [this](int a, int b) { return y_[a] < y_[b]; });
        std::size_t swaps = 0;
        for (std::size_t i = 0; i < order.size(); ++i)
            for (std::size_t j = i + 1; j < order.size(); ++j) {
                const int a = order[i];
                const int b = order[j];
                if (y_[b] - y_[a] > kInteraction) break;
                const double ta = RelativesMean(a);
                const double tb = RelativesMean(b);
                if ((tb < ta && x_[b] > x_[a]) || (tb > ta && x_[b] < x_[a])) {
                    std::swap(x_[a], x_[b]);
                    ++swaps;
                }
            }
        return swaps;
    }

    LocalGraph graph_;
    Reporter& reporter_;
    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> key_;
    std::vector<char> placed_;
    std::vector<int> mark_;
    int round_ = 0;
    std::vector<int> root_;
    std::vector<double> sum_;
    std::vector<int> count_;
    std::vector<double> scratch_;
};

// The steps down from the node along a single line: each box with one
// child, and below the first box one parent at most.
int SingleLineLength(const LocalGraph& graph, int node) {
    int steps = 0;
    int current = node;
    while (graph.children[current].size() == 1 &&
           (current == node || graph.parents[current].size() <= 1) &&
           steps <= static_cast<int>(graph.Size())) {
        current = graph.children[current].front();
        ++steps;
    }
    return steps;
}

}  // namespace

double RequiredDistance(double dy) {
    return std::fabs(dy) > kInteraction ? 0 : 1 - dy * dy;
}

bool PlaceGenerations(const std::vector<TlossPerson*>& nodes, Reporter& reporter) {
    reporter.ShowStatus(MessageText(Msg::CalculatingVerticalPlacements), StatusColour::Error);
    Generations generations(nodes, reporter);
    return generations.Run();
}

bool PrepareGroup(std::vector<TlossPerson*>& group, std::vector<TlossPerson*>& youngest,
                  int32_t chartDepth) {
    for (TlossPerson* node : group) {
        node->x = 0;
        node->layoutKey = 0;
    }
    auto byY = [](const TlossPerson* a, const TlossPerson* b) { return a->y < b->y; };
    std::stable_sort(group.begin(), group.end(), byY);
    const LocalGraph graph(group);
    const std::size_t n = graph.Size();
    youngest.clear();
    std::vector<int> waiting;
    for (std::size_t i = 0; i < n; ++i)
        if (graph.children[i].empty()) waiting.push_back(static_cast<int>(i));
    if (waiting.empty()) {
        group.clear();
        return n == 0;
    }
    const std::size_t limit = static_cast<std::size_t>(std::max(3 * chartDepth + 5, 5));
    std::vector<char> reached(n, 0);
    std::vector<char> inFront(n, 0);
    std::vector<int> front{waiting.front()};
    reached[waiting.front()] = 1;
    std::size_t nextWaiting = 1;
    double top = 0;
    while (!front.empty()) {
        std::vector<int> next;
        for (int node : front)
            for (int p : graph.parents[node]) {
                if (reached[p] || inFront[p]) continue;
                inFront[p] = 1;
                next.push_back(p);
                top = std::max(top, static_cast<double>(group[p]->y));
            }
        while (nextWaiting < waiting.size() && group[waiting[nextWaiting]]->y < top + 0.3) {
            const int node = waiting[nextWaiting++];
            next.push_back(node);
            inFront[node] = 1;
            top = std::max(top, static_cast<double>(group[node]->y));
        }
        if (next.size() >= limit) {
            std::vector<long long> rank(n, 0);
            for (int node : next)
                rank[node] = 1000LL * SingleLineLength(graph, node) -
                             std::llround(100 * static_cast<double>(group[node]->completeness));
            std::stable_sort(next.begin(), next.end(),
                             [&rank](int a, int b) { return rank[a] > rank[b]; });
            for (std::size_t k = limit - 1; k < next.size(); ++k) inFront[next[k]] = 0;
            next.resize(limit - 1);
        }
        for (int node : next) {
            reached[node] = 1;
            inFront[node] = 0;
        }
        front = std::move(next);
    }
    std::vector<TlossPerson*> kept;
    for (std::size_t i = 0; i < n; ++i)
        if (reached[i]) {
            kept.push_back(group[i]);
            if (graph.children[i].empty()) youngest.push_back(group[i]);
        }
    const bool complete = kept.size() == n;
    for (TlossPerson* node : group) node->inGroup = false;
    group = std::move(kept);
    for (TlossPerson* node : group) node->inGroup = true;
    return complete;
}

TinbredPerson& AssembleGraphChart(const std::vector<TlossPerson*>& group,
                                  const TlossPerson& proband, bool complete, ChartList& charts) {
    auto chart = std::make_unique<TinbredPerson>();
    std::unordered_map<const TlossPerson*, TlossPerson*> copies;
    copies.reserve(group.size());
    for (const TlossPerson* node : group) {
        auto copy = std::make_unique<TlossPerson>();
        copy->index = static_cast<int32_t>(chart->nodes.size());
        copy->name = node->name;
        copy->isDouble = node->isDouble;
        copy->lineFlag = node->lineFlag;
        copy->personIndex = node->personIndex;
        copy->completeness = node->completeness;
        copy->inGroup = true;
        copy->x = node->x;
        copy->y = node->y;
        copy->person = node->person;
        TlossPerson& added = charts.pool.Add(std::move(copy));
        copies.emplace(node, &added);
        chart->nodes.push_back(&added);
    }
    for (const TlossPerson* node : group) {
        TlossPerson* copy = copies[node];
        for (const TlossPerson* parent : node->parents) {
            auto found = copies.find(parent);
            if (found == copies.end()) continue;
            copy->parents.push_back(found->second);
            found->second->children.push_back(copy);
        }
    }
    chart->proband = copies.count(&proband) ? copies[&proband] : chart->nodes.front();
    chart->complete = complete;
    chart->chartIndex = static_cast<int32_t>(charts.charts.size());
    NormaliseChart(*chart);
    charts.charts.push_back(std::move(chart));
    return *charts.charts.back();
}

bool PlaceGroup(const std::vector<TlossPerson*>& group, const std::vector<TlossPerson*>& youngest,
                int32_t chartNumber, int32_t chartsToGo, Reporter& reporter) {
    const std::string status =
        FillInNumbers(MessageText(Msg::BuildingChartIndexTo), {chartNumber, chartsToGo});
    reporter.ShowStatus(status, StatusColour::Error);
    Columns columns(group, reporter);
    return columns.Run(youngest, status);
}

}  // namespace lg
