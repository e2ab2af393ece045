// The current-location button on the running screen: a replayed NMEA fix fills every notation
// through the form's own editing road; a failing source only stops the indicator; without a
// position service the location-disabled alert appears and either button closes it. Also the
// program's --locate, as a user runs it (the options themselves: StartupOptionsTest).
#include "app/qt/gui_options.h"
#include "core/form_model.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;
using namespace std::chrono_literals;

namespace {

QString dataFile(const char* name) {
    return QStringLiteral(QUORVANE_LOCATION_TEST_DATA "/") + QLatin1String(name);
}

qt::LocationSetup nmeaReplay(const char* file, std::chrono::milliseconds timeout = 5000ms) {
    return {positionSourceFactory({PositionSourceKind::nmeaFile, dataFile(file).toStdString()}),
            timeout};
}

// tests/location/data/sydney.nmea: -33.8688197, 151.2092955, HDOP 1.5 (accuracy 15 m). Every
// notation as the end-of-editing conversion writes it.
const QStringList kSydneyFill{"d1=33\u00b0",          "m1=52'",         "s1=7.751\"",
                              "d3=33\u00b0",          "m3=52.12918'",   "d5=33.8688197\u00b0",
                              "d7=33.8688197",        "d2=151\u00b0",   "m2=12'",
                              "s2=33.464\"",          "d4=151\u00b0",   "m4=12.55773'",
                              "d6=151.2092955\u00b0", "d8=151.2092955", "accuracyLabel=15 m"};

// Everything the user can see or that is stored: field texts, selectors, the accuracy label,
// the stored selector keys.
QStringList formState(const ScreenDriver& screen, const SettingsFolder& settings) {
    QStringList state;
    for (const FieldInfo& f : kFields)
        state << qtName(f.name) + '=' + screen.text(qtName(f.name));
    for (const SelectorInfo& s : kSelectors) {
        const QString name = qtName(s.name);
        state << name + '=' + QString::number(screen.selectorIndex(name)) + " stored " +
                     settings.stored(name).toString();
    }
    state << "accuracy=" + screen.item("accuracyLabel")->property("text").toString();
    return state;
}

// What the busy indicator did, in order (true: started, false: stopped).
class BusyHistory {
public:
    explicit BusyHistory(qt::MainScreen& screen) {
        QObject::connect(&screen, &qt::MainScreen::locationBusyChanged, &scope_,
                         [this, &screen] { changes << screen.locationBusy(); });
    }
    QList<bool> changes;

private:
    QObject scope_; // after the list: the handler goes before the list does
};

// The program with QUORVANE_POSITION_SOURCE set to the variable (null: unset).
Run runWithSource(const QStringList& arguments, const QString& variable = {}) {
    const QString name = qtName(kPositionSourceVariable);
    return runQuorvane(arguments, {variable.isNull() ? name : name + '=' + variable});
}

} // namespace

class CurrentLocationTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        settings_ = std::make_unique<SettingsFolder>();
    }

    // A tap fills d7 and d8 with the fix's magnitudes, turns all eight selectors to South and
    // East and stores them, converts every notation, shows the accuracy and stops the
    // indicator; no field is left being edited and d8 is the active field. A field being edited
    // when the fix arrives ends first (its own conversion runs, then the fix overwrites it).
    void aTapFillsTheForm_data() {
        QTest::addColumn<QString>("editedBefore"); // field being edited at the tap, or ""
        QTest::addColumn<QStringList>("endedEditing");
        QTest::newRow("nothing being edited") << "" << QStringList{"d7", "d8"};
        QTest::newRow("d8 being edited") << "d8" << QStringList{"d8", "d7", "d8"};
    }
    void aTapFillsTheForm() {
        QFETCH(QString, editedBefore);
        QFETCH(QStringList, endedEditing);
        ScreenDriver screen(*settings_, kPhoneWindowSize, nmeaReplay("sydney.nmea"));
        QVERIFY(screen.loaded());
        if (!editedBefore.isEmpty()) screen.typeInto(editedBefore, "45");
        BusyHistory busy(screen.session().screen());
        QSignalSpy ended(&screen.session().screen(), &qt::MainScreen::fieldEditingEnded);
        QSignalSpy settled(&screen.session().location(), &qt::LocationBridge::locationSettled);

        screen.tap("getcurrentlocationButton");
        QVERIFY(settled.wait(5000));

        QCOMPARE(screen.mismatches(kSydneyFill), QString());
        for (const SelectorInfo& s : kSelectors) {
            const int southOrEast = s.half == Half::latitude ? 1 : 0;
            QCOMPARE(screen.selectorIndex(qtName(s.name)), southOrEast);
            QCOMPARE(settings_->stored(qtName(s.name)).toInt(), southOrEast);
        }
        QCOMPARE(busy.changes, (QList<bool>{true, false}));
        QVERIFY(!screen.item("getcurrentlocationindicator")->isVisible());
        QCOMPARE(screen.editingField(), QString());
        QCOMPARE(screen.session().controller().form().activeField(), FieldId::d8);
        QStringList endedNames;
        for (const QList<QVariant>& e : ended)
            endedNames << e.at(0).toString();
        QCOMPARE(endedNames, endedEditing);
    }

    // Editing d7 and d8 scrolls a short window to them; the fill returns the form to where the
    // user was looking (the top).
    void theFormScrollsBackAfterTheFill() {
        ScreenDriver screen(*settings_, WindowSize{390, 520}, nmeaReplay("sydney.nmea"));
        QVERIFY(screen.loaded());
        QQuickItem* scrollView = screen.item("scrollView");
        QVERIFY(scrollView);
        QCOMPARE(scrollView->property("contentY").toDouble(), 0.0);
        QSignalSpy moved(scrollView, SIGNAL(contentYChanged()));
        QSignalSpy settled(&screen.session().location(), &qt::LocationBridge::locationSettled);

        screen.session().location().getCurrentLocation();
        QVERIFY(settled.wait(5000));

        QCOMPARE(screen.text("d8"), QString("151.2092955"));
        QVERIFY2(!moved.isEmpty(), "editing d7 and d8 did not scroll the form");
        QCOMPARE(scrollView->property("contentY").toDouble(), 0.0);
    }

    // A request that fails (here an NMEA log without a fix, timed out) stops the indicator and
    // changes nothing else, also after an earlier fill (its accuracy stays); the notice line
    // tells that no position came.
    void aFailureOnlyStopsTheIndicator() {
        ScreenDriver screen(*settings_, kPhoneWindowSize, nmeaReplay("nofix.nmea", 300ms));
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().openPosition("-12.5, -45.25"));
        screen.session().view().setAccuracyText("4 m");
        const QStringList before = formState(screen, *settings_);
        BusyHistory busy(screen.session().screen());
        QSignalSpy settled(&screen.session().location(), &qt::LocationBridge::locationSettled);

        screen.tap("getcurrentlocationButton");
        QVERIFY(settled.wait(5000));

        QCOMPARE(busy.changes, (QList<bool>{true, false}));
        QVERIFY(!screen.item("getcurrentlocationindicator")->isVisible());
        QCOMPARE(formState(screen, *settings_), before);
        QCOMPARE(screen.editingField(), QString());
        QCOMPARE(screen.session().screen().notice(),
                 QStringLiteral("No position arrived in time."));
    }

    // Without a position service the alert appears, modal, with Settings first and Cancel
    // second; either button (or Escape) closes it and nothing else changes. Settings opens no
    // page on Linux, where desktops have none in common.
    void withoutAServiceTheAlertAppears_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("answer"); // the button tapped, or the Escape key
        const char* rows[][2] = {{"none", "Cancel"},
                                 {"none", "Escape"},
                                 {"default", "Settings"}}; // the system's: hidden in tests
        for (const auto& [source, answer] : rows)
            QTest::newRow(qPrintable(QString("%1, %2").arg(source, answer))) << source << answer;
    }
    void withoutAServiceTheAlertAppears() {
        QFETCH(QString, source);
        QFETCH(QString, answer);
        const PositionSourceParse choice = parsePositionSource(source.toStdString());
        QVERIFY(choice.choice);
        ScreenDriver screen(*settings_, kPhoneWindowSize,
                            qt::LocationSetup{positionSourceFactory(*choice.choice)});
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().openPosition("10, 20"));
        const QStringList before = formState(screen, *settings_);
        BusyHistory busy(screen.session().screen());
        qt::QtLocationAlertPresenter& alerts = screen.session().location().alerts();

        screen.tap("getcurrentlocationButton");
        QVERIFY(alerts.currentAlert());
        QCOMPARE(alerts.currentAlert()->objectName(), QString("locationAlert"));
        QCOMPARE(alerts.currentAlert()->property("modal").toBool(), true);
        screen.settle();
        QCOMPARE(screen.mismatches({"locationAlertTitle=Location Services are Disabled",
                                    "locationAlertMessage=In order to get your current latitude "
                                    "and longitude, please turn on location services in your "
                                    "device settings.",
                                    "locationAlertSettingsButton=Settings",
                                    "locationAlertCancelButton=Cancel"}),
                 QString());
        QQuickItem* settingsButton = screen.item("locationAlertSettingsButton");
        QQuickItem* cancelButton = screen.item("locationAlertCancelButton");
        QVERIFY(settingsButton->mapToScene({}).x() < cancelButton->mapToScene({}).x());

        // Modal: the form behind takes no tap.
        screen.tap("d1");
        QCOMPARE(screen.editingField(), QString());
        QVERIFY(alerts.currentAlert());

        if (answer == "Escape")
            screen.key(Qt::Key_Escape);
        else
            screen.tap("locationAlert" + answer + "Button");
        QVERIFY(!alerts.currentAlert());
        QTRY_VERIFY(!screen.item("locationAlertCancelButton"));
        QVERIFY(busy.changes.isEmpty());
        QCOMPARE(formState(screen, *settings_), before);
        // The form takes taps again.
        screen.tap("d1");
        QCOMPARE(screen.editingField(), QString("d1"));
    }

    // The program itself: --locate before --screenshot captures the filled form.
    // (A bad source is a usage error: OpenPositionTest.)
    void theProgramLocatesBeforeTheScreenshot() {
        QTemporaryDir out;
        const QString plain = out.filePath("plain.png");
        const QString located = out.filePath("located.png");
        const QString source = "nmea:" + dataFile("sydney.nmea");
        Run run = runWithSource({"--position-source", source, "--screenshot", plain});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        run = runWithSource({"--position-source", source, "--locate", "--screenshot", located});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));

        const QImage before(plain), after(located);
        QCOMPARE(after.width(), kPhoneWindowSize.width);
        QCOMPARE(after.size(), before.size());
        QVERIFY(before != after);
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(CurrentLocationTest);
#include "current_location_test.moc"
