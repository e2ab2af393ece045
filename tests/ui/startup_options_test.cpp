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
        const int run = int(GuiMode::run), shot = int(GuiMode::screenshot), error = -1;
        const auto row = [](const char* name, std::vector<std::string> words, int mode,
                            const char* position = "", const char* file = "", QSize size = {}) {
            QTest::newRow(name) << words << mode << position << file << size;
        };
        row("nothing", {}, run);
        row("one word position", {"48.8583701,2.2944813"}, run, "48.8583701,2.2944813");
        row("position in words", {"-33.86,", "151.2"}, run, "-33.86, 151.2");
        row("negative number is no option", {"-.5,", "-7"}, run, "-.5, -7");
        row("screenshot with size and position",
            {"--screenshot", "a.png", "--size", "1024x768", "1,", "2"}, shot, "1, 2", "a.png",
            {1024, 768});
        row("options with =", {"--screenshot=b.png", "--size=390X844"}, shot, "", "b.png",
            {390, 844});
        row("self-test", {"--self-test"}, int(GuiMode::selfTest));
        row("-- ends the options", {"--", "--size"}, run, "--size");
        row("unknown option", {"--verbose"}, error);
        row("size out of range", {"--size", "199x844"}, error);
        row("size with junk", {"--size", "390x844px"}, error);
        row("size missing", {"--size"}, error);
        row("screenshot missing file", {"--screenshot"}, error);
    }
    void options() {
        QFETCH(std::vector<std::string>, words);
        QFETCH(int, mode);
        QFETCH(QString, position);
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const GuiOptionsResult result = parseGuiOptions(words);
        QCOMPARE(result.error.empty(), mode >= 0);
        QCOMPARE(result.options.has_value(), mode >= 0);
        if (mode < 0) return;
        QVERIFY2(result.options, result.error.c_str());
        const GuiOptions& o = *result.options;
        QCOMPARE(int(o.mode), mode);
        QCOMPARE(QString::fromStdString(o.position.value_or("")), position);
        QCOMPARE(QString::fromStdString(o.screenshotFile), file);
        QCOMPARE(o.size ? QSize(o.size->width, o.size->height) : QSize(), size);
    }

    void geoUris_data() {
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("position"); // empty: refused
        const char* read[][2] = {{"geo:48.8583701,2.2944813", "48.8583701, 2.2944813"},
                                 {"geo:-33.8688197,-151.2092955", "-33.8688197, -151.2092955"},
                                 {"geo:1,2,35;u=12", "1, 2"}, // altitude and uncertainty
                                 {"Geo:1.5,2;CRS=WGS84", "1.5, 2"},
                                 {"geo:-90,180", "-90, 180"}};
        for (const auto& [uri, position] : read)
            QTest::newRow(uri) << uri << position;
        for (const char* refused :
             {"geo:90.5,0", "geo:0,-180.1", "geo:48.8", "geo:48.8;2.3", "geo:1,2,3,4", "geo:1e1,2",
              "geo:+1,2", "geo:1.,2", "geo:1,2;crs=utm", "geo:0,0?q=Paris", "geo:"})
            QTest::newRow(refused) << refused << "";
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
