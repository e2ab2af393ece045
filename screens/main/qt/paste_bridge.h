// Paste and drop of a whole position on the converter screen, for QML.
//
// QML reaches it as the singleton `Paste` of the module Quorvane.Main: the toolbar's Paste
// button and the platform's paste shortcut (while no field is edited) call pasteClipboard(), a
// drop on the window calls pasteDropped(), and the notice's Undo button calls undo(). A paste
// into a field that the keystroke filter refuses reaches pasteIntoField() through MainScreen.
// PositionPaste decides; this bridge shows its outcome in the screen's notice line.
#pragma once

#include "screens/main/position_paste.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

namespace quorvane::qt {

class MainScreen;

class PasteBridge final : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Paste)
    QML_SINGLETON

    // Whether the notice offers Undo of the last paste.
    Q_PROPERTY(bool undoAvailable READ undoAvailable NOTIFY undoAvailableChanged)

public:
    PasteBridge(MainScreen& screen, FormController& form);

    static PasteBridge* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);
    static void provideTo(QQmlEngine& engine, PasteBridge& bridge);

    // The clipboard's text, read as one whole position.
    Q_INVOKABLE void pasteClipboard();
    // Text or links dropped on the window: the text when there is one, else the first link.
    Q_INVOKABLE void pasteDropped(const QString& text, const QList<QUrl>& urls);
    Q_INVOKABLE void undo();

    // A paste the field refused: a whole position fills the form; anything else is refused
    // with the reader's message.
    void pasteIntoField(const QString& text);
    // Reads the text; a refusal shows the reader's message.
    bool pasteText(const QString& text);

    bool undoAvailable() const { return undoOffered_; }

signals:
    void undoAvailableChanged();

private:
    void noticeChanged();
    // The form changed, or the user typed: Undo is offered only while the form shows the paste.
    void undoStateChanged();

    MainScreen& screen_;
    PositionPaste paste_;
    QString pastedNotice_;
    bool undoOffered_ = false;
};

} // namespace quorvane::qt
