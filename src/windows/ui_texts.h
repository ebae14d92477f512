#pragma once
// The core's English catalogue texts as the widgets show them: in the
// language of the installed interface translation when it has them, in
// English otherwise. The core knows nothing of Qt, so these texts are
// translated here, at the widget, under one fixed context.
//
// lupdate cannot see texts that live in the core's catalogue. The tables
// below name every catalogue text a widget shows, so that the translation
// files list them; a test holds each entry to its catalogue text.

#include <QString>
#include <span>
#include <string_view>

#include "base/messages.h"
#include "charts/settings_types.h"

namespace lg::gui {

// The translation context of the catalogue texts and of the chart type list.
inline constexpr const char* kCatalogueContext = "Catalogue";
inline constexpr const char* kChartTypeContext = "ChartType";

struct CatalogueEntry {
    Msg id;
    const char* english;  // UTF-8, as the translation files hold it
};
// The catalogue texts that widgets show, by Msg id.
std::span<const CatalogueEntry> WidgetCatalogueTexts();

struct ChartTypeEntry {
    ChartType type;
    const char* english;
};
// The chart type list's item texts (app/main_form.h), by chart type.
std::span<const ChartTypeEntry> ChartTypeTexts();

// A catalogue text in the interface's language.
QString UiText(Msg id);
// Any English catalogue text (internal code page), e.g. one the core chose.
QString UiText(std::string_view english);

// A hint the core composed of catalogue texts, one per line, some after a
// short code ("a : alive", "@ = ..."): each line in the interface's
// language, the codes kept.
QString UiLines(std::string_view composed);

// A message box text from the core: a catalogue text as it is, or with its
// one placeholder filled in; anything else stays as it came.
QString UiDialogText(std::string_view text);

// A chart type list item in the interface's language.
QString UiChartTypeText(std::string_view english);

}  // namespace lg::gui
