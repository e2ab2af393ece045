// The launch test mode: only the exact argument "UITests" switches it on, and then an animation
// of the window runs about 200 times faster than real time; otherwise at real time.
#include "app/qt/animation_speed.h"
#include "app/qt/gui_options.h"
#include "app/qt/launch_test_mode.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QElapsedTimer>
#include <QQmlComponent>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

// An animation whose property counts its own milliseconds, far longer than the test waits.
constexpr const char* kProbeQml = R"(
import QtQuick
Item {
    property real animationTime: 0
    NumberAnimation on animationTime { from: 0; to: 10000000; duration: 10000000 }
}
)";
constexpr int kRealWaitMilliseconds = 400;

} // namespace

class LaunchTestModeTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheExactArgument_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("on");
        QTest::newRow("UITests") << "UITests" << true;
        for (const char* other : {"uitests", "UITests2", " UITests", "--UITests", ""})
            QTest::newRow(qPrintable(QStringLiteral("'%1'").arg(other))) << other << false;
    }
    void onlyTheExactArgument() {
        QFETCH(QString, argument);
        QFETCH(bool, on);
        QCOMPARE(isLaunchTestArgument(argument.toStdString()), on);
        // As the program reads its command line, among other words.
        const auto parsed =
            parseGuiOptions({"--size", "400x800", argument.toStdString(), "1,", "2"});
        if (!parsed.options) { // a word that looks like an option is refused as unknown
            QVERIFY(!on);
            QVERIFY(argument.startsWith(u'-'));
            return;
        }
        QCOMPARE(parsed.options->launchTestMode == LaunchTestMode::on, on);
    }

    // First the mode on (installed before any window exists, as the program does), then the
    // near misses, which leave real time.
    void animationSpeed_data() {
        QTest::addColumn<std::vector<std::string>>("arguments");
        QTest::addColumn<double>("atLeast");
        QTest::addColumn<double>("below");
        QTest::newRow("UITests") << std::vector<std::string>{"UITests"} << 100.0 << 300.0;
        QTest::newRow("uitests") << std::vector<std::string>{"uitests"} << 0.5 << 3.0;
    }
    void animationSpeed() {
        QFETCH(std::vector<std::string>, arguments);
        QFETCH(double, atLeast);
        QFETCH(double, below);
        const auto parsed = parseGuiOptions(arguments);
        QVERIFY(parsed.options);
        const auto driver = qt::applyLaunchTestMode(parsed.options->launchTestMode);
        QCOMPARE(driver != nullptr, atLeast > 3.0);
        {
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
            QTest::qWait(kRealWaitMilliseconds);
            const double animated = probe->property("animationTime").toDouble();
            const double speed = animated / double(real.elapsed());
            QVERIFY2(speed >= atLeast && speed < below,
                     qPrintable(QStringLiteral("%1 ms of animation in %2 ms: speed %3")
                                    .arg(animated)
                                    .arg(real.elapsed())
                                    .arg(speed)));
        }
    }
};

QUORVANE_UI_TEST(LaunchTestModeTest);
#include "launch_test_mode_test.moc"
