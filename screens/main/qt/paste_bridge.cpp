#include "paste_bridge.h"

#include "main_screen.h"
#include "screens/qt/engine_singleton.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QJSEngine>
#include <QQmlEngine>

namespace quorvane::qt {

namespace {

// How long the confirmation with its Undo stays.
constexpr int kPastedNoticeMilliseconds = 8000;

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

PasteBridge::PasteBridge(MainScreen& screen, FormController& form)
    : QObject(nullptr), screen_(screen), paste_(form) {
    connect(&screen_, &MainScreen::noticeChanged, this, &PasteBridge::noticeChanged);
    connect(&screen_, &MainScreen::refusedPaste, this, &PasteBridge::pasteIntoField,
            Qt::QueuedConnection);
    // A key typed after the paste is newer work than the paste: Undo would throw it away.
    connect(&screen_, &MainScreen::keystrokeAccepted, this, [this] {
        paste_.forgetUndo();
        undoStateChanged();
    });
    form.addChangeObserver([this] { undoStateChanged(); });
}

void PasteBridge::undoStateChanged() {
    if (undoOffered_ == paste_.canUndo()) return;
    undoOffered_ = paste_.canUndo();
    emit undoAvailableChanged();
}

PasteBridge* PasteBridge::create(QQmlEngine* qmlEngine, QJSEngine*) {
    return providedBy<PasteBridge>(qmlEngine);
}

void PasteBridge::provideTo(QQmlEngine& engine, PasteBridge& bridge) {
    provideToEngine(engine, bridge);
}

void PasteBridge::pasteClipboard() {
    pasteText(QGuiApplication::clipboard()->text());
}

void PasteBridge::pasteDropped(const QString& text, const QList<QUrl>& urls) {
    if (!text.trimmed().isEmpty() || urls.isEmpty())
        pasteText(text);
    else
        pasteText(urls.front().toString());
}

bool PasteBridge::pasteText(const QString& text) {
    const PasteOutcome outcome = paste_.paste(utf8(text));
    if (outcome.result == PasteResult::refused) {
        screen_.showNotice(QCoreApplication::translate("PasteBridge", "Not a position: %1")
                               .arg(QString::fromStdString(outcome.message)));
        return false;
    }
    pastedNotice_ = QCoreApplication::translate("PasteBridge", "Position pasted");
    screen_.showNotice(pastedNotice_, kPastedNoticeMilliseconds, AnnouncementTiming::afterFill);
    undoStateChanged();
    return true;
}

void PasteBridge::pasteIntoField(const QString& text) {
    pasteText(text);
}

void PasteBridge::undo() {
    paste_.undo();
    screen_.dismissNotice();
    undoStateChanged();
}

void PasteBridge::noticeChanged() {
    // Undo goes with the notice that offers it: once that is gone, the paste stays.
    if (!paste_.canUndo() || screen_.notice() == pastedNotice_) return;
    paste_.forgetUndo();
    undoStateChanged();
}

} // namespace quorvane::qt
