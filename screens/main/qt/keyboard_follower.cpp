#include "keyboard_follower.h"

#include "screens/main/keyboard_inset.h"

#include <QGuiApplication>
#include <QInputMethod>

namespace quorvane::qt {

namespace {

VerticalSpan spanInWindow(const QQuickItem& item) {
    const double top = item.mapToScene(QPointF(0, 0)).y();
    return {top, top + item.height()};
}

std::optional<VerticalSpan> keyboardInWindow() {
    const QInputMethod* inputMethod = QGuiApplication::inputMethod();
    if (!inputMethod->isVisible()) return std::nullopt;
    const QRectF keyboard = inputMethod->keyboardRectangle();
    return VerticalSpan{keyboard.top(), keyboard.bottom()};
}

} // namespace

KeyboardFollower::KeyboardFollower(QObject* parent) : QObject(parent) {
    QInputMethod* inputMethod = QGuiApplication::inputMethod();
    connect(inputMethod, &QInputMethod::keyboardRectangleChanged, this, &KeyboardFollower::follow);
    connect(inputMethod, &QInputMethod::visibleChanged, this, &KeyboardFollower::follow);
}

void KeyboardFollower::setView(QQuickItem* view) {
    if (view == view_) return;
    if (view_) disconnect(view_, nullptr, this, nullptr);
    view_ = view;
    if (view_) {
        connect(view_, &QQuickItem::heightChanged, this, &KeyboardFollower::follow);
        connect(view_, &QQuickItem::windowChanged, this, &KeyboardFollower::watchWindow);
        watchWindow(view_->window());
    }
    emit viewChanged();
    follow();
}

void KeyboardFollower::setBar(QQuickItem* bar) {
    if (bar == bar_) return;
    if (bar_) disconnect(bar_, nullptr, this, nullptr);
    bar_ = bar;
    if (bar_) connect(bar_, &QQuickItem::heightChanged, this, &KeyboardFollower::follow);
    emit barChanged();
    follow();
}

void KeyboardFollower::setEditing(bool editing) {
    if (editing == editing_) return;
    editing_ = editing;
    emit editingChanged();
    follow();
}

void KeyboardFollower::watchWindow(QQuickWindow* window) {
    if (window_) disconnect(window_, nullptr, this, nullptr);
    window_ = window;
    if (window_)
        connect(window_, &QQuickWindow::activeFocusItemChanged, this,
                &KeyboardFollower::showFocusedControl);
}

void KeyboardFollower::follow() {
    const double cover = view_ ? keyboardCover(spanInWindow(*view_), keyboardInWindow()) : 0;
    const double inset = editing_ ? editingInset(cover, bar_ ? bar_->height() : 0) : 0;
    if (cover != keyboardHeight_ || inset != inset_) {
        keyboardHeight_ = cover;
        inset_ = inset;
        emit insetChanged();
    }
    showFocusedControl();
}

void KeyboardFollower::showFocusedControl() {
    if (!view_ || !window_) return;
    const auto* content = view_->property("contentItem").value<QQuickItem*>();
    QQuickItem* focused = window_->activeFocusItem();
    if (content == nullptr || focused == nullptr || !content->isAncestorOf(focused)) return;
    const double top = focused->mapToItem(content, QPointF(0, 0)).y();
    const double contentY = view_->property("contentY").toDouble();
    const double wanted =
        contentYShowing({top, top + focused->height()}, contentY, view_->height(), inset_);
    if (wanted != contentY) view_->setProperty("contentY", wanted);
}

} // namespace quorvane::qt
