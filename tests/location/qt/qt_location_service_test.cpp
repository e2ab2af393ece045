// The Qt Positioning location service on its own: NMEA replay, missing files, failing sources,
// and how what Qt reports maps onto the authorization statuses. Also the flow driven by the real
// service over a replayed log.
#include "core/memory_platform.h"
#include "core/number_text.h"
#include "location/location_flow.h"
#include "location/qt/qt_location_service.h"
#include "location/qt/qt_system_settings.h"

#include <QSignalSpy>
#include <QTest>
#include <QtPositioning/QGeoPositionInfoSource>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace quorvane {
namespace {

QString dataFile(const char* name) {
    return QStringLiteral(QUORVANE_LOCATION_TEST_DATA) + QLatin1Char('/') + QLatin1String(name);
}

PositionSourceChoice nmea(const QString& path) {
    return {PositionSourceKind::nmeaFile, path.toStdString()};
}

// Records the callbacks, with the authorization status as it was when each arrived.
class RecordingDelegate final : public LocationServiceDelegate {
public:
    struct Event {
        std::string what;
        AuthorizationStatus status;
        std::optional<LocationError> error;
    };

    void locationManagerDidChangeAuthorization(LocationService& manager) override {
        events.push_back({"authorization", manager.authorizationStatus(), std::nullopt});
    }
    void didUpdateLocations(LocationService& manager) override {
        events.push_back({"update", manager.authorizationStatus(), std::nullopt});
    }
    void didFailWithError(LocationService& manager, const LocationError& error) override {
        events.push_back({"failure", manager.authorizationStatus(), error});
    }

    std::vector<std::string> names() const {
        std::vector<std::string> n;
        for (const Event& e : events)
            n.push_back(e.what);
        return n;
    }

    std::vector<Event> events;
};

// A source that behaves as told: the positioning methods it offers and how it answers a request.
class ScriptedSource final : public QGeoPositionInfoSource {
public:
    enum class Answer { accessError, unknownError, closedError, nothing };

    ScriptedSource(PositioningMethods methods, Answer answer)
        : QGeoPositionInfoSource(nullptr), methods_(methods), answer_(answer) {}

    QGeoPositionInfo lastKnownPosition(bool) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override {
        ++methodQueries;
        // GeoClue's plugin on Qt 6.4 without its daemon: asking fails from inside the call.
        if (methods_ == NoPositioningMethods && answer_ == Answer::accessError)
            const_cast<ScriptedSource*>(this)->fail(AccessError);
        return methods_;
    }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return error_; }
    void startUpdates() override {}
    void stopUpdates() override { ++stops; }
    void requestUpdate(int) override {
        ++requests;
        // Answered synchronously, inside the request, as some backends do.
        switch (answer_) {
        case Answer::accessError:
            fail(AccessError);
            break;
        case Answer::unknownError:
            fail(UnknownSourceError);
            break;
        case Answer::closedError:
            fail(ClosedError);
            break;
        case Answer::nothing:
            break;
        }
    }

    int requests = 0;
    int stops = 0;
    mutable int methodQueries = 0;

private:
    void fail(Error e) {
        error_ = e;
        emit errorOccurred(e);
    }

    PositioningMethods methods_;
    Answer answer_;
    Error error_ = NoError;
};

PositionSourceFactory scripted(QGeoPositionInfoSource::PositioningMethods methods,
                               ScriptedSource::Answer answer, ScriptedSource** made = nullptr) {
    return [=] {
        auto source = std::make_unique<ScriptedSource>(methods, answer);
        if (made) *made = source.get();
        return PositionSourceResult{std::move(source), {}};
    };
}

constexpr auto kAllMethods = QGeoPositionInfoSource::AllPositioningMethods;
constexpr auto kNoMethods = QGeoPositionInfoSource::NoPositioningMethods;

// The flow's platform around a real service, with in-memory screen parts.
struct FlowHarness : FieldEditingDelegate {
    class Indicator final : public ActivityIndicator {
    public:
        void startAnimating() override { animating = true; }
        void stopAnimating() override { animating = false; }
        bool isAnimating() const override { return animating; }
        bool animating = false;
    };
    class Alerts final : public LocationAlertPresenter {
    public:
        void presentLocationDisabledAlert(LocationDisabledAlert alert) override {
            shown.push_back(std::move(alert));
        }
        std::vector<LocationDisabledAlert> shown;
    };
    class Scroll final : public ScrollPosition {
    public:
        ScrollOffset contentOffset() const override { return {}; }
        void setContentOffset(ScrollOffset, ScrollAnimation) override {}
    };

    explicit FlowHarness(LocationService& service)
        : flow({service, indicator, alerts, systemSettings, scroll, english}, form) {
        view.setDelegate(this);
    }
    void textFieldDidBeginEditing(FieldId field) override {
        flow.fieldWillBeginEditing();
        form.textFieldDidBeginEditing(field);
    }
    void textFieldDidEndEditing(FieldId field) override { form.textFieldDidEndEditing(field); }

    MemoryFormView view;
    MemorySettingsStore store;
    FixedNumberFormat numbers{DecimalMode::point};
    EnglishTranslator english;
    FormController form{view, store, numbers};
    Indicator indicator;
    Alerts alerts;
    QtSystemSettings systemSettings;
    Scroll scroll;
    LocationFlow flow;
};

} // namespace

class QtLocationServiceTest : public QObject {
    Q_OBJECT

private slots:
    void nmeaReplayDeliversTheFixAfterTheRequestReturns() {
        QtLocationService service(positionSourceFactory(nmea(dataFile("sydney.nmea"))), 5s);
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        QCOMPARE(service.authorizationStatus(), AuthorizationStatus::authorizedWhenInUse);
        QCOMPARE(service.problem(), QString());

        service.setDesiredAccuracy(DesiredAccuracy::bestForNavigation);
        service.requestLocation();
        QVERIFY(delegate.events.empty()); // never from inside the request
        QTRY_COMPARE_WITH_TIMEOUT(delegate.names(), std::vector<std::string>{"update"}, 5000);

        const std::optional<PositionFix> fix = service.location();
        QVERIFY(fix);
        QCOMPARE(doubleText(fillMagnitude(fix->latitudeDegrees)).str(), std::string("33.8688197"));
        QCOMPARE(doubleText(fillMagnitude(fix->longitudeDegrees)).str(),
                 std::string("151.2092955"));
        QVERIFY(fix->latitudeDegrees < 0);
        QVERIFY(fix->longitudeDegrees > 0);
        // HDOP 1.5 in the log: 2 x 1.5 x 5 m.
        QCOMPARE(fix->horizontalAccuracyMetres, 15.0);

        // One request, one answer: the log's further epochs do not reach the delegate.
        QTest::qWait(1500);
        QCOMPARE(delegate.names(), std::vector<std::string>{"update"});
    }

    void missingNmeaFileLeadsToTheAlertWithAClearMessage() {
        const QString path = dataFile("no-such-log.nmea");
        QtLocationService service(positionSourceFactory(nmea(path)));
        QCOMPARE(service.authorizationStatus(), AuthorizationStatus::restricted);
        QVERIFY2(service.problem().contains(QStringLiteral("not found")),
                 qPrintable(service.problem()));
        QVERIFY2(service.problem().contains(path), qPrintable(service.problem()));

        // A request anyway fails, later, saying the same.
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        service.requestLocation();
        QVERIFY(delegate.events.empty());
        QTRY_COMPARE(delegate.names(), std::vector<std::string>{"failure"});
        QCOMPARE(delegate.events.front().error->kind, LocationErrorKind::unavailable);
        QVERIFY(delegate.events.front().error->message.find("not found") != std::string::npos);
    }

    void directoryAsNmeaFileIsRefused() {
        QtLocationService service(positionSourceFactory(nmea(dataFile(""))));
        QCOMPARE(service.authorizationStatus(), AuthorizationStatus::restricted);
        QVERIFY2(service.problem().contains(QStringLiteral("not a file")),
                 qPrintable(service.problem()));
    }

    void logWithoutAFixTimesOut() {
        QtLocationService service(positionSourceFactory(nmea(dataFile("nofix.nmea"))), 300ms);
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        QCOMPARE(service.authorizationStatus(), AuthorizationStatus::authorizedWhenInUse);
        service.requestLocation();
        QTRY_COMPARE_WITH_TIMEOUT(delegate.names(), std::vector<std::string>{"failure"}, 5000);
        QCOMPARE(delegate.events.front().error->kind, LocationErrorKind::timedOut);
        QVERIFY(!service.location());
    }

    void stopAbandonsTheRequest() {
        QtLocationService service(positionSourceFactory(nmea(dataFile("sydney.nmea"))), 5s);
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        service.requestLocation();
        service.stopUpdatingLocation();
        QTest::qWait(1500);
        QVERIFY(delegate.events.empty());
    }

    void noSourceAtAllIsRestricted() {
        QtLocationService none(positionSourceFactory({PositionSourceKind::none, {}}));
        QCOMPARE(none.authorizationStatus(), AuthorizationStatus::restricted);
        QVERIFY(!none.problem().isEmpty());

        QtLocationService noPlugin([] {
            return PositionSourceResult{nullptr, QStringLiteral("none here")};
        });
        QCOMPARE(noPlugin.authorizationStatus(), AuthorizationStatus::restricted);
        QCOMPARE(noPlugin.problem(), QStringLiteral("none here"));
    }

    // GeoClue 2 on Qt 6.4 without its daemon: a source exists but offers no method.
    void sourceWithoutPositioningMethodsIsRestricted() {
        ScriptedSource* source = nullptr;
        QtLocationService service(
            scripted(kNoMethods, ScriptedSource::Answer::accessError, &source));
        QCOMPARE(service.authorizationStatus(), AuthorizationStatus::restricted);
        QVERIFY2(service.problem().contains(QStringLiteral("not running")),
                 qPrintable(service.problem()));

        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        service.requestLocation();
        QCOMPARE(source->requests, 0);
        QTRY_COMPARE(delegate.names(), std::vector<std::string>{"failure"});
        QCOMPARE(delegate.events.front().error->kind, LocationErrorKind::unavailable);
        // Asking emits an error each time, so the answer is asked for once and kept.
        QCOMPARE(source->methodQueries, 1);
    }

    void accessErrorFailsTheRequestAndReportsDenial() {
        ScriptedSource* source = nullptr;
        QtLocationService service(
            scripted(kAllMethods, ScriptedSource::Answer::accessError, &source));
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        QSignalSpy problems(&service, &QtLocationService::problemOccurred);
        QCOMPARE(service.authorizationStatus(), AuthorizationStatus::authorizedWhenInUse);

        service.requestLocation();
        QVERIFY(delegate.events.empty());
        QTRY_COMPARE(delegate.names(), (std::vector<std::string>{"failure", "authorization"}));
        QCOMPARE(delegate.events[0].error->kind, LocationErrorKind::accessDenied);
        QCOMPARE(delegate.events[1].status, AuthorizationStatus::denied);
        QCOMPARE(problems.count(), 1);

        // Told once; the next tap asks the source again.
        QCOMPARE(service.authorizationStatus(), AuthorizationStatus::authorizedWhenInUse);
        service.requestLocation();
        QCOMPARE(source->requests, 2);
    }

    void otherSourceErrorsFailTheRequest_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("kind");
        QTest::newRow("unknown") << static_cast<int>(ScriptedSource::Answer::unknownError)
                                 << static_cast<int>(LocationErrorKind::failed);
        QTest::newRow("closed") << static_cast<int>(ScriptedSource::Answer::closedError)
                                << static_cast<int>(LocationErrorKind::unavailable);
    }
    void otherSourceErrorsFailTheRequest() {
        QFETCH(int, answer);
        QFETCH(int, kind);
        QtLocationService service(
            scripted(kAllMethods, static_cast<ScriptedSource::Answer>(answer)));
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        service.requestLocation();
        QTRY_COMPARE(delegate.names(), std::vector<std::string>{"failure"});
        QCOMPARE(static_cast<int>(delegate.events.front().error->kind), kind);
        QCOMPARE(service.authorizationStatus(), AuthorizationStatus::authorizedWhenInUse);
    }

    void permissionRequestAnswersWithTheStatus() {
        QtLocationService service(positionSourceFactory({PositionSourceKind::none, {}}));
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        service.requestWhenInUseAuthorization();
        QTRY_COMPARE(delegate.names(), std::vector<std::string>{"authorization"});
        QCOMPARE(delegate.events.front().status, AuthorizationStatus::restricted);
    }

    void desktopCannotOpenLocationSettings() {
        QtSystemSettings settings;
        QVERIFY(!settings.openLocationSettings());
    }

    // ---- The flow on the real service ----

    void flowFillsTheFormFromTheReplayedLog() {
        QtLocationService service(positionSourceFactory(nmea(dataFile("sydney.nmea"))), 5s);
        FlowHarness h(service);
        h.flow.GetCurrentLocation();
        QVERIFY(h.indicator.animating);
        QTRY_VERIFY_WITH_TIMEOUT(!h.indicator.animating, 5000);

        QCOMPARE(h.view.text(FieldId::d7), std::string("33.8688197"));
        QCOMPARE(h.view.text(FieldId::d8), std::string("151.2092955"));
        QCOMPARE(h.view.text(FieldId::d1), std::string("33°"));
        QCOMPARE(h.view.text(FieldId::m4), std::string("12.55773'"));
        QCOMPARE(h.view.accuracyText(), std::string("15 m"));
        for (const SelectorInfo& c : kSelectors) {
            const int expected = c.half == Half::latitude ? 1 : 0;
            QCOMPARE(h.view.selectedIndex(c.id), expected);
            QCOMPARE(h.store.integerForKey(c.name), expected);
        }
        QCOMPARE(h.view.editingField(), std::nullopt);
        QCOMPARE(h.form.activeField(), std::optional<FieldId>(FieldId::d8));
        QVERIFY(h.alerts.shown.empty());
    }

    void flowWithoutASourceShowsTheAlert() {
        QtLocationService service(positionSourceFactory({PositionSourceKind::none, {}}));
        FlowHarness h(service);
        h.flow.GetCurrentLocation();
        QCOMPARE(h.alerts.shown.size(), std::size_t{1});
        QCOMPARE(h.alerts.shown.front().title, std::string("Location Services are Disabled"));
        QCOMPARE(h.alerts.shown.front().settingsTitle, std::string("Settings"));
        QCOMPARE(h.alerts.shown.front().cancelTitle, std::string("Cancel"));
        QVERIFY(!h.indicator.animating);
        h.alerts.shown.front().settingsHandler(); // no settings page here: nothing happens
    }

    void flowAfterAccessErrorStopsTheIndicatorThenShowsTheAlert() {
        QtLocationService service(scripted(kAllMethods, ScriptedSource::Answer::accessError));
        FlowHarness h(service);
        h.flow.GetCurrentLocation();
        QVERIFY(h.indicator.animating);
        QTRY_COMPARE(h.alerts.shown.size(), std::size_t{1});
        QVERIFY(!h.indicator.animating);
        QCOMPARE(h.view.text(FieldId::d7), std::string());
    }
};

} // namespace quorvane

QTEST_GUILESS_MAIN(quorvane::QtLocationServiceTest)
#include "qt_location_service_test.moc"
