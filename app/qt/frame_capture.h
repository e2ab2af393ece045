// Headless pictures of a window: its first frame, saved as PNG. A page that scrolls is pictured
// whole: the window grows to its height first.
//
// With QUORVANE_STARTUP_REPORT=1 in the environment, the moment that frame was on screen (wall
// clock, nanoseconds since the epoch), the processor time used so far and the peak memory so
// far are printed to stderr as
//   quorvane-startup first_frame_unix_ns=N cpu_us=N peak_rss_kb=N
// for tools/bench-startup.sh, which compares them with an empty window built the same way.
#pragma once

#include <QString>
#include <functional>

class QQuickWindow;

namespace quorvane::qt {

// Waits for the window's first frame, saves it to `file` and calls done(0), or done(1) with a
// message on stderr when the picture cannot be written.
void captureFirstFrame(QQuickWindow& window, const QString& file, std::function<void(int)> done);

} // namespace quorvane::qt
