// The current-location button on the running screen: a replayed NMEA fix fills the form through
// Qt Positioning; without a position service the location-disabled alert appears and closes.
// (--locate, as a user runs it: OpenPositionTest.)
#include "screen_driver.h"
#include "ui_test.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;
using namespace std::chrono_literals;

class CurrentLocationTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }

    // sydney.nmea: -33.8688197, 151.2092955, accuracy 15 m. The indicator runs meanwhile; the
    // selectors turn to South and East and are stored; the form stays where the user looks.
    void aTapFillsTheForm() {
        const PositionSourceChoice sydney{PositionSourceKind::nmeaFile,
                                          QUORVANE_LOCATION_TEST_DATA "/sydney.nmea"};
        ScreenDriver screen(*settings_, WindowSize{390, 520},
                            {positionSourceFactory(sydney), 5000ms});
        QVERIFY(screen.loaded());
        qt::MainScreen& main = screen.session().screen();
        QList<bool> busy;
        QObject scope; // after the list: the handler goes before the list does
        connect(&main, &qt::MainScreen::locationBusyChanged, &scope,
                [&] { busy << main.locationBusy(); });
        QQuickItem* scrollView = screen.item("scrollView");
        QSignalSpy scrolled(scrollView, SIGNAL(contentYChanged()));
        QSignalSpy settled(&screen.session().location(), &qt::LocationBridge::locationSettled);

        screen.session().location().getCurrentLocation(); // the button is below the window
        QVERIFY(settled.wait(5000));
        QCOMPARE(screen.mismatches(
                     {"d7=33.8688197", "d8=151.2092955", "s1=7.751\"", "accuracyLabel=15 m"}),
                 QString());
        QCOMPARE(screen.mismatches({"c1=1", "c7=1", "c2=0", "c8=0"}, "currentIndex"), QString());
        QCOMPARE(settings_->stored("c3").toInt(), 1);
        QCOMPARE(busy, (QList<bool>{true, false}));
        QCOMPARE(scrolled.count(), 0);
    }

    // The alert is modal (the form behind takes no tap); Cancel or Escape closes it.
    void withoutAServiceTheAlertAppears() {
        ScreenDriver screen(*settings_, kPhoneWindowSize,
                            {positionSourceFactory({PositionSourceKind::none, {}})});
        QVERIFY(screen.loaded());
        qt::QtLocationAlertPresenter& alerts = screen.session().location().alerts();
        for (const QString answer : {"Cancel", "Escape"}) {
            screen.tap("getcurrentlocationButton");
            QVERIFY(alerts.currentAlert());
            screen.settle();
            QCOMPARE(screen.mismatches({"locationAlertTitle=Location Services are Disabled",
                                        "locationAlertCancelButton=Cancel"}),
                     QString());
            screen.tap("d1");
            QCOMPARE(screen.editingField(), QString());
            if (answer == "Escape")
                screen.key(Qt::Key_Escape);
            else
                screen.tap("locationAlertCancelButton");
            QVERIFY(!alerts.currentAlert());
            QTRY_VERIFY(!screen.item("locationAlertCancelButton"));
        }
        screen.tap("d1");
        QCOMPARE(screen.editingField(), QString("d1"));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(CurrentLocationTest);
#include "current_location_test.moc"
