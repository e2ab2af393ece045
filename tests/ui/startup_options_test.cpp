// The application's command line and geo: URIs, as tables of words and what they mean.
#include "app/qt/geo_uri.h"
#include "app/qt/gui_options.h"
#include "ui_test.h"

#include <QtTest>

using namespace quorvane;

Q_DECLARE_METATYPE(std::vector<std::string>)

class StartupOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void options_data() {
        QTest::addColumn<std::vector<std::string>>("words");
        QTest::addColumn<int>("mode"); // GuiMode, or -1 for a usage error
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size"); // empty: none given
        QTest::addColumn<bool>("launchTest");
        const int run = int(GuiMode::run), shot = int(GuiMode::screenshot),
                  self = int(GuiMode::selfTest);
        using W = std::vector<std::string>;
        QTest::newRow("nothing") << W{} << run << ""
                                 << "" << QSize() << false;
        QTest::newRow("one word position")
            << W{"48.8583701,2.2944813"} << run << "48.8583701,2.2944813"
            << "" << QSize() << false;
        QTest::newRow("position in words") << W{"-33.86,", "151.2"} << run << "-33.86, 151.2"
                                           << "" << QSize() << false;
        QTest::newRow("negative number is no option") << W{"-.5,", "-7"} << run << "-.5, -7"
                                                      << "" << QSize() << false;
        QTest::newRow("screenshot with size and position")
            << W{"--screenshot", "a.png", "--size", "1024x768", "1,", "2"} << shot << "1, 2"
            << "a.png" << QSize(1024, 768) << false;
        QTest::newRow("options with =") << W{"--screenshot=b.png", "--size=390X844"} << shot << ""
                                        << "b.png" << QSize(390, 844) << false;
        QTest::newRow("self-test") << W{"--self-test"} << self << ""
                                   << "" << QSize() << false;
        QTest::newRow("-- ends the options") << W{"--", "--size"} << run << "--size"
                                             << "" << QSize() << false;
        QTest::newRow("UITests is the launch test mode") << W{"UITests", "1,", "2"} << run << "1, 2"
                                                         << "" << QSize() << true;
        QTest::newRow("uitests is a position word") << W{"uitests"} << run << "uitests"
                                                    << "" << QSize() << false;
        QTest::newRow("unknown option") << W{"--verbose"} << -1 << ""
                                        << "" << QSize() << false;
        QTest::newRow("size out of range") << W{"--size", "199x844"} << -1 << ""
                                           << "" << QSize() << false;
        QTest::newRow("size with junk") << W{"--size", "390x844px"} << -1 << ""
                                        << "" << QSize() << false;
        QTest::newRow("size missing") << W{"--size"} << -1 << ""
                                      << "" << QSize() << false;
        QTest::newRow("screenshot missing file") << W{"--screenshot"} << -1 << ""
                                                 << "" << QSize() << false;
    }
    void options() {
        QFETCH(std::vector<std::string>, words);
        QFETCH(int, mode);
        QFETCH(QString, position);
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(bool, launchTest);
        const GuiOptionsResult result = parseGuiOptions(words);
        if (mode < 0) {
            QVERIFY(!result.options);
            QVERIFY(!result.error.empty());
            return;
        }
        QVERIFY2(result.options, result.error.c_str());
        const GuiOptions& o = *result.options;
        QCOMPARE(int(o.mode), mode);
        QCOMPARE(QString::fromStdString(o.position.value_or("")), position);
        QCOMPARE(QString::fromStdString(o.screenshotFile), file);
        QCOMPARE(o.size ? QSize(o.size->width, o.size->height) : QSize(), size);
        QCOMPARE(o.launchTestMode == LaunchTestMode::on, launchTest);
    }

    void geoUris_data() {
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("position"); // empty: refused
        QTest::newRow("plain") << "geo:48.8583701,2.2944813"
                               << "48.8583701, 2.2944813";
        QTest::newRow("negative") << "geo:-33.8688197,-151.2092955"
                                  << "-33.8688197, -151.2092955";
        QTest::newRow("altitude and uncertainty") << "geo:1,2,35;u=12"
                                                  << "1, 2";
        QTest::newRow("wgs84 named, any case") << "Geo:1.5,2;CRS=WGS84"
                                               << "1.5, 2";
        QTest::newRow("limits") << "geo:-90,180"
                                << "-90, 180";
        QTest::newRow("latitude out of range") << "geo:90.5,0"
                                               << "";
        QTest::newRow("longitude out of range") << "geo:0,-180.1"
                                                << "";
        QTest::newRow("one coordinate") << "geo:48.8"
                                        << "";
        QTest::newRow("semicolon instead of comma") << "geo:48.8;2.3"
                                                    << "";
        QTest::newRow("four coordinates") << "geo:1,2,3,4"
                                          << "";
        QTest::newRow("exponent") << "geo:1e1,2"
                                  << "";
        QTest::newRow("plus sign") << "geo:+1,2"
                                   << "";
        QTest::newRow("bare point") << "geo:1.,2"
                                    << "";
        QTest::newRow("other coordinate system") << "geo:1,2;crs=utm"
                                                 << "";
        QTest::newRow("search query") << "geo:0,0?q=Paris"
                                      << "";
        QTest::newRow("empty") << "geo:"
                               << "";
    }
    void geoUris() {
        QFETCH(QString, uri);
        QFETCH(QString, position);
        const std::string text = uri.toStdString();
        QVERIFY(isGeoUri(text));
        const GeoUriReading reading = readGeoUri(text);
        QCOMPARE(QString::fromStdString(reading.position.value_or("")), position);
        QCOMPARE(reading.error.empty(), !position.isEmpty());
    }
};

QUORVANE_UI_TEST(StartupOptionsTest);
#include "startup_options_test.moc"
