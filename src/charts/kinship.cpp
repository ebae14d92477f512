#include "charts/kinship.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <unordered_set>

#include "base/encoding.h"
#include "base/fill_in.h"
#include "base/help_texts.h"
#include "base/messages.h"
#include "base/safe_file.h"
#include "charts/graph_layout.h"

namespace lg {
namespace {

using Persons = std::vector<const Tindividual*>;

// The known parents, mother first, as the coefficient's routes have always
// been taken; on the stack, since every step of every walk asks for them.
struct Parents {
    const Tindividual* known[2] = {nullptr, nullptr};
    std::size_t count = 0;
    const Tindividual* const* begin() const { return known; }
    const Tindividual* const* end() const { return known + count; }
    std::size_t size() const { return count; }
    const Tindividual* operator[](std::size_t i) const { return known[i]; }
};

Parents ParentsOf(const Tindividual& person) {
    Parents parents;
    for (const Tindividual* parent : {person.mother, person.father})
        if (parent) parents.known[parents.count++] = parent;
    return parents;
}

// The person and every ancestor.
std::unordered_set<const Tindividual*> AncestorsOf(const Persons& starts) {
    std::unordered_set<const Tindividual*> marked(starts.begin(), starts.end());
    Persons stack(starts);
    while (!stack.empty()) {
        const Tindividual* person = stack.back();
        stack.pop_back();
        for (const Tindividual* parent : ParentsOf(*person))
            if (marked.insert(parent).second) stack.push_back(parent);
    }
    return marked;
}

// Integer part, point, thousandths: one digit after four blanks, two after
// two, three and more after none, so that the columns line up in the
// proportional font of the message list. Thousandths that round up to a
// whole carry into the integer part.
std::string MatrixEntry(long double value, bool negative = false) {
    long long whole = static_cast<long long>(value);
    long long thousandths = std::llround(static_cast<double>(1000 * value)) - 1000 * whole;
    if (thousandths >= 1000) {
        whole += thousandths / 1000;
        thousandths %= 1000;
    }
    const std::string digits = std::to_string(whole);
    std::string lead;
    if (digits.size() == 1) lead = negative ? "   -" : "    ";
    if (digits.size() == 2) lead = negative ? " -" : "  ";
    if (digits.size() > 2 && negative) lead = "-";
    char rest[32];
    std::snprintf(rest, sizeof rest, ".%03lld", thousandths);
    return lead + digits + rest + "    ";
}

std::string Separator(std::size_t k) {
    return std::string(k <= 7 ? 16 * k + 6 : 120, '-');
}

std::string Footer(std::size_t k) {
    std::string line = "       ";
    for (std::size_t i = 0; i < k; ++i) line += "      " + PersonLetter(i) + "         ";
    return line;
}

}  // namespace

// A coefficient being computed: base plus the weighted coefficients of its
// dependencies, taken last to first.
struct KinshipEngine::Frame {
    const Tindividual* a;
    const Tindividual* b;
    struct Term {
        const Tindividual* x;
        const Tindividual* y;
        long double weight;
    };
    std::vector<Term> terms;
    long double base = 0;
    long double sum = 0;
    std::size_t next = 0;  // terms[next..] are done
    bool expanded = false;
};

std::optional<long double> KinshipEngine::Cached(const Tindividual* a, const Tindividual* b) const {
    auto found = cache_.find(a < b ? std::make_pair<const void*, const void*>(a, b)
                                   : std::make_pair<const void*, const void*>(b, a));
    if (found == cache_.end()) return std::nullopt;
    return found->second;
}

void KinshipEngine::Store(const Tindividual* a, const Tindividual* b, long double value) {
    cache_[a < b ? std::make_pair<const void*, const void*>(a, b)
                 : std::make_pair<const void*, const void*>(b, a)] = value;
}

// A matrix row asks with the same person again and again, and the terms
// of one coefficient with a few ancestors: their ancestor sets are kept,
// a bounded number of them.
const std::unordered_set<const Tindividual*>& KinshipEngine::MarkedAncestors(
    const Tindividual& person) {
    auto found = marked_.find(&person);
    if (found != marked_.end()) return found->second;
    if (marked_.size() >= 256) marked_.clear();
    return marked_.emplace(&person, AncestorsOf({&person})).first->second;
}

void KinshipEngine::MetCommonAncestor(const Tindividual& person) {
    ancestors_.push_back(&person);
    if (!reporter_) return;
    reporter_->AddMessage("    " + person.ListingText());
    reporter_->ShowStatus(
        FillInNumber(Msg::CommonAncestorsN, static_cast<int32_t>(ancestors_.size())),
        StatusColour::Error);
}

// The terms of a coefficient. Of a person with himself: half, and half the
// kinship of his parents. Of two persons: the routes up from b to the
// first ancestor (or self) of a on each, their weights (half per step)
// summed per ancestor met, each times that ancestor's kinship with a.
void KinshipEngine::Expand(Frame& frame) {
    const Tindividual& a = *frame.a;
    const Tindividual& b = *frame.b;
    if (&a == &b) {
        frame.base = 0.5L;
        if (a.mother && a.father) frame.terms.push_back({a.mother, a.father, 0.5L});
        return;
    }
    const std::unordered_set<const Tindividual*>& marked = MarkedAncestors(a);
    if (marked.count(&b)) {
        frame.terms.push_back({&b, &a, 1});
        return;
    }
    // The unmarked region above b, depth first, mother first; the meeting
    // ancestors in the order the routes first reach them.
    std::unordered_map<const Tindividual*, long double> weight{{&b, 0}};
    std::vector<const Tindividual*> meetings;
    std::unordered_map<const Tindividual*, long double> met;
    Persons postorder;
    std::vector<std::pair<const Tindividual*, std::size_t>> stack{{&b, 0}};
    while (!stack.empty()) {
        auto& [person, next] = stack.back();
        const Parents parents = ParentsOf(*person);
        if (next < parents.size()) {
            const Tindividual* parent = parents[next++];
            if (marked.count(parent)) {
                if (met.emplace(parent, 0).second) meetings.push_back(parent);
            } else if (weight.emplace(parent, 0).second) {
                stack.emplace_back(parent, 0);
            }
            continue;
        }
        postorder.push_back(person);
        stack.pop_back();
    }
    // Children before parents: each person's weight is complete before it
    // is handed on.
    weight[&b] = 1;
    for (auto it = postorder.rbegin(); it != postorder.rend(); ++it) {
        const long double half = weight[*it] / 2;
        for (const Tindividual* parent : ParentsOf(**it)) {
            if (marked.count(parent))
                met[parent] += half;
            else
                weight[parent] += half;
        }
    }
    for (const Tindividual* meeting : meetings) frame.terms.push_back({meeting, &a, met[meeting]});
}

long double KinshipEngine::Kinship(const Tindividual& a, const Tindividual& b) {
    if (interrupted_) return 0.5L;
    if (std::optional<long double> cached = Cached(&a, &b)) return *cached;
    std::vector<Frame> stack;
    stack.push_back(Frame{&a, &b, {}, 0, 0, 0, false});
    std::unordered_set<std::pair<const void*, const void*>, PairHash> open;
    long double result = 0;
    bool returned = false;  // result holds the value of the frame just finished
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (!frame.expanded) {
            if (reporter_ && ++calls_ % 1024 == 0 && reporter_->CheckInterrupted())
                interrupted_ = true;
            if (interrupted_) return 0.5L;
            if (std::optional<long double> cached = Cached(frame.a, frame.b)) {
                result = *cached;
                returned = true;
                stack.pop_back();
                continue;
            }
            // Only a person who is his own ancestor makes a coefficient
            // depend on itself.
            if (!open.emplace(frame.a, frame.b).second) {
                if (reporter_) {
                    reporter_->AddMessage(MessageText(Msg::InfiniteLoop), true);
                    reporter_->AddMessage(MessageText(Msg::ChildIsOwnAncestor), true);
                }
                interrupted_ = true;
                return 0.5L;
            }
            Expand(frame);
            frame.expanded = true;
            frame.next = frame.terms.size();
            returned = false;
        }
        if (returned) {
            frame.sum += result * frame.terms[frame.next].weight;
            returned = false;
        }
        if (frame.next > 0) {
            --frame.next;
            const Frame::Term term = frame.terms[frame.next];
            stack.push_back(Frame{term.x, term.y, {}, 0, 0, 0, false});
            continue;
        }
        result = frame.base + frame.sum;
        open.erase({frame.a, frame.b});
        Store(frame.a, frame.b, result);
        if (frame.a == frame.b) MetCommonAncestor(*frame.a);
        returned = true;
        stack.pop_back();
    }
    return result;
}

long double KinshipEngine::Inbreeding(const Tindividual& person) {
    if (!person.mother || !person.father) return 0;
    return Kinship(*person.mother, *person.father);
}

std::optional<long double> GenerationDistance(long double kinship) {
    if (std::fabs(kinship) < 1e-100L) return std::nullopt;
    return 0 - (std::log2(kinship) + 1);  // 0 for a person with himself, not -0
}

std::string PersonLetter(std::size_t i) {
    std::string code;
    for (std::size_t n = i + 1; n > 0; n = (n - 1) / 26)
        code.insert(code.begin(), static_cast<char>('A' + (n - 1) % 26));
    return code;
}

std::vector<std::string> KinshipReportLines(const Persons& persons,
                                            const std::vector<std::vector<long double>>& m) {
    const std::size_t k = persons.size();
    std::vector<std::string> lines{"", std::string(MessageText(Msg::CodingOfPersons))};
    for (std::size_t i = 0; i < k; ++i)
        lines.push_back("    " + PersonLetter(i) + " : " + persons[i]->ListingText());
    const std::string separator = Separator(k);
    lines.push_back(separator);
    lines.push_back("");
    lines.push_back(std::string(MessageText(Msg::KinshipCoefficientsPercent)));
    lines.push_back(separator);
    for (std::size_t i = 0; i < k; ++i) {
        std::string row = "  " + PersonLetter(i) + " : ";
        for (std::size_t j = 0; j < i; ++j) row += MatrixEntry(100 * m[i][j]);
        lines.push_back(row + "      *");
    }
    lines.push_back(Footer(k));
    lines.push_back(separator);
    lines.push_back(std::string(MessageText(Msg::KinshipCoefficientsInGenerations)));
    lines.push_back(separator);
    for (std::size_t i = 0; i < k; ++i) {
        std::string row = "  " + PersonLetter(i) + " : ";
        for (std::size_t j = 0; j < i; ++j) {
            const std::optional<long double> g = GenerationDistance(m[i][j]);
            row += !g ? std::string("      ?         ") : MatrixEntry(std::fabs(*g), *g < 0);
        }
        lines.push_back(row + "      *");
    }
    lines.push_back(Footer(k));
    lines.push_back(separator);
    return lines;
}

std::string KinshipFileNumber(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14Le", std::fabs(value));
    std::string mantissa(text, 16);  // d.dddddddddddddd
    const int exponent = std::atoi(text + 17);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return (value < 0 ? "-" : " ") + mantissa + tail;
}

Persons KinshipChartPersons(const Persons& chosen, const Persons& commonAncestors) {
    const std::unordered_set<const Tindividual*> above = AncestorsOf(chosen);
    std::unordered_map<const Tindividual*, Persons> children;
    for (const Tindividual* person : above)
        for (const Tindividual* parent : ParentsOf(*person))
            if (above.count(parent)) children[parent].push_back(person);
    std::unordered_set<const Tindividual*> reached;
    Persons order;
    Persons stack;
    for (const Tindividual* ancestor : commonAncestors)
        if (above.count(ancestor) && reached.insert(ancestor).second) {
            order.push_back(ancestor);
            stack.push_back(ancestor);
        }
    while (!stack.empty()) {
        const Tindividual* person = stack.back();
        stack.pop_back();
        auto found = children.find(person);
        if (found == children.end()) continue;
        for (const Tindividual* child : found->second)
            if (reached.insert(child).second) {
                order.push_back(child);
                stack.push_back(child);
            }
    }
    return order;
}

std::optional<std::vector<std::vector<long double>>> KinshipReport(const Persons& persons,
                                                                   KinshipEngine& engine,
                                                                   Reporter& reporter) {
    reporter.ShowStatus(MessageText(Msg::CalculatingKinshipCoefficients), StatusColour::Error);
    reporter.AddMessage(FillIn(Msg::CommonAncestorsN, ""));
    const std::size_t k = persons.size();
    std::vector<std::vector<long double>> m(k, std::vector<long double>(k, 0));
    for (std::size_t i = 1; i < k; ++i)
        for (std::size_t j = 0; j < i; ++j) {
            m[i][j] = engine.Kinship(*persons[i], *persons[j]);
            if (engine.Interrupted() || reporter.RunState() == kRunError) return std::nullopt;
        }
    for (std::size_t i = 0; i < k; ++i) m[i][i] = 1;
    for (const std::string& line : KinshipReportLines(persons, m)) reporter.AddMessage(line);
    return m;
}

bool SaveKinshipFile(const std::string& file, const Persons& persons, KinshipEngine& engine,
                     Reporter& reporter) {
    SafeFile out(file);
    out.Write(ToUtf8(MessageText(Msg::Persons)) + "\r\n");
    for (const Tindividual* person : persons)
        out.Write(ToUtf8(person->FullName(NameStyle::Proper)) + "\r\n");
    out.Write("\r\n" + ToUtf8(MessageText(Msg::KinshipCoefficients)) + "\r\n");
    reporter.AddMessage(FillIn(Msg::CommonAncestorsN, ""));
    reporter.ShowStatus(MessageText(Msg::CalculatingKinshipCoefficients), StatusColour::Error);
    for (std::size_t i = 0; i < persons.size() && !engine.Interrupted(); ++i) {
        std::string row;
        for (std::size_t j = 0; j <= i; ++j) {
            row += KinshipFileNumber(engine.Kinship(*persons[i], *persons[j])) + ";";
            if (engine.Interrupted()) break;
        }
        out.Write(row + "\r\n");
    }
    if (engine.Interrupted()) {
        out.Abandon();
        return false;
    }
    if (!out.Commit()) {
        reporter.AddMessage(
            FillInAll(Msg::UnableToWritePages, {out.Error().file, out.Error().reason}), true);
        return false;
    }
    reporter.AddMessage(MessageText(Msg::CoefficientsWrittenInSeparated));
    reporter.ShowStatus(MessageText(Msg::CalculationsCompleted), StatusColour::Normal);
    return true;
}

void AnalyseKinship(Database& db, ChartList& charts, Reporter& reporter,
                    const KinshipRequest& request) {
    charts.Clear();
    TindividualList& list = db.persons;
    Persons chosen;
    const std::vector<std::string> none;
    const std::vector<std::string>& remembered = request.probands ? *request.probands : none;
    if (request.dialog) {
        std::vector<std::string> texts;
        std::vector<std::size_t> marked;
        const std::unordered_set<std::string> ids(remembered.begin(), remembered.end());
        texts.reserve(list.Count());
        for (std::size_t i = 0; i < list.Count(); ++i) {
            const Tindividual& person = list[i];
            texts.push_back(request.largeKinship
                                ? person.FullName(NameStyle::Proper) + person.BirthYearSuffix()
                                : person.ListingText());
            if (ids.count(person.ID)) marked.push_back(i);
        }
        std::optional<std::vector<std::size_t>> answer;
        {
            InterruptiblePause pause(reporter);
            answer = (*request.dialog)(texts, marked);
        }
        if (!answer) {
            reporter.SetRunState(kRunCancelled);
            return;
        }
        for (std::size_t i : *answer)
            if (i < list.Count()) chosen.push_back(&list[i]);
        if (request.probands) {
            request.probands->clear();
            for (const Tindividual* person : chosen) request.probands->push_back(person->ID);
        }
    } else {
        const std::unordered_set<std::string> ids(remembered.begin(), remembered.end());
        for (const auto& person : list)
            if (ids.count(person->ID)) chosen.push_back(person.get());
    }
    if (chosen.size() < 2) {
        reporter.AddMessage(MessageText(Msg::NoKinshipToShow), true);
        return;
    }
    reporter.AddMessage(MessageText(Msg::PressEscToInterrupt));
    KinshipEngine engine(&reporter);
    if (request.largeKinship) {
        const std::string file = request.saveFile ? (*request.saveFile)() : std::string();
        if (!file.empty()) SaveKinshipFile(file, chosen, engine, reporter);
        return;
    }
    if (!KinshipReport(chosen, engine, reporter)) return;
    const Persons& ancestors = engine.CommonAncestors();
    if (ancestors.empty()) {
        reporter.AddMessage(MessageText(Msg::NoCommonAncestors));
        reporter.SetRunState(kRunCancelled);
        reporter.ShowStatus(MessageText(Msg::NoChartToShow), StatusColour::Normal);
        return;
    }
    // The chart's boxes: the persons through whom the genes pass.
    const Persons members = KinshipChartPersons(chosen, ancestors);
    std::unordered_map<const Tindividual*, TlossPerson*> boxes;
    std::vector<TlossPerson*> nodes;
    for (const Tindividual* person : members) {
        auto node = std::make_unique<TlossPerson>();
        node->person = const_cast<Tindividual*>(person);
        if (request.marriages) node->name = request.marriages(*person);
        node->index = static_cast<int32_t>(nodes.size());
        TlossPerson& added = charts.pool.Add(std::move(node));
        boxes.emplace(person, &added);
        nodes.push_back(&added);
    }
    for (TlossPerson* node : nodes)
        for (const Tindividual* parent : ParentsOf(*node->person)) {
            auto found = boxes.find(parent);
            if (found == boxes.end()) continue;
            node->parents.push_back(found->second);
            found->second->children.push_back(node);
        }
    if (!PlaceGenerations(nodes, reporter)) return;
    reporter.AddMessage(ChartDepthWarning());
    reporter.ShowStatus(MessageText(Msg::BuildingChart), StatusColour::Error);
    std::vector<TlossPerson*> group = nodes;
    std::vector<TlossPerson*> youngest;
    const bool complete = PrepareGroup(group, youngest, request.chartDepth);
    if (!PlaceGroup(group, youngest, 1, 0, reporter)) return;
    TlossPerson* first = boxes.count(chosen.front()) ? boxes[chosen.front()] : group.front();
    TinbredPerson& chart = AssembleGraphChart(group, *first, complete, charts);
    const std::unordered_set<const Tindividual*> picked(chosen.begin(), chosen.end());
    const std::unordered_set<const Tindividual*> common(ancestors.begin(), ancestors.end());
    charts.selection.clear();
    for (TlossPerson* box : chart.nodes) {
        box->shade = 255;
        box->completeness = 1;
        box->visited = box->highlight = picked.count(box->person) > 0;
        if (common.count(box->person)) {
            box->shade = 220;
            charts.selection.push_back({box->person->ListingText(), box});
        }
    }
    reporter.ShowStatus(FillIn(Msg::ReadyToViewN, ""), StatusColour::Normal);
}

}  // namespace lg
