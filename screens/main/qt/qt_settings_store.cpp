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

void QtSettingsStore::setInteger(std::string_view key, int value) {
    settings_.setValue(qtKey(key), value);
}

std::optional<std::string> QtSettingsStore::stringForKey(std::string_view key) const {
    const QVariant value = settings_.value(qtKey(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::setString(std::string_view key, std::string_view value) {
    settings_.setValue(qtKey(key), qtKey(value));
}

} // namespace quorvane::qt
