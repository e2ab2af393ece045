// The location indicator as the accessibility layer presents it. Qt Quick's Accessible
// properties cannot say "busy", which tells a screen reader that something is under way; this
// interface does, for the item named "getcurrentlocationindicator", while the item runs.
#pragma once

namespace quorvane::qt {

// Registers the interface with QAccessible (once per process; later calls do nothing).
void installBusyIndicatorAccessible();

} // namespace quorvane::qt
