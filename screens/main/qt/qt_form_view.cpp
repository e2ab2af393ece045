#include "qt_form_view.h"

#include <QQuickWindow>
#include <QString>

namespace quorvane::qt {

namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtFormView::~QtFormView() {
    for (const auto& connection : connections_)
        QObject::disconnect(connection);
}

void QtFormView::attachField(FieldId field, QQuickItem& item) {
    fields_[indexOf(field)] = &item;
    connections_.push_back(
        QObject::connect(&item, &QQuickItem::activeFocusChanged, &item,
                         [this, field](bool hasFocus) { focusChanged(field, hasFocus); }));
}

void QtFormView::attachSelector(SelectorId selector, QQuickItem& item) {
    selectors_[indexOf(selector)] = &item;
}

void QtFormView::attachAccuracyLabel(QQuickItem& label) {
    accuracyLabel_ = &label;
}

void QtFormView::detachAll() {
    if (editing_) finishEditing(*editing_);
    for (const auto& connection : connections_)
        QObject::disconnect(connection);
    connections_.clear();
    fields_.fill(nullptr);
    selectors_.fill(nullptr);
    accuracyLabel_ = nullptr;
}

std::string QtFormView::text(FieldId field) const {
    const QQuickItem* item = fields_[indexOf(field)];
    return item ? item->property("text").toString().toStdString() : std::string();
}

void QtFormView::setText(FieldId field, std::string_view text) {
    if (QQuickItem* item = fields_[indexOf(field)]) item->setProperty("text", qtText(text));
}

void QtFormView::beginEditing(FieldId field) {
    if (editing_ == field) return;
    QQuickItem* item = fields_[indexOf(field)];
    if (!item) return;
    item->forceActiveFocus(Qt::OtherFocusReason);
    // Without a window (or with focus refused) no focus signal comes: keep the contract anyway.
    if (editing_ != field) focusChanged(field, true);
}

void QtFormView::endEditing(FieldId field) {
    if (editing_ != field) return;
    // The focus goes on to the hemisphere selector of the field's row, the next control that
    // does not edit: dropped, it would fall to the window, and Tab would start over at the top.
    if (QQuickItem* selector = selectors_[indexOf(rowSelector(field))];
        selector && selector->isVisible())
        selector->forceActiveFocus(Qt::OtherFocusReason);
    else if (QQuickItem* item = fields_[indexOf(field)])
        item->setFocus(false, Qt::OtherFocusReason);
    if (editing_ == field) finishEditing(field);
}

SelectorId QtFormView::rowSelector(FieldId field) {
    const FieldInfo& f = info(field);
    for (const SelectorInfo& s : kSelectors)
        if (s.notation == f.notation && s.half == f.half) return s.id;
    return kSelectors.front().id;
}

void QtFormView::focusChanged(FieldId field, bool hasFocus) {
    if (!hasFocus) {
        // A window that is no longer active takes the active focus from its items and gives it
        // back when it is activated again: the user went elsewhere, the edit goes on.
        if (editing_ == field && !windowDeactivated(field)) finishEditing(field);
        return;
    }
    if (editing_ == field) return;
    if (editing_) finishEditing(*editing_); // the field left ends before the new one begins
    editing_ = field;
    delegate_.textFieldDidBeginEditing(field);
}

bool QtFormView::windowDeactivated(FieldId field) const {
    const QQuickItem* item = fields_[indexOf(field)];
    const QQuickWindow* window = item ? item->window() : nullptr;
    // The field keeps its focus inside the window; only the window's activation went.
    return window && !window->isActive() && item->hasFocus();
}

void QtFormView::finishEditing(FieldId field) {
    editing_.reset();
    delegate_.textFieldDidEndEditing(field);
}

int QtFormView::selectedIndex(SelectorId selector) const {
    const QQuickItem* item = selectors_[indexOf(selector)];
    return item ? item->property("currentIndex").toInt() : 0;
}

void QtFormView::setSelectedIndex(SelectorId selector, int index) {
    if (QQuickItem* item = selectors_[indexOf(selector)]) item->setProperty("currentIndex", index);
}

void QtFormView::setAccuracyText(std::string_view text) {
    if (accuracyLabel_) accuracyLabel_->setProperty("text", qtText(text));
}

} // namespace quorvane::qt
