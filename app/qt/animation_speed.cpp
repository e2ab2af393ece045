#include "animation_speed.h"

#include "app/qt/launch_test_mode.h"

#include <QTimerEvent>

namespace quorvane::qt {

namespace {
// One animation step per frame of a 60 Hz display, as Qt's own driver does.
constexpr int kTickMilliseconds = 16;
} // namespace

SpedUpAnimationDriver::SpedUpAnimationDriver(int speed, QObject* parent)
    : QAnimationDriver(parent), speed_(speed) {}

qint64 SpedUpAnimationDriver::elapsed() const {
    return clock_.isValid() ? clock_.elapsed() * speed_ : 0;
}

void SpedUpAnimationDriver::start() {
    clock_.start();
    ticks_.start(kTickMilliseconds, Qt::PreciseTimer, this);
    QAnimationDriver::start();
}

void SpedUpAnimationDriver::stop() {
    ticks_.stop();
    QAnimationDriver::stop();
}

void SpedUpAnimationDriver::timerEvent(QTimerEvent* event) {
    if (event->timerId() == ticks_.timerId())
        advance();
    else
        QAnimationDriver::timerEvent(event);
}

std::unique_ptr<QAnimationDriver> applyLaunchTestMode(LaunchTestMode mode) {
    if (mode != LaunchTestMode::on) return nullptr;
    auto driver = std::make_unique<SpedUpAnimationDriver>(kLaunchTestAnimationSpeed);
    driver->install();
    return driver;
}

} // namespace quorvane::qt
