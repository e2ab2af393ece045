// The location service on Qt Positioning (Qt 6.4).
//
// Qt 6.4 has no permission API (QLocationPermission arrived in 6.5), so the authorization status
// is read off what the position source offers:
//
//   no source at all (no plugin, "none", a missing NMEA file)      -> restricted
//   a source that offers no positioning method (GeoClue 2 plugin
//     present but no daemon running)                               -> restricted
//   a source that refuses a request with AccessError               -> denied, reported once
//   a source that offers a method                                  -> authorized when in use
//
// The source is opened when the service is first put to use (setDesiredAccuracy, a request),
// not at construction: a screen that never asks for a position pays nothing for it at start-up
// (the system source may mean a D-Bus round trip), and nothing is logged about a missing
// service. Until then the status is "not determined". Where a platform asks the user (GeoClue's
// agent), it does so on the first request, and a refusal comes back as AccessError. The service
// then fails the request and reports the authorization as denied in the callback that follows; the
// next tap asks the source again, since the user may have allowed it in the meantime and Qt 6.4
// cannot tell.
//
// Callbacks are always queued: a source may answer synchronously inside requestUpdate(), but the
// delegate hears of it only after requestLocation() has returned.
#pragma once

#include "location/location_platform.h"
#include "location/position_source_option.h"

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QtPositioning/QGeoPositionInfo>
#include <QtPositioning/QGeoPositionInfoSource>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace quorvane {

// A position source, or none and why.
struct PositionSourceResult {
    std::unique_ptr<QGeoPositionInfoSource> source;
    QString problem; // one readable sentence when there is no source
};

using PositionSourceFactory = std::function<PositionSourceResult()>;

// NMEA carries no accuracy in metres, only the dilution of precision; Qt turns HDOP into a
// horizontal accuracy with this user equivalent range error (accuracy = 2 x HDOP x UERE), a
// typical figure for a consumer GPS receiver.
inline constexpr double kNmeaUserEquivalentRangeErrorMetres = 5.0;

// The id of the application's desktop entry (packaging/), by which the system's position service
// knows who asks, and applies the user's per-application permission.
inline constexpr const char* kDesktopId = "io.github.quorvane.Quorvane";

// What the system's default source is made with: GeoClue 2's plugin takes the desktop id as
// "desktopId" (without it, it would send the application name); other plugins ignore it.
QVariantMap systemPositionSourceParameters();

// The system's default source (GeoClue 2 on Linux desktops).
PositionSourceResult createSystemPositionSource();
// An NMEA 0183 log replayed at the pace of its time stamps. The file is checked first: Qt would
// take a missing file for a serial port.
PositionSourceResult createNmeaFilePositionSource(const QString& path);
// The factory for a choice made on the command line or in the environment.
PositionSourceFactory positionSourceFactory(const PositionSourceChoice& choice);

class QtLocationService final : public QObject, public LocationService {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultFixTimeout{30000};

    // The factory is kept and called once, when the service is first used.
    explicit QtLocationService(const PositionSourceFactory& factory,
                               std::chrono::milliseconds fixTimeout = kDefaultFixTimeout,
                               QObject* parent = nullptr);
    ~QtLocationService() override;

    void setDelegate(LocationServiceDelegate* delegate) override { delegate_ = delegate; }
    void setDesiredAccuracy(DesiredAccuracy accuracy) override;
    AuthorizationStatus authorizationStatus() const override;
    void requestWhenInUseAuthorization() override;
    void requestLocation() override;
    void stopUpdatingLocation() override;
    std::optional<PositionFix> location() const override { return lastFix_; }

    // What is wrong with the position source, in words; empty while nothing is.
    QString problem() const { return problem_; }

signals:
    // A problem with the source (for the application's log); the flow is told through the
    // delegate as well.
    void problemOccurred(const QString& message);

private:
    void onPositionUpdated(const QGeoPositionInfo& update);
    void onErrorOccurred(QGeoPositionInfoSource::Error error);
    void openSource();
    bool sourceOffersPositions() const;
    void setProblem(const QString& message);
    // What an error of the source means, for the log.
    QString problemOf(QGeoPositionInfoSource::Error error) const;
    // Delivers the outcome of the current request later, unless stopUpdatingLocation() or a new
    // request comes first.
    void postRequestOutcome(std::function<void(LocationServiceDelegate&)> callback);
    void postFailure(LocationErrorKind kind, const QString& message);
    void postAuthorizationChange();

    PositionSourceFactory factory_;
    enum class SourceState : unsigned char { unopened, opened };
    SourceState sourceState_ = SourceState::unopened;
    std::unique_ptr<QGeoPositionInfoSource> source_;
    // What the source offers; kept, because asking may make the source emit an error.
    QGeoPositionInfoSource::PositioningMethods methods_ =
        QGeoPositionInfoSource::NoPositioningMethods;
    std::chrono::milliseconds fixTimeout_;
    LocationServiceDelegate* delegate_ = nullptr;
    std::optional<PositionFix> lastFix_;
    QString problem_;
    // timedOut: the last request waited in vain; the source may still be winding it down.
    enum class Request : unsigned char { idle, awaitingFix, timedOut };
    Request request_ = Request::idle;
    std::uint64_t requestGeneration_ = 0;
    enum class Denial : unsigned char { none, reported };
    Denial denial_ = Denial::none;
};

} // namespace quorvane
