// The current-location button on the converter screen: the Qt Positioning service, the
// location flow, and the screen's side of it (busy indicator, location-disabled alert, the
// form's scroll position), built and connected in one object that AppSession owns.
//
// The page needs nothing of its own for this: the button already calls
// MainScreen.getCurrentLocation(), the indicator shows MainScreen.locationBusy, the accuracy
// label is the form view's, and the alert (LocationAlert.qml) is made over the window when it
// is needed.
#pragma once

#include "location/location_flow.h"
#include "location/qt/qt_location_service.h"
#include "location/qt/qt_system_settings.h"

#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <chrono>
#include <functional>

class QAbstractAnimation;

namespace quorvane {
class MainViewController;
}

namespace quorvane::qt {

class MainScreen;

// The busy indicator beside the button: MainScreen's locationBusy, which the page shows while
// it is true (so it hides itself when stopped).
class QtActivityIndicator final : public ActivityIndicator {
public:
    explicit QtActivityIndicator(MainScreen& screen) : screen_(screen) {}
    void startAnimating() override;
    void stopAnimating() override;
    bool isAnimating() const override;

private:
    MainScreen& screen_;
};

// The form's Flickable (the page's "scrollView") as the scroll position of the form.
class QtScrollPosition final : public QObject, public ScrollPosition {
    Q_OBJECT
public:
    // How long an animated return to an offset takes.
    static constexpr std::chrono::milliseconds kScrollDuration{250};

    explicit QtScrollPosition(MainScreen& screen) : screen_(screen) {}
    ~QtScrollPosition() override;

    ScrollOffset contentOffset() const override;
    void setContentOffset(ScrollOffset offset, ScrollAnimation animation) override;
    bool isScrolling() const;

signals:
    // An animated scroll reached its offset (or was replaced by another).
    void scrollFinished();

private:
    QQuickItem* flickable() const;

    MainScreen& screen_;
    QPointer<QAbstractAnimation> animation_;
};

// The location-disabled alert: LocationAlert.qml, modal over the window of the page. Settings
// and Cancel both close it; Settings then runs the alert's handler. Escape counts as Cancel.
class QtLocationAlertPresenter final : public QObject, public LocationAlertPresenter {
    Q_OBJECT
public:
    static constexpr const char* kAlertQmlUrl =
        "qrc:/qt-project.org/imports/Quorvane/Main/LocationAlert.qml";

    explicit QtLocationAlertPresenter(MainScreen& screen) : screen_(screen) {}
    ~QtLocationAlertPresenter() override;

    void presentLocationDisabledAlert(LocationDisabledAlert alert) override;
    // The screen's notice line, for a few seconds.
    void presentNotice(std::string_view text) override;
    // The alert on screen (the Popup named "locationAlert"), or nullptr.
    QObject* currentAlert() const { return current_; }

signals:
    void alertShown();
    void alertClosed();

private slots:
    // The alert's buttons (LocationAlert.qml's signals), and its closing by other means.
    void settingsChosen();
    void dismiss();

private:
    MainScreen& screen_;
    QPointer<QObject> current_;
    std::function<void()> settingsHandler_;
};

// Where the button takes positions from, and how long it waits for a fix.
struct LocationSetup {
    PositionSourceFactory positionSource = createSystemPositionSource;
    std::chrono::milliseconds fixTimeout = QtLocationService::kDefaultFixTimeout;
};

class LocationBridge final : public QObject {
    Q_OBJECT
public:
    // The controller and screen must outlive the bridge; the position source is made now.
    LocationBridge(const LocationSetup& setup, MainScreen& screen, MainViewController& controller,
                   const Translator& translator);
    ~LocationBridge() override;
    LocationBridge(const LocationBridge&) = delete;
    LocationBridge& operator=(const LocationBridge&) = delete;

    // The current-location button (also what MainScreen.getCurrentLocation() leads to).
    void getCurrentLocation();

    QtLocationService& service() { return service_; }
    QtLocationAlertPresenter& alerts() { return alerts_; }
    LocationFlow& flow() { return flow_; }

signals:
    // A request has come to rest: the form was filled (and scrolled back), the request failed
    // or was abandoned, or the alert is on screen. Emitted after the event that caused it has
    // been handled.
    void locationSettled();

private:
    void indicatorChanged();
    void settleAfterScroll();

    MainScreen& screen_;
    QtLocationService service_;
    QtSystemSettings systemSettings_;
    QtActivityIndicator indicator_;
    QtScrollPosition scrollPosition_;
    QtLocationAlertPresenter alerts_;
    LocationFlow flow_; // last: it lets go of the service when it goes
};

} // namespace quorvane::qt
