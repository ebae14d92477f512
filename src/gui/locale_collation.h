#pragma once
// The desktop program's order of person lists: the collator of the user's
// locale, blind to case, with accents counting only between names that are
// otherwise alike, as a reader looks names up.

#include <QLocale>
#include <optional>

#include "base/collation.h"

namespace lg::gui {

class LocaleCollation final : public Collation {
  public:
    // Follows the default locale (the system's) at each ordering.
    LocaleCollation() = default;
    // Always orders as the locale does; for tests that must not depend on
    // the machine.
    explicit LocaleCollation(const QLocale& locale) : locale_(locale) {}

    // The texts are converted for the widgets and compared by their
    // collation keys, computed once each; ties go by bytes. The C locale
    // (LANG=C, C.UTF-8) has no collation but code order, so it orders as
    // the core folds.
    std::vector<std::size_t> Order(const std::vector<std::string_view>& texts) const override;

  private:
    std::optional<QLocale> locale_;
};

}  // namespace lg::gui
