// One running converter: the platform services, the screen logic and the QML engine that
// shows it, built and wired in one place. gui_app.cpp runs one; the UI tests make a fresh one
// per case.
//
// Other screens join here: construct their bridge next to MainScreen, hand it to the engine
// with its provideTo() in the constructor (before load()), and push their page from Main.qml.
#pragma once

#include "actions/maps_choice.h"
#include "app/qt/gui_options.h"
#include "core/grid/grid_choice.h"
#include "screens/main/grid_card.h"
#include "screens/main/main_view_controller.h"
#include "screens/main/qt/grid_card_screen.h"
#include "screens/main/qt/location_bridge.h"
#include "screens/main/qt/main_screen.h"
#include "screens/main/qt/paste_bridge.h"
#include "screens/main/qt/qt_copy_confirmation.h"
#include "screens/main/qt/qt_form_view.h"
#include "screens/main/qt/qt_services.h"
#include "screens/main/qt/qt_settings_store.h"
#include "screens/main/qt/qt_share_sheet.h"
#include "screens/settings/qt/settings_screen.h"

#include <QQmlEngine>
#include <QStringList>
#include <memory>
#include <string_view>

class QQuickWindow;

namespace quorvane::qt {

// The module URL of the application's window (Qt 6.4 has no loadFromModule).
inline constexpr const char* kMainQmlUrl = "qrc:/qt-project.org/imports/Quorvane/Main.qml";

class AppSession {
public:
    // The current-location button takes its positions from location.positionSource.
    explicit AppSession(const LocationSetup& location = {});
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // Loads the window at the given size and sets the screen up. False (with the reasons in
    // loadErrors()) when QML could not be loaded or the page lacks a control.
    bool load(WindowSize size = kPhoneWindowSize);
    QStringList loadErrors() const { return loadErrors_; }
    // Makes the part of the page that its first frame leaves out (the grid references, below
    // the first screen) and sets it up; load() has it done just after the first frame. Once
    // only; what it found missing, as load errors.
    QStringList showWholePage();

    // Fills the form from a position text (any text `quorvane convert` reads, or a geo: URI)
    // as if it had been typed. A text that cannot be read leaves the form empty and shows why
    // in the screen's notice line; the result is false then.
    bool openPosition(std::string_view text);

    QQuickWindow* window() const;
    QQmlEngine& engine() { return engine_; }
    MainScreen& screen() { return screen_; }
    MainViewController& controller() { return controller_; }
    QtFormView& view() { return view_; }
    QtSettingsStore& settings() { return settings_; }
    MapsChoice& mapsChoice() { return mapsChoice_; }
    LocationBridge& location() { return location_; }
    PasteBridge& paste() { return paste_; }
    SettingsScreen& settingsScreen() { return settingsScreen_; }
    GridCard& gridCard() { return gridCard_; }
    grid::GridChoice& gridChoice() { return gridChoice_; }

    // Shows a page of the window without animation: the settings screen, or the default-maps
    // picker over it (for screenshots and tests). Call after load(); false when the window
    // cannot show it.
    bool showPage(StartPage page);

private:
    void showNotice(const QString& text, int milliseconds) {
        screen_.showNotice(text, milliseconds);
    }

    MainScreen screen_{nullptr};
    QtFormView view_{screen_};
    QtSettingsStore settings_;
    QtNumberFormat numberFormat_;
    QtTranslator translator_;
    QtClipboard clipboard_;
    QtUrlOpener urlOpener_;
    QtCopyConfirmation copyConfirmation_{screen_};
    QtShareSheet shareSheet_{screen_, ShareServices{clipboard_, urlOpener_, translator_}};
    MapsChoice mapsChoice_;
    MainViewController controller_;
    // The grid card follows the form's conversions; the settings change which rows it shows.
    grid::GridChoice gridChoice_;
    GridCardScreen gridScreen_{screen_};
    GridCard gridCard_;
    PasteBridge paste_{screen_, controller_.form()};
    // Shares mapsChoice_ with controller_: a pick takes effect at once for Open in Maps and Share.
    SettingsScreen settingsScreen_;
    LocationBridge location_;
    // A plain engine: QQmlApplicationEngine adds a file selector (a look-up for +variant
    // folders beside every QML file loaded) and a search for translations beside Main.qml; the
    // application has neither, and both cost start-up time.
    QQmlEngine engine_; // after the objects its QML uses, so that the QML goes first
    std::unique_ptr<QObject> root_; // the window, made by load(); goes before the engine
    QStringList loadErrors_;
    QStringList wholePageErrors_;
};

} // namespace quorvane::qt
