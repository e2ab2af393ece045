#include "location_bridge.h"

#include "main_screen.h"
#include "page_component.h"
#include "screens/main/main_view_controller.h"

#include <QEasingCurve>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTimer>
#include <QUrl>
#include <QtGlobal>

namespace quorvane::qt {

namespace {

const QString kScrollViewName = QStringLiteral("scrollView");
// How long a notice of the location flow stays up.
constexpr int kNoticeMs = 6000;

QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

// ---- Indicator ----------------------------------------------------------------------------------

void QtActivityIndicator::startAnimating() {
    screen_.setLocationBusy(true);
}

void QtActivityIndicator::stopAnimating() {
    screen_.setLocationBusy(false);
}

bool QtActivityIndicator::isAnimating() const {
    return screen_.locationBusy();
}

// ---- Scroll position ----------------------------------------------------------------------------

QtScrollPosition::~QtScrollPosition() {
    if (animation_) animation_->stop();
}

QQuickItem* QtScrollPosition::flickable() const {
    return screen_.outlet(kScrollViewName);
}

ScrollOffset QtScrollPosition::contentOffset() const {
    const QQuickItem* item = flickable();
    if (!item) return {};
    return {item->property("contentX").toDouble(), item->property("contentY").toDouble()};
}

bool QtScrollPosition::isScrolling() const {
    return animation_ && animation_->state() == QAbstractAnimation::Running;
}

void QtScrollPosition::setContentOffset(ScrollOffset offset, ScrollAnimation animation) {
    QQuickItem* item = flickable();
    if (!item) return;
    // A newer offset replaces a scroll still on its way.
    if (animation_) animation_->stop();
    if (animation == ScrollAnimation::none || contentOffset() == offset) {
        item->setProperty("contentX", offset.x);
        item->setProperty("contentY", offset.y);
        return;
    }
    auto* group = new QParallelAnimationGroup(this);
    const auto animate = [&](const char* property, double to) {
        auto* step = new QPropertyAnimation(item, property, group);
        step->setEndValue(to);
        step->setDuration(static_cast<int>(kScrollDuration.count()));
        step->setEasingCurve(QEasingCurve::OutCubic);
    };
    animate("contentX", offset.x);
    animate("contentY", offset.y);
    connect(group, &QAbstractAnimation::finished, this, &QtScrollPosition::scrollFinished);
    animation_ = group;
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

// ---- Alert --------------------------------------------------------------------------------------

QtLocationAlertPresenter::~QtLocationAlertPresenter() {
    if (current_) current_->disconnect(this);
}

void QtLocationAlertPresenter::presentLocationDisabledAlert(LocationDisabledAlert alert) {
    QQuickItem* anchor = screen_.outlet(kScrollViewName);
    QQmlEngine* engine = anchor ? qmlEngine(anchor) : nullptr;
    QQuickWindow* window = anchor ? anchor->window() : nullptr;
    if (!engine || !window) {
        qWarning("QtLocationAlertPresenter: the converter page is not on screen; no alert shown");
        return;
    }
    // One alert at a time: a newer one replaces the one still open.
    if (current_) dismiss();

    QQmlComponent component(engine, QUrl(QString::fromLatin1(kAlertQmlUrl)));
    QObject* popup = component.createWithInitialProperties(
        {{QStringLiteral("parent"), QVariant::fromValue(window->contentItem())},
         {QStringLiteral("title"), qtText(alert.title)},
         {QStringLiteral("message"), qtText(alert.message)},
         {QStringLiteral("settingsText"), qtText(alert.settingsTitle)},
         {QStringLiteral("cancelText"), qtText(alert.cancelTitle)}});
    if (!popup) {
        qWarning("QtLocationAlertPresenter: %s", qPrintable(component.errorString()));
        return;
    }
    // It goes with the window at the latest.
    popup->setParent(window);
    current_ = popup;
    nameDialog(*popup, qtText(alert.title));
    settingsHandler_ = std::move(alert.settingsHandler);
    connect(popup, SIGNAL(settingsChosen()), this, SLOT(settingsChosen()));
    connect(popup, SIGNAL(cancelChosen()), this, SLOT(dismiss()));
    // Closed any other way (Escape): as Cancel.
    connect(popup, SIGNAL(closed()), this, SLOT(dismiss()));
    QMetaObject::invokeMethod(popup, "open");
    emit alertShown();
}

void QtLocationAlertPresenter::presentNotice(std::string_view text) {
    screen_.showNotice(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                       kNoticeMs);
}

void QtLocationAlertPresenter::settingsChosen() {
    // The alert closes first, then its handler runs.
    std::function<void()> handler = std::move(settingsHandler_);
    dismiss();
    if (handler) handler();
}

void QtLocationAlertPresenter::dismiss() {
    QObject* popup = current_;
    if (!popup) return;
    current_ = nullptr;
    settingsHandler_ = nullptr;
    popup->disconnect(this);
    QMetaObject::invokeMethod(popup, "close");
    popup->deleteLater();
    emit alertClosed();
}

// ---- Bridge -------------------------------------------------------------------------------------

LocationBridge::LocationBridge(const LocationSetup& setup, MainScreen& screen,
                               MainViewController& controller, const Translator& translator)
    : screen_(screen), service_(setup.positionSource, setup.fixTimeout), indicator_(screen),
      scrollPosition_(screen), alerts_(screen),
      flow_(LocationFlowPlatform{service_, indicator_, alerts_, systemSettings_, scrollPosition_,
                                 translator},
            controller.form()) {
    connect(&screen_, &MainScreen::currentLocationRequested, this,
            &LocationBridge::getCurrentLocation);
    connect(&screen_, &MainScreen::locationBusyChanged, this, &LocationBridge::indicatorChanged);
    connect(&alerts_, &QtLocationAlertPresenter::alertShown, this,
            [this] { QTimer::singleShot(0, this, &LocationBridge::locationSettled); });
}

LocationBridge::~LocationBridge() = default;

void LocationBridge::getCurrentLocation() {
    flow_.GetCurrentLocation();
}

void LocationBridge::indicatorChanged() {
    // The fill stops the indicator part-way (d7 beginning to edit) and again at its end; look
    // once the callback that stopped it has run to the end.
    if (!screen_.locationBusy()) QTimer::singleShot(0, this, &LocationBridge::settleAfterScroll);
}

void LocationBridge::settleAfterScroll() {
    if (screen_.locationBusy()) return; // a new request began meanwhile
    if (scrollPosition_.isScrolling()) {
        connect(&scrollPosition_, &QtScrollPosition::scrollFinished, this,
                &LocationBridge::locationSettled, Qt::SingleShotConnection);
        return;
    }
    emit locationSettled();
}

} // namespace quorvane::qt
