// Faster animations for the launch test mode.
//
// Qt has no speed switch for animations, but every animation (Qt Quick's included) takes its
// time from the thread's animation driver. The driver below reports `speed` times the real time
// that passed since it started, so each animation reaches its end that many times sooner.
// Timers (QTimer, QML Timer) keep real time. It must be installed before the first window is
// made, as the scene graph would otherwise install its own driver.
#pragma once

#include "app/qt/gui_options.h"

#include <QAnimationDriver>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <memory>

namespace quorvane::qt {

class SpedUpAnimationDriver final : public QAnimationDriver {
public:
    explicit SpedUpAnimationDriver(int speed, QObject* parent = nullptr);

    qint64 elapsed() const override;

protected:
    void start() override;
    void stop() override;
    void timerEvent(QTimerEvent* event) override;

private:
    int speed_;
    QBasicTimer ticks_;
    QElapsedTimer clock_;
};

// With LaunchTestMode::on, installs a driver that runs animations kLaunchTestAnimationSpeed
// times faster and returns it (it stays installed while it lives); nullptr otherwise.
std::unique_ptr<QAnimationDriver> applyLaunchTestMode(LaunchTestMode mode);

} // namespace quorvane::qt
