#include "app_session.h"

#include "core/position_entry.h"
#include "core/position_reader.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Quorvane_MainPlugin)
Q_IMPORT_QML_PLUGIN(QuorvanePlugin)
Q_IMPORT_QML_PLUGIN(Quorvane_SettingsPlugin)

namespace quorvane::qt {

namespace {

// Theme.bodyFontSize: the size of the screens' text where an item names none.
constexpr int kBodyPixelSize = 15;

QString missingControlError(const QString& name) {
    return QStringLiteral("the converter page has no control named %1").arg(name);
}

// The screens' default font. At the body size, a text that names no size shares its font with
// the body text instead of loading one of its own at start (each costs a fontconfig match).
// Unhinted, as a phone's scaled screen and Qt Quick's distance-field text draw glyphs anyway:
// hinting each glyph cost more than drawing it.
void useScreenFont() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(kBodyPixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    QGuiApplication::setFont(font);
}

} // namespace

AppSession::AppSession(const LocationSetup& location)
    : mapsChoice_(translator_),
      controller_(MainScreenPlatform{view_, settings_, numberFormat_, translator_, clipboard_,
                                     urlOpener_, copyConfirmation_, shareSheet_, screen_},
                  mapsChoice_),
      gridCard_(GridCardPlatform{gridScreen_, translator_, clipboard_, copyConfirmation_},
                controller_.form(), gridChoice_),
      settingsScreen_(SettingsScreenPlatform{translator_, urlOpener_, settings_}, mapsChoice_,
                      GridReferencesSetting{gridChoice_, [this] { gridCard_.applyChoice(); }},
                      SettingsScreen::privacyPolicyUrlOfProgram()),
      location_(location, screen_, controller_, translator_) {
    useScreenFont();
    screen_.connectController(controller_, view_);
    MainScreen::provideTo(engine_, screen_);
    gridScreen_.connectCard(gridCard_, translator_);
    GridCardScreen::provideTo(engine_, gridScreen_);
    PasteBridge::provideTo(engine_, paste_);
    SettingsScreen::provideTo(engine_, settingsScreen_);
}

AppSession::~AppSession() {
    // End any edit while the page still exists, then let the engine take the QML down.
    gridScreen_.detach();
    screen_.releasePage();
}

bool AppSession::load(WindowSize size) {
    // What QML reports while the window is made counts as a load error; later warnings (while
    // the app runs) go to the log as usual.
    const QMetaObject::Connection warnings = QObject::connect(
        &engine_, &QQmlEngine::warnings, &engine_, [this](const QList<QQmlError>& reported) {
            for (const QQmlError& w : reported)
                loadErrors_ << w.toString();
        });
    const QUrl url(QString::fromLatin1(kMainQmlUrl));
    QQmlComponent component(&engine_, url);
    root_.reset(component.createWithInitialProperties(
        {{QStringLiteral("width"), size.width}, {QStringLiteral("height"), size.height}}));
    QObject::disconnect(warnings);
    for (const QQmlError& error : component.errors())
        loadErrors_ << error.toString();
    if (!window()) {
        loadErrors_
            << QStringLiteral("the window could not be created from %1").arg(url.toString());
        return false;
    }
    if (!screen_.pageAttached()) {
        loadErrors_ << QStringLiteral("the converter page did not attach to the screen");
        return false;
    }
    gridChoice_.restore(settings_);
    // The grid references lie below the first screen: their card is made just after the first
    // frame, off the start-up path.
    QObject::connect(
        window(), &QQuickWindow::frameSwapped, window(),
        [this] {
            for (const QString& error : showWholePage())
                qWarning("quorvane: %s", qPrintable(error));
        },
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    for (const QString& name : screen_.missingOutlets())
        loadErrors_ << missingControlError(name);
    return screen_.missingOutlets().isEmpty();
}

QStringList AppSession::showWholePage() {
    if (screen_.wholePage()) return wholePageErrors_;
    screen_.showWholePage();
    for (const QString& name : gridScreen_.attach())
        wholePageErrors_ << missingControlError(name);
    gridCard_.applyChoice();
    gridCard_.refresh();
    return wholePageErrors_;
}

bool AppSession::showPage(StartPage page) {
    QQuickWindow* shown = window();
    if (!shown) return false;
    if (page == StartPage::converter) return true;
    // Main.qml's openPage() knows the pages by the names --page takes.
    const std::string_view name = startPageName(page);
    bool opened = false;
    const bool called = QMetaObject::invokeMethod(
        shown, "openPage", Q_RETURN_ARG(bool, opened),
        Q_ARG(QString, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
    return called && opened;
}

QQuickWindow* AppSession::window() const {
    return qobject_cast<QQuickWindow*>(root_.get());
}

namespace {

// A bad position is quoted in the message, but not at any length.
constexpr qsizetype kMaxQuotedLength = 60;

QString quoted(std::string_view text) {
    QString quote = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (quote.size() > kMaxQuotedLength) quote = quote.left(kMaxQuotedLength) + QChar(0x2026);
    return quote;
}

QString unreadableMessage(std::string_view text, const std::string& why) {
    return QCoreApplication::translate("AppSession", "Could not open \u201c%1\u201d: %2")
        .arg(quoted(text), QString::fromStdString(why));
}

} // namespace

bool AppSession::openPosition(std::string_view text) {
    const PositionReading reading = readPosition(text);
    if (!reading.ok()) {
        showNotice(unreadableMessage(text, describeError(reading)), 0);
        return false;
    }
    enterPosition(controller_.form(), reading);
    // The form is shown from its top, wherever the entry left the focus.
    if (QQuickItem* scrollView = screen_.outlet(QStringLiteral("scrollView")))
        scrollView->setProperty("contentY", 0);
    return true;
}

} // namespace quorvane::qt
