#pragma once
// The Options dialog: the options shared by every chart type, each stored
// the moment it is clicked, and the user-interface language override.

#include <QDialog>
#include <QStringList>
#include <functional>

#include "app/settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;

namespace lg::gui {

// A dialog editing Settings::options in place.
class TOptionsForm : public QDialog {
    Q_OBJECT

  public:
    explicit TOptionsForm(Settings& settings, QWidget* parent = nullptr);

    // Called after each change of an option (not of the language override).
    std::function<void()> onChanged;
    // Where the language list looks for translation files: the program's
    // directory (tests point it at the build's).
    QString translationDirectory;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // A titled group of radio buttons whose ids are their indexes; a click
    // passes the index to `store`.
    QGroupBox* RadioGroup(const QString& objectName, const QString& title, const QStringList& items,
                          QButtonGroup*& group, std::function<void(int)> store);
    void Changed();
    void ShowOptions();
    void FillLanguages();

    Settings& settings_;
    QButtonGroup* truncatePlacenames_ = nullptr;
    QButtonGroup* patronym_ = nullptr;
    QButtonGroup* baptise_ = nullptr;
    QButtonGroup* burial_ = nullptr;
    QButtonGroup* placenameBrackets_ = nullptr;
    QButtonGroup* properNames_ = nullptr;
    QButtonGroup* bookmarks_ = nullptr;
    QButtonGroup* gedcomChecks_ = nullptr;
    QCheckBox* gedcomNotes_ = nullptr;
    QComboBox* language_ = nullptr;
};

}  // namespace lg::gui
