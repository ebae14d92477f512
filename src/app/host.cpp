#include "app/host.h"

#include "app/session.h"

namespace lg {

ProbandChoice Host::ChooseProband(Session& session) {
    const auto& probands = session.settings.current.probands;
    ProbandChoice choice;
    if (!probands.empty()) choice.selected = session.Db().persons.Find(probands.front());
    return choice;
}

std::optional<std::vector<std::size_t>> Host::ChooseInbred(
    Session&, const std::vector<std::string>&, const std::vector<std::size_t>& remembered) {
    return remembered;
}

std::optional<std::vector<std::size_t>> Host::ChooseKinship(
    Session&, const std::vector<std::string>&, const std::vector<std::size_t>& remembered, bool) {
    return remembered;
}

std::string Host::AskSaveFile(const std::string&, const std::string&, const std::string&) {
    return {};
}

}  // namespace lg
