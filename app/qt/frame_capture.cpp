#include "frame_capture.h"

#include <QFile>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTextStream>
#include <QTimer>
#include <chrono>
#include <cmath>
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

namespace {

void savePicture(QQuickWindow& window, const QString& file, const std::function<void(int)>& done) {
    const QImage picture = window.grabWindow();
    if (picture.isNull() || !picture.save(file, "PNG")) {
        std::fprintf(stderr, "quorvane: cannot write the screenshot to %s\n", qPrintable(file));
        done(1);
        return;
    }
    done(0);
}

// Pages are placed in the window as visual children, not always as QObject children.
const QQuickItem* visibleItemNamed(const QQuickItem* item, const QString& name) {
    if (item == nullptr || !item->isVisible()) return nullptr;
    if (item->objectName() == name) return item;
    for (const QQuickItem* child : item->childItems())
        if (const QQuickItem* found = visibleItemNamed(child, name)) return found;
    return nullptr;
}

// How much taller the window must be to show the whole of the scrolled page: 0 when it fits
// or when the page does not scroll.
int missingHeight(const QQuickWindow& window) {
    const QQuickItem* page = visibleItemNamed(window.contentItem(), QStringLiteral("scrollView"));
    if (page == nullptr) return 0;
    const double content = page->property("contentHeight").toDouble();
    return content > page->height() ? static_cast<int>(std::ceil(content - page->height())) : 0;
}

// Calls `then` once, after the window's next frame is on screen (outside that render pass).
void afterNextFrame(QQuickWindow& window, std::function<void()> then) {
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(&window, &QQuickWindow::frameSwapped, &window,
                                   [&window, then = std::move(then), connection]() {
                                       QObject::disconnect(*connection);
                                       QTimer::singleShot(0, &window, then);
                                   });
    window.update();
}

} // namespace

void captureFirstFrame(QQuickWindow& window, const QString& file, std::function<void(int)> done) {
    // Taken as the frame is done, before anything the page makes after it.
    constexpr auto once =
        static_cast<Qt::ConnectionType>(Qt::DirectConnection | Qt::SingleShotConnection);
    QObject::connect(&window, &QQuickWindow::frameSwapped, &window, &reportStartup, once);
    afterNextFrame(window, [&window, file, done = std::move(done)]() {
        // What the page makes after its first frame is laid out by the next one.
        afterNextFrame(window, [&window, file, done]() {
            // A form taller than the window is pictured whole: the window grows to the page's
            // height, and the picture waits for the frame drawn at that size.
            if (const int more = missingHeight(window); more > 0) {
                window.resize(window.width(), window.height() + more);
                afterNextFrame(window, [&window, file, done]() { savePicture(window, file, done); });
                return;
            }
            savePicture(window, file, done);
        });
    });
}

} // namespace quorvane::qt
