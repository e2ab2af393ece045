// Starting on a position: it fills the form exactly as `quorvane convert` fills its form; one
// that cannot be read says why on screen. Also the program itself, run as a user runs it:
// screenshots, --locate, the convert command and a usage error.
#include "app/convert_command.h"
#include "core/position_reader.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QDir>
#include <QImage>
#include <QLoggingCategory>
#include <QMutex>
#include <QRegularExpression>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

namespace {

// What the converter page may create before its first frame, started on a position (the form
// filled; the grid references, below the first screen, are made after it). A feature that adds
// to the first frame raises it knowingly, after tools/bench-startup.sh has shown what the
// objects cost.
constexpr qsizetype kFirstFrameObjectLimit = 269;

// The page's objects: its QObject descendants and its visual descendants (items placed in it
// without being its QObject children), each once.
qsizetype countObjects(QObject& root) {
    QSet<QObject*> seen;
    QList<QObject*> pending{&root};
    while (!pending.isEmpty()) {
        QObject* object = pending.takeLast();
        if (seen.contains(object)) continue;
        seen.insert(object);
        pending += object->children();
        if (const auto* item = qobject_cast<QQuickItem*>(object))
            for (QQuickItem* child : item->childItems())
                pending += child;
    }
    return seen.size();
}

// The modules QML imports, from the engine's import trace, while recordImports() is installed.
QMutex importsLock; // the QML loader thread reports too
QStringList importedModules;

void recordImports(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (qstrcmp(context.category, "qt.qml.import") != 0 || !message.startsWith("addLibraryImport"))
        return;
    const QMutexLocker lock(&importsLock);
    importedModules << message.section(u'"', 1, 1);
}

} // namespace

class OpenPositionTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstFrameKeepsItsObjectLimit() {
        const SettingsFolder settings;
        qt::AppSession session;
        QLoggingCategory::setFilterRules(QStringLiteral("qt.qml.import.debug=true"));
        const QtMessageHandler previousHandler = qInstallMessageHandler(recordImports);
        const bool loaded = session.load();
        qInstallMessageHandler(previousHandler);
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(loaded);
        // Qt Quick Controls load with the first page built from them (the settings): their
        // types' registration alone cost a fifth of the start-up.
        QVERIFY(importedModules.contains(QStringLiteral("Quorvane.Main")));
        const QRegularExpression controls(QStringLiteral("^QtQuick[.](Controls|Templates)"));
        QVERIFY2(importedModules.filter(controls).isEmpty(), qPrintable(importedModules.join(' ')));
        QVERIFY(session.openPosition("48.8583701, 2.2944813"));
        QQuickItem* page = session.screen().page();
        QVERIFY(page);
        const qsizetype count = countObjects(*page);
        QVERIFY2(count <= kFirstFrameObjectLimit, qPrintable(QString::number(count)));
    }

    void openedPositionFillsTheFormAsConvertDoes() {
        SettingsFolder settings;
        ScreenDriver screen(settings);
        QVERIFY(screen.loaded());
        QVERIFY(!screen.session().openPosition("91, 10"));
        QCOMPARE(screen.text("d7"), QString());
        QVERIFY2(screen.text("noticeLabel").contains("range"),
                 qPrintable(screen.text("noticeLabel")));
        screen.tap("noticeCloseButton");
        QVERIFY(!screen.item("noticeBanner")->isVisible());

        // A geo: URI stands for its signed degrees (the altitude left aside).
        QVERIFY(screen.session().openPosition("GEO:-48.8583701,2.2944813,35"));
        ConversionForm convert(DecimalMode::point);
        convert.enter(readPosition("-48.8583701, 2.2944813"));
        for (const FieldInfo& f : kFields)
            QCOMPARE(screen.text(qtName(f.name)),
                     QString::fromStdString(convert.view().text(f.id)));
        for (const SelectorInfo& c : kSelectors)
            QCOMPARE(screen.selectorIndex(qtName(c.name)), convert.view().selectedIndex(c.id));
        QCOMPARE(screen.editingField(), QString());
    }

    // A screenshot pictures the whole form, taller than the window; --locate fills it first.
    // Neither touches the user's settings.
    void theProgramTakesScreenshots() {
        QTemporaryDir dir, home;
        const auto shot = [&](const QString& name, const QStringList& more) {
            const QString file = dir.filePath(name);
            const Run run =
                runQuorvane(QStringList{"--size", "400x700", "--screenshot", file} + more,
                            {"XDG_CONFIG_HOME=" + home.path(), "QUORVANE_POSITION_SOURCE"});
            return run.exitCode == 0 ? QImage(file) : QImage();
        };
        const QImage plain = shot("plain.png", {});
        const QImage located =
            shot("located.png", {"--locate", "--position-source",
                                 "nmea:" QUORVANE_LOCATION_TEST_DATA "/sydney.nmea"});
        QCOMPARE(plain.width(), 400);
        QVERIFY2(plain.height() > 700, qPrintable(QString::number(plain.height())));
        QCOMPARE(located.size(), plain.size());
        QVERIFY(located != plain);
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{});
    }

    void theProgramRunsConvertAndExplainsUsageErrors() {
        Run run = runQuorvane({"convert", "--decimal-point", "-45.5, 73.25"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.endsWith("-45.5, 73.25\n"), qPrintable(run.output));
        run = runQuorvane({"--self-test"}, {"QUORVANE_POSITION_SOURCE=satellite"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.output.contains("QUORVANE_POSITION_SOURCE: unknown position source"),
                 qPrintable(run.output));
    }
};

QUORVANE_UI_TEST(OpenPositionTest);
#include "open_position_test.moc"
