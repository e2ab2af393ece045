#include "frame_capture.h"

#include <QFile>
#include <QImage>
#include <QQuickWindow>
#include <QTextStream>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace quorvane::qt {

namespace {

// VmHWM of /proc/self/status, 0 where there is none.
long peakResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return 0;
    QTextStream in(&status);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine())
        if (line.startsWith(QLatin1String("VmHWM:")))
            return line.mid(6).trimmed().section(QLatin1Char(' '), 0, 0).toLong();
    return 0;
}

// Processor time of the process so far (user and system, all threads), in microseconds.
long long processorMicroseconds() {
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) return 0;
    const auto micro = [](const timeval& t) {
        return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_usec;
    };
    return micro(usage.ru_utime) + micro(usage.ru_stime);
}

void reportStartup() {
    if (qEnvironmentVariableIntValue("QUORVANE_STARTUP_REPORT") == 0) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    std::fprintf(stderr, "quorvane-startup first_frame_unix_ns=%lld cpu_us=%lld peak_rss_kb=%ld\n",
                 nanoseconds, processorMicroseconds(), peakResidentKilobytes());
}

} // namespace

void captureFirstFrame(QQuickWindow& window, const QString& file, std::function<void(int)> done) {
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(
        &window, &QQuickWindow::frameSwapped, &window,
        [&window, file, done = std::move(done), connection]() {
            QObject::disconnect(*connection);
            reportStartup();
            // Grab outside the render pass that just finished.
            QTimer::singleShot(0, &window, [&window, file, done]() {
                const QImage picture = window.grabWindow();
                if (picture.isNull() || !picture.save(file, "PNG")) {
                    std::fprintf(stderr, "quorvane: cannot write the screenshot to %s\n",
                                 qPrintable(file));
                    done(1);
                    return;
                }
                done(0);
            });
        });
}

} // namespace quorvane::qt
