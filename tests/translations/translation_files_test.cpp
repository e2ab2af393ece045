// The translation files: complete in every shipped language, up to date with the sources (as
// lupdate would leave them), and holding every key the platform-free code asks the Translator
// for, in the context QtTranslator looks them up in.
#include "actions/maps_choice.h"
#include "actions/share_actions.h"
#include "core/memory_platform.h"
#include "location/location_flow.h"
#include "screens/main/accessible_names.h"
#include "screens/main/grid_card.h"
#include "screens/main/main_view_controller.h"
#include "screens/main/qt/translator_keys.h"
#include "screens/settings/default_maps_view_controller.h"
#include "screens/settings/grid_references_view_controller.h"
#include "screens/settings/settings_view_controller.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace quorvane {
namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

struct TsFile {
    QString language;
    std::vector<Message> messages;
};

TsFile readTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    TsFile ts;
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == u"TS") {
            ts.language = xml.attributes().value(QStringLiteral("language")).toString();
        } else if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message{context, {}, {}, {}};
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"translation") {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            message.translation = xml.readElementText();
            ts.messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return ts;
}

QStringList shippedTsFiles() {
    return QString::fromUtf8(QUORVANE_TS_FILES).split(u'|', Qt::SkipEmptyParts);
}

QString languageOf(const QString& path) {
    static const QRegularExpression kName(QStringLiteral("quorvane_([a-z]+)\\.ts$"));
    return kName.match(path).captured(1);
}

std::string describe(const QString& context, const QString& source) {
    return (context + QStringLiteral(": ") + source).toStdString();
}

std::multiset<QString> placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%\\d"));
    std::multiset<QString> found;
    for (auto it = kPlaceholder.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

std::set<std::pair<QString, QString>> keysOf(const TsFile& ts) {
    std::set<std::pair<QString, QString>> keys;
    for (const Message& m : ts.messages)
        keys.emplace(m.context, m.source);
    return keys;
}

TEST(TranslationFiles, EveryMessageIsTranslatedAndKeepsItsPlaceholders) {
    const QStringList files = shippedTsFiles();
    ASSERT_GE(files.size(), 2);
    for (const QString& path : files) {
        const TsFile ts = readTs(path);
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(ts.language.startsWith(languageOf(path))) << ts.language.toStdString();
        EXPECT_FALSE(ts.messages.empty());
        for (const Message& m : ts.messages) {
            const std::string where = describe(m.context, m.source);
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
            EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << where;
        }
    }
}

TEST(TranslationFiles, EveryLanguageHasTheSameKeys) {
    const QStringList files = shippedTsFiles();
    ASSERT_FALSE(files.isEmpty());
    const auto first = keysOf(readTs(files.front()));
    for (const QString& path : files)
        EXPECT_TRUE(keysOf(readTs(path)) == first) << path.toStdString();
}

// lupdate over the sources would leave each file exactly as it is: no text of the sources is
// missing (it would come in unfinished) and none is left over.
TEST(TranslationFiles, UpToDateWithTheSources) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    for (const QString& path : shippedTsFiles()) {
        SCOPED_TRACE(path.toStdString());
        const QString copy = work.filePath(QFileInfo(path).fileName());
        ASSERT_TRUE(QFile::copy(path, copy));
        QProcess lupdate;
        QStringList arguments = QString::fromUtf8(QUORVANE_LUPDATE_OPTIONS).split(u'|');
        arguments << QStringLiteral("-silent")
                  << (u'@' + QString::fromUtf8(QUORVANE_TRANSLATED_SOURCES_LIST))
                  << QStringLiteral("-ts") << copy;
        lupdate.start(QString::fromUtf8(QUORVANE_LUPDATE), arguments);
        ASSERT_TRUE(lupdate.waitForFinished(60000));
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

        const TsFile shipped = readTs(path);
        const TsFile updated = readTs(copy);
        for (const Message& m : updated.messages)
            EXPECT_TRUE(m.type.isEmpty())
                << "new in the sources: " << describe(m.context, m.source);
        for (const auto& [context, source] : keysOf(shipped))
            EXPECT_TRUE(keysOf(updated).contains({context, source}))
                << "no longer in the sources: " << describe(context, source);
        QFile a(path), b(copy);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll())
            << "lupdate rewrites the file: run `ninja update_translations`";
    }
}

// Records every key it is asked for.
struct KeyRecorder final : Translator {
    std::string translate(std::string_view key) const override {
        asked.emplace(key);
        return std::string(key);
    }
    mutable std::set<std::string> asked;
};

struct NoOutputs final : Clipboard, UrlOpener, CopyConfirmation, ShareSheet {
    void setText(std::string_view) override {}
    void openUrl(std::string_view) override {}
    void showCopied(std::string_view, std::string_view) override {}
    void share(std::string_view, std::string_view) override {}
};

// Runs everything of the platform-free code that looks texts up.
std::set<std::string> keysAskedByTheCode() {
    KeyRecorder keys;
    NoOutputs out;
    MemoryFormView view;
    MemorySettingsStore store;
    const FixedNumberFormat format(DecimalMode::point);
    MapsChoice maps(keys);

    MainViewController controller(MainScreenPlatform{view, store, format, keys, out, out, out, out},
                                  maps);
    view.setDelegate(&controller);
    controller.viewDidLoad();
    for (const NotationInfo& n : kNotations)
        controller.copyNotation(n.id);
    view.setText(FieldId::d7, "90.5"); // out of range: the refusal names both halves
    view.setText(FieldId::d8, "180.5");
    controller.copyNotation(Notation::dddddddd2);
    accessibleNames(keys);
    // The spoken values and the announcements.
    for (const FieldInfo& f : kFields)
        nameWithValue(f.name, spokenFieldValue(f.id, "-1", keys), keys);
    hemisphereAnnouncement(SelectorId::c1, 0, keys);
    locatingAnnouncement(keys);
    locatedAnnouncement("", keys);
    locatedAnnouncement("1 m", keys);

    shareSheetEntries(keys);
    performShareAction(ShareAction::sendEmail, {}, ShareServices{out, out, keys});
    // The sheet's own title and Cancel (asked by the Qt share sheet).
    keys.translate(kShareTitleKey);
    keys.translate(kShareCancelKey);

    lookUpLocationTexts(keys);
    const SettingsViewController settings(keys, out, maps, "https://example.org/privacy");
    for (std::size_t row = 0; row < settings.numberOfRows(0); ++row)
        settings.cellForRow({0, row});
    const DefaultMapsViewController picker(keys, store, maps);

    // The grid card's spoken names, its list in the settings, and the reason a position beyond
    // 90 degrees has no references.
    gridAccessibleNames(keys);
    grid::GridChoice gridChoice;
    const GridReferencesViewController gridList(keys, store, gridChoice, {});
    MemoryGridCardView gridView;
    GridCard card(GridCardPlatform{gridView, keys, out, out}, controller.form(), gridChoice);
    view.setText(FieldId::d7, "95");
    view.setText(FieldId::d8, "10");
    card.refresh();
    return keys.asked;
}

TEST(TranslationFiles, TranslatorKeysAreTheKeysTheCodeAsksFor) {
    std::set<std::string> listed;
    for (const char* key : qt::translatorKeys())
        EXPECT_TRUE(listed.emplace(key).second) << "listed twice: " << key;
    const std::set<std::string> asked = keysAskedByTheCode();
    for (const std::string& key : asked)
        EXPECT_TRUE(listed.contains(key)) << "asked for but not in translator_keys.cpp: " << key;
    for (const std::string& key : listed)
        EXPECT_TRUE(asked.contains(key)) << "listed but never asked for: " << key;

    for (const QString& path : shippedTsFiles()) {
        const auto keys = keysOf(readTs(path));
        for (const std::string& key : asked)
            EXPECT_TRUE(keys.contains(
                {QString::fromLatin1(qt::kTranslatorContext), QString::fromStdString(key)}))
                << path.toStdString() << " lacks " << key;
    }
}

} // namespace
} // namespace quorvane

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // for QProcess
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
