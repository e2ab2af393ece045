// The graphical application: `quorvane [OPTIONS] [POSITION]`.
#include "app/gui_app.h"

#include "app/qt/animation_speed.h"
#include "app/qt/app_session.h"
#include "app/qt/app_translations.h"
#include "app/qt/frame_capture.h"
#include "app/qt/gui_options.h"
#include "location/position_source_option.h"
#include "screens/main/qt/qt_settings_store.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quorvane {

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Reads the font database on another core while the screen is being built. The first text of
// the screen would otherwise wait for it (fontconfig's set-up is a good part of the start-up
// time); the database guards itself with a lock, so the screen simply finds it ready. Joined
// before the application object goes away.
class FontDatabaseWarmUp {
public:
    FontDatabaseWarmUp() : thread_([] { QFontDatabase::families(); }) {}
    ~FontDatabaseWarmUp() { thread_.join(); }
    FontDatabaseWarmUp(const FontDatabaseWarmUp&) = delete;
    FontDatabaseWarmUp& operator=(const FontDatabaseWarmUp&) = delete;

private:
    std::thread thread_;
};

std::vector<std::string> argumentsAfterProgram(const QStringList& arguments) {
    std::vector<std::string> words;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        words.push_back(arguments[i].toStdString());
    return words;
}

int runSelfTest(qt::AppSession& session) {
    const QStringList errors = session.loadErrors() + session.showWholePage();
    if (!errors.isEmpty()) {
        for (const QString& error : errors)
            std::fprintf(stderr, "quorvane --self-test: %s\n", qPrintable(error));
        std::fputs("quorvane --self-test: FAILED\n", stderr);
        return kExitFailure;
    }
    std::fputs("quorvane --self-test: the converter screen loaded with all its controls\n", stdout);
    return 0;
}

// The position source: --position-source, else QUORVANE_POSITION_SOURCE, else the system's.
PositionSourceParse positionSourceOf(const GuiOptions& options) {
    const char* environment = std::getenv(kPositionSourceVariable.data());
    PositionSourceParse chosen = choosePositionSource(
        options.positionSource,
        environment ? std::optional<std::string_view>(environment) : std::nullopt);
    if (!chosen.choice) chosen.error = std::string(kPositionSourceVariable) + ": " + chosen.error;
    return chosen;
}

// Problems of the position source go to the log (each once in a row); the screen shows only
// the alert.
void reportPositionProblems(QtLocationService& service) {
    auto last = std::make_shared<QString>();
    const auto report = [last](const QString& problem) {
        if (problem.isEmpty() || problem == *last) return;
        *last = problem;
        std::fprintf(stderr, "quorvane: %s\n", qPrintable(problem));
    };
    report(service.problem());
    QObject::connect(&service, &QtLocationService::problemOccurred, &service, report);
}

void keepSettingsIn(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace

const char* guiHelpText() {
    static const std::string text =
        std::string(
            "  POSITION          start with the form filled from POSITION, written as for\n"
            "                    `quorvane convert`, or a geo: URI (geo:48.8583701,2.2944813)\n"
            "  --size WxH        window size in logical pixels (default 390x844)\n"
            "  --screenshot FILE render the screen without showing a window, save it to FILE\n"
            "                    (PNG) and exit; a form taller than the window is pictured\n"
            "                    whole, the window growing to its height\n"
            "  --page PAGE       start on another page: settings (the settings screen), maps\n"
            "                    (the default maps picker) or grids (the grid references'\n"
            "                    page), e.g. for --screenshot\n"
            "  --self-test       load the screen without showing it, check that every control\n"
            "                    is in place, and exit with 0 (or 1 and the reasons)\n") +
        std::string(positionSourceHelpText()) +
        "  --locate          tap the current-location button once the screen is up; a\n"
        "                    --screenshot then waits until the form is filled (or the\n"
        "                    request failed, or the alert is shown)\n"
        "  UITests           run every animation of the window 200 times faster\n"
        "Standard Qt options (such as -platform) are accepted as well.\n";
    return text.c_str();
}

int runGuiApp(int argc, char** argv) {
    const GuiMode wanted = asksForHeadlessRun(argc, argv) ? GuiMode::screenshot : GuiMode::run;
    if (wanted != GuiMode::run && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication::setOrganizationName(QString::fromLatin1(qt::kSettingsOrganization));
    QGuiApplication::setApplicationName(QString::fromLatin1(qt::kSettingsApplication));
    // Ties the windows to the installed desktop entry (icon and name in the shell).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));

    QGuiApplication app(argc, argv);
    const GuiOptionsResult parsed = parseGuiOptions(argumentsAfterProgram(app.arguments()));
    if (!parsed.options) {
        std::fprintf(stderr, "quorvane: %s\nTry `quorvane --help`.\n", parsed.error.c_str());
        return kExitUsage;
    }
    const GuiOptions& options = *parsed.options;
    // Both before the first window: QML looks its texts up as it loads, and the scene graph
    // would install its own animation driver.
    const qt::AppTranslations translations(QLocale::system());
    const auto animationDriver = qt::applyLaunchTestMode(options.launchTestMode);

    const PositionSourceParse positionSource = positionSourceOf(options);
    if (!positionSource.choice) {
        std::fprintf(stderr, "quorvane: %s\n", positionSource.error.c_str());
        return kExitUsage;
    }

    // A screenshot or self-test keeps its settings in a folder of its own, gone when it ends: a
    // start position or --locate must not change the user's hemispheres or maps choice.
    const std::optional<QTemporaryDir> ownSettings =
        options.mode == GuiMode::run ? std::nullopt : std::make_optional<QTemporaryDir>();
    if (ownSettings) keepSettingsIn(ownSettings->path());

    const FontDatabaseWarmUp fontWarmUp;
    qt::AppSession session(qt::LocationSetup{positionSourceFactory(*positionSource.choice)});
    reportPositionProblems(session.location().service());
    const bool loaded = session.load(options.size.value_or(kPhoneWindowSize));
    if (options.mode == GuiMode::selfTest) return runSelfTest(session);
    if (!loaded) {
        for (const QString& error : session.loadErrors())
            std::fprintf(stderr, "quorvane: %s\n", qPrintable(error));
        return kExitFailure;
    }
    if (options.position) session.openPosition(*options.position);
    if (!session.showPage(options.startPage)) {
        std::fprintf(stderr, "quorvane: cannot open the page '%s'\n",
                     std::string(startPageName(options.startPage)).c_str());
        return kExitFailure;
    }

    const auto capture = [&session, &options] {
        qt::captureFirstFrame(*session.window(), QString::fromStdString(options.screenshotFile),
                              [](int status) { QCoreApplication::exit(status); });
        session.window()->update(); // a frame to capture, even if nothing moves any more
    };
    if (options.locate == LocateAtStart::on) {
        if (options.mode == GuiMode::screenshot)
            QObject::connect(&session.location(), &qt::LocationBridge::locationSettled,
                             session.window(), capture, Qt::SingleShotConnection);
        session.location().getCurrentLocation();
    } else if (options.mode == GuiMode::screenshot) {
        capture();
    }
    return app.exec();
}

} // namespace quorvane
