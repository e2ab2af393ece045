// Light and dark: the screen follows the application palette the platform provides, and
// QUORVANE_COLOR_SCHEME=light|dark overrides it.
#include "screen_driver.h"
#include "ui_test.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

using namespace quorvane::uitest;

class AppearanceTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }
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
        QTest::newRow("dark asked for on a light palette")
            << "#efefef" << QByteArray("dark") << true;
        QTest::newRow("light asked for on a dark palette")
            << "#202020" << QByteArray(" Light ") << false;
        QTest::newRow("unknown request follows the palette")
            << "#202020" << QByteArray("sepia") << true;
    }
    void schemeFromPaletteOrOverride() {
        QFETCH(QString, paletteWindow);
        QFETCH(QByteArray, override);
        QFETCH(bool, dark);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(paletteWindow));
        QGuiApplication::setPalette(palette);
        if (!override.isEmpty()) qputenv("QUORVANE_COLOR_SCHEME", override);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        const QColor background = screen.item("pageBackground")->property("color").value<QColor>();
        QCOMPARE(background.lightness() < 128, dark);
        const QColor text = screen.item("d1")->property("color").value<QColor>();
        QCOMPARE(text.lightness() > 128, dark);

        // A latitude out of range tints its fields, in the scheme's own lightness.
        screen.set({"d7=90.5"});
        screen.tap("copy4");
        const auto fill = [&](const char* frame) {
            return screen.item(frame)->property("color").value<QColor>();
        };
        QVERIFY(fill("d1_frame") != fill("d2_frame"));
        QCOMPARE(fill("d1_frame").lightness() < 128, dark);
    }

    // A palette change while the screen is up (the desktop switched themes) is followed.
    void followsAPaletteChange() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QPalette dark;
        dark.setColor(QPalette::Window, QColor("#202020"));
        QGuiApplication::setPalette(dark);
        QTRY_VERIFY(screen.item("pageBackground")->property("color").value<QColor>().lightness() <
                    128);
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(AppearanceTest);
#include "appearance_test.moc"
