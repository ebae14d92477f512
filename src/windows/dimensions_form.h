#pragma once
// The small dialog beside the chart window for adjusting the boxes, spaces,
// name length and font size while watching the chart change.

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

#include "app/settings.h"

class QLabel;
class QSpinBox;

namespace lg::gui {

// A dialog editing the current settings' dimensions, each change at once.
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
};

}  // namespace lg::gui
