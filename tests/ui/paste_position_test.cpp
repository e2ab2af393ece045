// Pasting a whole position on the running screen: the toolbar's Paste button and the paste key
// with no field edited, a paste into a field, and text or links dropped on the window. Each fills
// every notation; the notice offers Undo, which puts the form back; a non-position shows why and
// changes nothing.
#include "core/form_model.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

namespace {

QStringList formState(const ScreenDriver& screen) {
    QStringList state;
    for (const FieldInfo& f : kFields)
        state << qtName(f.name) + '=' + screen.text(qtName(f.name));
    for (const SelectorInfo& s : kSelectors)
        state << qtName(s.name) + '=' + QString::number(screen.selectorIndex(qtName(s.name)));
    return state;
}

void drop(ScreenDriver& screen, const QMimeData& mime) {
    const QPoint centre(screen.window().width() / 2, screen.window().height() / 2);
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&screen.window(), &enter);
    QDropEvent dropped(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&screen.window(), &dropped);
}

} // namespace

class PastePositionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }

    // How the position arrives, the text, and the signed degrees it fills d7 and d8 with.
    void fillsTheFormAndUndoPutsItBack_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("filled");
        const QStringList lakeUnion{"d7=47.4725",  "c7=0",      "d8=122.2420833", "c8=1",
                                    "d3=47\u00b0", "m3=28.35'", "c3=0",           "c4=1"};
        QTest::newRow("Paste button") << "button"
                                      << "N 47° 28.350 W 122° 14.525" << lakeUnion;
        QTest::newRow("paste key") << "key"
                                   << "47.4725, -122.2420833" << lakeUnion;
        QTest::newRow("paste into a field") << "field"
                                            << "47.4725 N 122.2420833 W" << lakeUnion;
        QTest::newRow("dropped text") << "drop text"
                                      << "N 47° 28.350 W 122° 14.525" << lakeUnion;
        QTest::newRow("dropped link")
            << "drop link"
            << "geo:-33.8688197,151.2092955"
            << QStringList{"d7=33.8688197", "c7=1", "d8=151.2092955", "c8=0", "s1=7.751\""};
    }
    void fillsTheFormAndUndoPutsItBack() {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QStringList, filled);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d5", "10.5");
        screen.tapBackground();
        const QStringList before = formState(screen);

        QGuiApplication::clipboard()->setText(text);
        if (how == "button") {
            screen.tap("pasteButton");
        } else if (how == "key") {
            screen.keySequence(QKeySequence(QKeySequence::Paste));
        } else if (how == "field") {
            screen.typeInto("d1", "");
            screen.keySequence(QKeySequence(QKeySequence::Paste));
        } else {
            QMimeData mime;
            if (how == "drop text")
                mime.setText(text);
            else
                mime.setUrls({QUrl(text)});
            drop(screen, mime);
        }
        QTRY_COMPARE(screen.session().screen().notice(), QStringLiteral("Position pasted"));
        const QStringList state = formState(screen);
        for (const QString& expected : filled)
            QVERIFY2(state.contains(expected), qPrintable(expected + " in " + state.join(' ')));
        QCOMPARE(screen.editingField(), QString());

        screen.tap("noticeUndoButton");
        QCOMPARE(formState(screen), before);
        QCOMPARE(screen.session().screen().notice(), QString());
    }

    void aNonPositionShowsWhyAndChangesNothing() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d7", "12.5");
        screen.tapBackground();
        const QStringList before = formState(screen);
        QGuiApplication::clipboard()->setText("45.5 O, 73.25 E");
        screen.tap("pasteButton");
        QVERIFY2(screen.session().screen().notice().startsWith(
                     "Not a position: \"O\" is East in German"),
                 qPrintable(screen.session().screen().notice()));
        QVERIFY(!screen.shown("noticeUndoButton"));
        QCOMPARE(formState(screen), before);
    }

    void pasteControlsAreNamedAndSpoken() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QCOMPARE(screen.mismatches({"pasteButton=Paste"}, "accessibleName"), QString());
        QGuiApplication::clipboard()->setText("1, 2");
        screen.tap("pasteButton");
        QCOMPARE(screen.mismatches({"noticeUndoButton=Undo"}, "accessibleName"), QString());
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(PastePositionTest);
#include "paste_position_test.moc"
