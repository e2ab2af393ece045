// The Qt Positioning location service on its own: what it makes of NMEA logs, missing files and
// sources that fail, as authorization statuses and callbacks.
#include "core/number_text.h"
#include "location/qt/qt_location_service.h"
#include "location/qt/qt_system_settings.h"

#include <QSignalSpy>
#include <QTest>
#include <QtPositioning/QGeoPositionInfoSource>

using namespace std::chrono_literals;

namespace quorvane {
namespace {

using Names = QStringList;
using K = LocationErrorKind;
using S = AuthorizationStatus;
using Source = QGeoPositionInfoSource;

PositionSourceFactory nmea(const char* name) {
    return positionSourceFactory(
        {PositionSourceKind::nmeaFile, QUORVANE_LOCATION_TEST_DATA + std::string("/") + name});
}

// Records the callbacks: "fix LAT LON ACCURACY", "failure K", "authorization S" with the status
// the service reports as the callback arrives.
struct RecordingDelegate final : LocationServiceDelegate {
    void locationManagerDidChangeAuthorization(LocationService& manager) override {
        names.push_back("authorization " + QString::number(int(manager.authorizationStatus())));
    }
    void didUpdateLocations(LocationService& manager) override {
        const PositionFix fix = manager.location().value();
        names.push_back(QString::fromStdString("fix " + doubleText(fix.latitudeDegrees).str() +
                                               " " + doubleText(fix.longitudeDegrees).str() + " " +
                                               doubleText(fix.horizontalAccuracyMetres).str()));
    }
    void didFailWithError(LocationService&, const LocationError& error) override {
        names.push_back("failure " + QString::number(int(error.kind)));
    }
    Names names;
};

QString failure(K kind) {
    return "failure " + QString::number(int(kind));
}

// A source that offers the given positioning methods and answers a request as told, inside the
// request itself, as some backends do.
class ScriptedSource final : public Source {
public:
    ScriptedSource(PositioningMethods methods, Error answer)
        : Source(nullptr), methods_(methods), answer_(answer) {}

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
        fail(answer_);
    }

    int requests = 0;
    mutable int methodQueries = 0;

private:
    void fail(Error e) { emit errorOccurred(error_ = e); }

    PositioningMethods methods_;
    Error answer_;
    Error error_ = NoError;
};

ScriptedSource* lastScripted = nullptr;

// A source that answers a request with the error; without methods, it offers none.
PositionSourceFactory
answering(Source::Error answer,
          Source::PositioningMethods methods = Source::AllPositioningMethods) {
    return [=] {
        auto source = std::make_unique<ScriptedSource>(methods, answer);
        lastScripted = source.get();
        return PositionSourceResult{std::move(source), {}};
    };
}

} // namespace

class QtLocationServiceTest : public QObject {
    Q_OBJECT

private slots:
    // The source opens on first use; a request is answered later, never from inside the call;
    // a second request asks the source again (the user may have allowed it meanwhile).
    void aRequestIsAnsweredLaterAsTheSourceAllows() {
        const QString sydney = "fix -33.8688197 151.2092955 15.0"; // HDOP 1.5: 2 x 1.5 x 5 m
        const QString unavailable = failure(K::unavailable), denied = failure(K::accessDenied);
        constexpr S on = S::authorizedWhenInUse;
        constexpr S off = S::restricted;
        const struct {
            PositionSourceFactory factory;
            S status;
            Names names;
            QString problem;
            std::chrono::milliseconds timeout = 5s;
        } cases[] = {
            {nmea("sydney.nmea"), on, {sydney}, ""},
            // The log's first epoch holds minutes of 75 and a signed latitude; Qt takes either.
            {nmea("impossible.nmea"), on, {sydney}, ""},
            {nmea("nofix.nmea"), on, {failure(K::timedOut)}, "arrived within 0.3 s", 300ms},
            {nmea("no-such-log.nmea"), off, {unavailable}, "not found"},
            {nmea(""), off, {unavailable}, "not a file"},
            {positionSourceFactory({PositionSourceKind::none, {}}), off, {unavailable}, "off"},
            // GeoClue 2 on Qt 6.4 without its daemon: a source that offers no method.
            {answering(Source::AccessError, {}), off, {unavailable}, "not running"},
            {answering(Source::AccessError), on, {denied, "authorization 2"}, "refused"},
            {answering(Source::UnknownSourceError), on, {failure(K::failed)}, "source failed"},
            {answering(Source::ClosedError), on, {unavailable}, "closed"},
        };
        for (const auto& c : cases) {
            lastScripted = nullptr;
            QtLocationService service(c.factory, c.timeout);
            RecordingDelegate delegate;
            service.setDelegate(&delegate);
            QCOMPARE(service.authorizationStatus(), S::notDetermined);
            QVERIFY(!lastScripted);
            service.setDesiredAccuracy(DesiredAccuracy::bestForNavigation);
            QCOMPARE(service.authorizationStatus(), c.status);
            service.requestLocation();
            QVERIFY(delegate.names.empty());
            QTRY_COMPARE_WITH_TIMEOUT(delegate.names, c.names, 5000);
            QVERIFY2(service.problem().contains(c.problem), qPrintable(service.problem()));
            if (!lastScripted) continue;
            // A denial is told once; the next request asks the source again. A source without
            // methods emits an error on each question about them: it is asked once.
            QCOMPARE(service.authorizationStatus(), c.status);
            service.requestLocation();
            const bool restricted = c.status == S::restricted;
            QCOMPARE(lastScripted->requests, restricted ? 0 : 2);
            QVERIFY(!restricted || lastScripted->methodQueries == 1);
        }
        QVERIFY(!QtSystemSettings().openLocationSettings()); // no such page on the desktop
    }
};

} // namespace quorvane

QTEST_GUILESS_MAIN(quorvane::QtLocationServiceTest)
#include "qt_location_service_test.moc"
