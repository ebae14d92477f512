#pragma once
// The selection dialog of the pedigree-loss analysis: every inbred person
// in the left list, the chosen ones (at most ten) in the right list. An
// empty right list means every person gets his chart.

#include <QDialog>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/messages.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace lg::gui {

class TInbreedingForm : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMaxChosen = 10;

    // The listing texts of the left list and the positions that start in
    // the right list.
    TInbreedingForm(const std::vector<std::string>& texts,
                    const std::vector<std::size_t>& remembered, QWidget* parent = nullptr);
    ~TInbreedingForm() override = default;

    // After OK the right list's positions in order (empty: all); after
    // Cancel, Esc or closing nothing.
    std::optional<std::vector<std::size_t>> Result() const { return result_; }

    // The commands, for the buttons, the keys and tests.
    void AddButtonClick();
    void DeleteButtonClick();
    void ClearButtonClick();
    void OKButtonClick();
    void CancelButtonClick();

    QListWidget& GedcomList() { return *left_; }
    QListWidget& MatrixList() { return *right_; }
    QPushButton& OKButton() { return *okButton_; }

  protected:
    // What a derived dialog asks for: the memo's sentence on the right
    // list, the most it holds (0: no limit), whether an empty right list
    // means all.
    struct Purpose {
        Msg about;
        int maxChosen;
        bool emptyMeansAll;
    };
    TInbreedingForm(const std::vector<std::string>& texts,
                    const std::vector<std::size_t>& remembered, const Purpose& purpose,
                    QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

  private:
    void AddRight(int leftRow);
    void UpdateOKCaption();

    Purpose purpose_;

    QListWidget* left_ = nullptr;
    QListWidget* right_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QPushButton* okButton_ = nullptr;
    std::optional<std::vector<std::size_t>> result_;
};

// The selection dialog of the kinship analysis: every person in the left
// list, at least two of them (at most ten, any number with "largekinship")
// in the right one.
class TKinshipForm final : public TInbreedingForm {
    Q_OBJECT

  public:
    TKinshipForm(const std::vector<std::string>& texts, const std::vector<std::size_t>& remembered,
                 bool unlimited, QWidget* parent = nullptr);
};

}  // namespace lg::gui
