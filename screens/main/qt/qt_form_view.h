// The form's fields and selectors as Qt Quick items (see ConverterPage.qml).
//
// Texts are read and written through the items' "text" properties and selector indices through
// "currentIndex", so the core drives what the screen shows. Editing follows the items' active
// focus: the field that loses it ends editing, the field that gains it begins, in that order and
// synchronously, whatever order Qt reports the two changes in. A window's deactivation and
// reactivation, which take the active focus away and give it back, change neither.
#pragma once

#include "core/form_platform.h"

#include <QMetaObject>
#include <QPointer>
#include <QQuickItem>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace quorvane::qt {

class QtFormView final : public FormView {
public:
    // The delegate receives the editing events and must outlive the view's items.
    explicit QtFormView(FieldEditingDelegate& delegate) : delegate_(delegate) {}
    ~QtFormView() override;
    QtFormView(const QtFormView&) = delete;
    QtFormView& operator=(const QtFormView&) = delete;

    void attachField(FieldId field, QQuickItem& item);
    void attachSelector(SelectorId selector, QQuickItem& item);
    void attachAccuracyLabel(QQuickItem& label);
    // Forgets every item (the page is going away); a field being edited ends first.
    void detachAll();

    std::string text(FieldId field) const override;
    void setText(FieldId field, std::string_view text) override;
    bool isEditing(FieldId field) const override { return editing_ == field; }
    void beginEditing(FieldId field) override;
    void endEditing(FieldId field) override;

    int selectedIndex(SelectorId selector) const override;
    void setSelectedIndex(SelectorId selector, int index) override;
    void setAccuracyText(std::string_view text) override;

    std::optional<FieldId> editingField() const { return editing_; }
    QQuickItem* fieldItem(FieldId field) const { return fields_[indexOf(field)]; }
    QQuickItem* selectorItem(SelectorId selector) const { return selectors_[indexOf(selector)]; }

private:
    void focusChanged(FieldId field, bool hasFocus);
    // Whether the field lost the active focus only because its window was deactivated.
    bool windowDeactivated(FieldId field) const;
    // The hemisphere selector in the same row as the field.
    static SelectorId rowSelector(FieldId field);
    void finishEditing(FieldId field);

    FieldEditingDelegate& delegate_;
    std::array<QPointer<QQuickItem>, kFieldCount> fields_{};
    std::array<QPointer<QQuickItem>, kSelectorCount> selectors_{};
    QPointer<QQuickItem> accuracyLabel_;
    std::vector<QMetaObject::Connection> connections_;
    std::optional<FieldId> editing_;
};

} // namespace quorvane::qt
