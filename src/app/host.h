#pragma once
// What the core asks of the surface it runs under: the message outlets of
// MessageSink plus the dialogs. The desktop program answers with widgets,
// the command line and the batch mode without them, tests with a fake.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/collation.h"
#include "base/reporter.h"
#include "charts/pedigree.h"

namespace lg {

class Session;

class Host : public MessageSink {
  public:
    // A modal message the user must acknowledge; the batch surfaces print it.
    virtual void ShowMessageBox(const std::string& text) = 0;

    // The proband selection dialog over the session's persons, whose
    // treeDepth is computed; it may change the current settings' proband
    // list. Surfaces without dialogs keep the remembered proband (none:
    // the automatic choice), which is what this default does.
    virtual ProbandChoice ChooseProband(Session& session);

    // The selection dialog of the pedigree-loss analysis: the inbred
    // persons' listing texts and the positions of the remembered ones.
    // Returns the chosen positions in order (empty: every person), nothing
    // when cancelled. Surfaces without dialogs answer the remembered ones.
    virtual std::optional<std::vector<std::size_t>> ChooseInbred(
        Session& session, const std::vector<std::string>& texts,
        const std::vector<std::size_t>& remembered);

    // The selection dialog of the kinship analysis over every person: at
    // most ten unless unlimited. Answers as ChooseInbred.
    virtual std::optional<std::vector<std::size_t>> ChooseKinship(
        Session& session, const std::vector<std::string>& texts,
        const std::vector<std::size_t>& remembered, bool unlimited);

    // A save dialog starting at the folder and file name; the chosen path,
    // empty when cancelled (which surfaces without dialogs always answer).
    virtual std::string AskSaveFile(const std::string& title, const std::string& directory,
                                    const std::string& name);

    // The order of the lists the user picks persons from (the proband list,
    // the chart windows' drop-downs). The desktop program follows the
    // user's locale; this default folds accents and case.
    virtual const Collation& PersonOrder() const { return FoldingCollation(); }
};

}  // namespace lg
