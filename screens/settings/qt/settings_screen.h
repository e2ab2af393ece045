// The settings pages' bridge between QML and the platform-free controllers.
//
// QML reaches it as the singleton `SettingsScreen` of the module Quorvane.Settings. The
// application creates one with its platform services and the MapsChoice it shares with the
// converter screen, and hands it to the engine with provideTo() before loading QML. The pages
// read rows from the two models and forward taps to them.
#pragma once

#include "actions/maps_choice.h"
#include "screens/settings/default_maps_view_controller.h"
#include "screens/settings/grid_references_view_controller.h"
#include "screens/settings/settings_view_controller.h"
#include "settings_models.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <functional>
#include <string>

class QJSEngine;
class QQmlEngine;

namespace quorvane {
class SettingsStore;
}

namespace quorvane::qt {

struct SettingsScreenPlatform {
    const Translator& translator;
    UrlOpener& urlOpener;
    SettingsStore& settings;
};

// The choice of grid references the settings change, and what follows a change.
struct GridReferencesSetting {
    grid::GridChoice& choice;
    std::function<void()> changed;
};

class SettingsScreen final : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(quorvane::qt::SettingsTableModel* settingsModel READ settingsModel CONSTANT)
    Q_PROPERTY(quorvane::qt::DefaultMapsTableModel* defaultMapsModel READ defaultMapsModel CONSTANT)
    Q_PROPERTY(quorvane::qt::GridReferencesTableModel* gridReferencesModel READ gridReferencesModel
                   CONSTANT)
    // Page titles, localized.
    Q_PROPERTY(QString settingsTitle READ settingsTitle CONSTANT)
    Q_PROPERTY(QString defaultMapsTitle READ defaultMapsTitle CONSTANT)
    Q_PROPERTY(QString gridReferencesTitle READ gridReferencesTitle CONSTANT)

public:
    // All references must outlive the screen. privacyPolicyUrl: see privacyPolicyUrlOfProgram().
    SettingsScreen(const SettingsScreenPlatform& platform, MapsChoice& mapsChoice,
                   const GridReferencesSetting& gridReferences, std::string privacyPolicyUrl,
                   QObject* parent = nullptr);

    // QML's singleton factory: the screen given to provideTo() for that engine.
    static SettingsScreen* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);
    // Makes `screen` the engine's SettingsScreen singleton; call before the engine loads QML.
    static void provideTo(QQmlEngine& engine, SettingsScreen& screen);

    // The privacy page of the running program: the address configured at build time, else the
    // page installed beside the executable (needs a QCoreApplication).
    static std::string privacyPolicyUrlOfProgram();

    SettingsTableModel* settingsModel() { return &settingsModel_; }
    DefaultMapsTableModel* defaultMapsModel() { return &defaultMapsModel_; }
    GridReferencesTableModel* gridReferencesModel() { return &gridReferencesModel_; }
    QString gridReferencesTitle() const { return gridReferencesTitle_; }
    QString settingsTitle() const { return settingsTitle_; }
    QString defaultMapsTitle() const { return defaultMapsTitle_; }

    SettingsViewController& settingsController() { return settingsController_; }
    DefaultMapsViewController& defaultMapsController() { return defaultMapsController_; }

private:
    SettingsViewController settingsController_;
    DefaultMapsViewController defaultMapsController_;
    SettingsTableModel settingsModel_;
    DefaultMapsTableModel defaultMapsModel_;
    GridReferencesViewController gridReferencesController_;
    GridReferencesTableModel gridReferencesModel_;
    QString settingsTitle_;
    QString defaultMapsTitle_;
    QString gridReferencesTitle_;
};

} // namespace quorvane::qt
