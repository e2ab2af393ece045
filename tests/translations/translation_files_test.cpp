// The translation files: complete in every shipped language, up to date with the sources (as
// lupdate would leave them), and holding every key the platform-free code asks the Translator
// for, in the context QtTranslator looks them up in.
#include "actions/maps_names.h"
#include "actions/share_actions.h"
#include "location/location_flow.h"
#include "screens/main/grid_card.h"
#include "screens/main/qt/translator_keys.h"
#include "screens/settings/default_maps_view_controller.h"
#include "screens/settings/grid_references_view_controller.h"
#include "screens/settings/settings_view_controller.h"
#include "tests/support/fakes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace quorvane {
namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

std::vector<Message> readTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message{context, {}, {}, {}};
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"translation") {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            message.translation = xml.readElementText();
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList shippedTsFiles() {
    return QString::fromUtf8(QUORVANE_TS_FILES).split(u'|', Qt::SkipEmptyParts);
}

std::multiset<QString> placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%\\d"));
    std::multiset<QString> found;
    for (auto it = kPlaceholder.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

// Runs everything of the platform-free code that looks texts up.
std::set<std::string, std::less<>> keysAskedByTheCode() {
    const fakes::TableTranslator keys;
    fakes::Screen screen(keys);
    // Copies refused for the halves missing, one copied, one refused out of range.
    for (const auto& [d7, d8] : {std::pair{"", ""}, {"1", ""}, {"", "1"}, {"1", "1"}}) {
        screen.view.setText(FieldId::d7, d7);
        screen.view.setText(FieldId::d8, d8);
        screen.controller.copyNotation(Notation::dddddddd2);
    }
    screen.view.setText(FieldId::d7, "90.5"); // out of range: the refusal names both halves
    screen.view.setText(FieldId::d8, "180.5");
    screen.controller.copyNotation(Notation::dddddddd2);
    accessibleNames(keys);
    // The spoken values and the announcements.
    for (const FieldInfo& f : kFields)
        nameWithValue(f.name, spokenFieldValue(f.id, "-1", keys), keys);
    hemisphereAnnouncement(SelectorId::c1, 0, keys);
    locatingAnnouncement(keys);
    locatedAnnouncement("", keys);
    locatedAnnouncement("1 m", keys);

    shareSheetEntries(keys);
    performShareAction(ShareAction::sendEmail, {}, ShareServices{screen.out, screen.out, keys});
    // The sheet's own title and Cancel (asked by the Qt share sheet).
    keys.translate(kShareTitleKey);
    keys.translate(kShareCancelKey);

    lookUpLocationTexts(keys);
    const SettingsViewController settings(keys, screen.out, screen.maps, "https://example.org/p");
    for (std::size_t row = 0; row < settings.numberOfRows(0); ++row)
        settings.cellForRow({0, row});
    const DefaultMapsViewController picker(keys, screen.settings, screen.maps);

    // The grid card's spoken names, its list in the settings, and the reason a position beyond
    // 90 degrees has no references.
    gridAccessibleNames(keys);
    grid::GridChoice gridChoice;
    const GridReferencesViewController gridList(keys, screen.settings, gridChoice, {});
    MemoryGridCardView gridView;
    GridCard card(GridCardPlatform{gridView, keys, screen.out, screen.out},
                  screen.controller.form(), gridChoice);
    screen.view.setText(FieldId::d7, "95");
    screen.view.setText(FieldId::d8, "10");
    card.refresh();
    return keys.asked;
}

// Every message is translated and keeps its placeholders; every key the code asks for is there in
// the context QtTranslator looks it up in; the names the maps choice recognises are the ones the
// file gives; lupdate over the sources would leave the file exactly as it is (a text new in the
// sources would come in unfinished, one gone from them would be marked vanished).
TEST(TranslationFiles, CompleteAndUpToDateWithTheSources) {
    const auto asked = keysAskedByTheCode();
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    ASSERT_GE(shippedTsFiles().size(), 2);
    for (const QString& path : shippedTsFiles()) {
        SCOPED_TRACE(path.toStdString());
        std::map<std::string, std::string, std::less<>> texts;
        for (const Message& m : readTs(path)) {
            const std::string where = (m.context + QStringLiteral(": ") + m.source).toStdString();
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
            EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << where;
            if (m.context == QLatin1String(qt::kTranslatorContext))
                texts.emplace(m.source.toStdString(), m.translation.toStdString());
        }
        for (const std::string& key : asked)
            EXPECT_TRUE(texts.contains(key)) << "lacks " << key;
        const std::string language = QFileInfo(path).baseName().section(u'_', 1).toStdString();
        for (const ShippedText& shipped : shippedTexts())
            EXPECT_EQ(shippedText(shipped.key, language).value_or("?"),
                      texts[std::string(shipped.key)]);

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
        QFile a(path), b(copy);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll())
            << "lupdate rewrites the file: run `ninja update_translations`";
    }
}

TEST(TranslationFiles, TranslatorKeysAreTheKeysTheCodeAsksFor) {
    std::set<std::string, std::less<>> listed;
    for (const char* key : qt::translatorKeys())
        EXPECT_TRUE(listed.emplace(key).second) << "listed twice: " << key;
    EXPECT_EQ(listed, keysAskedByTheCode()) << "translator_keys.cpp lists other keys than asked";
}

} // namespace
} // namespace quorvane

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // for QProcess
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
