#include "settings_screen.h"

#include "screens/qt/engine_singleton.h"
#include "screens/settings/privacy_policy.h"

#include <QCoreApplication>
#include <QJSEngine>
#include <QQmlEngine>

namespace quorvane::qt {

namespace {

// Translation keys of the page titles.
constexpr std::string_view kSettingsTitleKey = "Settings";
constexpr std::string_view kDefaultMapsTitleKey = "Default Maps App";
constexpr std::string_view kGridReferencesTitleKey = "Grid References";

} // namespace

SettingsScreen::SettingsScreen(const SettingsScreenPlatform& platform, MapsChoice& mapsChoice,
                               const GridReferencesSetting& gridReferences,
                               std::string privacyPolicyUrl, QObject* parent)
    : QObject(parent), settingsController_(platform.translator, platform.urlOpener, mapsChoice,
                                           std::move(privacyPolicyUrl)),
      defaultMapsController_(platform.translator, platform.settings, mapsChoice),
      settingsModel_(settingsController_), defaultMapsModel_(defaultMapsController_),
      gridReferencesController_(platform.translator, platform.settings, gridReferences.choice,
                                gridReferences.changed),
      gridReferencesModel_(gridReferencesController_),
      settingsTitle_(QString::fromStdString(platform.translator.translate(kSettingsTitleKey))),
      defaultMapsTitle_(
          QString::fromStdString(platform.translator.translate(kDefaultMapsTitleKey))),
      gridReferencesTitle_(
          QString::fromStdString(platform.translator.translate(kGridReferencesTitleKey))) {
    // The models are members, not children: the engine must never take them over.
    QJSEngine::setObjectOwnership(&settingsModel_, QJSEngine::CppOwnership);
    QJSEngine::setObjectOwnership(&defaultMapsModel_, QJSEngine::CppOwnership);
    QJSEngine::setObjectOwnership(&gridReferencesModel_, QJSEngine::CppOwnership);
}

SettingsScreen* SettingsScreen::create(QQmlEngine* qmlEngine, QJSEngine*) {
    return providedBy<SettingsScreen>(qmlEngine);
}

void SettingsScreen::provideTo(QQmlEngine& engine, SettingsScreen& screen) {
    provideToEngine(engine, screen);
}

std::string SettingsScreen::privacyPolicyUrlOfProgram() {
    const std::string executableDir = QCoreApplication::applicationDirPath().toStdString();
    return privacyPolicyUrl(configuredPrivacyPolicyUrl(), installedDataDir(executableDir));
}

} // namespace quorvane::qt
