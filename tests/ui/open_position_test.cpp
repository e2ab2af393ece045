// Starting on a position: `quorvane POSITION` and `quorvane geo:...` fill the form exactly as
// `quorvane convert` fills its form; a position that cannot be read leaves the form empty and
// says why on screen. Also the application's own headless modes, run as a user runs them.
#include "app/convert_command.h"
#include "app/position_reader.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvane::uitest;

namespace {

QString qtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

struct Run {
    int exitCode;
    QString output; // stdout and stderr
};

Run runQuorvane(const QStringList& arguments) {
    QTemporaryDir home; // the program's settings, away from the user's own
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", home.path());
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(QUORVANE_BINARY), arguments);
    if (!process.waitForFinished(60000)) return {-1, "did not finish"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

} // namespace

class OpenPositionTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        settings_ = std::make_unique<SettingsFolder>();
    }

    // The screen shows what `quorvane convert --fields` shows for the same position.
    void fillsTheFormAsConvertDoes_data() {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("convertText"); // the same position for convert
        QTest::newRow("signed decimal degrees") << "48.8583701, 2.2944813"
                                                << "48.8583701, 2.2944813";
        QTest::newRow("south and west") << "-33.8688197, -151.2092955"
                                        << "-33.8688197, -151.2092955";
        QTest::newRow("degrees, minutes, seconds") << "45\u00b0 30' 15\" S, 73\u00b0 20' 30\" W"
                                                   << "45\u00b0 30' 15\" S, 73\u00b0 20' 30\" W";
        QTest::newRow("decimal minutes") << "45 30.25 N, 73 20.5 E"
                                         << "45 30.25 N, 73 20.5 E";
        QTest::newRow("geo: URI") << "geo:-33.8688197,151.2092955;u=35"
                                  << "-33.8688197, 151.2092955";
        QTest::newRow("geo: URI with altitude, upper case") << "GEO:48.8583701,2.2944813,35"
                                                            << "48.8583701, 2.2944813";
    }
    void fillsTheFormAsConvertDoes() {
        QFETCH(QString, opened);
        QFETCH(QString, convertText);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().openPosition(opened.toStdString()));

        const std::string text = convertText.toStdString();
        const quorvane::PositionReading reading = quorvane::readPosition(text);
        QVERIFY(reading.ok());
        quorvane::ConversionForm convert(quorvane::DecimalMode::point);
        convert.enter(reading);
        for (const auto& f : quorvane::kFields)
            QCOMPARE(screen.text(qtName(f.name)),
                     QString::fromStdString(convert.view().text(f.id)));
        for (const auto& c : quorvane::kSelectors)
            QCOMPARE(screen.selectorIndex(qtName(c.name)), convert.view().selectedIndex(c.id));
        QCOMPARE(screen.editingField(), QString());
        QCOMPARE(screen.session().screen().notice(), QString());
    }

    // The values themselves, for the position of the screenshots.
    void eiffelTowerInEveryNotation() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().openPosition("48.8583701, 2.2944813"));
        QCOMPARE(screen.text("d7"), QString("48.8583701"));
        QCOMPARE(screen.text("d5"), QString("48.8583701\u00b0"));
        QCOMPARE(screen.text("d1"), QString("48\u00b0"));
        QCOMPARE(screen.text("m1"), QString("51'"));
        QCOMPARE(screen.text("s1"), QString("30.132\""));
        QCOMPARE(screen.text("m3"), QString("51.50221'"));
        QCOMPARE(screen.text("d8"), QString("2.2944813"));
    }

    // Selectors that a previous run left on South and West follow the position.
    void storedHemispheresGiveWayToThePosition() {
        for (const char* key : {"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8"})
            settings_->store(key, 1);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QCOMPARE(screen.selectorIndex("c7"), 1);
        QVERIFY(screen.session().openPosition("48.8583701, 2.2944813"));
        for (const char* c : {"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8"})
            QCOMPARE(screen.selectorIndex(c), 0);
    }

    void unreadablePositionLeavesTheFormEmpty_data() {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("reason"); // part of the message
        QTest::newRow("latitude out of range") << "91, 10"
                                               << "range";
        QTest::newRow("no longitude") << "45.5"
                                      << "45.5";
        QTest::newRow("words") << "somewhere nice"
                               << "somewhere nice";
        QTest::newRow("geo: URI out of range") << "geo:91,0"
                                               << "range";
        QTest::newRow("geo: URI in another coordinate system") << "geo:48,2;crs=utm"
                                                               << "utm";
        QTest::newRow("geo: search") << "geo:0,0?q=Paris"
                                     << "query";
    }
    void unreadablePositionLeavesTheFormEmpty() {
        QFETCH(QString, opened);
        QFETCH(QString, reason);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(!screen.session().openPosition(opened.toStdString()));
        for (const auto& f : quorvane::kFields)
            QCOMPARE(screen.text(qtName(f.name)), QString());
        const QString notice = screen.text("noticeLabel");
        QVERIFY2(notice.contains(reason), qPrintable(notice));
        QVERIFY(screen.item("noticeBanner")->isVisible());
        screen.tap("noticeCloseButton");
        QVERIFY(!screen.item("noticeBanner")->isVisible());
    }

    // ---- The application, run as a program ----

    void screenshotsAtTheRequestedSize_data() {
        QTest::addColumn<QStringList>("size");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("phone default") << QStringList{} << QSize(390, 844);
        QTest::newRow("desktop") << QStringList{"--size", "1024x768"} << QSize(1024, 768);
    }
    void screenshotsAtTheRequestedSize() {
        QFETCH(QStringList, size);
        QFETCH(QSize, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath("screen.png");
        const Run run = runQuorvane(QStringList{"--screenshot", file} + size +
                                    QStringList{"48.8583701,", "2.2944813"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        const QImage picture(file);
        QCOMPARE(picture.size(), expected);
        // Not a blank picture: the form and its texts are drawn.
        QVERIFY(picture.pixelColor(5, 5) != picture.pixelColor(expected.width() / 2, 140));
    }

    void usageErrorsExplainThemselves_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("size too small") << QStringList{"--size", "10x10"} << "--size";
        QTest::newRow("size not a size") << QStringList{"--size", "big"} << "big";
        QTest::newRow("unknown option") << QStringList{"--colour"} << "--colour";
        QTest::newRow("screenshot without a file") << QStringList{"--screenshot"} << "file";
    }
    void usageErrorsExplainThemselves() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = runQuorvane(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.output.contains(message), qPrintable(run.output));
    }

    void selfTestPasses() {
        const Run run = runQuorvane({"--self-test"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(OpenPositionTest);
#include "open_position_test.moc"
