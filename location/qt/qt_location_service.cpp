#include "qt_location_service.h"

#include "location/nmea_sentence_check.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QtPositioning/QNmeaPositionInfoSource>
#include <cmath>
#include <limits>
#include <utility>

namespace quorvane {

namespace {

int timeoutMilliseconds(std::chrono::milliseconds timeout) {
    constexpr auto kLongest = std::chrono::milliseconds(std::numeric_limits<int>::max());
    return static_cast<int>(std::min(timeout, kLongest).count());
}

double horizontalAccuracyOf(const QGeoPositionInfo& update) {
    // Sources that cannot tell (an NMEA log without a range error set) leave the attribute out.
    return update.hasAttribute(QGeoPositionInfo::HorizontalAccuracy)
               ? update.attribute(QGeoPositionInfo::HorizontalAccuracy)
               : std::numeric_limits<double>::quiet_NaN();
}

QString describe(QGeoPositionInfoSource::Error error) {
    switch (error) {
    case QGeoPositionInfoSource::AccessError:
        return QStringLiteral("the position service refused access to the position");
    case QGeoPositionInfoSource::ClosedError:
        return QStringLiteral("the position service closed the connection");
    case QGeoPositionInfoSource::UpdateTimeoutError:
        return QStringLiteral("no position arrived in time");
    case QGeoPositionInfoSource::UnknownSourceError:
        return QStringLiteral("the position source failed");
    case QGeoPositionInfoSource::NoError:
        break;
    }
    return {};
}

LocationErrorKind kindOf(QGeoPositionInfoSource::Error error) {
    switch (error) {
    case QGeoPositionInfoSource::AccessError:
        return LocationErrorKind::accessDenied;
    case QGeoPositionInfoSource::ClosedError:
        return LocationErrorKind::unavailable;
    case QGeoPositionInfoSource::UpdateTimeoutError:
        return LocationErrorKind::timedOut;
    case QGeoPositionInfoSource::UnknownSourceError:
    case QGeoPositionInfoSource::NoError:
        break;
    }
    return LocationErrorKind::failed;
}

const QString kServiceNotRunning = QStringLiteral("the system position service is not running");

// Qt's NMEA source, shown only the sentences a receiver could have written: Qt's parser takes
// minutes of 75 as 1° 15' and a signed latitude with S as North.
class CheckedNmeaSource final : public QNmeaPositionInfoSource {
public:
    using QNmeaPositionInfoSource::QNmeaPositionInfoSource;

protected:
    bool parsePosInfoFromNmeaData(const char* data, int size, QGeoPositionInfo* posInfo,
                                  bool* hasFix) override {
        if (size < 0 || checkNmeaSentence(std::string_view(data, static_cast<std::size_t>(size))) ==
                            NmeaVerdict::refuse)
            return false;
        return QNmeaPositionInfoSource::parsePosInfoFromNmeaData(data, size, posInfo, hasFix);
    }
};

} // namespace

// ---- Sources ------------------------------------------------------------------------------------

QVariantMap systemPositionSourceParameters() {
    return {{QStringLiteral("desktopId"), QString::fromLatin1(kDesktopId)}};
}

PositionSourceResult createSystemPositionSource() {
    std::unique_ptr<QGeoPositionInfoSource> source(
        QGeoPositionInfoSource::createDefaultSource(systemPositionSourceParameters(), nullptr));
    if (!source)
        return {nullptr, QStringLiteral("no position service is available on this system")};
    return {std::move(source), {}};
}

PositionSourceResult createNmeaFilePositionSource(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists())
        return {nullptr, QStringLiteral("position source file not found: %1").arg(path)};
    if (!file.isFile())
        return {nullptr, QStringLiteral("position source is not a file: %1").arg(path)};

    auto source =
        std::make_unique<CheckedNmeaSource>(QNmeaPositionInfoSource::SimulationMode);
    // The source's Qt child: deleted with it, after the source has let go of it.
    auto* device = new QFile(path, source.get());
    if (!device->open(QIODevice::ReadOnly)) {
        return {nullptr, QStringLiteral("cannot read position source file %1: %2")
                             .arg(path, device->errorString())};
    }
    source->setUserEquivalentRangeError(kNmeaUserEquivalentRangeErrorMetres);
    source->setDevice(device);
    return {std::move(source), {}};
}

PositionSourceFactory positionSourceFactory(const PositionSourceChoice& choice) {
    switch (choice.kind) {
    case PositionSourceKind::none:
        return [] {
            return PositionSourceResult{nullptr,
                                        QStringLiteral("the position source is switched off")};
        };
    case PositionSourceKind::nmeaFile:
        return [path = QString::fromStdString(choice.nmeaFile)] {
            return createNmeaFilePositionSource(path);
        };
    case PositionSourceKind::systemDefault:
        break;
    }
    return createSystemPositionSource;
}

// ---- Service ------------------------------------------------------------------------------------

QtLocationService::QtLocationService(const PositionSourceFactory& factory,
                                     std::chrono::milliseconds fixTimeout, QObject* parent)
    : QObject(parent), factory_(factory), fixTimeout_(fixTimeout) {}

void QtLocationService::openSource() {
    if (sourceState_ == SourceState::opened) return;
    sourceState_ = SourceState::opened;
    PositionSourceResult made = factory_();
    source_ = std::move(made.source);
    if (!source_) {
        setProblem(made.problem);
        return;
    }
    // Asked once, before listening to errors: GeoClue's plugin answers this question by trying
    // to reach its daemon and, failing, emits AccessError from inside the call.
    methods_ = source_->supportedPositioningMethods();
    if (!sourceOffersPositions()) setProblem(kServiceNotRunning);

    // Connected before any request: the first update may come inside requestUpdate() itself.
    connect(source_.get(), &QGeoPositionInfoSource::positionUpdated, this,
            &QtLocationService::onPositionUpdated);
    connect(source_.get(), &QGeoPositionInfoSource::errorOccurred, this,
            &QtLocationService::onErrorOccurred);
    connect(source_.get(), &QGeoPositionInfoSource::supportedPositioningMethodsChanged, this,
            [this] { methods_ = source_->supportedPositioningMethods(); });
}

QtLocationService::~QtLocationService() = default;

void QtLocationService::setDesiredAccuracy(DesiredAccuracy) {
    openSource();
    // The finest fix any method gives: satellites where there are, networks otherwise.
    // Not on a source without methods: Qt asks it for them again, and GeoClue's plugin answers
    // that with another error.
    if (sourceOffersPositions())
        source_->setPreferredPositioningMethods(QGeoPositionInfoSource::AllPositioningMethods);
}

bool QtLocationService::sourceOffersPositions() const {
    return source_ && methods_ != QGeoPositionInfoSource::NoPositioningMethods;
}

AuthorizationStatus QtLocationService::authorizationStatus() const {
    if (sourceState_ == SourceState::unopened) return AuthorizationStatus::notDetermined;
    if (denial_ == Denial::reported) return AuthorizationStatus::denied;
    return sourceOffersPositions() ? AuthorizationStatus::authorizedWhenInUse
                                   : AuthorizationStatus::restricted;
}

void QtLocationService::requestWhenInUseAuthorization() {
    openSource();
    // Nothing to ask on Qt 6.4; the answer is the status as it stands.
    postAuthorizationChange();
}

void QtLocationService::requestLocation() {
    openSource();
    ++requestGeneration_;
    if (!sourceOffersPositions()) {
        request_ = Request::idle;
        postFailure(LocationErrorKind::unavailable,
                    problem_.isEmpty() ? QStringLiteral("no position service is available")
                                       : problem_);
        return;
    }
    request_ = Request::awaitingFix;
    source_->requestUpdate(timeoutMilliseconds(fixTimeout_));
}

void QtLocationService::stopUpdatingLocation() {
    ++requestGeneration_;
    request_ = Request::idle;
    if (source_) source_->stopUpdates();
}

void QtLocationService::onPositionUpdated(const QGeoPositionInfo& update) {
    const QGeoCoordinate coordinate = update.coordinate();
    if (!update.isValid() || !coordinate.isValid()) return;
    lastFix_ =
        PositionFix{coordinate.latitude(), coordinate.longitude(), horizontalAccuracyOf(update)};
    problem_.clear(); // whatever went wrong before, the source delivers again
    if (request_ != Request::awaitingFix) return;
    request_ = Request::idle;
    postRequestOutcome(
        [this](LocationServiceDelegate& delegate) { delegate.didUpdateLocations(*this); });
}

void QtLocationService::onErrorOccurred(QGeoPositionInfoSource::Error error) {
    if (error == QGeoPositionInfoSource::NoError) return;
    // After a timeout the source may report more while it winds the request down (GeoClue's
    // plugin stops its client); the log keeps the timeout rather than a refusal that never was.
    if (request_ == Request::timedOut) return;
    setProblem(problemOf(error));
    // Errors outside a request (a source's own retries) concern nobody.
    if (request_ != Request::awaitingFix) return;
    request_ =
        error == QGeoPositionInfoSource::UpdateTimeoutError ? Request::timedOut : Request::idle;
    postFailure(kindOf(error), problem_);
    if (error == QGeoPositionInfoSource::AccessError) {
        denial_ = Denial::reported;
        postAuthorizationChange();
    }
}

QString QtLocationService::problemOf(QGeoPositionInfoSource::Error error) const {
    if (error == QGeoPositionInfoSource::UpdateTimeoutError) {
        constexpr double kMillisecondsPerSecond = 1000;
        return QStringLiteral("no position arrived within %1 s")
            .arg(static_cast<double>(fixTimeout_.count()) / kMillisecondsPerSecond);
    }
    // Without a positioning method the source has no service behind it (GeoClue's plugin then
    // reports AccessError for the missing daemon); say so rather than "refused".
    return sourceOffersPositions()
               ? describe(error)
               : kServiceNotRunning + QStringLiteral(" (%1)").arg(describe(error));
}

void QtLocationService::setProblem(const QString& message) {
    problem_ = message;
    emit problemOccurred(message);
}

void QtLocationService::postRequestOutcome(std::function<void(LocationServiceDelegate&)> callback) {
    QMetaObject::invokeMethod(
        this,
        [this, generation = requestGeneration_, callback = std::move(callback)] {
            if (generation != requestGeneration_ || !delegate_) return; // abandoned meanwhile
            callback(*delegate_);
        },
        Qt::QueuedConnection);
}

void QtLocationService::postFailure(LocationErrorKind kind, const QString& message) {
    postRequestOutcome(
        [this, error = LocationError{kind, message.toStdString()}](
            LocationServiceDelegate& delegate) { delegate.didFailWithError(*this, error); });
}

void QtLocationService::postAuthorizationChange() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (delegate_) delegate_->locationManagerDidChangeAuthorization(*this);
            // A refusal is known only from a failed request; once told, the next request asks
            // the source again.
            denial_ = Denial::none;
        },
        Qt::QueuedConnection);
}

} // namespace quorvane
