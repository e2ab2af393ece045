#include "app_translations.h"

#include <QCoreApplication>

namespace quorvane::qt {

namespace {
constexpr const char* kFilePrefix = "quorvane";
constexpr const char* kSeparator = "_";
constexpr const char* kResourceFolder = ":/i18n";
} // namespace

AppTranslations::AppTranslations(const QLocale& locale) {
    // Tries each of the locale's UI languages in turn (de-DE, then de, ...).
    installed_ = translator_.load(locale, QLatin1String(kFilePrefix), QLatin1String(kSeparator),
                                  QLatin1String(kResourceFolder)) &&
                 QCoreApplication::installTranslator(&translator_);
}

AppTranslations::~AppTranslations() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

} // namespace quorvane::qt
