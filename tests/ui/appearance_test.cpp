// Light and dark: the screen follows the application palette the platform provides, also when
// it changes, and QUORVANE_COLOR_SCHEME=light|dark overrides it.
#include "screen_driver.h"
#include "ui_test.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

using namespace quorvane::uitest;

class AppearanceTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        qunsetenv("QUORVANE_COLOR_SCHEME");
        QGuiApplication::setPalette(QPalette());
    }

    void schemeFromPaletteOrOverride_data() {
        QTest::addColumn<QString>("paletteWindow"); // window colour of the application palette
        QTest::addColumn<QByteArray>("override");
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << "#efefef" << QByteArray() << false;
        QTest::newRow("dark palette") << "#202020" << QByteArray() << true;
        QTest::newRow("dark on a light palette") << "#efefef" << QByteArray("dark") << true;
        QTest::newRow("light on a dark palette") << "#202020" << QByteArray(" Light ") << false;
        QTest::newRow("unknown: the palette") << "#202020" << QByteArray("sepia") << true;
    }
    void schemeFromPaletteOrOverride() {
        QFETCH(QString, paletteWindow);
        QFETCH(QByteArray, override);
        QFETCH(bool, dark);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(paletteWindow));
        QGuiApplication::setPalette(palette);
        if (!override.isEmpty()) qputenv("QUORVANE_COLOR_SCHEME", override);
        SettingsFolder settings;
        ScreenDriver screen(settings);
        QVERIFY(screen.loaded());
        const auto isDark = [&](const char* item) {
            return screen.item(item)->property("color").value<QColor>().lightness() < 128;
        };
        QCOMPARE(isDark("pageBackground"), dark);
        QCOMPARE(isDark("d1"), !dark); // the text

        // A latitude out of range tints its fields, in the scheme's own lightness.
        screen.typeInto("d1", "90");
        screen.typeInto("m1", "30");
        screen.typeInto("s1", "0");
        screen.tapBackground();
        QVERIFY(screen.item("d1_frame")->property("color") !=
                screen.item("d2_frame")->property("color"));
        QCOMPARE(isDark("d1_frame"), dark);

        if (!override.isEmpty()) return;
        palette.setColor(QPalette::Window, QColor(dark ? "#efefef" : "#202020"));
        QGuiApplication::setPalette(palette);
        QTRY_COMPARE(isDark("pageBackground"), !dark);
    }
};

QUORVANE_UI_TEST(AppearanceTest);
#include "appearance_test.moc"
