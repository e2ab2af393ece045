// The form's fields as the accessibility layer presents them: as Qt Quick does, and also
// "invalid" while the field's half lies out of range (its rangeWarning is set). Qt Quick's
// Accessible properties cannot say so.
#pragma once

class QQuickItem;

namespace quorvane::qt {

// Registers the interface with QAccessible (once per process; later calls do nothing).
void installFieldAccessible();

// Tells assistive technology that the field's invalid state may have changed.
void announceValidityChanged(QQuickItem& field);

} // namespace quorvane::qt
