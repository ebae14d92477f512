#include "app/proband_selection.h"

#include "base/fill_in.h"
#include "base/messages.h"

namespace lg {

int32_t MinimumListedDepth(std::size_t personCount) {
    if (personCount < 17) return 1;
    if (personCount < 33) return 2;
    if (personCount < 257) return 3;
    if (personCount < 2049) return 4;
    if (personCount < 8001) return 5;
    return 6;
}

ProbandList ListProbands(const TindividualList& persons, const std::vector<std::string>& probands,
                         const Collation& order, Reporter& reporter) {
    ProbandList list;
    const std::string remembered = probands.empty() ? std::string() : probands.front();
    const int32_t depth = MinimumListedDepth(persons.Count());
    list.lines.reserve(persons.Count() / 2);
    std::size_t index = 0;
    for (const auto& person : persons) {
        if (!remembered.empty() && person->ID == remembered) list.remembered = person.get();
        if (person->treeDepth >= depth) {
            list.lines.push_back(
                {person->ListingText() + "  <" + std::to_string(person->treeDepth) + ">",
                 person.get()});
            if (list.lines.size() % 500 == 0) {
                int32_t toGo = static_cast<int32_t>(persons.Count() - index);
                reporter.ShowStatus(FillInNumber(Msg::PreparingSelectionListsN, toGo),
                                    StatusColour::Error);
            }
        }
        ++index;
    }
    std::vector<std::string_view> texts;
    texts.reserve(list.lines.size());
    for (const ProbandLine& line : list.lines) texts.push_back(line.text);
    std::vector<ProbandLine> sorted;
    sorted.reserve(texts.size());
    for (std::size_t i : order.Order(texts)) sorted.push_back(std::move(list.lines[i]));
    list.lines = std::move(sorted);
    for (std::size_t i = 0; i < list.lines.size(); ++i)
        if (list.remembered && list.lines[i].person == list.remembered)
            list.highlighted = static_cast<std::ptrdiff_t>(i);
    reporter.ShowStatus("", StatusColour::Normal);
    return list;
}

ProbandChoice AcceptProband(std::vector<std::string>& probands, Tindividual* highlighted,
                            const Tindividual* rememberedAtOpen, bool& changed) {
    probands.clear();
    if (highlighted) probands.push_back(highlighted->ID);
    if (highlighted != rememberedAtOpen) changed = true;
    return {false, highlighted};
}

void ClearProband(std::vector<std::string>& probands, bool& changed) {
    probands.clear();
    changed = true;
}

ProbandChoice CancelProband(Reporter& reporter) {
    reporter.SetRunState(kRunCancelled);
    return {true, nullptr};
}

}  // namespace lg
