#include "gui/locale_collation.h"

#include <QCollator>

#include "render/qt_text.h"

namespace lg::gui {

std::vector<std::size_t> LocaleCollation::Order(const std::vector<std::string_view>& texts) const {
    // Case-insensitive collators compare at the secondary strength: the
    // base letters first, accents only to break a tie.
    const QLocale locale = locale_ ? *locale_ : QLocale();
    if (locale.language() == QLocale::C) return Collation::Order(texts);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (std::string_view text : texts) keys.push_back(collator.sortKey(ToQString(text)));
    return OrderByKeys(keys, texts);
}

}  // namespace lg::gui
