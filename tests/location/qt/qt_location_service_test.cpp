// The Qt Positioning location service on its own: NMEA replay, missing files, failing sources,
// how what Qt reports maps onto the authorization statuses.
#include "core/memory_platform.h"
#include "core/number_text.h"
#include "location/location_flow.h"
#include "location/qt/qt_location_service.h"
#include "location/qt/qt_system_settings.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QtPositioning/QGeoPositionInfoSource>
#include <memory>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace quorvane {
namespace {

using Names = QStringList;
using K = LocationErrorKind;
using S = AuthorizationStatus;

PositionSourceFactory nmea(const char* name) {
    return positionSourceFactory(
        {PositionSourceKind::nmeaFile, QUORVANE_LOCATION_TEST_DATA + std::string("/") + name});
}
const PositionSourceFactory kNoSource = positionSourceFactory({PositionSourceKind::none, {}});

// Records the callbacks: "update", "failure K" with the error's kind, "authorization S" with
// the status the service reports as the callback arrives.
struct RecordingDelegate final : LocationServiceDelegate {
    void locationManagerDidChangeAuthorization(LocationService& manager) override {
        names.push_back("authorization " + QString::number(int(manager.authorizationStatus())));
    }
    void didUpdateLocations(LocationService&) override { names.push_back("update"); }
    void didFailWithError(LocationService&, const LocationError& error) override {
        names.push_back("failure " + QString::number(int(error.kind)));
        message = error.message;
    }
    Names names;
    std::string message;
};

QString failure(K kind) {
    return "failure " + QString::number(int(kind));
}

// A source that offers the given positioning methods and answers a request as told, inside the
// request itself, as some backends do.
class ScriptedSource final : public QGeoPositionInfoSource {
public:
    ScriptedSource(PositioningMethods methods, Error answer)
        : QGeoPositionInfoSource(nullptr), methods_(methods), answer_(answer) {}

    QGeoPositionInfo lastKnownPosition(bool) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override {
        ++methodQueries;
        // GeoClue's plugin on Qt 6.4 without its daemon: asking fails from inside the call.
        if (methods_ == NoPositioningMethods) const_cast<ScriptedSource*>(this)->fail(answer_);
        return methods_;
    }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return error_; }
    void startUpdates() override {}
    void stopUpdates() override {}
    void requestUpdate(int) override {
        ++requests;
        if (answer_ != NoError) fail(answer_);
    }

    int requests = 0;
    mutable int methodQueries = 0;

private:
    void fail(Error e) { emit errorOccurred(error_ = e); }

    PositioningMethods methods_;
    Error answer_;
    Error error_ = NoError;
};

PositionSourceFactory scripted(QGeoPositionInfoSource::PositioningMethods methods,
                               QGeoPositionInfoSource::Error answer, ScriptedSource** made) {
    return [=] {
        auto source = std::make_unique<ScriptedSource>(methods, answer);
        *made = source.get();
        return PositionSourceResult{std::move(source), {}};
    };
}

} // namespace

class QtLocationServiceTest : public QObject {
    Q_OBJECT

private slots:
    void nmeaReplayDeliversOneFixAfterTheRequestReturns() {
        QtLocationService service(nmea("sydney.nmea"), 5s);
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        QCOMPARE(service.authorizationStatus(), S::notDetermined); // not opened until used
        service.setDesiredAccuracy(DesiredAccuracy::bestForNavigation);
        QCOMPARE(service.authorizationStatus(), S::authorizedWhenInUse);
        service.requestLocation();
        QVERIFY(delegate.names.empty()); // never from inside the request
        QTRY_COMPARE_WITH_TIMEOUT(delegate.names, Names{"update"}, 5000);
        const std::optional<PositionFix> fix = service.location();
        QVERIFY(fix);
        QCOMPARE(QString::fromStdString(doubleText(fillMagnitude(fix->latitudeDegrees)).str() +
                                        doubleText(fillMagnitude(fix->longitudeDegrees)).str()),
                 "33.8688197151.2092955");
        QVERIFY(fix->latitudeDegrees < 0 && fix->longitudeDegrees > 0);
        QCOMPARE(fix->horizontalAccuracyMetres, 15.0); // HDOP 1.5 in the log: 2 x 1.5 x 5 m
    }

    // The log's first epoch holds minutes of 75 and a signed latitude; Qt would take either.
    void impossibleSentencesOfAReplayAreRefused() {
        QtLocationService service(nmea("impossible.nmea"), 5s);
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        service.requestLocation();
        QTRY_COMPARE_WITH_TIMEOUT(delegate.names, Names{"update"}, 5000);
        QCOMPARE(QString::fromStdString(doubleText(service.location()->latitudeDegrees).str()),
                 "-33.8688197");
    }

    void logWithoutAFixTimesOut() {
        QtLocationService service(nmea("nofix.nmea"), 300ms);
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        service.requestLocation();
        QTRY_COMPARE_WITH_TIMEOUT(delegate.names, Names{failure(K::timedOut)}, 5000);
        QVERIFY(!service.location());
        QCOMPARE(service.problem(), QStringLiteral("no position arrived within 0.3 s"));
    }

    void unreadableOrMissingSourcesAreRestrictedAndSaySo() {
        const std::pair<PositionSourceFactory, QString> cases[] = {
            {nmea("no-such-log.nmea"), "not found: " QUORVANE_LOCATION_TEST_DATA "/no-such-log"},
            {nmea(""), "not a file"},
            {kNoSource, "switched off"},
            {[] {
                 return PositionSourceResult{nullptr, "none here"};
             },
             "none here"},
        };
        for (const auto& [factory, problem] : cases) {
            QtLocationService service(factory);
            QVERIFY(service.problem().isEmpty()); // nothing opened, nothing to say yet
            QSignalSpy problems(&service, &QtLocationService::problemOccurred);
            service.setDesiredAccuracy(DesiredAccuracy::bestForNavigation);
            QCOMPARE(problems.count(), 1);
            QCOMPARE(service.authorizationStatus(), S::restricted);
            QVERIFY2(service.problem().contains(problem), qPrintable(service.problem()));
            // A request fails later, saying the same; asking for permission answers the status.
            RecordingDelegate delegate;
            service.setDelegate(&delegate);
            service.requestLocation();
            service.requestWhenInUseAuthorization();
            QVERIFY(delegate.names.empty());
            QTRY_COMPARE(delegate.names, (Names{failure(K::unavailable), "authorization 1"}));
            QCOMPARE(QString::fromStdString(delegate.message), service.problem());
        }
        QVERIFY(!QtSystemSettings().openLocationSettings()); // no such page on the desktop
    }

    // GeoClue 2 on Qt 6.4 without its daemon: a source exists but offers no method.
    void sourceWithoutPositioningMethodsIsRestricted() {
        ScriptedSource* source = nullptr;
        QtLocationService service(scripted(QGeoPositionInfoSource::NoPositioningMethods,
                                           QGeoPositionInfoSource::AccessError, &source));
        QVERIFY(!source); // the factory runs on first use, not at construction
        service.setDesiredAccuracy(DesiredAccuracy::bestForNavigation);
        QCOMPARE(service.authorizationStatus(), S::restricted);
        QVERIFY2(service.problem().contains("not running"), qPrintable(service.problem()));
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        service.requestLocation();
        QTRY_COMPARE(delegate.names, Names{failure(K::unavailable)});
        QCOMPARE(source->requests, 0);
        QCOMPARE(source->methodQueries, 1); // asking emits an error each time: asked once
    }

    void sourceErrorsFailTheRequest_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<Names>("names");
        QTest::newRow("access") << int(QGeoPositionInfoSource::AccessError)
                                << Names{failure(K::accessDenied), "authorization 2"};
        QTest::newRow("unknown") << int(QGeoPositionInfoSource::UnknownSourceError)
                                 << Names{failure(K::failed)};
        QTest::newRow("closed") << int(QGeoPositionInfoSource::ClosedError)
                                << Names{failure(K::unavailable)};
    }
    void sourceErrorsFailTheRequest() {
        QFETCH(int, answer);
        QFETCH(Names, names);
        ScriptedSource* source = nullptr;
        QtLocationService service(scripted(QGeoPositionInfoSource::AllPositioningMethods,
                                           QGeoPositionInfoSource::Error(answer), &source));
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        QSignalSpy problems(&service, &QtLocationService::problemOccurred);
        service.setDesiredAccuracy(DesiredAccuracy::bestForNavigation);
        QCOMPARE(service.authorizationStatus(), S::authorizedWhenInUse);
        service.requestLocation();
        QVERIFY(delegate.names.empty());
        QTRY_COMPARE(delegate.names, names);
        QCOMPARE(problems.count(), 1);
        // A denial is told once; the next tap asks the source again.
        QCOMPARE(service.authorizationStatus(), S::authorizedWhenInUse);
        service.requestLocation();
        QCOMPARE(source->requests, 2);
    }
};

} // namespace quorvane

QTEST_GUILESS_MAIN(quorvane::QtLocationServiceTest)
#include "qt_location_service_test.moc"
