// Follows the on-screen keyboard on the converter page: the page binds the form's bottom inset
// and the editing bar's place to it, and it scrolls the form so that the field being edited
// (or any control the keyboard focus reaches) stays in sight. The rule is keyboard_inset.h's.
//
// It reads the input method's keyboard rectangle, where the platform reports one; phone shells
// that shrink the window for their keyboard report none, and the form's view gets shorter
// instead, which brings the focused control back into sight as well.
#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtQml/qqmlregistration.h>

namespace quorvane::qt {

// Not final: QML derives from the types it creates.
class KeyboardFollower : public QObject {
    Q_OBJECT
    QML_ELEMENT

    // The form's Flickable: its height, and its contentY that this moves.
    Q_PROPERTY(QQuickItem* view READ view WRITE setView NOTIFY viewChanged)
    // The editing bar, which rides on the keyboard.
    Q_PROPERTY(QQuickItem* bar READ bar WRITE setBar NOTIFY barChanged)
    // Whether a field is being edited (the bar shows, and the inset is kept).
    Q_PROPERTY(bool editing READ editing WRITE setEditing NOTIFY editingChanged)
    // How much of the view's bottom the keyboard covers.
    Q_PROPERTY(qreal keyboardHeight READ keyboardHeight NOTIFY insetChanged)
    // The form's bottom inset: while editing, the keyboard's cover, the bar and a margin; else 0.
    Q_PROPERTY(qreal inset READ inset NOTIFY insetChanged)

public:
    explicit KeyboardFollower(QObject* parent = nullptr);

    QQuickItem* view() const { return view_; }
    void setView(QQuickItem* view);
    QQuickItem* bar() const { return bar_; }
    void setBar(QQuickItem* bar);
    bool editing() const { return editing_; }
    void setEditing(bool editing);
    qreal keyboardHeight() const { return keyboardHeight_; }
    qreal inset() const { return inset_; }

signals:
    void viewChanged();
    void barChanged();
    void editingChanged();
    void insetChanged();

private:
    void watchWindow(QQuickWindow* window);
    // Recomputes the cover and the inset, then keeps the focused control in sight.
    void follow();
    void showFocusedControl();

    QPointer<QQuickItem> view_;
    QPointer<QQuickItem> bar_;
    QPointer<QQuickWindow> window_;
    bool editing_ = false;
    qreal keyboardHeight_ = 0;
    qreal inset_ = 0;
};

} // namespace quorvane::qt
