#pragma once
// The small tool window beside the chart window for adjusting the boxes,
// spaces, name length and font size while watching the chart change. It is
// not modal, so that the chart stays in view and a click on it ends the
// adjusting; it also closes when it loses the focus, or with its button.

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

#include "app/settings.h"

class QLabel;
class QSpinBox;

namespace lg::gui {

// A tool window editing the current settings' dimensions, each change at once.
class TDimensionsForm : public QDialog {
    Q_OBJECT

  public:
    explicit TDimensionsForm(Settings& settings, QWidget* parent = nullptr);

    // Charts that do not shorten names have no use for the name length.
    void SetNameLengthEnabled(bool enabled);

    // Called after each change has been stored.
    std::function<void()> onChanged;

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    static constexpr std::size_t kFieldCount = 6;
    struct Field {
        QLabel* label = nullptr;
        QSpinBox* spin = nullptr;
        int32_t Tvariables::*setting = nullptr;
    };

    Settings& settings_;
    std::array<Field, kFieldCount> fields_;
    // A tool window need not be activated when shown; only losing a focus
    // it had closes it.
    bool wasActive_ = false;
};

}  // namespace lg::gui
