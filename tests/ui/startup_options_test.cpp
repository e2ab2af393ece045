// The application's command line, as tables of words and what they mean.
#include "app/qt/gui_options.h"
#include "ui_test.h"

#include <QtTest>

using namespace quorvane;

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

// What the words mean, as "key=value" tokens (a default left out), or "error=<message>".
QStringList meaning(const std::vector<std::string>& words) {
    const GuiOptionsResult result = parseGuiOptions(words);
    if (!result.options) return {"error=" + QString::fromStdString(result.error)};
    const GuiOptions& o = *result.options;
    const char* modes[] = {"run", "screenshot", "selfTest"};
    const char* pages[] = {"converter", "settings", "maps"};
    QStringList tokens{QString("mode=") + modes[int(o.mode)]};
    if (o.position) tokens << "position=" + QString::fromStdString(*o.position);
    if (!o.screenshotFile.empty()) tokens << "file=" + QString::fromStdString(o.screenshotFile);
    if (o.size) tokens << QString("size=%1x%2").arg(o.size->width).arg(o.size->height);
    if (o.startPage != StartPage::converter) tokens << QString("page=") + pages[int(o.startPage)];
    if (o.positionSource) tokens << "source=" + QString::fromStdString(*o.positionSource);
    if (o.locate == LocateAtStart::on) tokens << "locate";
    if (o.launchTestMode == LaunchTestMode::on) tokens << "launchTest";
    return tokens;
}

} // namespace

class StartupOptionsTest : public QObject {
    Q_OBJECT

private slots:
    // The command line: the position words, --screenshot, --size, --self-test, --page,
    // --position-source and --locate; a usage error names what is wrong.
    void options_data() {
        QTest::addColumn<std::vector<std::string>>("words");
        QTest::addColumn<QStringList>("expected"); // all tokens; "error=X": an error naming X
        const auto row = [](const char* name, std::vector<std::string> words,
                            QStringList expected) { QTest::newRow(name) << words << expected; };
        row("nothing", {}, {"mode=run"});
        row("position in words", {"-33.86,", "151.2"}, {"mode=run", "position=-33.86, 151.2"});
        row("negative number is no option", {"-.5,", "-7"}, {"mode=run", "position=-.5, -7"});
        row("screenshot with size and position",
            {"--screenshot", "a.png", "--size", "1024x768", "1,", "2"},
            {"mode=screenshot", "position=1, 2", "file=a.png", "size=1024x768"});
        row("options with =", {"--screenshot=b.png", "--size=390X844"},
            {"mode=screenshot", "file=b.png", "size=390x844"});
        row("self-test", {"--self-test"}, {"mode=selfTest"});
        row("-- ends the options", {"--", "--size"}, {"mode=run", "position=--size"});
        row("settings page", {"--screenshot", "a.png", "--page", "settings"},
            {"mode=screenshot", "file=a.png", "page=settings"});
        row("nmea file and locate", {"--position-source", "nmea:a b.nmea", "--locate"},
            {"mode=run", "source=nmea:a b.nmea", "locate"});
        row("default source, with a screenshot",
            {"--screenshot", "x.png", "--position-source", "default"},
            {"mode=screenshot", "file=x.png", "source=default"});
        row("unknown option", {"--verbose"}, {"error=--verbose"});
        row("size out of range", {"--size", "199x844"}, {"error=--size"});
        row("screenshot missing file", {"--screenshot"}, {"error=--screenshot"});
        row("unknown page", {"--page", "about"}, {"error=--page"});
        row("locate takes no value", {"--locate=yes"}, {"error=--locate"});
    }
    void options() {
        QFETCH(std::vector<std::string>, words);
        QFETCH(QStringList, expected);
        const QStringList tokens = meaning(words);
        if (expected[0].startsWith("error=")) {
            QVERIFY2(tokens[0].startsWith("error=") && tokens[0].contains(expected[0].mid(6)),
                     qPrintable(tokens.join(' ')));
        } else {
            QCOMPARE(tokens, expected);
        }
    }
};

QUORVANE_UI_TEST(StartupOptionsTest);
#include "startup_options_test.moc"
