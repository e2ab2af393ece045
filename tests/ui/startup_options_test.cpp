// The application's command line as a table of words and what they mean, and the launch test
// mode's faster animations.
#include "app/qt/animation_speed.h"
#include "app/qt/gui_options.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QElapsedTimer>
#include <QQmlComponent>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

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

// An animation whose property counts its own milliseconds, far longer than the test waits.
constexpr const char* kProbeQml = R"(
import QtQuick
Item {
    property real animationTime: 0
    NumberAnimation on animationTime { from: 0; to: 10000000; duration: 10000000 }
}
)";

} // namespace

class StartupOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void options_data() {
        QTest::addColumn<std::vector<std::string>>("words");
        QTest::addColumn<QStringList>("expected"); // all tokens; "error=X": an error naming X
        const auto row = [](const char* name, std::vector<std::string> words,
                            QStringList expected) { QTest::newRow(name) << words << expected; };
        row("nothing", {}, {"mode=run"});
        row("negative numbers are no options", {"-.5,", "-7"}, {"mode=run", "position=-.5, -7"});
        row("screenshot, size, launch test, position",
            {"--screenshot", "a.png", "--size", "1024x768", "UITests", "1,", "2"},
            {"mode=screenshot", "position=1, 2", "file=a.png", "size=1024x768", "launchTest"});
        row("options with =", {"--screenshot=b.png", "--size=390X844", "--page=maps"},
            {"mode=screenshot", "file=b.png", "size=390x844", "page=maps"});
        row("-- ends the options", {"--", "--size", "UITests"},
            {"mode=run", "position=--size UITests"});
        row("near misses of UITests are words", {"uitests", "UITests2"},
            {"mode=run", "position=uitests UITests2"});
        row("self-test, source, locate",
            {"--self-test", "--position-source", "nmea:a b", "--locate"},
            {"mode=selfTest", "source=nmea:a b", "locate"});
        row("unknown option", {"--verbose"}, {"error=--verbose"});
        row("size out of range", {"--size", "199x844"}, {"error=--size"});
        row("screenshot missing file", {"--screenshot"}, {"error=--screenshot"});
        row("unknown page", {"--page", "about"}, {"error=--page"});
    }
    void options() {
        QFETCH(std::vector<std::string>, words);
        QFETCH(QStringList, expected);
        const QStringList tokens = meaning(words);
        if (expected[0].startsWith("error="))
            QVERIFY2(tokens[0].startsWith("error=") && tokens[0].contains(expected[0].mid(6)),
                     qPrintable(tokens.join(' ')));
        else
            QCOMPARE(tokens, expected);
    }

    // Installed before any window exists, as the program does: about 200 times real time.
    void launchTestModeSpeedsUpAnimations() {
        const auto driver = qt::applyLaunchTestMode(LaunchTestMode::on);
        QVERIFY(driver);
        SettingsFolder settings;
        ScreenDriver screen(settings);
        QVERIFY(screen.loaded());
        QQmlComponent component(&screen.session().engine());
        component.setData(kProbeQml, QUrl());
        std::unique_ptr<QObject> probe(component.create());
        QVERIFY2(probe, qPrintable(component.errorString()));
        qobject_cast<QQuickItem*>(probe.get())->setParentItem(screen.window().contentItem());
        QElapsedTimer real;
        real.start();
        QTest::qWait(400);
        const double speed = probe->property("animationTime").toDouble() / double(real.elapsed());
        QVERIFY2(speed >= 100 && speed < 300, qPrintable(QString::number(speed)));
    }
};

QUORVANE_UI_TEST(StartupOptionsTest);
#include "startup_options_test.moc"
