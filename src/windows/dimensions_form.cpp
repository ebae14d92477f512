#include "windows/dimensions_form.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lg::gui {

namespace {

struct FieldDescription {
    const char* label;
    const char* objectName;
    int32_t Tvariables::*setting;
    int minimum;
    int maximum;
};

// Font sizes outside 1 to 72 make no readable chart.
constexpr FieldDescription kFields[] = {
    {QT_TRANSLATE_NOOP("lg::gui::TDimensionsForm", "Box width"), "BoxWidthUpDown",
     &Tvariables::boxwidth, 0, kMaxEditNumber},
    {QT_TRANSLATE_NOOP("lg::gui::TDimensionsForm", "Box height"), "BoxHeightUpDown",
     &Tvariables::boxheight, 0, kMaxEditNumber},
    {QT_TRANSLATE_NOOP("lg::gui::TDimensionsForm", "Horizontal spacing"), "XspaceUpDown",
     &Tvariables::xspace, 0, kMaxEditNumber},
    {QT_TRANSLATE_NOOP("lg::gui::TDimensionsForm", "Vertical spacing"), "YspaceUpDown",
     &Tvariables::yspace, 0, kMaxEditNumber},
    {QT_TRANSLATE_NOOP("lg::gui::TDimensionsForm", "Name length"), "NameLengthUpDown",
     &Tvariables::namelength, 0, kMaxEditNumber},
    {QT_TRANSLATE_NOOP("lg::gui::TDimensionsForm", "Font size"), "FontSizeUpDown",
     &Tvariables::fontsize, 1, 72},
};

}  // namespace

TDimensionsForm::TDimensionsForm(Settings& settings, QWidget* parent)
    : QDialog(parent, Qt::Tool), settings_(settings) {
    setWindowTitle(tr("Adjust dimensions"));
    static_assert(std::size(kFields) == kFieldCount);
    auto* outer = new QVBoxLayout(this);
    auto* layout = new QFormLayout;
    outer->addLayout(layout);
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldDescription& d = kFields[i];
        Field& field = fields_[i];
        field.setting = d.setting;
        field.spin = new QSpinBox;
        field.spin->setObjectName(QString::fromLatin1(d.objectName));
        field.spin->setRange(d.minimum, d.maximum);
        field.label = new QLabel(tr(d.label));
        field.label->setBuddy(field.spin);
        layout->addRow(field.label, field.spin);
        connect(field.spin, &QSpinBox::valueChanged, this, [this, setting = d.setting](int value) {
            settings_.current.*setting = value;
            settings_.changed = true;
            if (onChanged) onChanged();
        });
    }
    auto* close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    outer->addLayout(buttons);
    // Wide enough that the title bar shows the caption whole beside its
    // buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 120);
}

void TDimensionsForm::SetNameLengthEnabled(bool enabled) {
    for (Field& field : fields_) {
        if (field.setting == &Tvariables::namelength) {
            field.label->setEnabled(enabled);
            field.spin->setEnabled(enabled);
        }
    }
}

void TDimensionsForm::showEvent(QShowEvent* event) {
    for (Field& field : fields_) {
        const QSignalBlocker blocker(field.spin);
        field.spin->setValue(settings_.current.*field.setting);
    }
    QDialog::showEvent(event);
}

bool TDimensionsForm::event(QEvent* event) {
    // It stays only while the user works in it.
    if (event->type() == QEvent::WindowActivate) wasActive_ = true;
    if (event->type() == QEvent::WindowDeactivate && wasActive_) close();
    return QDialog::event(event);
}

}  // namespace lg::gui
