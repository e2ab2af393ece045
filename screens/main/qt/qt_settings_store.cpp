#include "qt_settings_store.h"

#include <QString>
#include <QVariant>

namespace quorvane::qt {

namespace {

QString qtKey(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::UserScope, kSettingsOrganization, kSettingsApplication) {}

int QtSettingsStore::integerForKey(std::string_view key) const {
    bool ok = false;
    const int value = settings_.value(qtKey(key)).toInt(&ok);
    return ok ? value : 0;
}

// A write that changes nothing is left out: every write has the file written again, and a start
// with a position writes the eight hemisphere selectors, mostly unchanged, before the first frame.
void QtSettingsStore::setInteger(std::string_view key, int value) {
    if (integerForKey(key) == value) return;
    settings_.setValue(qtKey(key), value);
}

std::optional<std::string> QtSettingsStore::stringForKey(std::string_view key) const {
    const QVariant value = settings_.value(qtKey(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::setString(std::string_view key, std::string_view value) {
    if (stringForKey(key) == value) return;
    settings_.setValue(qtKey(key), qtKey(value));
}

} // namespace quorvane::qt
