// The interface's translations: the catalogue texts the widgets show are
// the catalogue's own, the translation files are complete, and a loaded
// translation reaches captions and hints of both kinds of text.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <filesystem>
#include <map>
#include <set>

#include "app/main_form.h"
#include "base/fill_in.h"
#include "base/help_texts.h"
#include "gui/main_window.h"
#include "gui/options_form.h"
#include "render/qt_text.h"
#include "windows/ui_texts.h"

namespace lg::gui {
namespace {

const char* const kLanguages[] = {"de", "fr", "nl"};

TEST(Translation, WidgetTextTablesMatchTheCore) {
    std::set<Msg> seen;
    for (const CatalogueEntry& entry : WidgetCatalogueTexts()) {
        EXPECT_EQ(QString::fromUtf8(entry.english), ToQString(MessageText(entry.id)))
            << static_cast<int>(entry.id);
        EXPECT_TRUE(seen.insert(entry.id).second) << "twice: " << entry.english;
    }
    std::map<ChartType, std::string_view> items;
    for (const ChartTypeItem& item : ChartTypeItems()) items[item.type] = item.text;
    ASSERT_EQ(ChartTypeTexts().size(), items.size());
    for (const ChartTypeEntry& entry : ChartTypeTexts())
        EXPECT_EQ(entry.english, items[entry.type]);
}

// Each translation file: every message translated, its placeholders kept,
// and every catalogue text of the table listed.
TEST(Translation, TranslationFilesAreComplete) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%[A-Za-z0-9]+"));
    auto placeholders = [](const QString& text) {
        QStringList found;
        for (const QRegularExpressionMatch& m : kPlaceholder.globalMatch(text))
            found.append(m.captured());
        found.sort();
        return found;
    };
    for (const char* language : kLanguages) {
        const std::filesystem::path path = std::filesystem::path(LG_SOURCE_DIR) / "translations" /
                                           ("lignorama_" + std::string(language) + ".ts");
        QFile file(QString::fromStdString(path.string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        std::set<QString> catalogue;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const QStringView name = xml.name();
            if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"source") {
                source = xml.readElementText();
                if (context == QLatin1String(kCatalogueContext)) catalogue.insert(source);
            } else if (name == u"translation") {
                ++messages;
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                const QString text = xml.readElementText();
                EXPECT_TRUE(type.isEmpty()) << language << ": " << type.toStdString() << " \""
                                            << source.toStdString() << "\"";
                EXPECT_FALSE(text.isEmpty()) << language << ": " << source.toStdString();
                EXPECT_EQ(placeholders(text), placeholders(source))
                    << language << ": " << text.toStdString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << language << ": " << xml.errorString().toStdString();
        EXPECT_GT(messages, 100) << language;
        for (const CatalogueEntry& entry : WidgetCatalogueTexts())
            EXPECT_EQ(catalogue.count(QString::fromUtf8(entry.english)), 1u)
                << language << " lacks \"" << entry.english << "\"";
        // The help windows look their texts up line by line.
        for (const std::string& help :
             {DescendantWindowHelp(), OffspringWindowHelp(), PedigreeWindowHelp(),
              InbreedingWindowHelp(), KinshipWindowHelp(), SelectionHelp()}) {
            for (const QString& line : ToQString(help).split(QStringLiteral("\r\n"))) {
                if (line.isEmpty()) continue;
                EXPECT_EQ(catalogue.count(line), 1u)
                    << language << " lacks the help line \"" << line.toStdString() << "\"";
            }
        }
    }
}

#ifdef LG_HAVE_TRANSLATIONS

TEST(Translation, OptionsListTheBuiltLanguages) {
    Settings settings;
    TOptionsForm form(settings);
    form.translationDirectory = QStringLiteral(LG_PROGRAM_DIR);
    form.show();
    auto* box = form.findChild<QComboBox*>(QStringLiteral("languageCB"));
    ASSERT_NE(box, nullptr);
    ASSERT_GE(box->count(), 4);
    EXPECT_EQ(box->itemText(0), "");  // the system's language
    for (int i = 0; i < 3; ++i) EXPECT_EQ(box->itemText(i + 1), kLanguages[i]);
}

// Installs a translation for the test's lifetime.
struct InstalledTranslation {
    explicit InstalledTranslation(const char* language) {
        const QString file = QStringLiteral(LG_PROGRAM_DIR "/lignorama_%1.qm").arg(language);
        loaded = translator.load(file) && QCoreApplication::installTranslator(&translator);
    }
    ~InstalledTranslation() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
    bool loaded = false;
};

TEST(Translation, DutchReachesCaptionsHintsAndDialogs) {
    {
        InstalledTranslation dutch("nl");
        ASSERT_TRUE(dutch.loaded);
        TMainForm form;
        // Catalogue texts: a caption and a hint.
        auto* go = form.findChild<QPushButton*>(QStringLiteral("GoButton"));
        auto* browse = form.findChild<QPushButton*>(QStringLiteral("GedcomFileBrowse"));
        ASSERT_TRUE(go && browse);
        EXPECT_EQ(go->text(), "Diagram maken");
        EXPECT_EQ(browse->text(), "Bladeren");
        EXPECT_EQ(browse->toolTip(), "Kies uw GEDCOM-bronbestand");
        // The program's own texts: a caption and a hint.
        auto* defaults = form.findChild<QPushButton*>(QStringLiteral("DefaultsButton"));
        ASSERT_NE(defaults, nullptr);
        EXPECT_EQ(defaults->text(), "Standaardwaarden");
        EXPECT_EQ(defaults->toolTip(), "De standaardinstellingen van dit soort diagram");
        // Composed hints and filled-in dialog texts keep their codes and values.
        const QString scheme =
            form.findChild<QLineEdit*>(QStringLiteral("NamingSchemeEdit"))->toolTip();
        EXPECT_TRUE(scheme.startsWith("Namen tonen/verbergen\nVoorwaarden\na : levend\n"))
            << scheme.toStdString();
        EXPECT_EQ(UiDialogText(FillIn(Msg::NotAValidNumber, "-5")), "-5 is geen geldig getal.");
        EXPECT_EQ(UiDialogText("AutoRun failed"), "AutoRun failed");
        EXPECT_EQ(UiChartTypeText("Pedigree (HTML)"), "Kwartierstaat (HTML)");
    }
    // Without it, English again.
    EXPECT_EQ(UiText(Msg::MakeChartCaption), "Make Chart");
}

#endif

}  // namespace
}  // namespace lg::gui
